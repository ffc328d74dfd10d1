// The binomial and Poisson dialogs driven as a user would: the question
// chosen, the fields typed, then the results window or the field in error.

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QTest>

#include "calcfixture.h"
#include "gui/calculators/discretedialog.h"
#include "gui/common/vectorpicture.h"
#include "gui/viewers/resultsdialog.h"
#include "modalscript.h"
#include "scriptedprompts.h"

class DiscreteDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void answersOrRefuses_data();
    void answersOrRefuses();
    void opensWithTheLastAnsweredRequest();
};

void DiscreteDialogTest::answersOrRefuses_data()
{
    QTest::addColumn<bool>("binomial");
    QTest::addColumn<int>("question"); // the row of the question box
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<int>("digits");       // the row of the digits box
    QTest::addColumn<QString>("expected"); // a report line, or the field in error

    const QStringList binomialK{"NEdit", "PEdit", "KEdit"};
    QTest::newRow("at least 15 of 20") << true << 2 << binomialK << QStringList{"20", "0.5", "15"}
                                       << 0 << QStringLiteral("P(X >= 15) = 0.020695");
    QTest::newRow("at most 15 of 20, 10 digits")
        << true << 1 << binomialK << QStringList{"20", "0.5", "15"} << 7
        << QStringLiteral("P(X <= 15) = 0.9940910339");
    QTest::newRow("Poisson between")
        << false << 3 << QStringList{"LambdaEdit", "AEdit", "BEdit"} << QStringList{"2.5", "3", "5"}
        << 0 << QStringLiteral("P(3 <= X <= 5) = 0.414166");
    QTest::newRow("Poisson median")
        << false << 4 << QStringList{"LambdaEdit", "ProbabilityEdit"}
        << QStringList{"1000000", "0.5"} << 0
        << QStringLiteral("Smallest k with P(X <= k) >= 0.5: k = 1000000");
    QTest::newRow("k beyond n") << true << 0 << binomialK << QStringList{"20", "0.5", "21"} << 0
                                << QStringLiteral("KEdit");
    QTest::newRow("b below a") << false << 3 << QStringList{"LambdaEdit", "AEdit", "BEdit"}
                               << QStringList{"2.5", "5", "3"} << 0 << QStringLiteral("BEdit");
}

void DiscreteDialogTest::answersOrRefuses()
{
    QFETCH(bool, binomial);
    QFETCH(int, question);
    QFETCH(QStringList, fields);
    QFETCH(QStringList, texts);
    QFETCH(int, digits);
    QFETCH(QString, expected);
    const bool refused = expected.endsWith(QLatin1String("Edit"));

    Problems.clear();
    ScriptedPrompts prompts;
    ScopedPrompts use(prompts);
    ModalScript script;
    script.expect("DiscreteDialog", [&](QDialog *dialog) {
        dialog->findChild<QComboBox *>(QStringLiteral("QuestionBox"))->setCurrentIndex(question);
        dialog->findChild<QComboBox *>(QStringLiteral("DigitsBox"))->setCurrentIndex(digits);
        dialog->findChild<QCheckBox *>(QStringLiteral("NormalOverlay"))->setChecked(true);
        for (const QString &name : fields)
            Expect(dialog->findChild<QLineEdit *>(name)->isVisibleTo(dialog),
                   name + QStringLiteral(" is hidden"));
        TypeInto(dialog, fields, texts);
        Press(dialog, "OkBtn");
    });
    if (refused) {
        script.expect("DiscreteDialog", [&](QDialog *dialog) {
            QWidget *focus = dialog->focusWidget();
            Expect(focus && focus->objectName() == expected,
                   QStringLiteral("focus on %1").arg(focus ? focus->objectName() : "nothing"));
            Press(dialog, "CancelBtn");
        });
    } else {
        script.expect("ResultsDialog", [&](QDialog *window) {
            const QString report = qobject_cast<ResultsDialog *>(window)->messageText();
            Expect(report.split(QStringLiteral("\r\n")).contains("          " + expected), report);
            auto *picture = window->findChild<PicturePanel *>(QStringLiteral("DensityPicture"));
            Expect(picture && picture->drawing(), QStringLiteral("no picture"));
            if (picture && picture->drawing()) {
                const QImage image = RenderPicture(picture->drawing(), picture->logicalSize());
                Expect(image.width() > 0 && !image.isNull(), QStringLiteral("empty picture"));
            }
            Press(window, "CloseBtn");
        });
    }
    (binomial ? RunBinomialCalculator : RunPoissonCalculator)(nullptr);
    VERIFY_SCRIPT_RAN_CLEAN(script);
    QCOMPARE(prompts.texts().isEmpty(), !refused);
}

void DiscreteDialogTest::opensWithTheLastAnsweredRequest()
{
    const QStringList fields{"LambdaEdit", "AEdit", "BEdit"};
    const QStringList texts{"3.5", "2", "6"};
    ScriptedPrompts prompts;
    ScopedPrompts use(prompts);
    for (bool again : {false, true}) {
        Problems.clear();
        ModalScript script;
        script.expect("DiscreteDialog", [&](QDialog *dialog) {
            auto *question = dialog->findChild<QComboBox *>(QStringLiteral("QuestionBox"));
            auto *digits = dialog->findChild<QComboBox *>(QStringLiteral("DigitsBox"));
            auto *overlay = dialog->findChild<QCheckBox *>(QStringLiteral("NormalOverlay"));
            if (again) {
                Expect(question->currentIndex() == 3 && digits->currentData() == 6
                           && overlay->isChecked() && FieldTexts(dialog, fields) == texts,
                       QStringLiteral("not the last request"));
                Press(dialog, "CancelBtn");
                return;
            }
            question->setCurrentIndex(3);
            digits->setCurrentIndex(digits->findData(6));
            overlay->setChecked(true);
            TypeInto(dialog, fields, texts);
            Press(dialog, "OkBtn");
        });
        if (!again)
            script.expect("ResultsDialog", [](QDialog *window) { Press(window, "CloseBtn"); });
        RunPoissonCalculator(nullptr);
        VERIFY_SCRIPT_RAN_CLEAN(script);
    }
}

QTEST_MAIN(DiscreteDialogTest)
#include "tst_discretedialog.moc"
