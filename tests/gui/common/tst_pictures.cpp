// The program's pictures: every one is drawn, at every size it is asked for.

#include "gui/common/pictures.h"

#include <QImage>
#include <QtTest>

#include <functional>

namespace {

// Pixels that are not fully transparent.
int Inked(const QPixmap &pixmap)
{
    const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    int inked = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            inked += qAlpha(image.pixel(x, y)) != 0;
    }
    return inked;
}

} // namespace

class PicturesTest : public QObject
{
    Q_OBJECT

private slots:
    void toolPicturesAreDrawnAtBothSizes_data();
    void toolPicturesAreDrawnAtBothSizes();
    void programPictureAndReportAreDrawn();
    void alignmentsDiffer();
};

void PicturesTest::toolPicturesAreDrawnAtBothSizes_data()
{
    QTest::addColumn<std::function<QIcon()>>("picture");
    QTest::newRow("new file") << std::function<QIcon()>(Pictures::NewFile);
    QTest::newRow("open file") << std::function<QIcon()>(Pictures::OpenFile);
    QTest::newRow("histogram") << std::function<QIcon()>(Pictures::Histogram);
    QTest::newRow("normal curve") << std::function<QIcon()>(Pictures::NormalCurve);
    QTest::newRow("chi-squared") << std::function<QIcon()>(Pictures::ChiSquared);
    QTest::newRow("t") << std::function<QIcon()>(Pictures::StudentT);
    QTest::newRow("F") << std::function<QIcon()>(Pictures::FRatio);
    QTest::newRow("help") << std::function<QIcon()>(Pictures::Help);
    QTest::newRow("print") << std::function<QIcon()>(Pictures::Print);
    QTest::newRow("font") << std::function<QIcon()>(Pictures::Font);
    QTest::newRow("copy") << std::function<QIcon()>(Pictures::Copy);
    QTest::newRow("paste") << std::function<QIcon()>(Pictures::Paste);
    QTest::newRow("cut") << std::function<QIcon()>(Pictures::Cut);
    QTest::newRow("delete") << std::function<QIcon()>(Pictures::Delete);
    QTest::newRow("leave") << std::function<QIcon()>(Pictures::Leave);
    QTest::newRow("program") << std::function<QIcon()>(Pictures::ProgramIcon);
    for (Qt::Alignment alignment : {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight}) {
        QTest::addRow("alignment %d", int(alignment))
            << std::function<QIcon()>([alignment] { return Pictures::Alignment(alignment); });
    }
}

void PicturesTest::toolPicturesAreDrawnAtBothSizes()
{
    QFETCH(std::function<QIcon()>, picture);
    const QIcon icon = picture();
    for (const QSize size : {QSize(16, 16), QSize(32, 32)}) {
        QVERIFY(icon.availableSizes().contains(size));
        const QPixmap pixmap = icon.pixmap(size);
        QCOMPARE(pixmap.size(), size);
        // Drawn, yet not a filled square.
        const int inked = Inked(pixmap);
        QVERIFY2(inked > size.width() && inked < size.width() * size.height(),
                 qPrintable(QString::number(inked)));
    }
}

void PicturesTest::programPictureAndReportAreDrawn()
{
    const QPixmap program = Pictures::ProgramPicture(65, 65);
    QCOMPARE(program.size(), QSize(65, 65));
    QVERIFY(Inked(program) > 65 * 65 / 2);
    const QPixmap report = Pictures::Report();
    QCOMPARE(report.size(), QSize(30, 30));
    QVERIFY(Inked(report) > 30);
}

void PicturesTest::alignmentsDiffer()
{
    const QImage left = Pictures::Alignment(Qt::AlignLeft).pixmap(16, 16).toImage();
    const QImage centre = Pictures::Alignment(Qt::AlignHCenter).pixmap(16, 16).toImage();
    const QImage right = Pictures::Alignment(Qt::AlignRight).pixmap(16, 16).toImage();
    QVERIFY(left != centre && centre != right && left != right);
    // Flush left and flush right mirror each other.
    QCOMPARE(left.mirrored(true, false), right);
}

QTEST_MAIN(PicturesTest)
#include "tst_pictures.moc"
