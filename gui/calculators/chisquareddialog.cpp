#include "gui/calculators/chisquareddialog.h"

#include <QCoreApplication>
#include <QLineEdit>

#include "gui/common/prompts.h"
#include "gui/common/text.h"

namespace {

CalculatorDialog::Design chiDesign()
{
    CalculatorDialog::Design design;
    design.kind = CalcKind::ChiSquared;
    design.caption = QCoreApplication::translate("ChiSquaredDialog",
                                                 "Critical Value for Chi-squared distribution");
    design.probabilityCaption = QCoreApplication::translate(
        "ChiSquaredDialog", "Probability for Chi-squared distribution");
    design.resultCaption = QCoreApplication::translate("ChiSquaredDialog", "X\u00B2 Distribution");
    design.helpContext = 8;
    design.helpButtonContext = 8;
    design.showHints = false;
    return design;
}

} // namespace

ChiSquaredDialog::ChiSquaredDialog(QWidget *parent)
    : CalculatorDialog(chiDesign(), parent)
{
    m_alphaEdit
        = addField(QStringLiteral("Label1"), tr("&Alpha, Upper-tail percentage points:"),
                   QStringLiteral("AlphaText"), tr("Enter upper-tail in percentage points"), 65);
    m_degreesEdit
        = addField(QStringLiteral("Label2"), tr("&V, Degrees of freedom: "),
                   QStringLiteral("VText"), tr("Enter number of redundant measurements"), 65);
    setValueTexts(tr("V&alue of chi-squared:"),
                  tr("Enter the value of chi-squared to find its upper-tail probability"));
}
