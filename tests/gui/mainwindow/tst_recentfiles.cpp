// File > Recent Files and files handed over from the command line.

#include "gui/common/settings.h"
#include "gui/mainwindow/mainwindow.h"
#include "scriptedprompts.h"

#include <QFileInfo>
#include <QMenu>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class TestRecentFiles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void recentFiles_data();
    void recentFiles();
};

void TestRecentFiles::recentFiles_data()
{
    // Steps: NAME opens it from the command line, ?NAME a file that is not
    // there, -NAME deletes it, #N chooses entry N of File > Recent Files.
    // After ">": the recent files, the editor windows and the messages.
    QTest::addColumn<QString>("row");
    QTest::newRow("most recent first") << "a b c > c b a|3|0";
    QTest::newRow("reopening moves a file up") << "a b a > a b|2|0";
    QTest::newRow("at most eight") << "1 2 3 4 5 6 7 8 9 > 9 8 7 6 5 4 3 2|9|0";
    QTest::newRow("a missing file, the rest open") << "a ?m b > b a|2|1";
    QTest::newRow("chosen entry comes first") << "a b #2 > a b|2|0";
    QTest::newRow("deleted file leaves when chosen") << "a b -a #2 > b|2|1";
    QTest::newRow("clear list") << "a b #0 > |2|0";
}

void TestRecentFiles::recentFiles()
{
    QFETCH(QString, row);
    const QStringList steps = row.section(QStringLiteral(" > "), 0, 0).split(QLatin1Char(' '));
    const QString expected = row.section(QStringLiteral(" > "), 1);
    QTemporaryDir dir;
    Settings().setRecentFiles({});
    ScriptedPrompts prompts;
    ScopedPrompts use(prompts);
    MainWindow window;
    auto *menu = window.findChild<QMenu *>(QStringLiteral("recentFilesMenu"));
    for (const QString &step : steps) {
        const QString path = dir.filePath(step.mid(step.front().isLetterOrNumber() ? 0 : 1));
        if (step.startsWith(QLatin1Char('-'))) {
            QVERIFY(QFile::remove(path));
        } else if (step.startsWith(QLatin1Char('#'))) {
            const QString entry = step == QLatin1String("#0")
                ? QStringLiteral("actionClearRecentFiles")
                : QStringLiteral("recentFile") + step.mid(1);
            menu->findChild<QAction *>(entry)->trigger();
            QCoreApplication::processEvents();
        } else {
            QVERIFY(step.startsWith(QLatin1Char('?')) || QFile(path).open(QIODevice::WriteOnly));
            window.openFiles({path});
        }
    }
    QStringList names;
    for (const QString &path : window.recentFiles())
        names << QFileInfo(path).fileName();
    QCOMPARE(QStringLiteral("%1|%2|%3")
                 .arg(names.join(QLatin1Char(' ')))
                 .arg(window.editorWindows().size())
                 .arg(prompts.shown.size()),
             expected);
}

QTEST_MAIN(TestRecentFiles)
#include "tst_recentfiles.moc"
