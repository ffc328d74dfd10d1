// The output viewer: showing a file, its caption, printing and closing when
// another window of the program takes the focus.

#include "gui/common/printing.h"
#include "gui/viewers/outputviewer.h"
#include "scriptedprompts.h"
#include "testfiles.h"
#include "tooloutput.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QToolButton>
#include <QtTest>

namespace {

QPlainTextEdit *Text(OutputViewer &view)
{
    return view.findChild<QPlainTextEdit *>(QStringLiteral("Text"));
}

QToolButton *PrintButton(OutputViewer &view)
{
    return view.findChild<QToolButton *>(QStringLiteral("PrintBtn"));
}

QPushButton *CloseButton(OutputViewer &view)
{
    return view.findChild<QPushButton *>(QStringLiteral("CloseBtn"));
}

// The text of a PDF file, laid out as printed.
QString PdfText(const QString &pdf)
{
    bool ok = false;
    const QString text = ToolOutput(QStringLiteral("pdftotext"),
                                    {QStringLiteral("-layout"), pdf, QStringLiteral("-")}, &ok);
    return ok ? text : QStringLiteral("<pdftotext failed>");
}

// The left edge of each printed line in PDF points, from pdftotext's boxes.
QList<double> LineLefts(const QString &pdf)
{
    const QString html = ToolOutput(QStringLiteral("pdftotext"),
                                    {QStringLiteral("-bbox-layout"), pdf, QStringLiteral("-")});
    QList<double> lefts;
    static const QRegularExpression line(QStringLiteral("<line xMin=\"([0-9.]+)\""));
    for (auto it = line.globalMatch(html); it.hasNext();)
        lefts.append(it.next().captured(1).toDouble());
    return lefts;
}

} // namespace

class OutputViewerTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void missingFileShowsNothing();
    void captionIsThePathAsOnDisk();
    void opensCentredInsideTheWindowItBelongsTo();
    void contentIsShownAsTheFileHoldsIt_data();
    void contentIsShownAsTheFileHoldsIt();
    void longLinesScrollInsteadOfWrapping();
    void buttonsSitSideBySideInThePanelsMiddle();
    void printWritesEveryLineBehindTenBlanks();
    void longLineContinuesIndentedInsideTheMargins();
    void emptyFilePrintsAJobWithoutLines();
    void cancelledPrintDialogPrintsNothing();
    void printerFailureIsShownAsAnError();
    void anotherWindowTakingTheFocusClosesTheViewer();
    void closeButtonHidesAndViewFileShowsAgain();

private:
    QTemporaryDir m_dir;
};

void OutputViewerTest::init()
{
    QVERIFY(m_dir.isValid());
}

void OutputViewerTest::missingFileShowsNothing()
{
    ScriptedPrompts prompts;
    ScopedPrompts use(prompts);
    OutputViewer view;
    const QString path = m_dir.filePath(QStringLiteral("nothing.OUT"));
    view.viewFile(path);
    QVERIFY(!view.isVisible());
    QCOMPARE(view.fileName(), path);
    QVERIFY(prompts.shown.isEmpty());
}

void OutputViewerTest::captionIsThePathAsOnDisk()
{
    QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("Data ÄÖ")));
    const QString path = WriteFile(m_dir.filePath(QStringLiteral("Data ÄÖ/Survey.OUT")), "x\r\n");
    QVERIFY(!path.isEmpty());
    OutputViewer view;
    view.viewFile(path);
    QVERIFY(view.isVisible());
    QVERIFY(!view.isMaximized());
    QVERIFY(view.screen()->availableGeometry().contains(view.frameGeometry()));
    QCOMPARE(view.windowTitle(), path);
    QVERIFY(view.windowTitle().endsWith(QStringLiteral("Data ÄÖ/Survey.OUT")));
}

void OutputViewerTest::opensCentredInsideTheWindowItBelongsTo()
{
    QWidget frame;
    frame.setGeometry(20, 20, 700, 520);
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    const QString path = WriteFile(m_dir.filePath(QStringLiteral("inside.OUT")), "x\n");
    OutputViewer view(&frame);
    QVERIFY(view.viewFile(path));
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QVERIFY(frame.frameGeometry().contains(view.frameGeometry()));
    QVERIFY((view.frameGeometry().center() - frame.frameGeometry().center()).manhattanLength()
            <= 4);
    QVERIFY(view.width() > frame.width() / 2);
}

void OutputViewerTest::contentIsShownAsTheFileHoldsIt_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("CR LF lines") << QByteArray("one\r\ntwo\r\n") << QStringList{"one", "two"};
    QTest::newRow("LF and CR") << QByteArray("a\nb\rc") << QStringList{"a", "b", "c"};
    QTest::newRow("blank lines kept")
        << QByteArray("a\r\n\r\n\r\nb\r\n") << QStringList{"a", "", "", "b"};
    QTest::newRow("plus-minus of the report") << QByteArray("mean = 2.6 \xC2\xB1"
                                                            "1.03\n")
                                              << QStringList{QStringLiteral("mean = 2.6 ±1.03")};
    QTest::newRow("8-bit plus-minus of an older report")
        << QByteArray("mean = 2.6 \xB1"
                      "1.03\r\n")
        << QStringList{QStringLiteral("mean = 2.6 ±1.03")};
    QTest::newRow("UTF-8 stays UTF-8")
        << QByteArray("caf\xC3\xA9\n") << QStringList{QStringLiteral("café")};
    QTest::newRow("empty file") << QByteArray() << QStringList{};
}

void OutputViewerTest::contentIsShownAsTheFileHoldsIt()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    const QString path = WriteFile(m_dir.filePath(QStringLiteral("content.OUT")), bytes);
    OutputViewer view;
    view.viewFile(path);
    QVERIFY(view.isVisible());
    QVERIFY(Text(view)->isReadOnly());
    QCOMPARE(Text(view)->toPlainText(), lines.join(QLatin1Char('\n')));
}

void OutputViewerTest::longLinesScrollInsteadOfWrapping()
{
    const QByteArray longLine(2000, 'x');
    const QString path
        = WriteFile(m_dir.filePath(QStringLiteral("wide.OUT")), longLine + "\r\nshort\r\n");
    OutputViewer view;
    view.viewFile(path);
    QCoreApplication::processEvents();
    QCOMPARE(Text(view)->document()->blockCount(), 2);
    QCOMPARE(Text(view)->document()->firstBlock().layout()->lineCount(), 1);
    QVERIFY(Text(view)->horizontalScrollBar()->maximum() > 0);
}

void OutputViewerTest::buttonsSitSideBySideInThePanelsMiddle()
{
    OutputViewer view;
    auto *panel = view.findChild<QFrame *>(QStringLiteral("ButtonPanel"));
    QVERIFY(panel);
    QCOMPARE(PrintButton(view)->focusPolicy(), Qt::NoFocus);
    QCOMPARE(PrintButton(view)->parentWidget(), panel);
    QCOMPARE(CloseButton(view)->parentWidget(), panel);
    QCOMPARE(CloseButton(view)->toolTip(), QStringLiteral("Close file viewing."));
    QCOMPARE(PrintButton(view)->statusTip(), QStringLiteral("Print Document"));
    // Close starts at the middle of the panel, Print stands 10 pixels to its
    // left; the panel runs along the bottom, 27 pixels high, at any size.
    for (const QSize size : {QSize(440, 300), QSize(1000, 700)}) {
        view.resize(size);
        view.show();
        QCoreApplication::processEvents();
        QCOMPARE(panel->height(), 27);
        QCOMPARE(panel->width(), view.width());
        QCOMPARE(panel->geometry().bottom(), view.height() - 1);
        QCOMPARE(CloseButton(view)->x(), panel->width() / 2);
        QCOMPARE(PrintButton(view)->geometry().right() + 1 + 10, CloseButton(view)->x());
    }
}

void OutputViewerTest::printWritesEveryLineBehindTenBlanks()
{
    ScriptedPrompts prompts;
    ScopedPrompts use(prompts);
    const QString path = WriteFile(m_dir.filePath(QStringLiteral("report.OUT")),
                                   "Random Error Distribution\r\n\r\nX\r\n    indented\r\n");
    const QString pdf = m_dir.filePath(QStringLiteral("report.pdf"));
    OutputViewer view;
    view.viewFile(path);
    prompts.answerPrint(true, pdf);
    PrintButton(view)->click();
    QCOMPARE(prompts.printDialogs, 1);
    QVERIFY(prompts.texts(PromptKind::Error).isEmpty());

    const QString text = PdfText(pdf);
    QVERIFY2(text.contains(QStringLiteral("Random Error Distribution")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("indented")), qPrintable(text));

    // Every line stands ten character widths (Courier, 8 points: 4.8 points
    // each) right of the printable area's edge; the indented line four more.
    const QRectF area = ProgramPrinter().pageLayout().paintRect(QPageLayout::Point);
    const QList<double> lefts = LineLefts(pdf);
    QCOMPARE(lefts.size(), 3);
    QVERIFY2(std::abs(lefts[0] - area.left() - 48.0) < 1.5,
             qPrintable(QString::number(lefts[0] - area.left())));
    QVERIFY2(std::abs(lefts[1] - area.left() - 48.0) < 1.5,
             qPrintable(QString::number(lefts[1] - area.left())));
    QVERIFY2(std::abs(lefts[2] - area.left() - 67.2) < 1.5,
             qPrintable(QString::number(lefts[2] - area.left())));
}

void OutputViewerTest::longLineContinuesIndentedInsideTheMargins()
{
    ScriptedPrompts prompts;
    ScopedPrompts use(prompts);
    const QString pdf = m_dir.filePath(QStringLiteral("stars.pdf"));
    OutputViewer view;
    view.viewFile(WriteFile(m_dir.filePath(QStringLiteral("stars.OUT")), QByteArray(300, '*')));
    prompts.answerPrint(true, pdf);
    view.printFile();
    QCOMPARE(PdfText(pdf).count(QLatin1Char('*')), 300);
    const QList<double> lefts = LineLefts(pdf);
    QVERIFY(lefts.size() > 1);
    for (qsizetype i = 1; i < lefts.size(); ++i)
        QVERIFY(lefts[i] > lefts[0] + 5);
    // Inside the page's 15 mm margins, not 10 points from the top.
    const QRegularExpression top(QStringLiteral("<line xMin=\"[0-9.]+\" yMin=\"([0-9.]+)\""));
    QVERIFY(top.match(ToolOutput("pdftotext", {"-bbox-layout", pdf, "-"})).captured(1).toDouble()
            > 42);
}

void OutputViewerTest::emptyFilePrintsAJobWithoutLines()
{
    ScriptedPrompts prompts;
    ScopedPrompts use(prompts);
    const QString path = WriteFile(m_dir.filePath(QStringLiteral("empty.OUT")), QByteArray());
    const QString pdf = m_dir.filePath(QStringLiteral("empty.pdf"));
    OutputViewer view;
    view.viewFile(path);
    QVERIFY(view.isVisible());
    prompts.answerPrint(true, pdf);
    view.printFile();
    QVERIFY(QFile::exists(pdf));
    QCOMPARE(PdfText(pdf).trimmed(), QString());
}

void OutputViewerTest::cancelledPrintDialogPrintsNothing()
{
    ScriptedPrompts prompts;
    ScopedPrompts use(prompts);
    const QString path = WriteFile(m_dir.filePath(QStringLiteral("cancel.OUT")), "text\r\n");
    const QString pdf = m_dir.filePath(QStringLiteral("cancel.pdf"));
    ProgramPrinter().setOutputFormat(QPrinter::PdfFormat);
    ProgramPrinter().setOutputFileName(pdf);
    OutputViewer view;
    view.viewFile(path);
    prompts.answerPrint(false);
    view.printFile();
    QCOMPARE(prompts.printDialogs, 1);
    QVERIFY(!QFile::exists(pdf));
    QVERIFY(prompts.shown.isEmpty());
}

void OutputViewerTest::printerFailureIsShownAsAnError()
{
    ScriptedPrompts prompts;
    ScopedPrompts use(prompts);
    const QString path = WriteFile(m_dir.filePath(QStringLiteral("fail.OUT")), "text\r\n");
    OutputViewer view;
    view.viewFile(path);
    prompts.answerPrint(true, m_dir.filePath(QStringLiteral("no/such/folder/out.pdf")));
    view.printFile();
    QCOMPARE(prompts.texts(PromptKind::Error).size(), 1);
    QVERIFY(view.isVisible());
}

void OutputViewerTest::anotherWindowTakingTheFocusClosesTheViewer()
{
    const QString path = WriteFile(m_dir.filePath(QStringLiteral("focus.OUT")), "text\r\n");
    QWidget frame;
    frame.setWindowTitle(QStringLiteral("frame"));
    frame.show();
    QVERIFY(QTest::qWaitForWindowActive(&frame));

    OutputViewer view;
    view.viewFile(path);
    QVERIFY(QTest::qWaitForWindowActive(&view));

    frame.activateWindow();
    QTRY_VERIFY(!view.isVisible());

    // Shown again, it stays until the focus moves again.
    view.viewFile(path);
    QVERIFY(QTest::qWaitForWindowActive(&view));
    QTest::qWait(50);
    QVERIFY(view.isVisible());
}

void OutputViewerTest::closeButtonHidesAndViewFileShowsAgain()
{
    const QString path = WriteFile(m_dir.filePath(QStringLiteral("again.OUT")), "first\r\n");
    OutputViewer view;
    view.viewFile(path);
    QVERIFY(view.isVisible());
    CloseButton(view)->click();
    QVERIFY(!view.isVisible());
    QCOMPARE(Text(view)->toPlainText(), QStringLiteral("first"));

    QVERIFY(!WriteFile(path, "second\r\n").isEmpty());
    view.viewFile(path);
    QVERIFY(view.isVisible());
    QCOMPARE(Text(view)->toPlainText(), QStringLiteral("second"));
}

QTEST_MAIN(OutputViewerTest)
#include "test_outputviewer.moc"
