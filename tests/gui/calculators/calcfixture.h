#pragma once
// What the calculator window tests share: the four calculators described as
// data, running a request the way the frame does, and the user's actions on
// the dialogs and on the results window.

#include <QMetaType>
#include <QString>
#include <QStringList>

class QDialog;
class QWidget;

enum class Calc { T, Chi, F, Normal };
Q_DECLARE_METATYPE(Calc)

struct CalcInfo
{
    const char *className; // the dialog's class
    QStringList fields;    // its edit fields, in tab order
    QString resultCaption; // the results window's caption
};

CalcInfo Info(Calc calc);

// Runs the calculator's command as the frame does, with parent as the window
// it belongs to, and returns how many calculator dialogs and results windows
// it left alive (0 when the request cleaned up).
int ExecuteRequest(Calc calc, QWidget *parent = nullptr);

// Settings in Qt's test location, without any calculator's last choices.
void ForgetChoices();

// Dialogs of the class that are alive now.
int LiveDialogs(Calc calc);

// Problems seen inside the steps of a script (checks made while a modal
// window waits); a test fails when any are left.
extern QStringList Problems;
void Expect(bool condition, const QString &what);

// After a command ran under a ModalScript: no step failed, no check inside a
// step failed, and every step was used.
#define VERIFY_SCRIPT_RAN_CLEAN(script)                                                  \
    do {                                                                                 \
        QVERIFY2((script).failures.isEmpty(), qPrintable((script).failures.join("; "))); \
        QVERIFY2(Problems.isEmpty(), qPrintable(Problems.join("; ")));                   \
        QCOMPARE((script).remaining(), 0);                                               \
    } while (false)

void TypeInto(QDialog *dialog, const QStringList &fields, const QStringList &texts);
QStringList FieldTexts(QDialog *dialog, const QStringList &fields);
void Press(QDialog *dialog, const char *buttonName);

// The read-error message of a typed number: the field as typed with a caret
// at column caret (from 0), then, when a number stands before the caret, the
// request for one number only.
QString RealReadError(const QString &typed, int caret, bool afterNumber = false);
QString IntegerReadError(const QString &typed, int caret, bool afterNumber = false);
