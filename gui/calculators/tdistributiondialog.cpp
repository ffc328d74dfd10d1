#include "gui/calculators/tdistributiondialog.h"

#include <QCoreApplication>
#include <QLineEdit>

#include "gui/common/prompts.h"
#include "gui/common/text.h"

namespace {

CalculatorDialog::Design tDesign()
{
    CalculatorDialog::Design design;
    design.kind = CalcKind::T;
    design.caption
        = QCoreApplication::translate("TDistributionDialog", "Critical Values for t distribution");
    design.probabilityCaption
        = QCoreApplication::translate("TDistributionDialog", "Probability for t distribution");
    design.resultCaption
        = QCoreApplication::translate("TDistributionDialog", "Students t Distribution");
    design.helpContext = 9;
    design.helpButtonContext = 9;
    design.showHints = true;
    return design;
}

} // namespace

TDistributionDialog::TDistributionDialog(QWidget *parent)
    : CalculatorDialog(tDesign(), parent)
{
    m_alphaEdit
        = addField(QStringLiteral("Label1"), tr("&Alpha, Upper-tail percentage points:"),
                   QStringLiteral("AlphaText"), tr("Enter upper-tail in percentage points"), 65, 9);
    m_degreesEdit
        = addField(QStringLiteral("Label2"), tr("&V, Degrees of freedom: "),
                   QStringLiteral("VText"), tr("Enter number of redundant measurements"), 65, 9);
    setValueTexts(tr("V&alue of t:"),
                  tr("Enter the value of t to find its upper-tail probability"));
}
