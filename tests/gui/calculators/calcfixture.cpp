#include "calcfixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

#include "gui/calculators/calculators.h"
#include "gui/viewers/resultsdialog.h"

QStringList Problems;

void ForgetChoices()
{
    QStandardPaths::setTestModeEnabled(true);
    QSettings(QSettings::NativeFormat, QSettings::UserScope, QCoreApplication::organizationName(),
              QCoreApplication::applicationName())
        .remove(QStringLiteral("choices"));
}

CalcInfo Info(Calc calc)
{
    switch (calc) {
    case Calc::T:
        return {"TDistributionDialog",
                {"AlphaText", "VText"},
                QStringLiteral("Students t Distribution")};
    case Calc::Chi:
        return {"ChiSquaredDialog", {"AlphaText", "VText"}, QStringLiteral("X\u00B2 Distribution")};
    case Calc::F:
        return {"FDistributionDialog",
                {"AlphaText", "V1Text", "V2Text"},
                QStringLiteral("F Distribution")};
    case Calc::Normal:
        return {"NormalDialog", {"PEdit"}, QStringLiteral("Normal Distribution")};
    }
    return {};
}

namespace {

int LiveWindows()
{
    int count = 0;
    for (QWidget *widget : QApplication::allWidgets())
        if (widget->isWindow()
            && (qobject_cast<ResultsDialog *>(widget) || widget->inherits("CalculatorDialog")))
            ++count;
    return count;
}

} // namespace

int ExecuteRequest(Calc calc, QWidget *parent)
{
    const int before = LiveWindows();
    switch (calc) {
    case Calc::T:
        RunTCalculator(parent);
        break;
    case Calc::Chi:
        RunChiSquaredCalculator(parent);
        break;
    case Calc::F:
        RunFCalculator(parent);
        break;
    case Calc::Normal:
        RunNormalCalculator(parent);
        break;
    }
    return LiveWindows() - before;
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

namespace {

QString ReadError(const QString &kind, const QString &typed, int caret, bool afterNumber)
{
    return kind + QStringLiteral(" expected in read\n\nProcessing Line : \n") + typed
        + QStringLiteral("\n") + QString(caret, QLatin1Char(' ')) + QStringLiteral("^")
        + (afterNumber ? QStringLiteral("\n\nPlease enter one number only.") : QString());
}

} // namespace

QString RealReadError(const QString &typed, int caret, bool afterNumber)
{
    return ReadError(QStringLiteral("Double"), typed, caret, afterNumber);
}

QString IntegerReadError(const QString &typed, int caret, bool afterNumber)
{
    return ReadError(QStringLiteral("Integer"), typed, caret, afterNumber);
}
