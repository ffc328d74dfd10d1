#include "gui/calculators/normaldialog.h"

#include <QLineEdit>

#include "gui/common/prompts.h"
#include "gui/common/text.h"

namespace {

CalculatorDialog::Design normalDesign()
{
    CalculatorDialog::Design design;
    design.kind = CalcKind::Normal;
    design.caption = QStringLiteral("Normal Distribution");
    design.resultCaption = QStringLiteral("Normal Distribution");
    design.helpContext = 7; // F1 shows the calculator's topic, as Help does
    design.helpButtonContext = 7;
    design.showHints = true;
    return design;
}

} // namespace

NormalDialog::NormalDialog(QWidget *parent)
    : CalculatorDialog(normalDesign(), parent)
{
    m_percentEdit = addField(QStringLiteral("Label1"), QStringLiteral("Percent probability:"),
                             QStringLiteral("PEdit"),
                             QStringLiteral("Enter the desired percent  probability"), 49, 0,
                             QStringLiteral("Label2"), QStringLiteral("%"));
    setValueTexts(QStringLiteral("Value of z:"),
                  QStringLiteral("Enter z to find the percent probability between -z and z"));
}
