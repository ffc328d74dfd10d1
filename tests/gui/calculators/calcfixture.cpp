#include "calcfixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QTest>

#include "gui/calculators/fform.h"
#include "gui/calculators/normalform.h"
#include "gui/calculators/ttform.h"
#include "gui/calculators/x2form.h"

QStringList Problems;

CalcInfo Info(Calc calc)
{
    switch (calc) {
    case Calc::T:
        return {"TTCompute", {"AlphaText", "VText"}, QStringLiteral("Students t Distribution")};
    case Calc::Chi:
        return {"TX2", {"AlphaText", "VText"}, QStringLiteral("X\u00B2 Distribution")};
    case Calc::F:
        return {"TFCompute", {"AlphaText", "V1Text", "V2Text"}, QStringLiteral("F Distribution")};
    case Calc::Normal:
        return {"TNormal", {"PEdit"}, QStringLiteral("Normal Distribution")};
    }
    return {};
}

namespace {

template <class Dialog>
int ExecuteOn()
{
    Dialog startUp;
    // The instance made at start-up only hands the request on; it must never
    // be the one shown.
    QObject::connect(&startUp, &QDialog::finished,
                     [] { Problems << QStringLiteral("the start-up instance was shown"); });
    const int before = LiveDialogs(Calc::T) + LiveDialogs(Calc::Chi) + LiveDialogs(Calc::F)
        + LiveDialogs(Calc::Normal);
    startUp.Execute();
    const int after = LiveDialogs(Calc::T) + LiveDialogs(Calc::Chi) + LiveDialogs(Calc::F)
        + LiveDialogs(Calc::Normal);
    if (startUp.isVisible())
        Problems << QStringLiteral("the start-up instance is visible");
    return after - before;
}

} // namespace

int ExecuteRequest(Calc calc)
{
    switch (calc) {
    case Calc::T:
        return ExecuteOn<TTCompute>();
    case Calc::Chi:
        return ExecuteOn<TX2>();
    case Calc::F:
        return ExecuteOn<TFCompute>();
    case Calc::Normal:
        return ExecuteOn<TNormal>();
    }
    return -1;
}

int LiveDialogs(Calc calc)
{
    const char *name = Info(calc).className;
    int count = 0;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (qstrcmp(widget->metaObject()->className(), name) == 0)
            ++count;
    }
    return count;
}

void Expect(bool condition, const QString &what)
{
    if (!condition)
        Problems << what;
}

void TypeInto(QDialog *dialog, const QStringList &fields, const QStringList &texts)
{
    for (int i = 0; i < fields.size() && i < texts.size(); ++i) {
        auto *edit = dialog->findChild<QLineEdit *>(fields[i]);
        if (!edit) {
            Problems << QStringLiteral("no field %1").arg(fields[i]);
            continue;
        }
        edit->clear();
        QTest::keyClicks(edit, texts[i]);
    }
}

QStringList FieldTexts(QDialog *dialog, const QStringList &fields)
{
    QStringList texts;
    for (const QString &name : fields) {
        auto *edit = dialog->findChild<QLineEdit *>(name);
        texts << (edit ? edit->text() : QStringLiteral("<no field %1>").arg(name));
    }
    return texts;
}

void Press(QDialog *dialog, const char *buttonName)
{
    auto *button = dialog->findChild<QAbstractButton *>(QString::fromLatin1(buttonName));
    if (!button) {
        Problems << QStringLiteral("no button %1").arg(QString::fromLatin1(buttonName));
        dialog->reject();
        return;
    }
    button->click();
}

QString RealReadError()
{
    return QStringLiteral("Double expected in read\n\nProcessing Line : \nNo line read in file");
}

QString IntegerReadError()
{
    return QStringLiteral("Integer expected in read\n\nProcessing Line : \nNo line read in file");
}
