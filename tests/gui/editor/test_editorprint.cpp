// Printing an editor window's text, read back from a PDF printer.

#include "gui/common/printing.h"
#include "gui/editor/editorprint.h"
#include "gui/editor/editorwindow.h"
#include "scriptedprompts.h"
#include "tooloutput.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

struct Word
{
    double x;
    double y;
    QString text;
};

// The words of the first page with their top-left corners in points.
QList<Word> PdfWords(const QString &file)
{
    const QString html = ToolOutput("pdftotext", {"-bbox", "-f", "1", "-l", "1", file, "-"});
    QList<Word> words;
    const QRegularExpression word(
        QStringLiteral("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"[^>]*>([^<]*)</word>"));
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        words.append({m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3)});
    }
    std::stable_sort(words.begin(), words.end(), [](const Word &a, const Word &b) {
        return std::abs(a.y - b.y) > 0.5 ? a.y < b.y : a.x < b.x;
    });
    return words;
}

} // namespace

class TestEditorPrint : public QObject
{
    Q_OBJECT

private:
    ScriptedPrompts prompts;
    std::unique_ptr<ScopedPrompts> scoped;
    std::unique_ptr<QTemporaryDir> dir;
    QString pdf;

    QPrinter &printer() { return ProgramPrinter(); }

    int linesPerPage()
    {
        const int height = printer().pageLayout().paintRectPixels(printer().resolution()).height();
        return height / static_cast<int>(std::lrint(10 * printer().resolution() / 72.0));
    }

    static QString NumberedLines(int count)
    {
        QStringList lines;
        for (int i = 1; i <= count; ++i)
            lines.append(QStringLiteral("line%1").arg(i));
        return lines.join(QLatin1Char('\n'));
    }

private slots:
    void init()
    {
        prompts = ScriptedPrompts();
        scoped = std::make_unique<ScopedPrompts>(prompts);
        dir = std::make_unique<QTemporaryDir>();
        pdf = dir->filePath(QStringLiteral("out.pdf"));
        printer().setOutputFormat(QPrinter::PdfFormat);
        printer().setOutputFileName(pdf);
        printer().setResolution(600);
        prompts.answerPrint(true, pdf);
    }

    void cleanup()
    {
        scoped.reset();
        dir.reset();
    }

    void layout_data()
    {
        QTest::addColumn<int>("screenDpi");
        QTest::addColumn<int>("points");
        QTest::addColumn<int>("printerDpi");
        QTest::addColumn<int>("pageHeight");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("lineHeight");
        QTest::addColumn<int>("linesPerPage");
        QTest::newRow("10 pt at 600 dpi") << 96 << 10 << 600 << 6000 << 96 << 83 << 72;
        QTest::newRow("12 pt at 300 dpi") << 96 << 12 << 300 << 3000 << 96 << 50 << 60;
        QTest::newRow("rounds up") << 120 << 10 << 1200 << 1000 << 120 << 167 << 5;
        QTest::newRow("half to even") << 96 << 9 << 100 << 100 << 96 << 12 << 8;
        QTest::newRow("negative size") << 96 << -10 << 600 << 6000 << 96 << 83 << 72;
        QTest::newRow("size 0") << 96 << 0 << 600 << 6000 << 96 << 0 << 0;
        QTest::newRow("taller than page") << 96 << 1000 << 600 << 6000 << 96 << 6001 << 0;
        QTest::newRow("no overflow") << 96 << 999999999 << 1200 << 6000 << 96 << 6001 << 0;
    }

    void layout()
    {
        QFETCH(int, screenDpi);
        QFETCH(int, points);
        QFETCH(int, printerDpi);
        QFETCH(int, pageHeight);
        const EditorPrintLayout layout
            = MakeEditorPrintLayout(screenDpi, points, printerDpi, pageHeight);
        QTEST(layout.left, "left");
        QTEST(layout.lineHeight, "lineHeight");
        QTEST(layout.linesPerPage, "linesPerPage");
    }

    void pageCount_data()
    {
        QTest::addColumn<int>("extra"); // lines beyond whole pages
        QTest::addColumn<int>("pages"); // whole pages of lines
        QTest::addColumn<int>("expected");
        QTest::newRow("exactly one page") << 0 << 1 << 1;
        QTest::newRow("one line more") << 1 << 1 << 2;
        QTest::newRow("two pages and one") << 1 << 2 << 3;
    }

    void pageCount()
    {
        QFETCH(int, extra);
        QFETCH(int, pages);
        const int count = pages * linesPerPage() + extra;
        QVERIFY(linesPerPage() > 10);
        EditorWindow child;
        child.setPlainText(NumberedLines(count));
        child.print();
        QVERIFY(prompts.shown.isEmpty());
        QTEST(PdfPages(pdf), "expected");
        if (extra == 1) {
            const QString last
                = ToolOutput("pdftotext", {"-f", QString::number(pages + 1), pdf, "-"});
            QCOMPARE(last.trimmed(), QStringLiteral("line%1").arg(count));
        }
    }

    void oneEmptyLinePrintsABlankPage()
    {
        EditorWindow child;
        child.setPlainText(QStringLiteral("\n")); // one empty line
        child.print();
        QCOMPARE(PdfPages(pdf), 1);
        QCOMPARE(ToolOutput("pdftotext", {pdf, "-"}).trimmed(), QString());
    }

    void emptyTextPrintsNothing()
    {
        EditorWindow child;
        child.setPlainText(QString());
        child.print();
        QVERIFY(!QFile::exists(pdf));
        QVERIFY(prompts.shown.isEmpty());
    }

    void linesAreOneLineHeightApartFromTheLeftOffset()
    {
        EditorWindow child;
        child.setWindowTitle(QStringLiteral("trees.dat"));
        child.setPlainText(QStringLiteral("first\nsecond\n\nfourth ")
                           + QString(2000, QLatin1Char('w')));
        child.print();
        const QList<Word> words = PdfWords(pdf);
        // The empty third line has no word.
        QVERIFY(words.size() > 4);
        QCOMPARE(words[0].text, QStringLiteral("first"));
        QCOMPARE(words[2].text, QStringLiteral("fourth"));
        // 83 device units at 600 dpi are 83 * 72 / 600 points.
        const double line = 83 * 72.0 / 600.0;
        QVERIFY2(std::abs((words[1].y - words[0].y) - line) < 0.05,
                 qPrintable(QString::number(words[1].y - words[0].y)));
        QVERIFY(std::abs((words[2].y - words[0].y) - 3 * line) < 0.05);
        // Every line starts 96 device units right of the printable area.
        const QRect paint = printer().pageLayout().paintRectPixels(600);
        const double left = (paint.left() + 96) * 72.0 / 600.0;
        for (int i = 0; i < 3; ++i)
            QVERIFY2(std::abs(words[i].x - left) < 0.5, qPrintable(QString::number(words[i].x)));
        // The long line starts on its own line; the rest goes on below.
        QVERIFY(words[3].text.startsWith(QStringLiteral("www")));
        QVERIFY(std::abs(words[3].y - words[2].y) < 0.05);
        // The job carries the window's caption.
        QVERIFY(ToolOutput("pdfinfo", {pdf}).contains(QStringLiteral("trees.dat")));
    }

    void nothingIsLostOnPaper_data()
    {
        QTest::addColumn<QString>("text");
        const QString digits = QStringLiteral("0123456789").repeated(30);
        QTest::newRow("tab-separated columns") << QStringLiteral("column\t").repeated(20);
        QTest::newRow("300 characters") << digits;
        QTest::newRow("a tab, then 300 characters") << QStringLiteral("x\t") + digits;
    }

    void nothingIsLostOnPaper()
    {
        // All reaches the paper, wide lines continued, tabs at the screen's stops.
        QFETCH(QString, text);
        EditorWindow child;
        child.setPlainText(text);
        child.print();
        const QList<Word> words = PdfWords(pdf);
        QString printed;
        for (const Word &word : words)
            printed += word.text;
        const QString mark = QString::fromUtf16(ContinuationMark).trimmed();
        QVERIFY(printed.contains(mark) && words.last().y > words.first().y);
        QCOMPARE(printed.remove(mark), QString(text).remove(QLatin1Char('\t')));
        const double stop = child.tabStopDistance() * 72.0 / child.logicalDpiX();
        for (qsizetype i = 1; i < words.size() && words[i].y == words[0].y; ++i)
            QVERIFY(std::abs(words[i].x - words[0].x - i * stop) < 0.5);
    }

    void fieldsAreNeverSplit_data()
    {
        QTest::addColumn<QString>("separator");
        QTest::newRow("tabs") << QStringLiteral("\t");
        QTest::newRow("blanks") << QStringLiteral(" ");
    }

    void fieldsAreNeverSplit()
    {
        QFETCH(QString, separator);
        EditorWindow child;
        child.setPlainText(QStringLiteral("-1234.5678").append(separator).repeated(40));
        child.print();
        // Words on paper are whole numbers (or the mark), never a piece of one.
        const QString mark = QString::fromUtf16(ContinuationMark).trimmed();
        const QString number = QStringLiteral("-1234.5678");
        int numbers = 0;
        for (const Word &word : PdfWords(pdf)) {
            QString rest = word.text;
            numbers += int(rest.count(number));
            QVERIFY2(rest.remove(number).remove(mark).isEmpty(), qPrintable(word.text));
        }
        QCOMPARE(numbers, 40);
    }

    void unusableFontSizeIsExplained_data()
    {
        QTest::addColumn<QString>("size");
        QTest::newRow("size 0") << "0";
        QTest::newRow("taller than the page") << "5000";
    }

    void unusableFontSizeIsExplained()
    {
        QFETCH(QString, size);
        EditorWindow child;
        child.setPlainText(QStringLiteral("1 2 3"));
        child.setFontSizeText(size);
        child.print();
        QVERIFY(!QFile::exists(pdf));
        const QStringList messages = prompts.texts(PromptKind::Message);
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages.first().contains(QStringLiteral("no line fits on a page")),
                 qPrintable(messages.first()));
    }

    void eventsDuringPrintingCannotBreakTheJob_data()
    {
        QTest::addColumn<bool>("printFirst");
        QTest::newRow("close, then print") << false;
        QTest::newRow("print, then close") << true;
    }

    void eventsDuringPrintingCannotBreakTheJob()
    {
        // Events run between lines: a close request and a second Print that
        // arrive meanwhile are refused with a message, in either order, and
        // the job completes. Both are posted before the job starts, so the
        // first round of events inside the job delivers them.
        QFETCH(bool, printFirst);
        auto *child = new EditorWindow;
        const QPointer<EditorWindow> alive(child);
        child->setPlainText(NumberedLines(3));
        const auto post
            = [child](auto call) { QMetaObject::invokeMethod(child, call, Qt::QueuedConnection); };
        const auto closeIt = [child] { child->close(); };
        const auto printAgain = [child] { child->print(); };
        if (printFirst) {
            post(printAgain);
            post(closeIt);
        } else {
            post(closeIt);
            post(printAgain);
        }
        child->print();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!alive.isNull());
        QCOMPARE(prompts.shown.size(), 2);
        QCOMPARE(prompts.texts(PromptKind::Information).size(), 1);
        // The close is refused, not put off: the message must not promise that
        // the window closes by itself.
        QCOMPARE(prompts.texts(PromptKind::Information).first(),
                 QStringLiteral("The window is printing. Close it when printing has finished."));
        QCOMPARE(prompts.texts(PromptKind::Message).size(), 1);
        QVERIFY(
            prompts.texts(PromptKind::Message).first().contains(QStringLiteral("being printed")));
        QCOMPARE(PdfPages(pdf), 1);
        QCOMPARE(ToolOutput("pdftotext", {pdf, "-"}).simplified(),
                 QStringLiteral("line1 line2 line3"));
        // Once the job is done, the window closes as usual.
        child->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(alive.isNull());
    }

    void closeCommandRefusedWhilePrintingAsksAgainLater()
    {
        // The Close command's save question is answered No, but the window is
        // printing and stays. Edits made afterwards must not be closed away
        // without a new question.
        auto *child = new EditorWindow;
        const QPointer<EditorWindow> alive(child);
        child->setPlainText(NumberedLines(3));
        child->document()->setModified(true);
        prompts.answerConfirm(QMessageBox::No);
        QMetaObject::invokeMethod(
            child, [child] { child->closeFile(); }, Qt::QueuedConnection);
        child->print();
        QVERIFY(!alive.isNull());

        child->appendPlainText(QStringLiteral("more"));
        prompts.answerConfirm(QMessageBox::Cancel);
        child->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!alive.isNull());
        QCOMPARE(prompts.texts(PromptKind::Confirm).size(), 2);
        delete child;
    }

    void printSetupGoesToTheProgramPrinter()
    {
        EditorWindow child;
        prompts.answerPrinterSetup(false);
        child.printSetup();
        QCOMPARE(prompts.printerSetups, 1);
        QVERIFY(!QFile::exists(pdf));
    }
};

QTEST_MAIN(TestEditorPrint)
#include "test_editorprint.moc"
