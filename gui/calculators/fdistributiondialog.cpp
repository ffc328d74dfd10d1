#include "gui/calculators/fdistributiondialog.h"

#include <QLineEdit>

#include "core/numeric/strings.h"
#include "gui/common/prompts.h"
#include "gui/common/text.h"

namespace {

// The degrees of freedom of a field that the request has accepted.
int DegreesIn(const QLineEdit *edit)
{
    return ReadIntegerField(ToCore(edit->text())).value;
}

CalculatorDialog::Design fDesign()
{
    CalculatorDialog::Design design;
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

CalcOutcome FDistributionDialog::runRequest()
{
    return probabilityMode()
        ? RunFProbabilityRequest(ToCore(m_alphaEdit->text()), ToCore(m_numeratorEdit->text()),
                                 ToCore(m_denominatorEdit->text()))
        : RunFRequest(ToCore(m_alphaEdit->text()), ToCore(m_numeratorEdit->text()),
                      ToCore(m_denominatorEdit->text()));
}

DensityPlot FDistributionDialog::densityPlot() const
{
    DensityPlot plot;
    plot.kind = DensityPlot::Kind::F;
    plot.v1 = DegreesIn(m_numeratorEdit);
    plot.v2 = DegreesIn(m_denominatorEdit);
    return plot;
}
