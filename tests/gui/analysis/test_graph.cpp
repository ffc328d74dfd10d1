// The graphics viewer: the picture, copying, printing and the keyboard.

#include "gui/common/printing.h"
#include "gui/viewers/graph.h"
#include "scriptedprompts.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {

// Sets the program's printer to write a PDF file on a US letter page whose
// printable area is the whole sheet.
void UsePdfPrinter(const QString &file, int resolution)
{
    QPrinter &printer = ProgramPrinter();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    printer.setPageSize(QPageSize(QPageSize::Letter));
    printer.setFullPage(true);
    printer.setResolution(resolution);
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

} // namespace

class GraphTest : public QObject
{
    Q_OBJECT

private slots:
    void clearImageMakesAWhitePictureOfTheViewerSize();
    void copyPutsThePictureOnTheClipboard();
    void printPlacesAFourInchSquareOneInchFromTheEdges_data();
    void printPlacesAFourInchSquareOneInchFromTheEdges();
    void printedPageShowsThePictureInItsSquare();
    void printFailureIsReported();
    void enterClosesAndEscapeDoesNot();
    void pictureStaysBetweenShowings();
    void whiteOfThePictureLetsTheScrollBoxShowThrough();
};

void GraphTest::clearImageMakesAWhitePictureOfTheViewerSize()
{
    TMyGraph graph;
    QVERIFY(!graph.hasPicture());
    graph.ClearImage();
    const QImage &picture = graph.canvas();
    QCOMPARE(picture.size(), QSize(450, 450));
    for (int y = 0; y < 450; ++y)
        for (int x = 0; x < 450; ++x)
            QCOMPARE(picture.pixel(x, y), qRgb(255, 255, 255));

    // A drawing is wiped by the next clearing.
    QPainter(&graph.canvas()).fillRect(100, 100, 20, 20, Qt::red);
    graph.ClearImage();
    QCOMPARE(graph.canvas().pixel(110, 110), qRgb(255, 255, 255));
}

void GraphTest::copyPutsThePictureOnTheClipboard()
{
    ScriptedPrompts prompts;
    ScopedPrompts use(prompts);
    TMyGraph graph;
    graph.ClearImage();
    {
        QPainter painter(&graph.canvas());
        painter.fillRect(10, 20, 30, 40, QColor(128, 0, 0));
    }
    QGuiApplication::clipboard()->clear();
    graph.CopyBtn->click();

    const QImage copied = QGuiApplication::clipboard()->image();
    QCOMPARE(copied.size(), QSize(450, 450));
    QCOMPARE(copied.convertToFormat(QImage::Format_RGB32),
             graph.canvas().convertToFormat(QImage::Format_RGB32));
    QCOMPARE(prompts.texts(), QStringList{QStringLiteral("Image is copied to clipboard.")});
}

void GraphTest::printPlacesAFourInchSquareOneInchFromTheEdges_data()
{
    QTest::addColumn<int>("resolution");
    QTest::addColumn<QRect>("square");
    // 8.5 inches of paper: 5100 pixels at 600 dpi, 2550 at 300, 6375 at 750
    // (6375 / 8.5 = 750 exactly), 1020 at 120.
    QTest::newRow("600 dpi") << 600 << QRect(600, 600, 2400, 2400);
    QTest::newRow("300 dpi") << 300 << QRect(300, 300, 1200, 1200);
    QTest::newRow("750 dpi") << 750 << QRect(750, 750, 3000, 3000);
    QTest::newRow("120 dpi") << 120 << QRect(120, 120, 480, 480);
}

void GraphTest::printPlacesAFourInchSquareOneInchFromTheEdges()
{
    QFETCH(int, resolution);
    QFETCH(QRect, square);
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("square.pdf")));
    printer.setPageSize(QPageSize(QPageSize::Letter));
    printer.setFullPage(true);
    printer.setResolution(resolution);

    TMyGraph graph;
    graph.ClearImage();
    QRect target;
    QVERIFY(graph.printPicture(printer, &target));
    QCOMPARE(target, square);
}

void GraphTest::printedPageShowsThePictureInItsSquare()
{
    ScriptedPrompts prompts;
    ScopedPrompts use(prompts);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("picture.pdf"));
    UsePdfPrinter(pdf, 600);

    TMyGraph graph;
    graph.ClearImage();
    graph.canvas().fill(Qt::black);
    graph.Print->click();
    QCOMPARE(prompts.texts(), QStringList{QStringLiteral("Image sent to default printer.")});

    // Rendered at 50 dpi the one-inch margin is 50 pixels and the side 200.
    QProcess render;
    render.start(QStringLiteral("pdftoppm"),
                 {QStringLiteral("-r"), QStringLiteral("50"), QStringLiteral("-png"),
                  QStringLiteral("-singlefile"), pdf, dir.filePath(QStringLiteral("page"))});
    QVERIFY(render.waitForFinished(30000));
    QCOMPARE(render.exitCode(), 0);
    const QImage page(dir.filePath(QStringLiteral("page.png")));
    QVERIFY(!page.isNull());
    const QRect dark = DarkArea(page);
    QVERIFY2(
        std::abs(dark.left() - 50) <= 1 && std::abs(dark.top() - 50) <= 1,
        qPrintable(QStringLiteral("picture starts at %1,%2").arg(dark.left()).arg(dark.top())));
    QVERIFY2(
        std::abs(dark.width() - 200) <= 2 && std::abs(dark.height() - 200) <= 2,
        qPrintable(QStringLiteral("picture is %1 by %2").arg(dark.width()).arg(dark.height())));
}

void GraphTest::printFailureIsReported()
{
    ScriptedPrompts prompts;
    ScopedPrompts use(prompts);
    QTemporaryDir dir;
    // A PDF file in a folder that does not exist cannot be written.
    UsePdfPrinter(dir.filePath(QStringLiteral("missing/folder/picture.pdf")), 600);

    TMyGraph graph;
    graph.ClearImage();
    graph.PrintClick();
    QCOMPARE(prompts.texts(), QStringList{QStringLiteral("Sorry, error writing to printer.")});
}

void GraphTest::enterClosesAndEscapeDoesNot()
{
    TMyGraph graph;
    graph.ClearImage();
    bool stillOpenAfterEscape = false;
    QWidget *focusAtStart = nullptr;
    QTimer::singleShot(0, &graph, [&] {
        if (QTest::qWaitForWindowActive(&graph))
            focusAtStart = graph.focusWidget();
        QTest::keyClick(&graph, Qt::Key_Escape);
        stillOpenAfterEscape = graph.isVisible();
        QTest::keyClick(graph.focusWidget() ? graph.focusWidget() : &graph, Qt::Key_Return);
    });
    QTimer::singleShot(5000, &graph, [&] { graph.done(99); }); // never hang
    const int result = graph.exec();
    QVERIFY(result != 99);
    QVERIFY(stillOpenAfterEscape);
    QCOMPARE(focusAtStart, static_cast<QWidget *>(graph.CloseBtn));
}

void GraphTest::pictureStaysBetweenShowings()
{
    TMyGraph graph;
    graph.ClearImage();
    graph.canvas().setPixel(5, 7, qRgb(0, 0, 255));
    QTimer::singleShot(0, graph.CloseBtn, &QPushButton::click);
    graph.exec();
    QCOMPARE(graph.canvas().pixel(5, 7), qRgb(0, 0, 255));
}

void GraphTest::whiteOfThePictureLetsTheScrollBoxShowThrough()
{
    TMyGraph graph;
    graph.ClearImage();
    QPainter(&graph.canvas()).fillRect(100, 100, 10, 50, QColor(128, 0, 0));
    graph.refreshImage();
    graph.show();
    QVERIFY(QTest::qWaitForWindowExposed(&graph));

    const QImage shown = graph.Image1->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRgb background = graph.ScrollBox1->viewport()->palette().color(QPalette::Light).rgb();
    const qreal scale = shown.width() / 450.0;
    auto at = [&](int x, int y) { return shown.pixel(int(x * scale), int(y * scale)) & 0xFFFFFF; };
    QCOMPARE(at(105, 120), qRgb(128, 0, 0) & 0xFFFFFF);
    QCOMPARE(at(300, 300), background & 0xFFFFFF);
    QCOMPARE(at(5, 445), background & 0xFFFFFF);
    // The picture itself stays white underneath.
    QCOMPARE(graph.canvas().pixel(300, 300), qRgb(255, 255, 255));
}

QTEST_MAIN(GraphTest)
#include "test_graph.moc"
