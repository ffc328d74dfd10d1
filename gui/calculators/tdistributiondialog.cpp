#include "gui/calculators/tdistributiondialog.h"

#include <QLineEdit>

#include "gui/common/prompts.h"
#include "gui/common/text.h"

namespace {

CalculatorDialog::Design tDesign()
{
    CalculatorDialog::Design design;
    design.kind = CalcKind::T;
    design.caption = QStringLiteral("Critical Values for t distribution");
    design.resultCaption = QStringLiteral("Students t Distribution");
    design.helpContext = 9;
    design.helpButtonContext = 9;
    design.showHints = true;
    return design;
}

} // namespace

TDistributionDialog::TDistributionDialog(QWidget *parent)
    : CalculatorDialog(tDesign(), parent)
{
    m_alphaEdit = addField(QStringLiteral("Label1"),
                           QStringLiteral("&Alpha, Upper-tail percentage points:"),
                           QStringLiteral("AlphaText"),
                           QStringLiteral("Enter upper-tail in percentage points"), 65, 9);
    m_degreesEdit = addField(QStringLiteral("Label2"), QStringLiteral("&V, Degrees of freedom: "),
                             QStringLiteral("VText"),
                             QStringLiteral("Enter number of redundant measurements"), 65, 9);
    setValueTexts(QStringLiteral("V&alue of t:"),
                  QStringLiteral("Enter the value of t to find its upper-tail probability"));
}
