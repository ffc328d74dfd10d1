// The printer text channel, printed for real to PDF and read back with
// pdftotext and pdfinfo.

#include "gui/common/fonts.h"
#include "gui/common/printing.h"
#include "scriptedprompts.h"
#include "tooloutput.h"

#include <QFontMetrics>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

#include <sys/stat.h>

namespace {

// The printed pages as pdftotext lays them out, one string per page.
struct Printed
{
    QStringList pages;
    int pdfPages = 0;
    int channelPages = 0;
    QString pdf;
};

QStringList Lines(const QString &page)
{
    QStringList lines = page.split(QLatin1Char('\n'));
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
        lines.removeLast();
    while (!lines.isEmpty() && lines.first().trimmed().isEmpty())
        lines.removeFirst();
    return lines;
}

QFont PrintFont()
{
    return PixelFont(QStringLiteral("Courier New"), 13);
}

// A full page holds the lines whose tops stay within the page height less
// twice the advance (font height + 2 printer pixels).
int LinesPerPage()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    QFont font = PrintFont();
    font.setPointSizeF(13 * 72.0 / 96.0);
    const int advance = QFontMetrics(font, &printer).height() + 2;
    const int height = printer.pageLayout().paintRectPixels(printer.resolution()).height();
    return (height - 2 * advance) / advance + 1;
}

} // namespace

class PrintingTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void longReportBreaksPagesAtTheRule();
    void fullLastPageEndsWithoutBlankSheet_data();
    void fullLastPageEndsWithoutBlankSheet();
    void longLineIsSplitAtTheLongestPartThatFits();
    void formFeedStartsAPage();
    void carriageReturnIsIgnored_data();
    void carriageReturnIsIgnored();
    void tabsMoveToStopsEveryEightCharacters();
    void pixelFontIsScaledToThePrinter();
    void failedOpenAndWritesBeforeOpen();
    void printToFileOnlyWhereAFileMayGo();
    void programPrinterIsHighResolutionAndShared();
    void programPrinterRecoversFromAJobThatCouldNotStart();

private:
    Printed print(const std::function<void(PrinterTextChannel &)> &write);
    QTemporaryDir m_dir;
    int m_count = 0;
};

void PrintingTest::initTestCase()
{
    InstallFontSubstitutes();
    QVERIFY(m_dir.isValid());
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
}

Printed PrintingTest::print(const std::function<void(PrinterTextChannel &)> &write)
{
    Printed printed;
    printed.pdf = m_dir.filePath(QStringLiteral("out%1.pdf").arg(++m_count));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(printed.pdf);
    printer.setPageSize(QPageSize(QPageSize::A4));
    {
        PrinterTextChannel channel(printer);
        channel.setFont(PrintFont());
        if (!channel.open(QStringLiteral("test")))
            return printed;
        write(channel);
        printed.channelPages = channel.pageCount();
        channel.close();
    }
    printed.pdfPages = PdfPages(printed.pdf);
    const QString text = ToolOutput(QStringLiteral("pdftotext"),
                                    {QStringLiteral("-layout"), printed.pdf, QStringLiteral("-")});
    printed.pages = text.split(QLatin1Char('\f'));
    if (!printed.pages.isEmpty() && printed.pages.last().trimmed().isEmpty())
        printed.pages.removeLast();
    return printed;
}

void PrintingTest::longReportBreaksPagesAtTheRule()
{
    const int total = 300;
    const Printed printed = print([&](PrinterTextChannel &channel) {
        for (int i = 1; i <= total; ++i)
            channel.writeLine(QStringLiteral("Report line %1").arg(i, 3, 10, QLatin1Char('0')));
    });
    QVERIFY(printed.pdfPages > 1);
    QCOMPARE(printed.channelPages, printed.pdfPages);
    QCOMPARE(printed.pages.size(), printed.pdfPages);

    // Every line arrives once, in order.
    QStringList all;
    for (const QString &page : printed.pages)
        all += Lines(page);
    QCOMPARE(all.size(), total);
    for (int i = 0; i < total; ++i)
        QCOMPARE(all.at(i).trimmed(),
                 QStringLiteral("Report line %1").arg(i + 1, 3, 10, QLatin1Char('0')));

    const int perPage = LinesPerPage();
    for (int p = 0; p + 1 < printed.pages.size(); ++p)
        QCOMPARE(Lines(printed.pages.at(p)).size(), perPage);
}

void PrintingTest::fullLastPageEndsWithoutBlankSheet_data()
{
    QTest::addColumn<int>("extra");
    QTest::addColumn<int>("pages");
    QTest::newRow("one line short of a page") << -1 << 1;
    QTest::newRow("exactly one page") << 0 << 1;
    QTest::newRow("one line more") << 1 << 2;
    QTest::newRow("exactly two pages") << LinesPerPage() << 2;
}

void PrintingTest::fullLastPageEndsWithoutBlankSheet()
{
    QFETCH(int, extra);
    QFETCH(int, pages);
    const int total = LinesPerPage() + extra;
    const Printed printed = print([&](PrinterTextChannel &channel) {
        for (int i = 0; i < total; ++i)
            channel.writeLine(QStringLiteral("line %1").arg(i));
    });
    QCOMPARE(printed.pdfPages, pages);
    QCOMPARE(printed.channelPages, pages);
    QCOMPARE(Lines(printed.pages.last()).last().trimmed(),
             QStringLiteral("line %1").arg(total - 1));
}

void PrintingTest::longLineIsSplitAtTheLongestPartThatFits()
{
    QString line;
    for (int i = 0; i < 40; ++i)
        line += QStringLiteral("%1abcdefgh").arg(i % 10);
    const Printed printed = print([&](PrinterTextChannel &channel) {
        channel.writeLine(QStringLiteral("before"));
        channel.writeLine(line);
        channel.writeLine(QStringLiteral("after"));
    });
    QCOMPARE(printed.pages.size(), 1);
    const QStringList lines = Lines(printed.pages.first());
    QVERIFY2(lines.size() >= 4, qPrintable(lines.join('\n')));
    QCOMPARE(lines.first().trimmed(), QStringLiteral("before"));
    QCOMPARE(lines.last().trimmed(), QStringLiteral("after"));
    const QStringList pieces = lines.mid(1, lines.size() - 2);
    QString joined;
    for (const QString &piece : pieces)
        joined += piece.trimmed();
    QCOMPARE(joined, line);

    // In a fixed-pitch font every piece but the last fills the line, the
    // continuations from their indent of two characters.
    for (int i = 1; i < pieces.size(); ++i)
        QVERIFY(pieces.at(i).indexOf(QRegularExpression("\\S")) > lines.first().indexOf(u'b'));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    QFont font = PrintFont();
    font.setPointSizeF(13 * 72.0 / 96.0);
    const QFontMetrics metrics(font, &printer);
    const int width = printer.pageLayout().paintRectPixels(printer.resolution()).width();
    const int fitting = width / metrics.horizontalAdvance(QLatin1Char('x'));
    for (int i = 0; i + 1 < pieces.size(); ++i)
        QVERIFY2(qAbs(pieces.at(i).trimmed().size() - (i == 0 ? fitting : fitting - 2)) <= 1,
                 qPrintable(QStringLiteral("%1 characters, %2 fit")
                                .arg(pieces.at(i).trimmed().size())
                                .arg(fitting)));
}

void PrintingTest::formFeedStartsAPage()
{
    const Printed printed = print([](PrinterTextChannel &channel) {
        channel.write(QStringLiteral("first page\r\n\fsecond page\fthird"));
    });
    QCOMPARE(printed.channelPages, 3);
    QCOMPARE(printed.pdfPages, 3);
    QCOMPARE(Lines(printed.pages.at(0)), QStringList{QStringLiteral("first page")});
    QCOMPARE(Lines(printed.pages.at(1)).join('|').trimmed(), QStringLiteral("second page"));
    QCOMPARE(Lines(printed.pages.at(2)).join('|').trimmed(), QStringLiteral("third"));
}

void PrintingTest::carriageReturnIsIgnored_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("lone CR inside a line")
        << QStringLiteral("AB\rCD\nEF") << QStringList{"ABCD", "EF"};
    QTest::newRow("CR LF ends one line")
        << QStringLiteral("one\r\ntwo\r\nthree") << QStringList{"one", "two", "three"};
    QTest::newRow("CR alone at the end") << QStringLiteral("end\r") << QStringList{"end"};
}

void PrintingTest::carriageReturnIsIgnored()
{
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    const Printed printed = print([&](PrinterTextChannel &channel) { channel.write(text); });
    QCOMPARE(printed.pdfPages, 1);
    QStringList got = Lines(printed.pages.first());
    for (QString &l : got)
        l = l.trimmed();
    QCOMPARE(got, lines);
}

void PrintingTest::tabsMoveToStopsEveryEightCharacters()
{
    const Printed printed = print([](PrinterTextChannel &channel) {
        channel.writeLine(QStringLiteral("a\tB"));
        channel.writeLine(QStringLiteral("abcdefg\tD"));
        channel.writeLine(QStringLiteral("abcdefgh\tC"));
    });
    // Word boxes in points: the layout mode rounds columns too coarsely here.
    const QString boxes = ToolOutput(QStringLiteral("pdftotext"),
                                     {QStringLiteral("-bbox"), printed.pdf, QStringLiteral("-")});
    QHash<QString, QPair<double, double>> x; // word -> xMin, xMax
    const QRegularExpression word(QStringLiteral(
        "xMin=\"([0-9.]+)\" yMin=\"[0-9.]+\" xMax=\"([0-9.]+)\" yMax=\"[0-9.]+\">([^<]+)<"));
    for (const auto &m : word.globalMatch(boxes))
        x.insert(m.captured(3), {m.captured(1).toDouble(), m.captured(2).toDouble()});
    for (const char *w : {"a", "B", "abcdefg", "D", "abcdefgh", "C"})
        QVERIFY2(x.contains(QLatin1String(w)), qPrintable(boxes));

    const double left = x.value("a").first;
    const double stop = x.value("B").first - left;
    const double eight = x.value("abcdefgh").second - left; // the width of eight characters
    QVERIFY(stop > 0);
    QVERIFY2(qAbs(stop - eight) < 0.2, qPrintable(QStringLiteral("%1 %2").arg(stop).arg(eight)));
    QVERIFY(qAbs(x.value("D").first - x.value("B").first) < 0.05); // same stop
    QVERIFY(qAbs(x.value("C").first - left - 2 * stop) < 0.2);     // a full cell on: the next stop
}

void PrintingTest::pixelFontIsScaledToThePrinter()
{
    const Printed printed
        = print([](PrinterTextChannel &channel) { channel.writeLine(QStringLiteral("Sized")); });
    const QString html = ToolOutput(QStringLiteral("pdftotext"),
                                    {QStringLiteral("-bbox"), printed.pdf, QStringLiteral("-")});
    const QRegularExpression word(
        QStringLiteral("yMin=\"([0-9.]+)\" xMax=\"[0-9.]+\" yMax=\"([0-9.]+)\">Sized<"));
    const QRegularExpressionMatch match = word.match(html);
    QVERIFY2(match.hasMatch(), qPrintable(html));
    // 13 logical pixels are 9.75 points; the word's box is about that high.
    const double height = match.captured(2).toDouble() - match.captured(1).toDouble();
    QVERIFY2(height > 7.0 && height < 14.0, qPrintable(QString::number(height)));
}

void PrintingTest::failedOpenAndWritesBeforeOpen()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QStringLiteral("/nonexistent-folder/deeper/out.pdf"));
    PrinterTextChannel channel(printer);
    channel.write(QStringLiteral("ignored before open"));
    QVERIFY(!channel.open());
    QVERIFY(!channel.isOpen());
    channel.writeLine(QStringLiteral("still ignored"));
    channel.close();
}

void PrintingTest::printToFileOnlyWhereAFileMayGo()
{
    const QString pipe = m_dir.filePath(QStringLiteral("pipe"));
    QVERIFY(::mkfifo(QFile::encodeName(pipe).constData(), 0644) == 0);
    QVERIFY(QFile::link(pipe, m_dir.filePath(QStringLiteral("pipe.pdf"))));
    for (const auto &[name, refusal] :
         {std::pair{"new.pdf", ""}, std::pair{"pipe.pdf", "link to the named pipe (FIFO)"}}) {
        ScriptedPrompts prompts;
        ScopedPrompts use(prompts);
        prompts.answerPrint(true, m_dir.filePath(QLatin1String(name)));
        QPrinter printer;
        QCOMPARE(AskPrinter(nullptr, printer), !*refusal);
        QCOMPARE(prompts.texts().size(), *refusal ? 1 : 0);
        QVERIFY(!*refusal || prompts.texts().first().contains(QLatin1String(refusal)));
    }
}

void PrintingTest::programPrinterIsHighResolutionAndShared()
{
    QPrinter &printer = ProgramPrinter();
    QCOMPARE(&printer, &ProgramPrinter());
    QVERIFY(printer.resolution() >= 300);
}

void PrintingTest::programPrinterRecoversFromAJobThatCouldNotStart()
{
    // A job that cannot start (here a PDF without a file name, as with a
    // printer that is not there) leaves the printer marked as printing. The
    // user then picks a PDF file in the print dialog: that job must print,
    // with the settings chosen before.
    ProgramPrinter().setOutputFormat(QPrinter::PdfFormat);
    ProgramPrinter().setOutputFileName(QString());
    ProgramPrinter().setPageSize(QPageSize(QPageSize::A4));
    ProgramPrinter().setPageOrder(QPrinter::LastPageFirst);
    {
        PrinterTextChannel channel(ProgramPrinter());
        QVERIFY(!channel.open(QStringLiteral("test")));
    }
    QPrinter &printer = ProgramPrinter();
    QCOMPARE(printer.pageOrder(), QPrinter::LastPageFirst);
    const QString pdf = m_dir.filePath(QStringLiteral("after-failure.pdf"));
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    QCOMPARE(printer.outputFileName(), pdf);
    QCOMPARE(printer.pageLayout().pageSize().id(), QPageSize::A4);
    {
        PrinterTextChannel channel(printer);
        QVERIFY(channel.open(QStringLiteral("test")));
        channel.writeLine(QStringLiteral("printed after all"));
    }
    QCOMPARE(ToolOutput(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}).simplified(),
             QStringLiteral("printed after all"));
}

QTEST_MAIN(PrintingTest)
#include "tst_printing.moc"
