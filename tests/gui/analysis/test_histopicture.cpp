// The histogram picture as drawn: where the curve, the bars and the name land
// on the 450 by 450 image, and the picture file of the console companion.

#include "core/analysis/analysisrun.h"
#include "core/analysis/classes.h"
#include "core/analysis/picturelayout.h"
#include "core/analysis/statistics.h"
#include "gui/analysis/histopicture.h"
#include "testfiles.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QRgb White = qRgb(255, 255, 255);
const QRgb Blue = qRgb(0, 0, 255);
const QRgb Maroon = qRgb(128, 0, 0);

// The analysis of a data file with the given content, as the run does it.
AnalysisState Analyse(const QTemporaryDir &dir, const QByteArray &content, int intervals,
                      bool centred)
{
    AnalysisState state;
    ResetAnalysis(state);
    state.ClassCount = intervals;
    state.CenterData = centred;
    const QString path = dir.filePath(QStringLiteral("picture.dat"));
    if (!WriteBytes(path, content))
        return state;
    std::string error;
    if (!AnalyseDataFile(state, path.toStdString(), error))
        qWarning("analysis failed: %s", error.c_str());
    return state;
}

QImage Draw(const AnalysisState &state)
{
    QImage image(450, 450, QImage::Format_RGB32);
    image.fill(Qt::white);
    PaintHistogramPicture(image, LayoutHistogram(state, image.width(), image.height()));
    return image;
}

QString Describe(QRgb colour)
{
    return QStringLiteral("rgb(%1,%2,%3)").arg(qRed(colour)).arg(qGreen(colour)).arg(qBlue(colour));
}

} // namespace

class HistoPictureTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void fourValuesInThreeClasses_data();
    void fourValuesInThreeClasses();
    void barsAreTenPixelsWideAndStandOnTheBaseline();
    void nameIsWrittenBelowTheBaseline();
    void oneClassIsOneBarOfFullHeightInTheMiddle();
    void equalValuesDrawWithoutFailing();
    void pictureFileHoldsTheSamePicture();
    void pictureFileThatCannotBeWrittenIsExplained();

private:
    QTemporaryDir m_dir;
    QImage m_example;
};

void HistoPictureTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_example = Draw(Analyse(m_dir, "1 2 3 4\r\n", 3, false));
}

void HistoPictureTest::fourValuesInThreeClasses_data()
{
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<QRgb>("colour");

    // Curve points: x = 10, 153, 297, 440; the middle two 399 pixels above
    // the baseline at 430, the outer two 219.
    QTest::newRow("curve point 1") << QPoint(10, 211) << Blue;
    QTest::newRow("curve point 2") << QPoint(153, 31) << Blue;
    QTest::newRow("curve point 3") << QPoint(297, 31) << Blue;
    QTest::newRow("curve point 4") << QPoint(440, 211) << Blue;
    QTest::newRow("curve between the middle points") << QPoint(225, 31) << Blue;
    QTest::newRow("nothing above the peak") << QPoint(225, 29) << White;
    QTest::newRow("nothing left of the curve") << QPoint(9, 211) << White;
    QTest::newRow("nothing right of the curve") << QPoint(441, 211) << White;

    // Bars at x = 82, 225, 368 with heights 200, 200 and 400.
    QTest::newRow("bar 1 at the baseline") << QPoint(82, 429) << Maroon;
    QTest::newRow("bar 1 top") << QPoint(82, 230) << Maroon;
    QTest::newRow("above bar 1") << QPoint(82, 229) << White;
    QTest::newRow("bar 2 top") << QPoint(225, 230) << Maroon;
    QTest::newRow("above bar 2") << QPoint(225, 229) << White;
    QTest::newRow("bar 3 top") << QPoint(368, 30) << Maroon;
    QTest::newRow("above bar 3") << QPoint(368, 29) << White;
    QTest::newRow("below the baseline") << QPoint(368, 430) << White;
    // The curve crosses bar 3 near y = 120; the bar is drawn over it.
    QTest::newRow("bar over the curve") << QPoint(368, 120) << Maroon;
    QTest::newRow("between the bars") << QPoint(150, 400) << White;
}

void HistoPictureTest::fourValuesInThreeClasses()
{
    QFETCH(QPoint, pixel);
    QFETCH(QRgb, colour);
    QCOMPARE(m_example.size(), QSize(450, 450));
    const QRgb seen = m_example.pixel(pixel);
    QVERIFY2(seen == colour,
             qPrintable(Describe(seen) + QStringLiteral(" instead of ") + Describe(colour)));
}

void HistoPictureTest::barsAreTenPixelsWideAndStandOnTheBaseline()
{
    for (const int x : {82, 225, 368}) {
        int left = x, right = x;
        while (m_example.pixel(left - 1, 400) == Maroon)
            --left;
        while (m_example.pixel(right + 1, 400) == Maroon)
            ++right;
        QCOMPARE(right - left + 1, 10);
        QVERIFY(left == x - 5 && right == x + 4);
        for (int across = left; across <= right; ++across)
            QCOMPARE(m_example.pixel(across, 429), Maroon);
    }
}

void HistoPictureTest::nameIsWrittenBelowTheBaseline()
{
    int dark = 0;
    QRect box;
    for (int y = 0; y < 450; ++y)
        for (int x = 0; x < 450; ++x)
            if (qGray(m_example.pixel(x, y)) < 100 && m_example.pixel(x, y) != Maroon
                && m_example.pixel(x, y) != Blue) {
                ++dark;
                box |= QRect(x, y, 1, 1);
            }
    QVERIFY(dark > 10);
    QVERIFY2(box.left() >= 200 && box.top() >= 435,
             qPrintable(QStringLiteral("text at %1,%2").arg(box.left()).arg(box.top())));
    QVERIFY(box.left() < 215);
}

void HistoPictureTest::oneClassIsOneBarOfFullHeightInTheMiddle()
{
    const QImage image = Draw(Analyse(m_dir, "1 2 3 4 5 6\r\n", 1, false));
    QCOMPARE(image.pixel(225, 30), Maroon);
    QCOMPARE(image.pixel(225, 429), Maroon);
    QCOMPARE(image.pixel(225, 29), White);
    QCOMPARE(image.pixel(219, 300), White);
    QCOMPARE(image.pixel(230, 300), White);
}

void HistoPictureTest::equalValuesDrawWithoutFailing()
{
    const QImage image = Draw(Analyse(m_dir, "7 7 7 7\r\n", 3, true));
    int maroon = 0;
    for (int y = 0; y < 450; ++y)
        for (int x = 0; x < 450; ++x)
            maroon += image.pixel(x, y) == Maroon;
    // All four values in one class: one full bar of 10 by 400 pixels.
    QCOMPARE(maroon, 10 * 400);
}

void HistoPictureTest::pictureFileHoldsTheSamePicture()
{
    const AnalysisState state = Analyse(m_dir, "1 2 3 4\r\n", 3, false);
    const QString path = m_dir.filePath(QStringLiteral("picture.png"));
    std::string error;
    QVERIFY2(WriteHistogramPicture(state, path.toStdString(), error), error.c_str());
    QImage written(path, "PNG");
    QVERIFY(!written.isNull());
    QCOMPARE(written.convertToFormat(QImage::Format_RGB32), m_example);
}

void HistoPictureTest::pictureFileThatCannotBeWrittenIsExplained()
{
    const AnalysisState state = Analyse(m_dir, "1 2 3 4\r\n", 3, false);
    const QString path = m_dir.filePath(QStringLiteral("no/such/folder/picture.png"));
    std::string error;
    QVERIFY(!WriteHistogramPicture(state, path.toStdString(), error));
    QVERIFY(!error.empty());
    QVERIFY(!QFile::exists(path));
}

QTEST_MAIN(HistoPictureTest)
#include "test_histopicture.moc"
