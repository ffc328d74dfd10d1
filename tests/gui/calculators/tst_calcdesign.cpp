// How the four calculator dialogs look and answer: captions, labels, fonts,
// hints, help, tab order, size and placement, as a request shows them.

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "calcfixture.h"
#include "gui/common/help.h"
#include "modalscript.h"
#include "recordinghelp.h"
#include "scriptedprompts.h"

namespace {

struct FieldDesign
{
    QString labelName;
    QString labelText;
    QString editName;
    QString hint;
    int width;
    int helpContext;
};

struct DialogDesign
{
    QString caption;
    QList<FieldDesign> fields;
    int dialogContext;
    int helpButtonContext;
    bool hintsShown;
};
} // namespace
Q_DECLARE_METATYPE(DialogDesign)

namespace {

QStringList TabOrder(QWidget *dialog)
{
    QStringList names;
    QWidget *start = dialog->findChild<QLineEdit *>();
    QWidget *widget = start;
    do {
        if ((widget->focusPolicy() & Qt::TabFocus) && widget->isVisibleTo(dialog)
            && widget->isEnabled() && widget != dialog)
            names << widget->objectName();
        widget = widget->nextInFocusChain();
    } while (widget && widget != start);
    return names;
}

} // namespace

class CalcDesignTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        Problems.clear();
        ForgetChoices();
    }

    void design_data();
    void design();
};

void CalcDesignTest::design_data()
{
    QTest::addColumn<Calc>("calc");
    QTest::addColumn<DialogDesign>("expected");

    const QString alphaLabel = QStringLiteral("&Alpha, Upper-tail percentage points:");
    const QString alphaHint = QStringLiteral("Enter upper-tail in percentage points");
    const QString vLabel = QStringLiteral("&V, Degrees of freedom: ");
    const QString vHint = QStringLiteral("Enter number of redundant measurements");

    QTest::newRow("t") << Calc::T
                       << DialogDesign{QStringLiteral("Critical Values for t distribution"),
                                       {{"Label1", alphaLabel, "AlphaText", alphaHint, 65, 9},
                                        {"Label2", vLabel, "VText", vHint, 65, 9}},
                                       9,
                                       9,
                                       true};
    QTest::newRow("chi") << Calc::Chi
                         << DialogDesign{
                                QStringLiteral("Critical Value for Chi-squared distribution"),
                                {{"Label1", alphaLabel, "AlphaText", alphaHint, 65, 0},
                                 {"Label2", vLabel, "VText", vHint, 65, 0}},
                                8,
                                8,
                                false};
    QTest::newRow("F")
        << Calc::F
        << DialogDesign{QStringLiteral("Critical Values for F distribution"),
                        {{"Label1", alphaLabel, "AlphaText", alphaHint, 65, 0},
                         {"Label2", "&Numerator degrees of freedom: ", "V1Text", vHint, 65, 0},
                         {"Label3", "&Denominator degrees of freedom: ", "V2Text", vHint, 65, 0}},
                        10,
                        10,
                        false};
    QTest::newRow("normal") << Calc::Normal
                            << DialogDesign{QStringLiteral("Normal Distribution"),
                                            {{"Label1", "Percent probability:", "PEdit",
                                              "Enter the desired percent  probability", 49, 0}},
                                            7, // F1 shows the calculator's own topic
                                            7,
                                            true};
}

void CalcDesignTest::design()
{
    QFETCH(Calc, calc);
    QFETCH(DialogDesign, expected);

    QWidget frame;
    frame.setGeometry(70, 50, 1000, 700);
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    RecordingHelp help;
    ScriptedPrompts prompts;
    ScopedPrompts use(prompts);
    ModalScript script;
    QString helpFile;

    script.expect(Info(calc).className, [&](QDialog *dialog) {
        Expect(dialog->windowTitle() == expected.caption,
               QStringLiteral("caption \"%1\"").arg(dialog->windowTitle()));
        Expect(helpContext(dialog) == expected.dialogContext,
               QStringLiteral("dialog help context %1").arg(helpContext(dialog)));
        // The title bar has room for the whole caption.
        const int captionText = dialog->fontMetrics().horizontalAdvance(dialog->windowTitle());
        Expect(dialog->width() > captionText + 100,
               QStringLiteral("%1 pixels wide for a caption of %2")
                   .arg(dialog->width())
                   .arg(captionText));

        QStringList expectedOrder;
        for (const FieldDesign &field : expected.fields) {
            auto *label = dialog->findChild<QLabel *>(field.labelName);
            auto *edit = dialog->findChild<QLineEdit *>(field.editName);
            if (!label || !edit) {
                Problems << QStringLiteral("missing %1 or %2").arg(field.labelName, field.editName);
                continue;
            }
            expectedOrder << field.editName;
            Expect(label->text() == field.labelText,
                   QStringLiteral("label \"%1\"").arg(label->text()));
            Expect(label->buddy() == edit,
                   field.labelName + QStringLiteral(" does not lead to its field"));
            Expect(label->font().family() == QLatin1String("Times New Roman")
                       && label->font().pixelSize() == 16 && label->font().bold(),
                   field.labelName + QStringLiteral(" font ") + label->font().toString());
            Expect(label->palette().color(QPalette::WindowText) == QColor(0, 0, 128),
                   field.labelName + QStringLiteral(" is not navy"));
            Expect(label->geometry().right() < edit->geometry().left(),
                   field.labelName + QStringLiteral(" is not left of its field"));

            Expect(edit->width() == field.width,
                   QStringLiteral("%1 is %2 wide").arg(field.editName).arg(edit->width()));
            Expect(edit->font().family() == QLatin1String("Times New Roman")
                       && edit->font().pixelSize() == 13 && !edit->font().bold(),
                   field.editName + QStringLiteral(" font ") + edit->font().toString());
            Expect(edit->palette().color(QPalette::Text) == QColor(Qt::black),
                   field.editName + QStringLiteral(" text is not black"));
            Expect(edit->text().isEmpty(),
                   field.editName + QStringLiteral(" does not start empty"));
            Expect(edit->property("hint").toString() == field.hint,
                   field.editName
                       + QStringLiteral(" hint \"%1\"").arg(edit->property("hint").toString()));
            Expect(edit->toolTip() == (expected.hintsShown ? field.hint : QString()),
                   field.editName + QStringLiteral(" tool tip \"%1\"").arg(edit->toolTip()));
            Expect(helpContext(edit) == field.helpContext,
                   field.editName + QStringLiteral(" help context %1").arg(helpContext(edit)));
        }
        if (calc == Calc::Normal) {
            auto *percent = dialog->findChild<QLabel *>(QStringLiteral("Label2"));
            auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("PEdit"));
            Expect(percent && percent->text() == QLatin1String("%") && edit
                       && percent->geometry().left() > edit->geometry().right(),
                   QStringLiteral("no \"%\" right of PEdit"));
        }

        auto *ok = dialog->findChild<QPushButton *>(QStringLiteral("OkBtn"));
        auto *cancel = dialog->findChild<QPushButton *>(QStringLiteral("CancelBtn"));
        auto *helpButton = dialog->findChild<QPushButton *>(QStringLiteral("HelpBtn"));
        if (!ok || !cancel || !helpButton) {
            Problems << QStringLiteral("missing a button");
            dialog->reject();
            return;
        }
        Expect(ok->text() == QLatin1String("OK") && ok->isDefault(), QStringLiteral("OK button"));
        Expect(cancel->text() == QLatin1String("Cancel"), QStringLiteral("Cancel button"));
        Expect(helpButton->text() == QLatin1String("&Help"), QStringLiteral("Help button"));
        Expect(helpContext(helpButton) == expected.helpButtonContext,
               QStringLiteral("Help button context %1").arg(helpContext(helpButton)));

        // One row below the fields: OK, Cancel, Help from the left.
        auto middle
            = [dialog](QWidget *widget) { return widget->mapTo(dialog, widget->rect().center()); };
        auto *lastField = dialog->findChild<QLineEdit *>(expected.fields.last().editName);
        Expect(middle(ok).x() < middle(cancel).x() && middle(cancel).x() < middle(helpButton).x()
                   && middle(ok).y() == middle(cancel).y()
                   && middle(cancel).y() == middle(helpButton).y() && lastField
                   && ok->mapTo(dialog, QPoint()).y() > lastField->geometry().bottom(),
               QStringLiteral("buttons are not one row below the fields"));

        expectedOrder << "AreaBox"
                      << "DigitsBox"
                      << "OkBtn"
                      << "CancelBtn"
                      << "HelpBtn";
        Expect(TabOrder(dialog) == expectedOrder,
               QStringLiteral("tab order %1").arg(TabOrder(dialog).join(' ')));

        // Sized to its contents with a 10-pixel border, and not resizable.
        const QMargins margins = dialog->layout()->contentsMargins();
        Expect(margins == QMargins(10, 10, 10, 10), QStringLiteral("border is not 10 pixels"));
        Expect(dialog->size() == dialog->sizeHint()
                   && dialog->minimumSize() == dialog->maximumSize(),
               QStringLiteral("not sized to its contents"));
        Expect(dialog->childrenRect().top() >= 10 && dialog->childrenRect().left() >= 10
                   && dialog->childrenRect().right() <= dialog->width() - 10
                   && dialog->childrenRect().bottom() <= dialog->height() - 10,
               QStringLiteral("controls inside the border"));

        // Centred over the window that started the request.
        const QPoint centre = dialog->frameGeometry().center();
        Expect((centre - frame.frameGeometry().center()).manhattanLength() <= 4,
               QStringLiteral("not centred over its window: %1,%2 frame %3,%4 %5x%6")
                   .arg(centre.x())
                   .arg(centre.y())
                   .arg(dialog->frameGeometry().x())
                   .arg(dialog->frameGeometry().y())
                   .arg(dialog->frameGeometry().width())
                   .arg(dialog->frameGeometry().height()));
        Expect(dialog->parentWidget() == &frame, QStringLiteral("not owned by its window"));

        // Help opens the Help button's context and leaves the dialog open.
        helpButton->click();
        helpFile = HelpFileFor(dialog);
        Expect(dialog->isVisible(), QStringLiteral("Help closed the dialog"));
        Press(dialog, "CancelBtn");
    });

    QCOMPARE(ExecuteRequest(calc, &frame), 0);
    VERIFY_SCRIPT_RAN_CLEAN(script);
    QCOMPARE(help.requests, (QList<HelpRequest>{{helpFile, expected.helpButtonContext}}));
    QVERIFY(prompts.texts().isEmpty());
}

QTEST_MAIN(CalcDesignTest)
#include "tst_calcdesign.moc"
