// The analysis results window: the picture scaled to its window, copied,
// printed and saved; the report beside it copied and saved.

#include "gui/common/clipboard.h"
#include "gui/common/help.h"
#include "gui/common/printing.h"
#include "gui/viewers/analysisresults.h"
#include "recordinghelp.h"
#include "scriptedprompts.h"
#include "testfiles.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Sets the program's printer to write a PDF file on a US letter page whose
// printable area is the whole sheet.
void UsePdfPrinter(const QString &file)
{
    QPrinter &printer = ProgramPrinter();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    printer.setPageSize(QPageSize(QPageSize::Letter));
    printer.setFullPage(true);
    printer.setResolution(600);
}

// The bounding box of the dark pixels of an image.
QRect DarkArea(const QImage &image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 64)
                box |= QRect(x, y, 1, 1);
    return box;
}

void Click(QWidget &window, const char *name)
{
    window.findChild<QPushButton *>(QLatin1String(name))->click();
}

} // namespace

class AnalysisResultsTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void pictureIsDrawnAnewAtTheWindowsSize();
    void copyPutsThePictureAndTheReportOnTheClipboard();
    void printedPageShowsTheWholePicture_data();
    void printedPageShowsTheWholePicture();
    void reportIsSavedAsACopy();
    void everyPictureTabSavesAValidFile_data();
    void everyPictureTabSavesAValidFile();
    void everyButtonHasAnAltKeyOfItsOwn();
    void reportPaneShowsEightyColumns_data();
    void reportPaneShowsEightyColumns();
    void helpKeyShowsTheResultsTopic();

private:
    QTemporaryDir m_dir;
    ScriptedPrompts m_prompts;
    std::unique_ptr<ScopedPrompts> m_use;
    std::unique_ptr<AnalysisResultsWindow> m_results;
    QList<QSizeF> m_drawnAt; // the areas the drawing was asked to fill
};

void AnalysisResultsTest::cleanup()
{
    m_results.reset();
    m_use.reset();
}

void AnalysisResultsTest::init()
{
    m_prompts.clear();
    m_use = std::make_unique<ScopedPrompts>(m_prompts);
    m_drawnAt.clear();
    // A picture that is black all over: its printed extent is the dark area.
    const QString report = WriteFile(m_dir.filePath(QStringLiteral("Sample.OUT")),
                                     "  Random Error Distribution\r\n  n = 3\r\n");
    m_results = std::make_unique<AnalysisResultsWindow>();
    QVERIFY(m_results->showResults(
        [this](QPainter &painter, const QRectF &area) {
            m_drawnAt << area.size();
            painter.fillRect(area, Qt::black);
        },
        QSizeF(400, 300), report, QStringLiteral("Sample")));
    QVERIFY(QTest::qWaitForWindowExposed(m_results.get()));
}

void AnalysisResultsTest::pictureIsDrawnAnewAtTheWindowsSize()
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY(screen.contains(m_results->frameGeometry()));
    QWidget *canvas = m_results->findChild<QWidget *>(QStringLiteral("PictureCanvas"));
    for (const QSize size : {QSize(700, 420), QSize(1000, 700)}) {
        m_results->resize(size);
        QTRY_COMPARE(m_results->size(), size);
        m_drawnAt.clear();
        canvas->repaint();
        QCOMPARE(m_drawnAt.value(0), QSizeF(canvas->size()));
    }
}

void AnalysisResultsTest::copyPutsThePictureAndTheReportOnTheClipboard()
{
    QGuiApplication::clipboard()->clear();
    Click(*m_results, "PictureCopyBtn");
    const QImage copied = QGuiApplication::clipboard()->image();
    QCOMPARE(copied.size(), QSize(800, 600)); // twice the picture's own size
    QCOMPARE(DarkArea(copied), copied.rect());
    QCOMPARE(m_prompts.texts(), QStringList{QStringLiteral("Image is copied to clipboard.")});

    Click(*m_results, "ReportCopyBtn");
    QCOMPARE(ClipboardText(), QStringLiteral("  Random Error Distribution\n  n = 3\n"));
}

void AnalysisResultsTest::printedPageShowsTheWholePicture_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("message");
    QTest::newRow("printed") << "picture.pdf"
                             << "Image written to %1.";
    // A PDF file in a folder that does not exist cannot be written.
    QTest::newRow("printer failure") << "missing/picture.pdf"
                                     << "Sorry, error writing to printer.";
}

void AnalysisResultsTest::printedPageShowsTheWholePicture()
{
    QFETCH(QString, file);
    QFETCH(QString, message);
    const QString pdf = m_dir.filePath(file);
    UsePdfPrinter(pdf);
    m_prompts.answerPrint(true, pdf);
    Click(*m_results, "PicturePrintBtn");
    QCOMPARE(m_prompts.printDialogs, 1);
    QCOMPARE(m_prompts.texts(),
             QStringList{message.contains(QLatin1String("%1")) ? message.arg(pdf) : message});
    if (!QFile::exists(pdf))
        return;

    // At 50 dpi the page is 425 pixels wide; the picture, 4 by 3, spans it.
    QProcess render;
    render.start(QStringLiteral("pdftoppm"),
                 {QStringLiteral("-r"), QStringLiteral("50"), QStringLiteral("-png"),
                  QStringLiteral("-singlefile"), pdf, m_dir.filePath(QStringLiteral("page"))});
    QVERIFY(render.waitForFinished(30000));
    QCOMPARE(render.exitCode(), 0);
    const QRect dark = DarkArea(QImage(m_dir.filePath(QStringLiteral("page.png"))));
    QVERIFY2(
        qAbs(dark.width() - 425) <= 2 && qAbs(dark.height() - 319) <= 2,
        qPrintable(QStringLiteral("picture is %1 by %2").arg(dark.width()).arg(dark.height())));
}

void AnalysisResultsTest::reportIsSavedAsACopy()
{
    const QString copy = m_dir.filePath(QStringLiteral("copy.out"));
    m_prompts.answerSave(copy);
    Click(*m_results, "ReportSaveBtn");
    QCOMPARE(m_prompts.saveRequests.value(0).fileName, QStringLiteral("Sample.OUT"));
    QCOMPARE(ReadBytes(copy), ReadBytes(m_dir.filePath(QStringLiteral("Sample.OUT"))));
    QVERIFY(m_prompts.texts().isEmpty());
}

void AnalysisResultsTest::everyPictureTabSavesAValidFile_data()
{
    QTest::addColumn<QString>("panel");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("start"); // what every file of the kind begins with
    const QByteArray png("\x89PNG\r\n\x1a\n", 8), svg("<?xml"), pdf("%PDF-");
    const QList<QPair<QString, QString>> panels{
        {"PicturePanel", "Sample"}, {"BoxPlotPanel", "Sample-boxplot"}, {"QQPanel", "Sample-qq"}};
    for (const auto &[panel, name] : panels)
        for (const auto &[extension, start] :
             {std::pair{".png", png}, {".svg", svg}, {".pdf", pdf}})
            QTest::addRow("%s %s", qPrintable(panel), extension)
                << panel << name + QLatin1String(extension) << start;
}

// The box plot and the Q-Q plot show in tabs of their own once given, each
// saved, under a name of its own, like the histogram.
void AnalysisResultsTest::everyPictureTabSavesAValidFile()
{
    QFETCH(QString, panel);
    QFETCH(QString, file);
    QFETCH(QByteArray, start);
    QTabWidget *tabs = m_results->findChild<QTabWidget *>(QStringLiteral("PictureTabs"));
    QVERIFY(tabs->count() == 3 && !tabs->isTabVisible(1) && !tabs->isTabVisible(2));
    const auto square = [](QPainter &painter, const QRectF &area) {
        painter.fillRect(area.adjusted(10, 10, -10, -10), Qt::black);
        painter.drawText(area, QStringLiteral("12.5"));
    };
    m_results->setShapePictures(square, QSizeF(300, 200), square, QSizeF(200, 300));
    QVERIFY(tabs->isTabVisible(1) && tabs->isTabVisible(2));

    auto *page = m_results->findChild<PicturePanel *>(panel);
    tabs->setCurrentWidget(page);
    const QString path = m_dir.filePath(file);
    m_prompts.answerSave(path);
    // PictureSaveBtn, BoxPlotSaveBtn, QQSaveBtn
    m_results->findChild<QPushButton *>(panel.chopped(5) + QStringLiteral("SaveBtn"))->click();
    QCOMPARE(m_prompts.saveRequests.value(0).fileName,
             QFileInfo(file).completeBaseName() + QStringLiteral(".png"));
    QVERIFY(ReadBytes(path).startsWith(start));
    if (file.endsWith(QLatin1String(".svg")) && page != m_results->picture())
        QVERIFY(ReadBytes(path).contains("12.5"));
}

// Alt and a letter clicks one button: with two buttons of the same letter
// it would only move the focus between them.
void AnalysisResultsTest::everyButtonHasAnAltKeyOfItsOwn()
{
    QStringList letters;
    // The buttons of the pictures in hidden tabs do not take their keys.
    for (const QPushButton *button : m_results->findChildren<QPushButton *>()) {
        if (!button->isVisibleTo(m_results.get()))
            continue;
        const QString text = button->text();
        const qsizetype amp = text.indexOf(QLatin1Char('&'));
        QVERIFY2(amp >= 0 && amp + 1 < text.size(), qPrintable(text));
        const QString letter = text.at(amp + 1).toLower();
        QVERIFY2(!letters.contains(letter), qPrintable(text));
        letters << letter;
    }
    QVERIFY(letters.size() >= 6); // the picture's three and the report's
}

void AnalysisResultsTest::reportPaneShowsEightyColumns_data()
{
    QTest::addColumn<int>("ownerWidth");
    QTest::addColumn<bool>("whole");
    QTest::newRow("room for it") << 1600 << true;
    QTest::newRow("a narrow window scrolls") << 500 << false;
}

// A line of 80 characters is seen whole where the window has room for it;
// in a narrow one the horizontal scroll bar reaches its end.
void AnalysisResultsTest::reportPaneShowsEightyColumns()
{
    QFETCH(int, ownerWidth);
    QFETCH(bool, whole);
    // ctest runs this test on a screen 1920 pixels wide (widescreen.json).
    if (whole && QGuiApplication::primaryScreen()->availableGeometry().width() < 1200)
        QSKIP("the screen is too narrow for a picture beside 80 columns");
    QWidget owner;
    owner.resize(ownerWidth, 700);
    const QString wide = WriteFile(m_dir.filePath(QStringLiteral("Wide.OUT")), QByteArray(80, 'M'));
    AnalysisResultsWindow results(&owner);
    QVERIFY(results.showResults([](QPainter &, const QRectF &) {}, QSizeF(400, 300), wide,
                                QStringLiteral("Wide")));
    results.resize(whole ? results.width() : 420, results.height());
    QVERIFY(QTest::qWaitForWindowExposed(&results));
    QScrollBar *across
        = results.findChild<QPlainTextEdit *>(QStringLiteral("Text"))->horizontalScrollBar();
    QTRY_COMPARE(across->maximum() == 0, whole);
}

void AnalysisResultsTest::helpKeyShowsTheResultsTopic()
{
    RecordingHelp help;
    InstallHelpKeys(*qobject_cast<QApplication *>(QCoreApplication::instance()));
    SetApplicationHelpFile(QStringLiteral("/opt/mervan/mervan.hlp"));
    for (const char *name : {"PicturePrintBtn", "Text", "ReportSaveBtn"}) {
        QWidget *focus = m_results->findChild<QWidget *>(QLatin1String(name));
        focus->setFocus();
        QTest::keyClick(focus, Qt::Key_F1);
    }
    SetApplicationHelpFile(QString());
    QCOMPARE(help.requests, QList<HelpRequest>(3, {"/opt/mervan/mervan.hlp", 69}));
}

QTEST_MAIN(AnalysisResultsTest)
#include "test_analysisresults.moc"
