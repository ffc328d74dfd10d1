#include "gui/calculators/fdistributiondialog.h"

#include <QLineEdit>

#include "gui/common/prompts.h"
#include "gui/common/text.h"

namespace {

CalculatorDialog::Design fDesign()
{
    CalculatorDialog::Design design;
    design.kind = CalcKind::F;
    design.caption = QStringLiteral("Critical Values for F distribution");
    design.resultCaption = QStringLiteral("F Distribution");
    design.helpContext = 10;
    design.helpButtonContext = 10;
    design.showHints = false;
    return design;
}

} // namespace

FDistributionDialog::FDistributionDialog(QWidget *parent)
    : CalculatorDialog(fDesign(), parent)
{
    const QString degreesHint = QStringLiteral("Enter number of redundant measurements");
    m_alphaEdit = addField(
        QStringLiteral("Label1"), QStringLiteral("&Alpha, Upper-tail percentage points:"),
        QStringLiteral("AlphaText"), QStringLiteral("Enter upper-tail in percentage points"), 65);
    m_numeratorEdit
        = addField(QStringLiteral("Label2"), QStringLiteral("&Numerator degrees of freedom: "),
                   QStringLiteral("V1Text"), degreesHint, 65);
    m_denominatorEdit
        = addField(QStringLiteral("Label3"), QStringLiteral("&Denominator degrees of freedom: "),
                   QStringLiteral("V2Text"), degreesHint, 65);
    setValueTexts(QStringLiteral("V&alue of F:"),
                  QStringLiteral("Enter the value of F to find its upper-tail probability"));
}
