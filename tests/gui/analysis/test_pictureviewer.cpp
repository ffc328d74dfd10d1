// The graphics viewer: the picture, copying, printing and the keyboard.

#include "gui/common/printing.h"
#include "gui/viewers/pictureviewer.h"
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

QPushButton *Button(PictureViewer &viewer, const char *name)
{
    return viewer.findChild<QPushButton *>(QLatin1String(name));
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

class PictureViewerTest : public QObject
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
    void opensCentredOverItsParentWithTheButtonsBesideThePicture();
    void staysOnScreenAndScalesItsDrawing();
};

void PictureViewerTest::clearImageMakesAWhitePictureOfTheViewerSize()
{
    PictureViewer graph;
    QVERIFY(!graph.hasPicture());
    graph.clearPicture();
    const QImage &picture = graph.canvas();
    QCOMPARE(picture.size(), QSize(450, 450));
    for (int y = 0; y < 450; ++y)
        for (int x = 0; x < 450; ++x)
            QCOMPARE(picture.pixel(x, y), qRgb(255, 255, 255));

    // A drawing is wiped by the next clearing.
    QPainter(&graph.canvas()).fillRect(100, 100, 20, 20, Qt::red);
    graph.clearPicture();
    QCOMPARE(graph.canvas().pixel(110, 110), qRgb(255, 255, 255));
}

void PictureViewerTest::copyPutsThePictureOnTheClipboard()
{
    ScriptedPrompts prompts;
    ScopedPrompts use(prompts);
    PictureViewer graph;
    graph.clearPicture();
    {
        QPainter painter(&graph.canvas());
        painter.fillRect(10, 20, 30, 40, QColor(128, 0, 0));
    }
    QGuiApplication::clipboard()->clear();
    Button(graph, "CopyBtn")->click();

    const QImage copied = QGuiApplication::clipboard()->image();
    QCOMPARE(copied.size(), QSize(450, 450));
    QCOMPARE(copied.convertToFormat(QImage::Format_RGB32),
             graph.canvas().convertToFormat(QImage::Format_RGB32));
    QCOMPARE(prompts.texts(), QStringList{QStringLiteral("Image is copied to clipboard.")});
}

void PictureViewerTest::printPlacesAFourInchSquareOneInchFromTheEdges_data()
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

void PictureViewerTest::printPlacesAFourInchSquareOneInchFromTheEdges()
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

    PictureViewer graph;
    graph.clearPicture();
    QRect target;
    QVERIFY(graph.printTo(printer, &target));
    QCOMPARE(target, square);
}

void PictureViewerTest::printedPageShowsThePictureInItsSquare()
{
    ScriptedPrompts prompts;
    ScopedPrompts use(prompts);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("picture.pdf"));
    UsePdfPrinter(pdf, 600);

    PictureViewer graph;
    graph.clearPicture();
    graph.canvas().fill(Qt::black);
    prompts.answerPrint(true, pdf);
    Button(graph, "PrintBtn")->click();
    QCOMPARE(prompts.printDialogs, 1);
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

void PictureViewerTest::printFailureIsReported()
{
    ScriptedPrompts prompts;
    ScopedPrompts use(prompts);
    QTemporaryDir dir;
    // A PDF file in a folder that does not exist cannot be written.
    const QString pdf = dir.filePath(QStringLiteral("missing/folder/picture.pdf"));
    UsePdfPrinter(pdf, 600);

    PictureViewer graph;
    graph.clearPicture();
    prompts.answerPrint(true, pdf);
    graph.printPicture();
    QCOMPARE(prompts.texts(), QStringList{QStringLiteral("Sorry, error writing to printer.")});
}

void PictureViewerTest::enterClosesAndEscapeDoesNot()
{
    PictureViewer graph;
    graph.clearPicture();
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
    QCOMPARE(focusAtStart, static_cast<QWidget *>(Button(graph, "CloseBtn")));
}

void PictureViewerTest::pictureStaysBetweenShowings()
{
    PictureViewer graph;
    graph.clearPicture();
    graph.canvas().setPixel(5, 7, qRgb(0, 0, 255));
    QTimer::singleShot(0, Button(graph, "CloseBtn"), &QPushButton::click);
    graph.exec();
    QCOMPARE(graph.canvas().pixel(5, 7), qRgb(0, 0, 255));
}

void PictureViewerTest::whiteOfThePictureLetsTheScrollBoxShowThrough()
{
    PictureViewer graph;
    graph.clearPicture();
    QPainter(&graph.canvas()).fillRect(100, 100, 10, 50, QColor(128, 0, 0));
    graph.refreshPicture();
    graph.show();
    QVERIFY(QTest::qWaitForWindowExposed(&graph));

    const QImage shown = graph.findChild<QLabel *>(QStringLiteral("Picture"))
                             ->grab()
                             .toImage()
                             .convertToFormat(QImage::Format_RGB32);
    const QRgb background = graph.findChild<QScrollArea *>(QStringLiteral("PictureArea"))
                                ->viewport()
                                ->palette()
                                .color(QPalette::Light)
                                .rgb();
    const qreal scale = shown.width() / 450.0;
    auto at = [&](int x, int y) { return shown.pixel(int(x * scale), int(y * scale)) & 0xFFFFFF; };
    QCOMPARE(at(105, 120), qRgb(128, 0, 0) & 0xFFFFFF);
    QCOMPARE(at(300, 300), background & 0xFFFFFF);
    QCOMPARE(at(5, 445), background & 0xFFFFFF);
    // The picture itself stays white underneath.
    QCOMPARE(graph.canvas().pixel(300, 300), qRgb(255, 255, 255));
}

void PictureViewerTest::opensCentredOverItsParentWithTheButtonsBesideThePicture()
{
    QWidget frame;
    frame.setGeometry(10, 10, 780, 580); // inside the test screen
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    PictureViewer graph(&frame);
    QPoint centre;
    QTimer::singleShot(0, &graph, [&] {
        centre = graph.frameGeometry().center();
        Button(graph, "CloseBtn")->click();
    });
    graph.exec();
    QVERIFY2((centre - frame.frameGeometry().center()).manhattanLength() <= 4,
             qPrintable(QStringLiteral("%1,%2").arg(centre.x()).arg(centre.y())));

    // Right of the picture, from the top: Print, Copy, Close; Close first in
    // tab order.
    const QRect picture = graph.findChild<QScrollArea *>(QStringLiteral("PictureArea"))->geometry();
    QPushButton *print = Button(graph, "PrintBtn");
    QPushButton *copy = Button(graph, "CopyBtn");
    QPushButton *close = Button(graph, "CloseBtn");
    for (QPushButton *button : {print, copy, close})
        QVERIFY(button->x() > picture.right() && button->geometry().bottom() <= picture.bottom());
    QVERIFY(print->y() < copy->y() && copy->y() < close->y());
    QCOMPARE(close->text(), QStringLiteral("&Close"));
    QCOMPARE(copy->text(), QStringLiteral("Copy Image"));
    QCOMPARE(print->text(), QStringLiteral("Print Image"));
    QCOMPARE(close->nextInFocusChain(), static_cast<QWidget *>(copy));
    QCOMPARE(copy->nextInFocusChain(), static_cast<QWidget *>(print));
}

// The viewer stays on screen, and the picture fills the largest square of
// its area at any size, drawn anew in device pixels when shown larger.
void PictureViewerTest::staysOnScreenAndScalesItsDrawing()
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QWidget frame; // hanging over the screen's lower right corner
    frame.setGeometry(screen.right() - 200, screen.bottom() - 150, 600, 500);
    frame.show();
    PictureViewer graph(&frame);
    QList<QSize> drawnAt;
    graph.setDrawing([&](QImage &image) {
        drawnAt << image.size();
        QPainter(&image).fillRect(QRectF(100, 100, 10, 50), Qt::black);
    });
    QCOMPARE(drawnAt, QList<QSize>{QSize(450, 450)});
    QCOMPARE(graph.canvas().pixel(105, 120), qRgb(0, 0, 0));
    graph.show();
    QVERIFY(QTest::qWaitForWindowExposed(&graph));
    QVERIFY(screen.contains(graph.frameGeometry()));

    auto *label = graph.findChild<QLabel *>(QStringLiteral("Picture"));
    auto *area = graph.findChild<QScrollArea *>(QStringLiteral("PictureArea"));
    for (const QSize size : {QSize(360, 300), QSize(1100, 1000)}) {
        graph.resize(size);
        QTRY_COMPARE(graph.size(), size);
        const QSize room = area->viewport()->size();
        QCOMPARE(label->size(), QSize(1, 1) * std::min(room.width(), room.height()));
        const QImage shown = label->pixmap().toImage();
        const qreal k = shown.width() / 450.0;
        const QRect dark = DarkArea(shown);
        const QRect expected = QRectF(100 * k, 100 * k, 10 * k, 50 * k).toRect();
        QVERIFY(expected.adjusted(-1, -1, 1, 1).contains(dark)
                && dark.adjusted(-1, -1, 1, 1).contains(expected));
    }
    QCOMPARE(drawnAt.last(), label->size() * graph.devicePixelRatio());
}

QTEST_MAIN(PictureViewerTest)
#include "test_pictureviewer.moc"
