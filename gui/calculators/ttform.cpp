#include "gui/calculators/ttform.h"

#include <QLabel>
#include <QLineEdit>

#include "gui/common/prompts.h"
#include "gui/common/text.h"

TTCompute *TCompute = nullptr;

namespace {

TCalcDialog::Design tDesign()
{
    TCalcDialog::Design design;
    design.caption = QStringLiteral("Critical Values for t distribution");
    design.resultCaption = QStringLiteral("Students t Distribution");
    design.helpContext = 9;
    design.helpButtonContext = 9;
    design.showHints = true;
    design.centred = true;
    return design;
}

} // namespace

TTCompute::TTCompute(QWidget *parent)
    : TCalcDialog(tDesign(), parent)
{
    AlphaText = addField(QStringLiteral("Label1"),
                         QStringLiteral("&Alpha, Upper-tail percentage points:"),
                         QStringLiteral("AlphaText"),
                         QStringLiteral("Enter upper-tail in percentage points"), 65, 9);
    VText = addField(QStringLiteral("Label2"), QStringLiteral("&V, Degrees of freedom: "),
                     QStringLiteral("VText"),
                     QStringLiteral("Enter number of redundant measurements"), 65, 9);
    Label1 = findChild<QLabel *>(QStringLiteral("Label1"));
    Label2 = findChild<QLabel *>(QStringLiteral("Label2"));
}

void TTCompute::Execute()
{
    executeFresh<TTCompute>();
}

CalcOutcome TTCompute::runRequest()
{
    return RunTRequest(ToCore(AlphaText->text()), ToCore(VText->text()), LastDataLine());
}
