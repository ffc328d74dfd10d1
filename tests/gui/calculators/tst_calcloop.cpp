// The calculators' request loop, driven as a user would: typing into the
// dialog, pressing its buttons and the results window's buttons.

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPrinter>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "calcfixture.h"
#include "core/calculators/resulttext.h"
#include "core/numeric/strings.h"
#include "gui/common/clipboard.h"
#include "gui/common/printing.h"
#include "gui/common/text.h"
#include "gui/viewers/resultsdialog.h"
#include "modalscript.h"
#include "scriptedprompts.h"
#include "tooloutput.h"

namespace {

const QString Sentinel = QStringLiteral("clipboard before the request");

// The report of each calculator for its accepted test input.
struct Accepted
{
    QStringList inputs;
    QString report;
};

Accepted AcceptedCase(Calc calc)
{
    switch (calc) {
    case Calc::T:
        return {{"0.05", "10"},
                QStringLiteral("          Students t distribution:\r\n"
                               "          For alpha = 0.050\r\n"
                               "          and 10 degrees of freedom\r\n"
                               "\r\n"
                               "          Critical value = 1.81")};
    case Calc::Chi:
        return {{"0.05", "10"},
                QStringLiteral("          Chi-squared distribution:\r\n"
                               "          For alpha = 0.050\r\n"
                               "          and 10 degrees of freedom\r\n"
                               "\r\n"
                               "          Critical value = 18.31")};
    case Calc::F:
        return {{"0.05", "5", "10"},
                QStringLiteral("          F distribution:\r\n"
                               "          Alpha = 0.050 with v1 = 5 and v2 = 10\r\n"
                               "\r\n"
                               "          Critical value = 3.33")};
    case Calc::Normal:
        return {{"95"},
                QStringLiteral("          Normal distribution:\r\n"
                               "          For probable error = 95.0%\r\n"
                               "\r\n"
                               "          z-value = 1.960")};
    }
    return {};
}

void AddCalcRows(const char *tag)
{
    QTest::addRow("%s t", tag) << Calc::T;
    QTest::addRow("%s chi", tag) << Calc::Chi;
    QTest::addRow("%s F", tag) << Calc::F;
    QTest::addRow("%s normal", tag) << Calc::Normal;
}

// Types the inputs and presses OK.
ModalScript::Action Submit(Calc calc, const QStringList &inputs)
{
    return [calc, inputs](QDialog *dialog) {
        TypeInto(dialog, Info(calc).fields, inputs);
        Press(dialog, "OkBtn");
    };
}

// Checks what the results window was given, then presses one of its buttons.
ModalScript::Action Results(Calc calc, const QString &report, const char *button)
{
    return [calc, report, button](QDialog *window) {
        auto *results = qobject_cast<ResultsDialog *>(window);
        Expect(results != nullptr, QStringLiteral("the results window is not a ResultsDialog"));
        Expect(window->windowTitle() == Info(calc).resultCaption,
               QStringLiteral("results caption \"%1\"").arg(window->windowTitle()));
        if (results)
            Expect(results->messageText() == report,
                   QStringLiteral("results window shows \"%1\"").arg(results->messageText()));
        if (qstrcmp(button, "closebox") == 0)
            window->close();
        else
            Press(window, button);
    };
}

// The text pdftotext reads from a PDF file, as trimmed non-empty lines.
QStringList PdfLines(const QString &pdf)
{
    bool ok = false;
    const QString text = ToolOutput(QStringLiteral("pdftotext"),
                                    {QStringLiteral("-layout"), pdf, QStringLiteral("-")}, &ok);
    if (!ok)
        return {QStringLiteral("<pdftotext failed>")};
    QStringList lines;
    for (const QString &line : text.split(u'\n')) {
        const QString trimmed = line.trimmed().remove(u'\f');
        if (!trimmed.isEmpty())
            lines << trimmed;
    }
    return lines;
}

QStringList TrimmedReportLines(const QString &report)
{
    QStringList lines;
    for (const QString &line : report.split(QStringLiteral("\r\n"))) {
        if (!line.trimmed().isEmpty())
            lines << line.trimmed();
    }
    return lines;
}

} // namespace

class CalcLoopTest : public QObject
{
    Q_OBJECT

private slots:
    // The dialogs read numbers with their locale's decimal sign: a point here.
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void init()
    {
        Problems.clear();
        ForgetChoices();
        CopyTextToClipboard(Sentinel);
        QVERIFY(m_dir.isValid());
        // Anything printed by mistake lands here instead of on a real printer.
        ProgramPrinter().setOutputFormat(QPrinter::PdfFormat);
        ProgramPrinter().setOutputFileName(m_dir.filePath(QStringLiteral("unexpected.pdf")));
    }

    void validationMessages_data();
    void validationMessages();
    void readErrorShowsWhatWasTyped_data();
    void readErrorShowsWhatWasTyped();
    void correctedInputIsAccepted();
    void clipboardPlacesTheReport_data()
    {
        QTest::addColumn<Calc>("calc");
        AddCalcRows("clip");
    }
    void clipboardPlacesTheReport();
    void retryKeepsTypedValues_data()
    {
        QTest::addColumn<Calc>("calc");
        AddCalcRows("retry");
    }
    void retryKeepsTypedValues();
    void closeEndsTheRequest_data();
    void closeEndsTheRequest();
    void printCancelledPrintsNothing();
    void printConfirmedPrintsBannerAndReport_data()
    {
        QTest::addColumn<Calc>("calc");
        AddCalcRows("print");
    }
    void printConfirmedPrintsBannerAndReport();
    void printerFailureStillDestroysTheDialog();
    void cancelEndsTheRequest_data();
    void cancelEndsTheRequest();

private:
    QTemporaryDir m_dir;
};

void CalcLoopTest::validationMessages_data()
{
    QTest::addColumn<Calc>("calc");
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QStringList>("messages");

    const QString alphaEmpty
        = QStringLiteral("Please enter the desired probability in percentage points.");
    const QString alphaRange = QStringLiteral("Alpha must be between 0.0001 and 0.999999");
    const QString vEmpty = QStringLiteral("Please enter the degrees of freedom.");
    const QString vRange = QStringLiteral("The degrees of freedom must be between 1 and 200.");

    // The t and chi-squared dialogs check the same things in the same order.
    for (Calc calc : {Calc::T, Calc::Chi}) {
        const char *name = calc == Calc::T ? "t" : "chi";
        QTest::addRow("%s both empty", name)
            << calc << QStringList{"", ""} << QStringList{alphaEmpty};
        QTest::addRow("%s alpha empty", name)
            << calc << QStringList{"", "10"} << QStringList{alphaEmpty};
        QTest::addRow("%s alpha below range", name)
            << calc << QStringList{"0.00009", "10"} << QStringList{alphaRange};
        QTest::addRow("%s alpha one", name)
            << calc << QStringList{"1", "10"} << QStringList{alphaRange};
        QTest::addRow("%s alpha as percent", name)
            << calc << QStringList{"5", "10"} << QStringList{alphaRange};
        QTest::addRow("%s alpha blanks", name)
            << calc << QStringList{"   ", "10"} << QStringList{RealReadError("   ", 3), alphaRange};
        QTest::addRow("%s alpha not a number", name)
            << calc << QStringList{"0.05x", ""}
            << QStringList{RealReadError("0.05x", 4, true), alphaRange};
        QTest::addRow("%s v empty", name) << calc << QStringList{"0.05", ""} << QStringList{vEmpty};
        QTest::addRow("%s v zero", name) << calc << QStringList{"0.05", "0"} << QStringList{vRange};
        QTest::addRow("%s v 201", name)
            << calc << QStringList{"0.05", "201"} << QStringList{vRange};
        QTest::addRow("%s v negative", name)
            << calc << QStringList{"0.05", "-3"} << QStringList{vRange};
        QTest::addRow("%s v not a number", name)
            << calc << QStringList{"0.05", "12abc"}
            << QStringList{IntegerReadError("12abc", 2, true), vRange};
    }

    QTest::newRow("F alpha empty") << Calc::F << QStringList{"", "", ""} << QStringList{alphaEmpty};
    QTest::newRow("F alpha range")
        << Calc::F << QStringList{"1.5", "5", "10"} << QStringList{alphaRange};
    QTest::newRow("F v1 empty") << Calc::F << QStringList{"0.05", "", ""}
                                << QStringList{"Please enter the numerator degrees of freedom."};
    QTest::newRow("F v1 zero before v2 is looked at")
        << Calc::F << QStringList{"0.05", "0", ""} << QStringList{vRange};
    QTest::newRow("F v1 not a number") << Calc::F << QStringList{"0.05", "five", "10"}
                                       << QStringList{IntegerReadError("five", 0), vRange};
    QTest::newRow("F v2 empty") << Calc::F << QStringList{"0.05", "5", ""}
                                << QStringList{"Please enter the denominator degrees of freedom."};
    QTest::newRow("F alpha can mean two numbers")
        << Calc::F << QStringList{"0,000,5", "5", "10"}
        << QStringList{"The entry 0,000,5 can be read as more than one number. Please type it "
                       "without thousands separators, with \".\" as the decimal sign.",
                       alphaRange};
    QTest::newRow("F v2 201") << Calc::F << QStringList{"0.05", "5", "201"} << QStringList{vRange};

    const QString percentRange
        = QStringLiteral("The percent probability must be between 0.0001 and 99.9999");
    QTest::newRow("normal empty") << Calc::Normal << QStringList{""}
                                  << QStringList{"Please enter the desired percent probability."};
    QTest::newRow("normal zero") << Calc::Normal << QStringList{"0"} << QStringList{percentRange};
    QTest::newRow("normal hundred")
        << Calc::Normal << QStringList{"100"} << QStringList{percentRange};
    QTest::newRow("normal not a number")
        << Calc::Normal << QStringList{"abc"} << QStringList{RealReadError("abc", 0), percentRange};
}

// Each refused input shows its messages in order and then the same dialog
// again with the typed text unchanged; the results window never appears.
void CalcLoopTest::validationMessages()
{
    QFETCH(Calc, calc);
    QFETCH(QStringList, inputs);
    QFETCH(QStringList, messages);
    // Fields are checked in order; the row names the one refused.
    const QString tag = QString::fromLatin1(QTest::currentDataTag());
    const int inError = tag.contains(QLatin1String(" v1 ")) ? 1
        : tag.contains(QLatin1String(" v2 "))               ? 2
        : tag.contains(QLatin1String(" v "))                ? 1
                                                            : 0;

    ScriptedPrompts prompts;
    ScopedPrompts use(prompts);
    ModalScript script;
    QDialog *first = nullptr;
    script.expect(Info(calc).className, [&](QDialog *dialog) {
        first = dialog;
        Submit(calc, inputs)(dialog);
    });
    script.expect(Info(calc).className, [&](QDialog *dialog) {
        Expect(dialog == first, QStringLiteral("a different dialog after the message"));
        Expect(FieldTexts(dialog, Info(calc).fields) == inputs,
               QStringLiteral("typed text changed: %1")
                   .arg(FieldTexts(dialog, Info(calc).fields).join('|')));
        // The field in error has the focus, its text selected for retyping.
        auto *edit = qobject_cast<QLineEdit *>(dialog->focusWidget());
        Expect(edit && edit->objectName() == Info(calc).fields.value(inError)
                   && edit->selectedText() == edit->text(),
               QStringLiteral("focus on %1 instead of field %2")
                   .arg(dialog->focusWidget() ? dialog->focusWidget()->objectName() : "nothing")
                   .arg(inError));
        Press(dialog, "CancelBtn");
    });

    QCOMPARE(ExecuteRequest(calc), 0);
    VERIFY_SCRIPT_RAN_CLEAN(script);
    QCOMPARE(prompts.texts(), messages);
}

void CalcLoopTest::readErrorShowsWhatWasTyped_data()
{
    QTest::addColumn<Calc>("calc");
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QStringList>("messages");

    // The message box shows the field as typed, as lines of text with no
    // control characters, and the caret under the first bad character.
    const QString alphaRange = QStringLiteral("Alpha must be between 0.0001 and 0.999999");
    QTest::newRow("t alpha a word")
        << Calc::T << QStringList{"x3", "10"}
        << QStringList{"Double expected in read\n\nProcessing Line : \nx3\n^", alphaRange};
    QTest::newRow("F v2 a word") << Calc::F << QStringList{"0.05", "5", "ten"}
                                 << QStringList{
                                        "Integer expected in read\n\nProcessing Line : \nten\n^",
                                        "The degrees of freedom must be between 1 and 200."};
    QTest::newRow("normal not a number")
        << Calc::Normal << QStringList{"2x"}
        << QStringList{"Double expected in read\n\nProcessing Line : \n2x\n ^\n\n"
                       "Please enter one number only.",
                       "The percent probability must be between 0.0001 and 99.9999"};
}

// A typed number that cannot be read shows what was typed, whatever data
// file was read before.
void CalcLoopTest::readErrorShowsWhatWasTyped()
{
    QFETCH(Calc, calc);
    QFETCH(QStringList, inputs);
    QFETCH(QStringList, messages);

    ScriptedPrompts prompts;
    ScopedPrompts use(prompts);
    ModalScript script;
    script.expect(Info(calc).className, Submit(calc, inputs));
    script.expect(Info(calc).className, [](QDialog *dialog) { Press(dialog, "CancelBtn"); });

    QCOMPARE(ExecuteRequest(calc), 0);
    VERIFY_SCRIPT_RAN_CLEAN(script);
    QCOMPARE(prompts.texts(), messages);
}

// A refusal, then a corrected entry in the same dialog, goes on to the report.
void CalcLoopTest::correctedInputIsAccepted()
{
    ScriptedPrompts prompts;
    ScopedPrompts use(prompts);
    ModalScript script;
    const Accepted accepted = AcceptedCase(Calc::T);
    script.expect("TDistributionDialog", Submit(Calc::T, {"0.05", "0"}));
    script.expect("TDistributionDialog", Submit(Calc::T, accepted.inputs));
    script.expect("ResultsDialog", Results(Calc::T, accepted.report, "CloseBtn"));

    QCOMPARE(ExecuteRequest(Calc::T), 0);
    VERIFY_SCRIPT_RAN_CLEAN(script);
    QCOMPARE(prompts.texts(), QStringList{"The degrees of freedom must be between 1 and 200."});
}

// Clipboard places the report as the request made it, with LF line ends,
// no banner and no final line break; no message follows.
void CalcLoopTest::clipboardPlacesTheReport()
{
    QFETCH(Calc, calc);
    const Accepted accepted = AcceptedCase(calc);

    ScriptedPrompts prompts;
    ScopedPrompts use(prompts);
    ModalScript script;
    script.expect(Info(calc).className, Submit(calc, accepted.inputs));
    script.expect("ResultsDialog", Results(calc, accepted.report, "Clip"));

    QCOMPARE(ExecuteRequest(calc), 0);
    VERIFY_SCRIPT_RAN_CLEAN(script);
    QCOMPARE(ClipboardText(), WithLineFeeds(accepted.report));
    QVERIFY(!ClipboardText().contains(QLatin1Char('\r')));
    QVERIFY(prompts.texts().isEmpty());
    QCOMPARE(prompts.printDialogs, 0);
}

// Retry shows the same dialog with the values typed before; a second OK
// computes again. The next request, in this run or the next, starts with
// the entries of the last one computed.
void CalcLoopTest::retryKeepsTypedValues()
{
    QFETCH(Calc, calc);
    const Accepted accepted = AcceptedCase(calc);
    const QStringList fields = Info(calc).fields;

    ScriptedPrompts prompts;
    ScopedPrompts use(prompts);
    {
        ModalScript script;
        script.expect(Info(calc).className, Submit(calc, accepted.inputs));
        script.expect("ResultsDialog", Results(calc, accepted.report, "RetryBtn"));
        script.expect(Info(calc).className, [&](QDialog *dialog) {
            Expect(FieldTexts(dialog, fields) == accepted.inputs,
                   QStringLiteral("after Retry the fields hold %1")
                       .arg(FieldTexts(dialog, fields).join('|')));
            // Enter in the first field presses the default button, OK.
            QTest::keyClick(dialog->findChild<QLineEdit *>(fields.first()), Qt::Key_Return);
        });
        script.expect("ResultsDialog", Results(calc, accepted.report, "CloseBtn"));

        QCOMPARE(ExecuteRequest(calc), 0);
        QVERIFY2(script.failures.isEmpty(), qPrintable(script.failures.join("; ")));
        QCOMPARE(script.remaining(), 0);
    }
    {
        ModalScript script;
        script.expect(Info(calc).className, [&](QDialog *dialog) {
            Expect(FieldTexts(dialog, fields) == accepted.inputs,
                   QStringLiteral("a new request starts with %1")
                       .arg(FieldTexts(dialog, fields).join('|')));
            Press(dialog, "CancelBtn");
        });
        QCOMPARE(ExecuteRequest(calc), 0);
        QVERIFY2(script.failures.isEmpty(), qPrintable(script.failures.join("; ")));
        QCOMPARE(script.remaining(), 0);
    }
    QVERIFY2(Problems.isEmpty(), qPrintable(Problems.join("; ")));
    QVERIFY(prompts.texts().isEmpty());
    QCOMPARE(ClipboardText(), Sentinel);
}

void CalcLoopTest::closeEndsTheRequest_data()
{
    QTest::addColumn<QByteArray>("how");
    QTest::newRow("Close button") << QByteArray("CloseBtn");
    QTest::newRow("close box") << QByteArray("closebox");
}

// Close and the close box end the request without copying or printing.
void CalcLoopTest::closeEndsTheRequest()
{
    QFETCH(QByteArray, how);
    const Accepted accepted = AcceptedCase(Calc::T);

    ScriptedPrompts prompts;
    ScopedPrompts use(prompts);
    ModalScript script;
    script.expect("TDistributionDialog", Submit(Calc::T, accepted.inputs));
    script.expect("ResultsDialog", Results(Calc::T, accepted.report, how.constData()));

    QCOMPARE(ExecuteRequest(Calc::T), 0);
    VERIFY_SCRIPT_RAN_CLEAN(script);
    QCOMPARE(script.handled(), 2);
    QCOMPARE(ClipboardText(), Sentinel);
    QCOMPARE(prompts.printDialogs, 0);
}

// Print, then cancelling the print dialog, prints nothing and ends the request.
void CalcLoopTest::printCancelledPrintsNothing()
{
    const Accepted accepted = AcceptedCase(Calc::T);
    const QString pdf = ProgramPrinter().outputFileName();

    ScriptedPrompts prompts;
    ScopedPrompts use(prompts);
    prompts.answerPrint(false);
    ModalScript script;
    script.expect("TDistributionDialog", Submit(Calc::T, accepted.inputs));
    script.expect("ResultsDialog", Results(Calc::T, accepted.report, "PrintBtn"));

    QCOMPARE(ExecuteRequest(Calc::T), 0);
    VERIFY_SCRIPT_RAN_CLEAN(script);
    QCOMPARE(prompts.printDialogs, 1);
    QVERIFY(!QFile::exists(pdf));
    QCOMPARE(ClipboardText(), Sentinel);
}

// Print, confirmed: the banner of two lines, then the report, in the results
// window's display font.
void CalcLoopTest::printConfirmedPrintsBannerAndReport()
{
    QFETCH(Calc, calc);
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    const Accepted accepted = AcceptedCase(calc);
    const QString pdf = m_dir.filePath(QStringLiteral("report-%1.pdf").arg(int(calc)));

    ScriptedPrompts prompts;
    ScopedPrompts use(prompts);
    prompts.answerPrint(true, pdf);
    ModalScript script;
    script.expect(Info(calc).className, Submit(calc, accepted.inputs));
    script.expect("ResultsDialog", Results(calc, accepted.report, "PrintBtn"));

    QCOMPARE(ExecuteRequest(calc), 0);
    VERIFY_SCRIPT_RAN_CLEAN(script);
    QCOMPARE(prompts.printDialogs, 1);
    QVERIFY(QFile::exists(pdf));

    QStringList expected{QStringLiteral("Mervan"), QString(20, u'~')};
    expected << TrimmedReportLines(accepted.report);
    QCOMPARE(PdfLines(pdf), expected);

    // The printed font is the one the results window displays the report in.
    bool listed = false;
    const QString listing = ToolOutput(QStringLiteral("pdffonts"), {pdf}, &listed);
    if (listed) {
        const QString family = QFontInfo(ResultsDialog().displayFont()).family().remove(u' ');
        QVERIFY2(listing.contains(family), qPrintable(family + " not in\n" + listing));
    }
    QCOMPARE(ClipboardText(), Sentinel);
}

// A printer that cannot start the job ends the request with an error that
// reaches the application's error box; the dialog is destroyed all the same.
void CalcLoopTest::printerFailureStillDestroysTheDialog()
{
    const Accepted accepted = AcceptedCase(Calc::T);
    ScriptedPrompts prompts;
    ScopedPrompts use(prompts);
    prompts.answerPrint(true, m_dir.filePath(QStringLiteral("no-such-folder/report.pdf")));
    ModalScript script;
    script.expect("TDistributionDialog", Submit(Calc::T, accepted.inputs));
    script.expect("ResultsDialog", Results(Calc::T, accepted.report, "PrintBtn"));

    QVERIFY_THROWS_EXCEPTION(std::exception, ExecuteRequest(Calc::T));
    QCOMPARE(LiveDialogs(Calc::T), 0);
    QVERIFY2(script.failures.isEmpty(), qPrintable(script.failures.join("; ")));
    QCOMPARE(script.remaining(), 0);
}

void CalcLoopTest::cancelEndsTheRequest_data()
{
    QTest::addColumn<Calc>("calc");
    QTest::addColumn<QByteArray>("how");
    for (Calc calc : {Calc::T, Calc::Chi, Calc::F, Calc::Normal}) {
        const char *name = Info(calc).className;
        QTest::addRow("%s Cancel", name) << calc << QByteArray("cancel");
        QTest::addRow("%s Esc", name) << calc << QByteArray("esc");
        QTest::addRow("%s close box", name) << calc << QByteArray("closebox");
    }
}

// Cancel, Esc and the close box end the request even with values typed:
// nothing is validated, computed or shown.
void CalcLoopTest::cancelEndsTheRequest()
{
    QFETCH(Calc, calc);
    QFETCH(QByteArray, how);

    ScriptedPrompts prompts;
    ScopedPrompts use(prompts);
    ModalScript script;
    script.expect(Info(calc).className, [&](QDialog *dialog) {
        TypeInto(dialog, Info(calc).fields, AcceptedCase(calc).inputs);
        if (how == "cancel")
            Press(dialog, "CancelBtn");
        else if (how == "esc")
            QTest::keyClick(dialog, Qt::Key_Escape);
        else
            dialog->close();
    });

    QCOMPARE(ExecuteRequest(calc), 0);
    VERIFY_SCRIPT_RAN_CLEAN(script);
    QCOMPARE(script.handled(), 1);
    QVERIFY(prompts.texts().isEmpty());
}

QTEST_MAIN(CalcLoopTest)
#include "tst_calcloop.moc"
