// Vector pictures: saved by extension, complete or not at all, and shown in a
// panel whose buttons save and copy through the program's seams.

#include "gui/common/clipboard.h"
#include "gui/common/vectorpicture.h"
#include "scriptedprompts.h"
#include "testfiles.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImageReader>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// A frame, a diagonal and a word, scaled to the area.
void Sample(QPainter &painter, const QRectF &area)
{
    painter.drawRect(area.adjusted(2, 2, -2, -2));
    painter.drawLine(area.topLeft(), area.bottomRight());
    painter.drawText(area, Qt::AlignCenter, QStringLiteral("Counts"));
}

} // namespace

class VectorPictureTest : public QObject
{
    Q_OBJECT

private slots:
    void savesByExtension_data();
    void savesByExtension();
    void refusedSaveKeepsTheOldFile_data();
    void refusedSaveKeepsTheOldFile();
    void panelSavesAndCopies();
};

void VectorPictureTest::savesByExtension_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("start");
    QTest::newRow("png") << "p.png" << QByteArray("\x89PNG");
    QTest::newRow("svg upper case") << "p.SVG" << QByteArray("<?xml");
    QTest::newRow("pdf") << "p.pdf" << QByteArray("%PDF");
}

void VectorPictureTest::savesByExtension()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, start);
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    QString error;
    QVERIFY2(SavePicture(Sample, QSizeF(300, 200), path, error), qPrintable(error));
    const QByteArray bytes = ReadBytes(path);
    QVERIFY(bytes.startsWith(start));
    if (start.startsWith("<?xml"))
        QVERIFY(bytes.contains(">Counts<"));
    if (start.startsWith("\x89PNG")) {
        QImageReader reader(path);
        QCOMPARE(reader.read().size(), QSize(300, 200));
    }
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{name});
}

void VectorPictureTest::refusedSaveKeepsTheOldFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("target");
    QTest::newRow("unknown extension") << "old.bmp"
                                       << "old.bmp";
    QTest::newRow("folder in the way") << "old.png"
                                       << "old.png/p.png";
}

void VectorPictureTest::refusedSaveKeepsTheOldFile()
{
    QFETCH(QString, name);
    QFETCH(QString, target);
    QTemporaryDir dir;
    const QString path = WriteFile(dir.filePath(name), "old picture");
    QVERIFY(!path.isEmpty());
    QString error;
    QVERIFY(!SavePicture(Sample, QSizeF(100, 100), dir.filePath(target), error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(ReadBytes(path), QByteArray("old picture"));
}

void VectorPictureTest::panelSavesAndCopies()
{
    ScriptedPrompts prompts;
    ScopedPrompts use(prompts);
    QTemporaryDir dir;
    PicturePanel panel;
    panel.setDrawing(Sample, QSizeF(200, 150));
    panel.resize(400, 300);
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));

    // Ctrl+S in the panel asks for a name through the program's dialogs.
    prompts.answerSave(dir.filePath("shown.svg"));
    panel.findChild<QWidget *>("PictureCanvas")->setFocus();
    QTest::keyClick(panel.findChild<QWidget *>("PictureCanvas"), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(prompts.saveRequests.size(), 1);
    QVERIFY(ReadBytes(dir.filePath("shown.svg")).contains(">Counts<"));

    // A name the panel cannot write is answered with a message.
    prompts.answerSave(dir.filePath("shown.gif"));
    panel.findChild<QPushButton *>("PictureSaveBtn")->click();
    QCOMPARE(prompts.texts().size(), 1);
    QVERIFY(!QFile::exists(dir.filePath("shown.gif")));

    panel.findChild<QPushButton *>("PictureCopyBtn")->click();
    QCOMPARE(QGuiApplication::clipboard()->image().size(), QSize(400, 300));
    QCOMPARE(prompts.texts().last(), QStringLiteral("Image is copied to clipboard."));
}

QTEST_MAIN(VectorPictureTest)
#include "tst_vectorpicture.moc"
