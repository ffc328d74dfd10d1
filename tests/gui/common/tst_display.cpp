// A dark desktop gives readable text and pictures (paper stays dark on
// white); View > Zoom grows the editor text and the pictures on screen only.

#include "gui/analysis/boxplotpicture.h"
#include "gui/calculators/tdistributiondialog.h"
#include "gui/common/fonts.h"
#include "gui/editor/editorwindow.h"
#include "gui/mainwindow/mainwindow.h"
#include "gui/viewers/outputviewer.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QtTest>

namespace {

// The background (a corner's colour), the colour that stands out from it
// most (text or lines) and how many pixels stand out.
std::tuple<QColor, QColor, int> Colours(const QImage &image)
{
    const QColor back = image.pixelColor(0, 0);
    QColor ink = back;
    int inked = 0;
    for (int i = 0; i < image.width() * image.height(); ++i) {
        const QColor colour = image.pixelColor(i % image.width(), i / image.width());
        ink = ContrastRatio(colour, back) > ContrastRatio(ink, back) ? colour : ink;
        inked += ContrastRatio(colour, back) > 2;
    }
    return {back, ink, inked};
}

const VectorDrawing Box = BoxPlotDrawing({1, 2, 3, 0.5, 4.5, {{8, 1}}}, "Heights", "cm");

QImage Canvas()
{
    static auto *panel = new PicturePanel; // one panel, following the zoom between grabs
    panel->setDrawing(Box, BoxPlotPictureSize());
    return panel->findChild<QWidget *>(QStringLiteral("PictureCanvas"))->grab().toImage();
}

} // namespace

class DisplayTest : public QObject
{
    Q_OBJECT

private slots:
    void readableOnDarkDesktop_data()
    {
        QTest::addColumn<std::function<QImage()>>("shown");
        QTest::newRow("report view") << std::function([] {
            OutputViewer viewer(nullptr, OutputViewer::Frame::Embedded);
            viewer.viewFile(qEnvironmentVariable("MERVAN_SOURCE_DIR")
                            + "/tests/core/analysis/data/example.OUT");
            return viewer.findChild<QPlainTextEdit *>("Text")->viewport()->grab().toImage();
        });
        QTest::newRow("dialog label") << std::function(
            [] { return TDistributionDialog().findChild<QLabel *>("Label2")->grab().toImage(); });
        QTest::newRow("picture") << std::function(Canvas);
    }

    void readableOnDarkDesktop()
    {
        QFETCH(std::function<QImage()>, shown);
        const QPalette light = QApplication::palette();
        QApplication::setPalette(QPalette(QColor(35, 35, 40), QColor(25, 25, 30))); // white text
        const QImage image = shown(), paper = RenderPicture(Box, BoxPlotPictureSize());
        QApplication::setPalette(light);

        const auto [back, ink, inked] = Colours(image);
        QVERIFY2(ContrastRatio(back, Qt::white) >= 4.5, qPrintable(back.name()));
        QVERIFY2(ContrastRatio(back, ink) >= 4.5, qPrintable(back.name() + ' ' + ink.name()));
        QCOMPARE(std::get<0>(Colours(paper)), QColor(Qt::white));
    }

    void zoomGrowsTextAndPicturesOnScreenOnly()
    {
        MainWindow window;
        window.newFile();
        const auto press = [&window](const char *name, int times) {
            for (int i = 0; i < times; ++i)
                window.findChild<QAction *>(QLatin1String(name))->trigger();
            return window.zoomPercent();
        };
        QCOMPARE(press("actionActualSize", 1), 100);
        const QFont before = window.activeEditor()->font();
        const int inkBefore = std::get<2>(Colours(Canvas()));
        const QImage saved = RenderPicture(Box, BoxPlotPictureSize());
        QCOMPARE(press("actionZoomOut", 20), MinZoomPercent);
        QCOMPARE(press("actionZoomIn", 20), MaxZoomPercent);
        press("actionActualSize", 1);
        const int zoom = press("actionZoomIn", 2);
        QCOMPARE(window.activeEditor()->font().pointSizeF(), before.pointSizeF() * zoom / 100);
        QCOMPARE(UnzoomedFont(window.activeEditor()), before);
        QVERIFY(std::get<2>(Colours(Canvas())) > inkBefore);
        QCOMPARE(RenderPicture(Box, BoxPlotPictureSize()), saved);
        QCOMPARE(MainWindow().zoomPercent(), zoom); // remembered for the next run
    }
};

QTEST_MAIN(DisplayTest)
#include "tst_display.moc"
