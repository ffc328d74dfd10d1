#include "gui/calculators/chisquareddialog.h"

#include <QLineEdit>

#include "gui/common/prompts.h"
#include "gui/common/text.h"

namespace {

CalculatorDialog::Design chiDesign()
{
    CalculatorDialog::Design design;
    design.kind = CalcKind::ChiSquared;
    design.caption = QStringLiteral("Critical Value for Chi-squared distribution");
    design.resultCaption = QStringLiteral("X\u00B2 Distribution");
    design.helpContext = 8;
    design.helpButtonContext = 8;
    design.showHints = false;
    return design;
}

} // namespace

ChiSquaredDialog::ChiSquaredDialog(QWidget *parent)
    : CalculatorDialog(chiDesign(), parent)
{
    m_alphaEdit = addField(
        QStringLiteral("Label1"), QStringLiteral("&Alpha, Upper-tail percentage points:"),
        QStringLiteral("AlphaText"), QStringLiteral("Enter upper-tail in percentage points"), 65);
    m_degreesEdit = addField(QStringLiteral("Label2"), QStringLiteral("&V, Degrees of freedom: "),
                             QStringLiteral("VText"),
                             QStringLiteral("Enter number of redundant measurements"), 65);
    setValueTexts(
        QStringLiteral("V&alue of chi-squared:"),
        QStringLiteral("Enter the value of chi-squared to find its upper-tail probability"));
}
