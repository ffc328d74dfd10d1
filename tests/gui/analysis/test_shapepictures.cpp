// The box plot and the normal Q-Q plot as files: every kind opens, and an SVG
// file carries the axis numbers, the axis labels and the title as text.

#include "gui/analysis/boxplotpicture.h"
#include "gui/analysis/qqpicture.h"
#include "testfiles.h"

#include <QImageReader>
#include <QTemporaryDir>
#include <QtTest>

class ShapePicturesTest : public QObject
{
    Q_OBJECT

private slots:
    void picturesAreWritten_data();
    void picturesAreWritten();

private:
    QTemporaryDir m_dir;
};

void ShapePicturesTest::picturesAreWritten_data()
{
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("extension");
    // What the SVG file must show as text: the axis ticks and labels, the title.
    QTest::addColumn<QStringList>("texts");
    const QStringList box{">0<", ">10<", ">30<", ">weight<", ">Box plot of weight<"};
    const QStringList qq{">-1.0<",   ">0.0<",
                         ">1.0<",    ">0<",
                         ">30<",     ">normal quantiles<",
                         ">weight<", ">Normal Q-Q plot of weight<"};
    for (const char *extension : {"png", "svg", "pdf"}) {
        QTest::addRow("box %s", extension) << "box" << extension << box;
        QTest::addRow("qq %s", extension) << "qq" << extension << qq;
    }
}

void ShapePicturesTest::picturesAreWritten()
{
    QFETCH(QString, picture);
    QFETCH(QString, extension);
    QFETCH(QStringList, texts);
    const SortedSample sample = SortSample({5, 1, 30, 3, 9, 2, 4});
    const Shape shape = DescribeShape(sample);
    const std::string path = m_dir.filePath(picture + "." + extension).toStdString();
    std::string error;
    const bool written = picture == QLatin1String("box")
        ? WriteBoxPlotPicture(BoxPlot(sample, shape), QStringLiteral("Box plot of weight"),
                              QStringLiteral("weight"), path, error)
        : WriteQQPicture(NormalQQ(sample), QStringLiteral("Normal Q-Q plot of weight"),
                         QStringLiteral("weight"), path, error);
    QVERIFY2(written, error.c_str());
    const QByteArray bytes = ReadBytes(QString::fromStdString(path));
    if (extension == QLatin1String("pdf")) {
        QVERIFY(bytes.startsWith("%PDF-"));
        QVERIFY(bytes.trimmed().endsWith("%%EOF"));
        return;
    }
    QImageReader reader(QString::fromStdString(path));
    QVERIFY2(!reader.read().isNull(), qPrintable(reader.errorString()));
    if (extension == QLatin1String("svg"))
        for (const QString &text : texts)
            QVERIFY2(bytes.contains(text.toUtf8()), qPrintable(text));
}

QTEST_MAIN(ShapePicturesTest)
#include "test_shapepictures.moc"
