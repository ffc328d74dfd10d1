#include "gui/calculators/fform.h"

#include <QLabel>
#include <QLineEdit>

#include "gui/common/prompts.h"
#include "gui/common/text.h"

TFCompute *FCompute = nullptr;

namespace {

TCalcDialog::Design fDesign()
{
    TCalcDialog::Design design;
    design.caption = QStringLiteral("Critical Values for F distribution");
    design.resultCaption = QStringLiteral("F Distribution");
    design.helpContext = 10;
    design.helpButtonContext = 10;
    design.showHints = false;
    design.centred = false;
    design.designPosition = QPoint(192, 107);
    return design;
}

} // namespace

TFCompute::TFCompute(QWidget *parent)
    : TCalcDialog(fDesign(), parent)
{
    const QString degreesHint = QStringLiteral("Enter number of redundant measurements");
    AlphaText = addField(
        QStringLiteral("Label1"), QStringLiteral("&Alpha, Upper-tail percentage points:"),
        QStringLiteral("AlphaText"), QStringLiteral("Enter upper-tail in percentage points"), 65);
    V1Text = addField(QStringLiteral("Label2"), QStringLiteral("&Numerator degrees of freedom: "),
                      QStringLiteral("V1Text"), degreesHint, 65);
    V2Text = addField(QStringLiteral("Label3"), QStringLiteral("&Denominator degrees of freedom: "),
                      QStringLiteral("V2Text"), degreesHint, 65);
    Label1 = findChild<QLabel *>(QStringLiteral("Label1"));
    Label2 = findChild<QLabel *>(QStringLiteral("Label2"));
    Label3 = findChild<QLabel *>(QStringLiteral("Label3"));
}

void TFCompute::Execute()
{
    executeFresh<TFCompute>();
}

CalcOutcome TFCompute::runRequest()
{
    return RunFRequest(ToCore(AlphaText->text()), ToCore(V1Text->text()), ToCore(V2Text->text()),
                       LastDataLine());
}
