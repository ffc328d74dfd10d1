// The histogram picture as drawn: the files of every kind open, the SVG file
// holds the axis labels and the title as text, and a picture that cannot be
// written is explained.

#include "core/analysis/analysisrun.h"
#include "gui/analysis/histopicture.h"
#include "testfiles.h"

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The analysis of a data file with the given content, as the run does it.
AnalysisResult Analyse(const QTemporaryDir &dir, const QByteArray &content, int intervals,
                       bool centred = false)
{
    AnalysisRequest request;
    request.classCount = intervals;
    request.centred = centred;
    const QString path = dir.filePath(QStringLiteral("picture.dat"));
    request.dataFileName = path.toStdString();
    if (!WriteBytes(path, content))
        qWarning("cannot write %s", qPrintable(path));
    const AnalysisRun run = AnalyseDataFile(request);
    if (!run.ok())
        qWarning("analysis failed: %s", run.error->text().c_str());
    return run.result;
}

// Classes of width 1 from 0.25 to 4.25 holding 2, 1, 1 and 2 values.
const QByteArray Example("0.25 1 1.75 2.5 3.25 4.25\n");

} // namespace

class HistoPictureTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }
    void everyKindOfFileOpens_data();
    void everyKindOfFileOpens();
    void svgHoldsTheLabelsAsText();
    void equalValuesStillShowTheirBar();
    void lastBoundStaysInsideThePicture();
    void pictureFileThatCannotBeWrittenIsExplained();

private:
    QTemporaryDir m_dir;
};

void HistoPictureTest::everyKindOfFileOpens_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("png") << "example.png";
    QTest::newRow("svg") << "example.svg";
    QTest::newRow("pdf") << "example.pdf";
}

void HistoPictureTest::everyKindOfFileOpens()
{
    QFETCH(QString, name);
    const QString path = m_dir.filePath(name);
    std::string error;
    QVERIFY2(WriteHistogramPicture(Analyse(m_dir, Example, 4), path.toStdString(), error),
             error.c_str());
    if (!name.endsWith(QLatin1String(".pdf"))) {
        QImageReader reader(path);
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
        // 720 by 540: pixels of PNG, points of SVG (read at the screen's dpi).
        QVERIFY(qAbs(image.width() * 540 - image.height() * 720) <= 720);
        QVERIFY(image.width() >= 720);
        return;
    }
    if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
        QSKIP("pdfinfo is not installed");
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {path});
    QVERIFY(info.waitForFinished(30000));
    QCOMPARE(info.exitCode(), 0);
    const QString out = QString::fromUtf8(info.readAllStandardOutput());
    QVERIFY2(out.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))), qPrintable(out));
    QVERIFY2(out.contains(QStringLiteral("720 x 540 pts")), qPrintable(out));
}

void HistoPictureTest::svgHoldsTheLabelsAsText()
{
    const QString path = m_dir.filePath(QStringLiteral("labels.svg"));
    std::string error;
    QVERIFY2(WriteHistogramPicture(Analyse(m_dir, Example, 4), path.toStdString(), error),
             error.c_str());
    const QByteArray svg = ReadBytes(path);
    // The class bounds along x, the counts up y, the title and the legend.
    for (const char *text : {">0.25<", ">1.25<", ">2.25<", ">3.25<", ">4.25<", ">0<", ">1<", ">2<",
                             ">Histogram of picture.dat<", ">class bounds<", ">count<",
                             ">n = 6   mean = 2.167   standard deviation = 1.472<"})
        QVERIFY2(svg.contains(text), text);
    QVERIFY(!svg.contains(">3<")); // no count tick above the fullest class
    // A column of a file is named in the title.
    AnalysisResult column = Analyse(m_dir, Example, 4);
    column.sample.columnName = "weight";
    QVERIFY(WriteHistogramPicture(column, path.toStdString(), error));
    QVERIFY(ReadBytes(path).contains(">Histogram of weight in picture.dat<"));
    // Bounds, mean and standard deviation rounded as the report has them.
    QVERIFY(WriteHistogramPicture(Analyse(m_dir, "1.5 2.5 7.3\n", 3), path.toStdString(), error));
    const QByteArray rounded = ReadBytes(path);
    for (const char *text :
         {">1.5<", ">3.4<", ">5.4<", ">7.3<", "mean = 3.77   standard deviation = 3.10<"})
        QVERIFY2(rounded.contains(text), text);
}

void HistoPictureTest::equalValuesStillShowTheirBar()
{
    // No spread: no curve, and the one full class still stands as a bar.
    const QImage image
        = RenderPicture(HistogramDrawing(Analyse(m_dir, "7 7 7 7\n", 3, true)), QSizeF(400, 300));
    int barPixels = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            barPixels += image.pixel(x, y) == qRgb(214, 160, 160);
    QVERIFY2(barPixels > 400, qPrintable(QString::number(barPixels)));
}

void HistoPictureTest::lastBoundStaysInsideThePicture()
{
    // One far value: the long last bound stands under the plot's right end.
    const QByteArray data = QByteArray("0 ").repeated(19) + "123.456\n";
    const QImage image = RenderPicture(HistogramDrawing(Analyse(m_dir, data, 4)), QSizeF(720, 540));
    int edgeInk = 0;
    for (int y = 0; y < image.height(); ++y)
        edgeInk += qGray(image.pixel(image.width() - 1, y)) < 128;
    QCOMPARE(edgeInk, 0);
}

void HistoPictureTest::pictureFileThatCannotBeWrittenIsExplained()
{
    const AnalysisResult state = Analyse(m_dir, Example, 3);
    const QString path = m_dir.filePath(QStringLiteral("no/such/folder/picture.png"));
    std::string error;
    QVERIFY(!WriteHistogramPicture(state, path.toStdString(), error));
    QVERIFY(!error.empty());
    QVERIFY(!QFile::exists(path));
}

QTEST_MAIN(HistoPictureTest)
#include "test_histopicture.moc"
