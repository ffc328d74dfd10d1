// The calculators' two directions as a user meets them: choosing one, typing,
// and reading the report and the picture of the distribution.

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <cmath>

#include "calcfixture.h"
#include "gui/calculators/densitypicture.h"
#include "gui/common/text.h"
#include "gui/viewers/resultsdialog.h"
#include "modalscript.h"
#include "scriptedprompts.h"

namespace {

// The mean column of the shade (translucent blue over white) as a share of
// the width, or -1 when nothing is shaded.
double ShadeCentre(const QImage &image)
{
    double sum = 0, count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (qAbs(c.red() - 175) < 12 && qAbs(c.green() - 201) < 12 && qAbs(c.blue() - 231) < 12)
                sum += x, ++count;
        }
    return count == 0 ? -1.0 : sum / count / image.width();
}

} // namespace

class CalcDirectionTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        Problems.clear();
        ForgetChoices();
    }
    void direction_data();
    void direction();
    void markAgreesWithAxis_data();
    void markAgreesWithAxis();
    void areas_data();
    void areas();
    void shading_data();
    void shading();
    void normalPercentIsNoProbability();
};

void CalcDirectionTest::direction_data()
{
    QTest::addColumn<Calc>("calc");
    QTest::addColumn<bool>("probability");
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QString>("label"); // the first field's in this direction
    QTest::addColumn<bool>("central");  // the shade lies around the middle, else right of it
    QTest::newRow("t") << Calc::T << true << QStringList{"2.3", "12"} << "V&alue of t:" << false;
    QTest::newRow("F") << Calc::F << true << QStringList{"4", "3", "10"} << "V&alue of F:" << false;
    QTest::newRow("normal z") << Calc::Normal << true << QStringList{"1.96"}
                              << "Value of z:" << true;
    QTest::newRow("normal P") << Calc::Normal << false << QStringList{"95"}
                              << "Percent probability:" << true;
}

void CalcDirectionTest::direction()
{
    QFETCH(Calc, calc);
    QFETCH(bool, probability);
    QFETCH(QStringList, inputs);
    QFETCH(QString, label);
    QFETCH(bool, central);
    QString report;
    ScriptedPrompts prompts;
    ScopedPrompts use(prompts);
    ModalScript script;

    script.expect(Info(calc).className, [&](QDialog *dialog) {
        auto *field = dialog->findChild<QLineEdit *>(Info(calc).fields.first());
        const QString criticalHint = field->property("hint").toString();
        auto *critical = dialog->findChild<QRadioButton *>(QStringLiteral("CriticalMode"));
        auto *other = dialog->findChild<QRadioButton *>(QStringLiteral("ProbabilityMode"));
        QVERIFY(critical && other && critical->isChecked());
        // A switch empties the first field, whose meaning changes, and puts
        // the focus there; the caption names the direction.
        TypeInto(dialog, {Info(calc).fields.first()}, {"0,05"});
        dialog->findChild<QWidget *>(QStringLiteral("OkBtn"))->setFocus();
        (probability ? other : critical)->click();
        Expect(field->text().isEmpty() == probability
                   && (dialog->focusWidget() == field) == probability,
               "the first field after the switch: " + field->text());
        Expect(dialog->windowTitle().startsWith("Probability for")
                   == (probability && calc != Calc::Normal),
               "the caption " + dialog->windowTitle());
        const QString shown = dialog->findChild<QLabel *>(QStringLiteral("Label1"))->text();
        Expect(shown == label, QStringLiteral("label \"%1\"").arg(shown));
        Expect((field->property("hint").toString() == criticalHint) != probability, "the hint");
        if (calc == Calc::Normal)
            Expect(dialog->findChild<QLabel *>(QStringLiteral("Label2"))->isVisible()
                       != probability,
                   "the % beside the field");
        TypeInto(dialog, Info(calc).fields, inputs);
        Press(dialog, "OkBtn");
    });
    script.expect("ResultsDialog", [&](QDialog *window) {
        // The report of the chosen direction, with the value as typed.
        report = qobject_cast<ResultsDialog *>(window)->messageText();
        Expect(report.contains("Probability from the value") == probability
                   && report.contains(inputs.first()),
               "the report " + report);
        auto *panel = window->findChild<PicturePanel *>(QStringLiteral("DensityPicture"));
        Expect(panel && panel->isVisible() && panel->drawing(), "no picture of the distribution");
        if (panel && panel->drawing()) {
            const double at = ShadeCentre(RenderPicture(panel->drawing(), {480, 280}));
            Expect(central ? qAbs(at - 0.5) < 0.03 : at > 0.5,
                   QStringLiteral("the shade centred at %1 of the width").arg(at));
        }
        Press(window, "Clip");
    });
    QCOMPARE(ExecuteRequest(calc), 0);
    VERIFY_SCRIPT_RAN_CLEAN(script);
    QVERIFY(prompts.texts().isEmpty());
    QCOMPARE(QApplication::clipboard()->text(), WithLineFeeds(report));
}

// The mark stands at its value when the axis reaches it, else at the edge
// with an arrow in its label; only a density without bound at 0 is cut.
void CalcDirectionTest::markAgreesWithAxis_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("v1");
    QTest::addColumn<int>("v2");
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("clipped");
    using K = DensityPlot::Kind;
    QTest::newRow("t 100, 5 df") << int(K::T) << 5 << 1 << 100.0 << false;
    QTest::newRow("t -100, 5 df") << int(K::T) << 5 << 1 << -100.0 << false;
    QTest::newRow("chi 300, 3 df") << int(K::ChiSquared) << 3 << 1 << 300.0 << false;
    QTest::newRow("F 100, 2 and 5 df") << int(K::F) << 2 << 5 << 100.0 << false;
    QTest::newRow("z -1.96") << int(K::Normal) << 1 << 1 << -1.96 << false;
    QTest::newRow("t 6.31, 1 df") << int(K::T) << 1 << 1 << 6.31375 << false;
    QTest::newRow("chi 3.84, 1 df") << int(K::ChiSquared) << 1 << 1 << 3.84146 << true;
    QTest::newRow("F 161, 1 and 1 df") << int(K::F) << 1 << 1 << 161.4 << true;
    QTest::newRow("chi 0.1, 2 df") << int(K::ChiSquared) << 2 << 1 << 0.1 << false;
}

void CalcDirectionTest::markAgreesWithAxis()
{
    QFETCH(int, kind);
    QFETCH(int, v1);
    QFETCH(int, v2);
    QFETCH(double, value);
    QFETCH(bool, clipped);
    DensityPlot plot;
    plot.kind = static_cast<DensityPlot::Kind>(kind);
    plot.v1 = v1;
    plot.v2 = v2;
    plot.value = value;
    plot.valueText = QStringLiteral("x = ") + QString::number(value);
    const DensityAxis axis = DensityLayout(plot);
    QVERIFY(axis.low <= axis.mark && axis.mark <= axis.high);
    QVERIFY(axis.label.contains(plot.valueText));
    if (value > axis.high) {
        QCOMPARE(axis.mark, axis.high);
        QCOMPARE(axis.label, plot.valueText + QStringLiteral(" \u2192"));
    } else if (value < axis.low) {
        QCOMPARE(axis.mark, axis.low);
        QCOMPARE(axis.label, QStringLiteral("\u2190 ") + plot.valueText);
    } else {
        QCOMPARE(axis.mark, value);
        QCOMPARE(axis.label, plot.valueText);
    }
    QCOMPARE(axis.clipped, clipped);
}

// An area chosen in the dialog: the report's answer, and the same choices
// and entries when the calculator opens again. Reference values from R.
void CalcDirectionTest::areas_data()
{
    QTest::addColumn<Calc>("calc");
    QTest::addColumn<bool>("probability");
    QTest::addColumn<QString>("area");
    QTest::addColumn<QStringList>("entries"); // field, text, field, text, ...
    QTest::addColumn<int>("digits");
    QTest::addColumn<QString>("line");
    QTest::newRow("t two tails") << Calc::T << false << "Two tails"
                                 << QStringList{"AlphaText", "0.05", "VText", "10"} << 0
                                 << "Critical values = -2.23 and 2.23";
    QTest::newRow("F lower") << Calc::F << false << "Lower tail"
                             << QStringList{"AlphaText", "0.05", "V1Text", "3", "V2Text", "12"} << 0
                             << "Critical value = 0.11";
    QTest::newRow("chi between, 10 digits")
        << Calc::Chi << true << "Between two values"
        << QStringList{"AlphaText", "3", "SecondEdit", "18", "VText", "10"} << 10
        << "P(3.000 <= X <= 18.000) = 0.9264604223";
    QTest::newRow("normal heights") << Calc::Normal << true << "Upper tail"
                                    << QStringList{"PEdit", "185", "MeanEdit", "170", "SdEdit", "8"}
                                    << 0 << "P(X >= 185.000) = 0.030396, z = 1.875";
}

void CalcDirectionTest::areas()
{
    QFETCH(Calc, calc);
    QFETCH(bool, probability);
    QFETCH(QString, area);
    QFETCH(QStringList, entries);
    QFETCH(int, digits);
    QFETCH(QString, line);
    ScriptedPrompts prompts;
    ScopedPrompts use(prompts);
    const auto boxes = [](QDialog *dialog) {
        return std::pair(dialog->findChild<QComboBox *>(QStringLiteral("AreaBox")),
                         dialog->findChild<QComboBox *>(QStringLiteral("DigitsBox")));
    };
    for (bool again : {false, true}) {
        ModalScript script;
        script.expect(Info(calc).className, [&](QDialog *dialog) {
            const auto [areaBox, digitsBox] = boxes(dialog);
            QVERIFY(areaBox && digitsBox);
            if (again) {
                Expect(areaBox->currentText() == area && digitsBox->currentData() == digits,
                       "remembered " + areaBox->currentText());
                for (qsizetype i = 0; i + 1 < entries.size(); i += 2)
                    Expect(dialog->findChild<QLineEdit *>(entries[i])->text() == entries[i + 1],
                           "remembered " + entries[i]);
                Press(dialog, "CancelBtn");
                return;
            }
            if (probability)
                dialog->findChild<QRadioButton *>(QStringLiteral("ProbabilityMode"))->click();
            areaBox->setCurrentIndex(areaBox->findText(area));
            digitsBox->setCurrentIndex(digitsBox->findData(digits));
            for (qsizetype i = 0; i + 1 < entries.size(); i += 2)
                TypeInto(dialog, {entries[i]}, {entries[i + 1]});
            Press(dialog, "OkBtn");
        });
        if (!again)
            script.expect("ResultsDialog", [&](QDialog *window) {
                const QString report = qobject_cast<ResultsDialog *>(window)->messageText();
                Expect(report.contains(line), "the report " + report);
                Press(window, "CloseBtn");
            });
        QCOMPARE(ExecuteRequest(calc), 0);
        VERIFY_SCRIPT_RAN_CLEAN(script);
    }
    QVERIFY(prompts.texts().isEmpty());
}

// The stretches shaded for each area, ends at the marks or the axis.
void CalcDirectionTest::shading_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("area");
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("second");     // NaN: none
    QTest::addColumn<QString>("stretches"); // a, b for each; L and H the axis ends
    using K = DensityPlot::Kind;
    const double none = std::nan("");
    QTest::newRow("t lower") << int(K::T) << int(CalcArea::Lower) << -1.5 << none << "L,-1.5";
    QTest::newRow("t two tails") << int(K::T) << int(CalcArea::TwoSided) << 2.0 << none
                                 << "L,-2 2,H";
    QTest::newRow("chi two tails")
        << int(K::ChiSquared) << int(CalcArea::TwoSided) << 3.0 << 20.0 << "L,3 20,H";
    QTest::newRow("normal between")
        << int(K::Normal) << int(CalcArea::Between) << -1.0 << 2.0 << "-1,2";
    QTest::newRow("normal central")
        << int(K::Normal) << int(CalcArea::Standard) << 1.96 << none << "-1.96,1.96";
    QTest::newRow("F upper") << int(K::F) << int(CalcArea::Upper) << 3.0 << none << "3,H";
}

void CalcDirectionTest::shading()
{
    QFETCH(int, kind);
    QFETCH(int, area);
    QFETCH(double, value);
    QFETCH(double, second);
    QFETCH(QString, stretches);
    DensityPlot plot;
    plot.kind = static_cast<DensityPlot::Kind>(kind);
    plot.v1 = 10;
    plot.v2 = 10;
    plot.area = static_cast<CalcArea>(area);
    plot.value = value;
    if (!std::isnan(second))
        plot.second = second;
    const DensityAxis axis = DensityLayout(plot);
    QStringList shown;
    for (const auto &[from, to] : DensityShading(plot)) {
        const auto end = [&axis](double x) {
            return x == axis.low ? QStringLiteral("L")
                : x == axis.high ? QStringLiteral("H")
                                 : QString::number(x);
        };
        shown << end(from) + "," + end(to);
    }
    QCOMPARE(shown.join(' '), stretches);
}

// The central area's 95 (percent) is not kept as the lower tail's alpha.
void CalcDirectionTest::normalPercentIsNoProbability()
{
    ModalScript script;
    script.expect(Info(Calc::Normal).className, [&](QDialog *dialog) {
        auto *areaBox = dialog->findChild<QComboBox *>(QStringLiteral("AreaBox"));
        TypeInto(dialog, {"PEdit"}, {"95"});
        areaBox->setCurrentIndex(areaBox->findText(QStringLiteral("Lower tail")));
        Expect(FieldTexts(dialog, {"PEdit"}) == QStringList{""}, QStringLiteral("95 kept"));
        Press(dialog, "CancelBtn");
    });
    QCOMPARE(ExecuteRequest(Calc::Normal), 0);
    VERIFY_SCRIPT_RAN_CLEAN(script);
}

QTEST_MAIN(CalcDirectionTest)
#include "tst_calcdirection.moc"
