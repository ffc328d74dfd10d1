// Start-up: the help file beside the program, the splash rule and its wait,
// the long-lived windows, and the merging of menus by group.

#include "shellfixture.h"

#include "gui/analysis/histoform.h"
#include "gui/calculators/fform.h"
#include "gui/calculators/normalform.h"
#include "gui/calculators/ttform.h"
#include "gui/calculators/x2form.h"
#include "gui/common/help.h"
#include "gui/common/helpviewer.h"
#include "gui/editor/mdichild.h"
#include "gui/mainwindow/about.h"
#include "gui/mainwindow/mdiframe.h"
#include "gui/mainwindow/menumerge.h"
#include "gui/mainwindow/startup.h"
#include "gui/viewers/graph.h"
#include "gui/viewers/messageform.h"
#include "gui/viewers/viewfile.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QMap>
#include <QMdiSubWindow>
#include <QMenu>
#include <QSet>
#include <QTest>

class TestStartUp : public QObject
{
    Q_OBJECT

private slots:
    void helpFileBesideProgram_data();
    void helpFileBesideProgram();
    void splashEndTick_data();
    void splashEndTick();
    void splashStaysTwoToThreeSeconds();
    void longLivedWindows();
    void everyHelpContextHasATopic();
    void mergeMenus_data();
    void mergeMenus();
};

void TestStartUp::helpFileBesideProgram_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("help");
    QTest::newRow("no extension") << "/opt/mervan/bin/mervan"
                                  << "/opt/mervan/share/mervan/mervan.hlp";
    QTest::newRow("extension replaced") << "/data/bin/x.exe"
                                        << "/data/share/mervan/x.hlp";
    QTest::newRow("only the last extension") << "/data/bin/a.b.c"
                                             << "/data/share/mervan/a.b.hlp";
    QTest::newRow("dot in the folder only") << "/home/u.v/bin/mervan"
                                            << "/home/u.v/share/mervan/mervan.hlp";
    QTest::newRow("blank in the name") << "/tmp/my prog/bin/mervan"
                                       << "/tmp/my prog/share/mervan/mervan.hlp";
}

void TestStartUp::helpFileBesideProgram()
{
    QFETCH(QString, program);
    QFETCH(QString, help);
    QCOMPARE(ProgramHelpFile(program), help);
}

void TestStartUp::splashEndTick_data()
{
    QTest::addColumn<qint64>("start");
    QTest::addColumn<qint64>("end");
    QTest::newRow("on a whole second: three seconds") << qint64(5000) << qint64(8000);
    QTest::newRow("just before the next: two seconds and a tick") << qint64(5999) << qint64(8000);
    QTest::newRow("midway") << qint64(123456) << qint64(126000);
    QTest::newRow("counter at zero") << qint64(0) << qint64(3000);
    QTest::newRow("counter past 32 bits") << qint64(5000000000LL) << qint64(5000003000LL);
}

void TestStartUp::splashEndTick()
{
    QFETCH(qint64, start);
    QFETCH(qint64, end);
    QCOMPARE(SplashEndTick(start), end);
    const qint64 wait = SplashEndTick(start) - start;
    QVERIFY(wait > 2000 && wait <= 3000);
}

void TestStartUp::splashStaysTwoToThreeSeconds()
{
    QElapsedTimer clock;
    clock.start();
    ShowSplash();
    const qint64 elapsed = clock.elapsed();
    // The box needs a moment to reach the screen before the wait begins.
    QVERIFY2(elapsed >= 2000 && elapsed <= 3700, qPrintable(QString::number(elapsed)));
    for (QWidget *widget : QApplication::topLevelWidgets())
        QVERIFY2(!qobject_cast<TAboutBox *>(widget), "the splash box was not destroyed");
}

void TestStartUp::longLivedWindows()
{
    {
        StartUpOptions options;
        options.splash = false;
        options.endsProgram = false;
        ProgramWindows windows(options);

        QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Mervan"));
        QCOMPARE(QDir::cleanPath(ApplicationHelpFile()), ExpectedProgramHelpFile());
        QCOMPARE(windows.frame(), FrameForm);
        const QList<QWidget *> hidden
            = {AboutBox, MyGraph, Histo, Normal, TCompute, X2, FCompute, MsgForm, ViewForm};
        for (QWidget *window : hidden) {
            QVERIFY(window);
            QVERIFY2(!window->isVisible(), window->metaObject()->className());
            QVERIFY2(window->isWindow(), window->metaObject()->className());
        }
        QVERIFY(!FrameForm->isVisible());
        QCOMPARE(FrameForm->windowTitle(), QStringLiteral("Mervan"));
        QCOMPARE(FrameForm->size(),
                 TFrameForm::FrameGeometry(QGuiApplication::primaryScreen()->size()).size());

        windows.showFrame();
        QVERIFY(QTest::qWaitForWindowExposed(FrameForm));
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QCOMPARE(FrameForm->pos(),
                 QPoint((screen.width() - FrameForm->width()) / 2,
                        (screen.height() - FrameForm->height()) / 2));
        // The clock shows today.
        QCOMPARE(FrameForm->ShownDate, QDate::currentDate());
        QVERIFY(!FrameForm->DateLabel->text().isEmpty());
        QVERIFY(!FrameForm->TimeLabel->text().isEmpty());
    }
    const QList<void *> gone
        = {FrameForm, AboutBox, MyGraph, Histo, Normal, TCompute, X2, FCompute, MsgForm, ViewForm};
    for (void *window : gone)
        QCOMPARE(window, nullptr);
}

void TestStartUp::everyHelpContextHasATopic()
{
    // Every window, control, menu and command that carries a help context
    // must find its topic in the help file its requests go to: the editor
    // windows' file for what lives in an editor window, the program's file
    // for everything else.
    QMap<QString, HelpDocument> files;
    for (const QString &name : {QStringLiteral("mervan.hlp"), QStringLiteral("Ombrelay.hlp")}) {
        const QString path = QDir(qEnvironmentVariable("MERVAN_SOURCE_DIR"))
                                 .filePath(QStringLiteral("resources/help/") + name);
        QVERIFY2(files[name].load(path), qPrintable(path));
    }

    StartUpOptions options;
    options.splash = false;
    options.endsProgram = false;
    ProgramWindows windows(options);
    FrameForm->New1Click(FrameForm);
    QCOMPARE(FrameForm->editorWindows().size(), 1);

    QMap<QString, QSet<int>> asked;
    QStringList missing;
    const QList<QWidget *> tops
        = {FrameForm, AboutBox, MyGraph, Histo, Normal, TCompute, X2, FCompute, MsgForm, ViewForm};
    for (QWidget *top : tops) {
        QList<QObject *> objects = top->findChildren<QObject *>();
        objects.prepend(top);
        for (QObject *object : objects) {
            const int context = helpContext(object);
            if (context == 0)
                continue;
            QObject *holder = object;
            while (holder && !holder->isWidgetType())
                holder = holder->parent();
            const QString file = QFileInfo(HelpFileFor(static_cast<QWidget *>(holder))).fileName()
                    == QStringLiteral("Ombrelay.hlp")
                ? QStringLiteral("Ombrelay.hlp")
                : QStringLiteral("mervan.hlp");
            asked[file].insert(context);
            if (!files[file].topic(context))
                missing << QStringLiteral("%1 %2 -> %3 #%4")
                               .arg(QString::fromLatin1(object->metaObject()->className()),
                                    object->objectName(), file)
                               .arg(context);
        }
    }
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QLatin1Char('\n'))));
    // The walk reached the frame's menus, the calculators, the results window
    // and the editor window.
    for (int context : {1, 2, 4, 5, 6, 7, 8, 9, 10, 68})
        QVERIFY2(asked[QStringLiteral("mervan.hlp")].contains(context),
                 qPrintable(QString::number(context)));
    for (int context : {1, 2, 3})
        QVERIFY2(asked[QStringLiteral("Ombrelay.hlp")].contains(context),
                 qPrintable(QString::number(context)));
}

void TestStartUp::mergeMenus_data()
{
    QTest::addColumn<QList<int>>("windowGroups");
    QTest::addColumn<QStringList>("bar");
    QTest::newRow("no editor") << QList<int>{}
                               << QStringList{"File", "Statistics", "Window", "Help"};
    QTest::newRow("editor: File and Edit")
        << QList<int>{0, 1} << QStringList{"file", "edit", "Statistics", "Window", "Help"};
    QTest::newRow("a window menu of group 9 replaces both")
        << QList<int>{9} << QStringList{"File", "Statistics", "win9"};
    QTest::newRow("a new group between")
        << QList<int>{5} << QStringList{"File", "Statistics", "win5", "Window", "Help"};
}

void TestStartUp::mergeMenus()
{
    QFETCH(QList<int>, windowGroups);
    QFETCH(QStringList, bar);

    QMenu file(QStringLiteral("File")), statistics(QStringLiteral("Statistics")),
        window(QStringLiteral("Window")), help(QStringLiteral("Help"));
    QMenu childFile(QStringLiteral("file")), childEdit(QStringLiteral("edit")),
        other9(QStringLiteral("win9")), other5(QStringLiteral("win5"));
    QList<GroupedMenu> childMenus;
    for (int group : windowGroups) {
        QMenu *menu = group == 0 ? &childFile
            : group == 1         ? &childEdit
            : group == 9         ? &other9
                                 : &other5;
        childMenus.append({group, menu});
    }
    const QList<QMenu *> merged
        = MergeMenus({{0, &file}, {2, &statistics}, {9, &window}, {9, &help}}, childMenus);
    QStringList titles;
    for (QMenu *menu : merged)
        titles << menu->title();
    QCOMPARE(titles, bar);
}

QTEST_MAIN(TestStartUp)
#include "tst_startup.moc"
