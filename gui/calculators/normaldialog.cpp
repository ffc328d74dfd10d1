#include "gui/calculators/normaldialog.h"

#include <QCoreApplication>
#include <QLineEdit>

#include "gui/common/prompts.h"
#include "gui/common/text.h"

namespace {

CalculatorDialog::Design normalDesign()
{
    CalculatorDialog::Design design;
    design.kind = CalcKind::Normal;
    design.caption = QCoreApplication::translate("NormalDialog", "Normal Distribution");
    design.resultCaption = QCoreApplication::translate("NormalDialog", "Normal Distribution");
    design.helpContext = 7; // F1 shows the calculator's topic, as Help does
    design.helpButtonContext = 7;
    design.showHints = true;
    return design;
}

} // namespace

NormalDialog::NormalDialog(QWidget *parent)
    : CalculatorDialog(normalDesign(), parent)
{
    m_percentEdit = addField(QStringLiteral("Label1"), tr("Percent probability:"),
                             QStringLiteral("PEdit"), tr("Enter the desired percent  probability"),
                             49, 0, QStringLiteral("Label2"), QStringLiteral("%"));
    setValueTexts(tr("Value of z:"),
                  tr("Enter z to find the percent probability between -z and z"));
}
