#include "gui/calculators/normalform.h"

#include <QLabel>
#include <QLineEdit>

#include "gui/common/prompts.h"
#include "gui/common/text.h"

TNormal *Normal = nullptr;

namespace {

TCalcDialog::Design normalDesign()
{
    TCalcDialog::Design design;
    design.caption = QStringLiteral("Normal Distribution");
    design.resultCaption = QStringLiteral("Normal Distribution");
    design.helpContext = 0; // none of its own: F1 on the dialog finds nothing
    design.helpButtonContext = 7;
    design.showHints = true;
    design.centred = true;
    return design;
}

} // namespace

TNormal::TNormal(QWidget *parent)
    : TCalcDialog(normalDesign(), parent)
{
    PEdit = addField(QStringLiteral("Label1"), QStringLiteral("Percent probability:"),
                     QStringLiteral("PEdit"),
                     QStringLiteral("Enter the desired percent  probability"), 49);
    Label1 = findChild<QLabel *>(QStringLiteral("Label1"));
    Label2 = addTrailingLabel(PEdit, QStringLiteral("Label2"), QStringLiteral("%"));
}

void TNormal::Execute()
{
    executeFresh<TNormal>();
}

CalcOutcome TNormal::runRequest()
{
    return RunNormalRequest(ToCore(PEdit->text()), LastDataLine());
}
