// The calculators' two directions, driven as a user would: choosing
// "probability from a value", typing a statistic, and reading the report and
// the picture of the distribution in the results window.

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "calcfixture.h"
#include "core/calculators/calcinput.h"
#include "gui/common/text.h"
#include "gui/common/vectorpicture.h"
#include "gui/viewers/resultsdialog.h"
#include "modalscript.h"
#include "scriptedprompts.h"

namespace {

enum class Shade { Right, Left, Central };

struct Direction
{
    bool probability;
    QStringList inputs;
    QString valueLabel; // the first field's label in this direction
    Shade shade;        // where the shaded area lies, from the picture's middle
};

CalcOutcome CoreRequest(Calc calc, bool probability, const QStringList &in)
{
    auto core = [&in](int i) { return ToCore(in.value(i)); };
    switch (calc) {
    case Calc::T:
        return probability ? RunTProbabilityRequest(core(0), core(1))
                           : RunTRequest(core(0), core(1));
    case Calc::Chi:
        return probability ? RunChiProbabilityRequest(core(0), core(1))
                           : RunChiRequest(core(0), core(1));
    case Calc::F:
        return probability ? RunFProbabilityRequest(core(0), core(1), core(2))
                           : RunFRequest(core(0), core(1), core(2));
    case Calc::Normal:
        return probability ? RunNormalProbabilityRequest(core(0)) : RunNormalRequest(core(0));
    }
    return {};
}

// The shade's mean column as a share of the picture's width (0 left, 1 right),
// or -1 when nothing is shaded.
double ShadeCentre(const QImage &image)
{
    double sum = 0;
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            // The translucent blue of the shade over the white ground.
            if (std::abs(c.red() - 175) < 12 && std::abs(c.green() - 201) < 12
                && std::abs(c.blue() - 231) < 12) {
                sum += x;
                ++count;
            }
        }
    return count == 0 ? -1.0 : sum / count / image.width();
}

} // namespace
Q_DECLARE_METATYPE(Direction)

class CalcDirectionTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { Problems.clear(); }
    void direction_data();
    void direction();
};

void CalcDirectionTest::direction_data()
{
    QTest::addColumn<Calc>("calc");
    QTest::addColumn<Direction>("how");
    const QString alpha = QStringLiteral("&Alpha, Upper-tail percentage points:");
    QTest::newRow("t value") << Calc::T
                             << Direction{true, {"2.3", "12"}, "V&alue of t:", Shade::Right};
    QTest::newRow("t below 0") << Calc::T
                               << Direction{true, {"-1.5", "4"}, "V&alue of t:", Shade::Right};
    QTest::newRow("t alpha") << Calc::T << Direction{false, {"0.05", "10"}, alpha, Shade::Right};
    QTest::newRow("chi value") << Calc::Chi
                               << Direction{
                                      true, {"3.84", "1"}, "V&alue of chi-squared:", Shade::Right};
    QTest::newRow("F value") << Calc::F
                             << Direction{true, {"4", "3", "10"}, "V&alue of F:", Shade::Right};
    QTest::newRow("normal z") << Calc::Normal
                              << Direction{true, {"1.96"}, "Value of z:", Shade::Central};
    QTest::newRow("normal P") << Calc::Normal
                              << Direction{false, {"95"}, "Percent probability:", Shade::Central};
}

void CalcDirectionTest::direction()
{
    QFETCH(Calc, calc);
    QFETCH(Direction, how);
    const CalcOutcome expected = CoreRequest(calc, how.probability, how.inputs);
    QVERIFY(expected.accepted);
    ScriptedPrompts prompts;
    ScopedPrompts use(prompts);
    ModalScript script;

    auto choose = [&](QDialog *dialog) {
        auto *critical = dialog->findChild<QRadioButton *>(QStringLiteral("CriticalMode"));
        auto *probability = dialog->findChild<QRadioButton *>(QStringLiteral("ProbabilityMode"));
        auto *label = dialog->findChild<QLabel *>(QStringLiteral("Label1"));
        auto *unit = dialog->findChild<QLabel *>(QStringLiteral("Label2"));
        if (!critical || !probability || !label) {
            Problems << QStringLiteral("no direction buttons or Label1");
            dialog->reject();
            return;
        }
        Expect(critical->isChecked() && !probability->isChecked(),
               QStringLiteral("a critical value is not the first direction"));
        const QString criticalHint = dialog->findChild<QLineEdit *>(Info(calc).fields.first())
                                         ->property("hint")
                                         .toString();
        (how.probability ? probability : critical)->click();
        Expect(label->text() == how.valueLabel, QStringLiteral("label \"%1\"").arg(label->text()));
        const QString hint = dialog->findChild<QLineEdit *>(Info(calc).fields.first())
                                 ->property("hint")
                                 .toString();
        Expect((hint == criticalHint) != how.probability, QStringLiteral("hint \"%1\"").arg(hint));
        if (calc == Calc::Normal)
            Expect(unit->isVisible() != how.probability, QStringLiteral("the % unit"));
        TypeInto(dialog, Info(calc).fields, how.inputs);
        dialog->findChild<QPushButton *>(QStringLiteral("OkBtn"))->click();
    };
    auto results = [&](const char *button) {
        return [&, button](QDialog *window) {
            auto *shown = qobject_cast<ResultsDialog *>(window);
            auto *panel = window->findChild<PicturePanel *>(QStringLiteral("DensityPicture"));
            Expect(shown && shown->messageText() == FromCore(expected.report),
                   QStringLiteral("report \"%1\"").arg(shown ? shown->messageText() : QString()));
            Expect(panel && panel->isVisible() && panel->drawing(),
                   QStringLiteral("no picture of the distribution"));
            if (panel && panel->drawing()) {
                const double centre = ShadeCentre(RenderPicture(panel->drawing(), {480, 280}));
                const bool placed = how.shade == Shade::Central
                    ? std::abs(centre - 0.5) < 0.03
                    : (how.shade == Shade::Right ? centre > 0.5 : centre >= 0.0 && centre < 0.5);
                Expect(placed, QStringLiteral("shade centred at %1 of the width").arg(centre));
            }
            window->findChild<QPushButton *>(QLatin1String(button))->click();
        };
    };
    // Retry keeps the direction chosen; the clipboard gets the report.
    script.expect(Info(calc).className, choose);
    script.expect("ResultsDialog", results("RetryBtn"));
    script.expect(Info(calc).className, [&](QDialog *dialog) {
        auto *probability = dialog->findChild<QRadioButton *>(QStringLiteral("ProbabilityMode"));
        Expect(probability && probability->isChecked() == how.probability,
               QStringLiteral("Retry lost the direction"));
        dialog->findChild<QPushButton *>(QStringLiteral("OkBtn"))->click();
    });
    script.expect("ResultsDialog", results("Clip"));
    QCOMPARE(ExecuteRequest(calc), 0);
    VERIFY_SCRIPT_RAN_CLEAN(script);
    QVERIFY(prompts.texts().isEmpty());
    QCOMPARE(QApplication::clipboard()->text(), WithLineFeeds(FromCore(expected.report)));
}

QTEST_MAIN(CalcDirectionTest)
#include "tst_calcdirection.moc"
