#include "gui/calculators/fdistributiondialog.h"

#include <QCoreApplication>
#include <QLineEdit>

#include "gui/common/prompts.h"
#include "gui/common/text.h"

namespace {

CalculatorDialog::Design fDesign()
{
    CalculatorDialog::Design design;
    design.kind = CalcKind::F;
    design.caption
        = QCoreApplication::translate("FDistributionDialog", "Critical Values for F distribution");
    design.probabilityCaption
        = QCoreApplication::translate("FDistributionDialog", "Probability for F distribution");
    design.resultCaption = QCoreApplication::translate("FDistributionDialog", "F Distribution");
    design.helpContext = 10;
    design.helpButtonContext = 10;
    design.showHints = false;
    return design;
}

} // namespace

FDistributionDialog::FDistributionDialog(QWidget *parent)
    : CalculatorDialog(fDesign(), parent)
{
    const QString degreesHint = tr("Enter number of redundant measurements");
    m_alphaEdit
        = addField(QStringLiteral("Label1"), tr("&Alpha, Upper-tail percentage points:"),
                   QStringLiteral("AlphaText"), tr("Enter upper-tail in percentage points"), 65);
    m_numeratorEdit = addField(QStringLiteral("Label2"), tr("&Numerator degrees of freedom: "),
                               QStringLiteral("V1Text"), degreesHint, 65);
    m_denominatorEdit = addField(QStringLiteral("Label3"), tr("&Denominator degrees of freedom: "),
                                 QStringLiteral("V2Text"), degreesHint, 65);
    setValueTexts(tr("V&alue of F:"),
                  tr("Enter the value of F to find its upper-tail probability"));
}
