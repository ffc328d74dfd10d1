#include "gui/calculators/tdistributiondialog.h"

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

CalculatorDialog::Design tDesign()
{
    CalculatorDialog::Design design;
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

CalcOutcome TDistributionDialog::runRequest()
{
    return probabilityMode()
        ? RunTProbabilityRequest(ToCore(m_alphaEdit->text()), ToCore(m_degreesEdit->text()))
        : RunTRequest(ToCore(m_alphaEdit->text()), ToCore(m_degreesEdit->text()));
}

DensityPlot TDistributionDialog::densityPlot() const
{
    DensityPlot plot;
    plot.kind = DensityPlot::Kind::T;
    plot.v1 = DegreesIn(m_degreesEdit);
    return plot;
}
