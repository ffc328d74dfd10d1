#include "gui/calculators/x2form.h"

#include <QLabel>
#include <QLineEdit>

#include "gui/common/prompts.h"
#include "gui/common/text.h"

TX2 *X2 = nullptr;

namespace {

TCalcDialog::Design chiDesign()
{
    TCalcDialog::Design design;
    design.caption = QStringLiteral("Critical Value for Chi-squared distribution");
    design.resultCaption = QStringLiteral("X\u00B2 Distribution");
    design.helpContext = 8;
    design.helpButtonContext = 8;
    design.showHints = false;
    design.centred = false;
    design.designPosition = QPoint(192, 107);
    return design;
}

} // namespace

TX2::TX2(QWidget *parent)
    : TCalcDialog(chiDesign(), parent)
{
    AlphaText = addField(
        QStringLiteral("Label1"), QStringLiteral("&Alpha, Upper-tail percentage points:"),
        QStringLiteral("AlphaText"), QStringLiteral("Enter upper-tail in percentage points"), 65);
    VText = addField(QStringLiteral("Label2"), QStringLiteral("&V, Degrees of freedom: "),
                     QStringLiteral("VText"),
                     QStringLiteral("Enter number of redundant measurements"), 65);
    Label1 = findChild<QLabel *>(QStringLiteral("Label1"));
    Label2 = findChild<QLabel *>(QStringLiteral("Label2"));
}

void TX2::Execute()
{
    executeFresh<TX2>();
}

CalcOutcome TX2::runRequest()
{
    return RunChiRequest(ToCore(AlphaText->text()), ToCore(VText->text()), LastDataLine());
}
