// The output viewer: showing a file, its caption, printing and closing when
// another window of the program takes the focus.

#include "gui/common/printing.h"
#include "gui/viewers/viewfile.h"
#include "scriptedprompts.h"
#include "testfiles.h"
#include "tooloutput.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QToolButton>
#include <QtTest>

namespace {

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

class ViewFileTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void missingFileShowsNothing();
    void captionIsThePathWithAsciiLettersLowered();
    void contentIsShownAsTheFileHoldsIt_data();
    void contentIsShownAsTheFileHoldsIt();
    void longLinesScrollInsteadOfWrapping();
    void buttonsStayWhereTheyWerePlaced();
    void printWritesEveryLineBehindTenBlanks();
    void emptyFilePrintsAJobWithoutLines();
    void cancelledPrintDialogPrintsNothing();
    void printerFailureIsShownAsAnError();
    void anotherWindowTakingTheFocusClosesTheViewer();
    void closeButtonHidesAndExecuteShowsAgain();

private:
    QTemporaryDir m_dir;
};

void ViewFileTest::init()
{
    QVERIFY(m_dir.isValid());
}

void ViewFileTest::missingFileShowsNothing()
{
    ScriptedPrompts prompts;
    ScopedPrompts use(prompts);
    TViewForm view;
    const QString path = m_dir.filePath(QStringLiteral("nothing.OUT"));
    view.Execute(path, nullptr);
    QVERIFY(!view.isVisible());
    QCOMPARE(view.ViewFileName, path);
    QVERIFY(prompts.shown.isEmpty());
}

void ViewFileTest::captionIsThePathWithAsciiLettersLowered()
{
    QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("Data ÄÖ")));
    const QString path = WriteFile(m_dir.filePath(QStringLiteral("Data ÄÖ/Survey.OUT")), "x\r\n");
    QVERIFY(!path.isEmpty());
    TViewForm view;
    view.Execute(path, nullptr);
    QVERIFY(view.isVisible());
    QVERIFY(view.isMaximized());
    QString expected = path;
    for (QChar &c : expected)
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            c = c.toLower();
    QCOMPARE(view.windowTitle(), expected);
    QVERIFY(view.windowTitle().endsWith(QStringLiteral("data ÄÖ/survey.out")));
}

void ViewFileTest::contentIsShownAsTheFileHoldsIt_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("CR LF lines") << QByteArray("one\r\ntwo\r\n") << QStringList{"one", "two"};
    QTest::newRow("LF and CR") << QByteArray("a\nb\rc") << QStringList{"a", "b", "c"};
    QTest::newRow("blank lines kept")
        << QByteArray("a\r\n\r\n\r\nb\r\n") << QStringList{"a", "", "", "b"};
    QTest::newRow("plus-minus byte of the report")
        << QByteArray("mean = 2.6 \xB1"
                      "1.03\r\n")
        << QStringList{QStringLiteral("mean = 2.6 ±1.03")};
    QTest::newRow("UTF-8 stays UTF-8")
        << QByteArray("caf\xC3\xA9\n") << QStringList{QStringLiteral("café")};
    QTest::newRow("empty file") << QByteArray() << QStringList{};
}

void ViewFileTest::contentIsShownAsTheFileHoldsIt()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    const QString path = WriteFile(m_dir.filePath(QStringLiteral("content.OUT")), bytes);
    TViewForm view;
    view.Execute(path, nullptr);
    QVERIFY(view.isVisible());
    QVERIFY(view.ViewMemo->isReadOnly());
    QCOMPARE(view.ViewMemo->toPlainText(), lines.join(QLatin1Char('\n')));
}

void ViewFileTest::longLinesScrollInsteadOfWrapping()
{
    const QByteArray longLine(2000, 'x');
    const QString path
        = WriteFile(m_dir.filePath(QStringLiteral("wide.OUT")), longLine + "\r\nshort\r\n");
    TViewForm view;
    view.Execute(path, nullptr);
    QCoreApplication::processEvents();
    QCOMPARE(view.ViewMemo->document()->blockCount(), 2);
    QCOMPARE(view.ViewMemo->document()->firstBlock().layout()->lineCount(), 1);
    QVERIFY(view.ViewMemo->horizontalScrollBar()->maximum() > 0);
}

void ViewFileTest::buttonsStayWhereTheyWerePlaced()
{
    TViewForm view;
    QCOMPARE(view.CloseBtn->x(), 216);
    QCOMPARE(view.PrintBtn->x(), 146);
    QCOMPARE(view.PrintBtn->focusPolicy(), Qt::NoFocus);
    view.resize(1000, 700);
    view.show();
    QCoreApplication::processEvents();
    QCOMPARE(view.CloseBtn->x(), 216);
    QCOMPARE(view.PrintBtn->x(), 146);
    QCOMPARE(view.Panel1->height(), 27);
}

void ViewFileTest::printWritesEveryLineBehindTenBlanks()
{
    ScriptedPrompts prompts;
    ScopedPrompts use(prompts);
    const QString path = WriteFile(m_dir.filePath(QStringLiteral("report.OUT")),
                                   "Random Error Distribution\r\n\r\nX\r\n    indented\r\n");
    const QString pdf = m_dir.filePath(QStringLiteral("report.pdf"));
    TViewForm view;
    view.Execute(path, nullptr);
    prompts.answerPrint(true, pdf);
    view.PrintBtn->click();
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

void ViewFileTest::emptyFilePrintsAJobWithoutLines()
{
    ScriptedPrompts prompts;
    ScopedPrompts use(prompts);
    const QString path = WriteFile(m_dir.filePath(QStringLiteral("empty.OUT")), QByteArray());
    const QString pdf = m_dir.filePath(QStringLiteral("empty.pdf"));
    TViewForm view;
    view.Execute(path, nullptr);
    QVERIFY(view.isVisible());
    prompts.answerPrint(true, pdf);
    view.PrintBtnClick();
    QVERIFY(QFile::exists(pdf));
    QCOMPARE(PdfText(pdf).trimmed(), QString());
}

void ViewFileTest::cancelledPrintDialogPrintsNothing()
{
    ScriptedPrompts prompts;
    ScopedPrompts use(prompts);
    const QString path = WriteFile(m_dir.filePath(QStringLiteral("cancel.OUT")), "text\r\n");
    const QString pdf = m_dir.filePath(QStringLiteral("cancel.pdf"));
    ProgramPrinter().setOutputFormat(QPrinter::PdfFormat);
    ProgramPrinter().setOutputFileName(pdf);
    TViewForm view;
    view.Execute(path, nullptr);
    prompts.answerPrint(false);
    view.PrintBtnClick();
    QCOMPARE(prompts.printDialogs, 1);
    QVERIFY(!QFile::exists(pdf));
    QVERIFY(prompts.shown.isEmpty());
}

void ViewFileTest::printerFailureIsShownAsAnError()
{
    ScriptedPrompts prompts;
    ScopedPrompts use(prompts);
    const QString path = WriteFile(m_dir.filePath(QStringLiteral("fail.OUT")), "text\r\n");
    TViewForm view;
    view.Execute(path, nullptr);
    prompts.answerPrint(true, m_dir.filePath(QStringLiteral("no/such/folder/out.pdf")));
    view.PrintBtnClick();
    QCOMPARE(prompts.texts(PromptKind::Error).size(), 1);
    QVERIFY(view.isVisible());
}

void ViewFileTest::anotherWindowTakingTheFocusClosesTheViewer()
{
    const QString path = WriteFile(m_dir.filePath(QStringLiteral("focus.OUT")), "text\r\n");
    QWidget frame;
    frame.setWindowTitle(QStringLiteral("frame"));
    frame.show();
    QVERIFY(QTest::qWaitForWindowActive(&frame));

    TViewForm view;
    view.Execute(path, nullptr);
    QVERIFY(QTest::qWaitForWindowActive(&view));

    frame.activateWindow();
    QTRY_VERIFY(!view.isVisible());

    // Shown again, it stays until the focus moves again.
    view.Execute(path, nullptr);
    QVERIFY(QTest::qWaitForWindowActive(&view));
    QTest::qWait(50);
    QVERIFY(view.isVisible());
}

void ViewFileTest::closeButtonHidesAndExecuteShowsAgain()
{
    const QString path = WriteFile(m_dir.filePath(QStringLiteral("again.OUT")), "first\r\n");
    TViewForm view;
    view.Execute(path, nullptr);
    QVERIFY(view.isVisible());
    view.CloseBtn->click();
    QVERIFY(!view.isVisible());
    QCOMPARE(view.ViewMemo->toPlainText(), QStringLiteral("first"));

    QVERIFY(!WriteFile(path, "second\r\n").isEmpty());
    view.Execute(path, nullptr);
    QVERIFY(view.isVisible());
    QCOMPARE(view.ViewMemo->toPlainText(), QStringLiteral("second"));
}

QTEST_MAIN(ViewFileTest)
#include "test_viewfile.moc"
