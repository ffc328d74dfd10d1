// A dark desktop gives readable text and pictures (paper stays dark on
// white); View > Zoom grows the editor text and the pictures on screen only.

#include "gui/calculators/densitypicture.h"
#include "gui/calculators/tdistributiondialog.h"
#include "gui/common/fonts.h"
#include "gui/common/settings.h"
#include "gui/editor/editorwindow.h"
#include "gui/mainwindow/mainwindow.h"
#include "gui/viewers/outputviewer.h"
#include "gui/viewers/resultsdialog.h"
#include "testfiles.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct DarkDesktop // the application's palette is dark while it lives
{
    const QPalette old = QApplication::palette();
    DarkDesktop()
    {
        QPalette dark(QColor(35, 35, 40), QColor(25, 25, 30));
        for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            dark.setColor(role, QColor(225, 225, 225));
        dark.setColor(QPalette::ToolTipBase, QColor(35, 35, 40));
        dark.setColor(QPalette::ToolTipText, QColor(225, 225, 225));
        QApplication::setPalette(dark);
    }
    ~DarkDesktop() { QApplication::setPalette(old); }
};

// The most frequent colour (the background) and the one that stands out
// from it most (text or lines), with the count of pixels that stand out.
std::tuple<QColor, QColor, int> Colours(const QImage &image)
{
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y)];
    QColor back = QColor::fromRgb(counts.cbegin().key()), ink = back;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        back = it.value() > counts[back.rgb()] ? QColor::fromRgb(it.key()) : back;
    int inked = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        const QColor colour = QColor::fromRgb(it.key());
        ink = ContrastRatio(colour, back) > ContrastRatio(ink, back) ? colour : ink;
        inked += ContrastRatio(colour, back) > 2 ? it.value() : 0;
    }
    return {back, ink, inked};
}

VectorDrawing TDensity()
{
    return DensityDrawing({DensityPlot::Kind::T, 10, 1, 1.812, "t = 1.812", "alpha = 0.05"});
}

QImage Canvas(PicturePanel &panel)
{
    return panel.findChild<QWidget *>(QStringLiteral("PictureCanvas"))->grab().toImage();
}

using Shown = std::function<QImage()>;

} // namespace

class DisplayTest : public QObject
{
    Q_OBJECT

private slots:
    void readableOnDarkDesktop_data();
    void readableOnDarkDesktop();
    void zoomGrowsTextAndPicturesOnScreenOnly();
};

void DisplayTest::readableOnDarkDesktop_data()
{
    QTest::addColumn<Shown>("shown");
    QTest::newRow("report view") << Shown([] {
        QTemporaryDir dir;
        const QString path
            = WriteFile(dir.filePath("r.OUT"), "Mean      12.5\r\nVariance   3.1\r\n");
        OutputViewer viewer(nullptr, OutputViewer::Frame::Embedded);
        viewer.viewFile(path);
        return viewer.findChild<QPlainTextEdit *>("Text")->viewport()->grab().toImage();
    });
    QTest::newRow("results report") << Shown([] {
        ResultsDialog results;
        results.setMessageText(QStringLiteral("t = 1.812 for alpha = 0.05"));
        results.showMessageText();
        return results.findChild<QLabel *>(QStringLiteral("DisplayText"))->grab().toImage();
    });
    QTest::newRow("dialog label") << Shown(
        [] { return TDistributionDialog().findChild<QLabel *>("Label2")->grab().toImage(); });
    QTest::newRow("picture") << Shown([] {
        PicturePanel panel;
        panel.setDrawing(TDensity(), DensityPictureSize());
        return Canvas(panel);
    });
}

void DisplayTest::readableOnDarkDesktop()
{
    QFETCH(Shown, shown);
    QImage image, paper;
    {
        DarkDesktop dark;
        image = shown();
        paper = RenderPicture(TDensity(), DensityPictureSize());
    }
    const auto [back, ink, inked] = Colours(image);
    QVERIFY2(ContrastRatio(back, Qt::white) >= 4.5, qPrintable(back.name()));
    QVERIFY2(ContrastRatio(back, ink) >= 4.5, qPrintable(back.name() + ' ' + ink.name()));
    QCOMPARE(std::get<0>(Colours(paper)), QColor(Qt::white));
}

void DisplayTest::zoomGrowsTextAndPicturesOnScreenOnly()
{
    Settings().setZoomPercent(100);
    MainWindow window;
    window.newFile();
    EditorWindow *editor = window.activeEditor();
    const QFont before = editor->font();
    PicturePanel panel;
    panel.setDrawing(TDensity(), DensityPictureSize());
    const int inkBefore = std::get<2>(Colours(Canvas(panel)));
    const QImage saved = RenderPicture(panel.drawing(), panel.logicalSize());

    auto *zoomIn = window.findChild<QAction *>(QStringLiteral("actionZoomIn"));
    for (int i = 0; i < 20; ++i)
        zoomIn->trigger();
    QCOMPARE(window.zoomPercent(), MaxZoomPercent);
    window.findChild<QAction *>(QStringLiteral("actionActualSize"))->trigger();
    zoomIn->trigger();
    zoomIn->trigger();
    const int zoom = window.zoomPercent();
    QVERIFY(zoom > 100);
    QCOMPARE(editor->font().pointSizeF(), before.pointSizeF() * zoom / 100);
    QVERIFY(std::get<2>(Colours(Canvas(panel))) > inkBefore);
    QCOMPARE(RenderPicture(panel.drawing(), panel.logicalSize()), saved);
    QCOMPARE(UnzoomedFont(editor), before);

    // Remembered: a new window opens at it; Zoom Out stops at the smallest.
    MainWindow next;
    QCOMPARE(next.zoomPercent(), zoom);
    OutputViewer viewer;
    const auto *text = viewer.findChild<QPlainTextEdit *>(QStringLiteral("Text"));
    QCOMPARE(text->font().pixelSize(), qRound(UnzoomedFont(text).pixelSize() * zoom / 100.0));
    for (int i = 0; i < 20; ++i)
        next.findChild<QAction *>(QStringLiteral("actionZoomOut"))->trigger();
    QCOMPARE(Settings().zoomPercent(), MinZoomPercent);
}

QTEST_MAIN(DisplayTest)
#include "tst_display.moc"
