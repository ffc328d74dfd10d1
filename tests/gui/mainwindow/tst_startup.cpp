// Start-up: the help file beside the program, the splash over the main
// window, nothing made before it is needed, and the menu bar with and without
// editor windows.

#include "shellfixture.h"

#include "gui/analysis/histogramdialog.h"
#include "gui/calculators/chisquareddialog.h"
#include "gui/calculators/fdistributiondialog.h"
#include "gui/calculators/normaldialog.h"
#include "gui/calculators/tdistributiondialog.h"
#include "gui/common/help.h"
#include "gui/common/helpviewer.h"
#include "gui/mainwindow/aboutdialog.h"
#include "gui/mainwindow/mainwindow.h"
#include "gui/mainwindow/startup.h"
#include "gui/viewers/analysisresults.h"
#include "gui/viewers/outputviewer.h"
#include "gui/viewers/resultsdialog.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMap>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QSet>
#include <QTest>

class TestStartUp : public QObject
{
    Q_OBJECT

private slots:
    void helpFileBesideProgram_data();
    void helpFileBesideProgram();
    void splashGoes_data();
    void splashGoes();
    void windowTakesInputUnderSplash();
    void nothingIsMadeBeforeItIsNeeded();
    void everyHelpContextHasATopic();
    void menuBar_data();
    void menuBar();
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

void TestStartUp::splashGoes_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("a click on the box") << "click";
    QTest::newRow("a click on its text") << "click text";
    QTest::newRow("a key") << "key";
}

void TestStartUp::splashGoes()
{
    QFETCH(QString, how);
    PrepareApplication();
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QPointer<QWidget> splash = ShowSplash(&window, 60000);
    QVERIFY(splash);
    QVERIFY(QTest::qWaitForWindowExposed(splash));
    QCOMPARE(splash->windowTitle(), QStringLiteral("About Mervan"));
    QVERIFY(!splash->isModal());
    // The main window keeps answering meanwhile.
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(window.isEnabled());

    if (how == QLatin1String("click"))
        QTest::mouseClick(splash, Qt::LeftButton, {}, QPoint(5, 5));
    else if (how == QLatin1String("click text"))
        QTest::mouseClick(splash->findChild<QWidget *>(QStringLiteral("productName")),
                          Qt::LeftButton);
    else
        QTest::keyClick(splash, Qt::Key_Space);
    QTRY_VERIFY(!splash);
    QVERIFY(window.isVisible());
}

void TestStartUp::windowTakesInputUnderSplash()
{
    PrepareApplication();
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    const QPointer<QWidget> splash = ShowSplash(&window);
    QVERIFY(QTest::qWaitForWindowExposed(splash));
    // A click while the splash shows opens the main window's File menu.
    QMenuBar *bar = window.menuBar();
    QMenu *fileMenu = bar->actions().first()->menu();
    QTest::mouseClick(bar, Qt::LeftButton, {},
                      bar->actionGeometry(fileMenu->menuAction()).center());
    QTRY_VERIFY(fileMenu->isVisible());
    QVERIFY(splash);
    fileMenu->close();
    // It then goes by itself (how long it stays is measured in bench_startup).
    QTRY_VERIFY_WITH_TIMEOUT(!splash, 30000);
    QCOMPARE(SplashMilliseconds, 2000);
}

void TestStartUp::nothingIsMadeBeforeItIsNeeded()
{
    PrepareApplication();
    MainWindow window;
    QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Mervan"));
    QCOMPARE(QDir::cleanPath(ApplicationHelpFile()), ExpectedProgramHelpFile());
    // Apart from its own pop-ups (menus, lists), the main window is the only
    // window there is.
    for (QWidget *top : QApplication::topLevelWidgets()) {
        QObject *owner = top;
        while (owner && owner != &window)
            owner = owner->parent();
        if (!owner)
            QFAIL(top->metaObject()->className());
    }
    QVERIFY(!window.isVisible());
    QCOMPARE(window.windowTitle(), QStringLiteral("Mervan"));
    QCOMPARE(window.size(),
             MainWindow::initialGeometry(QGuiApplication::primaryScreen()->size()).size());
    window.placeOnScreen();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QCOMPARE(
        window.pos(),
        QPoint((screen.width() - window.width()) / 2, (screen.height() - window.height()) / 2));
    // The clock shows today.
    auto *date = window.findChild<QLabel *>(QStringLiteral("clockDate"));
    QVERIFY(date);
    QCOMPARE(date->text(), QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat));
    QVERIFY(!window.findChild<QLabel *>(QStringLiteral("clockTime"))->text().isEmpty());
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

    PrepareApplication();
    MainWindow window;
    window.newFile();
    QCOMPARE(window.editorWindows().size(), 1);
    AboutDialog about;
    AnalysisResultsWindow graph;
    HistogramDialog histogram;
    NormalDialog normal;
    TDistributionDialog t;
    ChiSquaredDialog chiSquared;
    FDistributionDialog f;
    ResultsDialog results;
    OutputViewer viewer;

    QMap<QString, QSet<int>> asked;
    QStringList missing;
    const QList<QWidget *> tops
        = {&window, &about, &graph, &histogram, &normal, &t, &chiSquared, &f, &results, &viewer};
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
    // The walk reached the main window's menus, the calculators, the results window
    // and the editor window.
    for (int context : {1, 2, 4, 5, 6, 7, 8, 9, 10, 68})
        QVERIFY2(asked[QStringLiteral("mervan.hlp")].contains(context),
                 qPrintable(QString::number(context)));
    for (int context : {1, 2, 3})
        QVERIFY2(asked[QStringLiteral("Ombrelay.hlp")].contains(context),
                 qPrintable(QString::number(context)));
}

void TestStartUp::menuBar_data()
{
    QTest::addColumn<int>("opened");
    QTest::addColumn<int>("closed");
    QTest::addColumn<QStringList>("bar");
    const QStringList withoutEditor{"&File", "&View", "&Statistics", "&Window", "&Help"};
    const QStringList withEditor{"&File", "&Edit", "&View", "&Statistics", "&Window", "&Help"};
    QTest::newRow("no editor") << 0 << 0 << withoutEditor;
    QTest::newRow("editor: its File and Edit") << 1 << 0 << withEditor;
    QTest::newRow("two editors: the same menus once") << 2 << 0 << withEditor;
    QTest::newRow("one of two closed") << 2 << 1 << withEditor;
    QTest::newRow("all closed") << 2 << 2 << withoutEditor;
}

void TestStartUp::menuBar()
{
    QFETCH(int, opened);
    QFETCH(int, closed);
    QFETCH(QStringList, bar);
    MainWindow window;
    for (int i = 0; i < opened; ++i)
        window.newFile();
    for (int i = 0; i < closed; ++i)
        window.activeSubWindow()->close();
    QTRY_COMPARE(window.editorWindows().size(), opened - closed);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    QStringList titles;
    for (QAction *action : window.menuBar()->actions())
        titles << action->text();
    QCOMPARE(titles, bar);
    // The File menu on the bar is the editor's while an editor is open.
    const QString file = window.menuBar()->actions().first()->menu()->objectName();
    QCOMPARE(file, opened > closed ? QStringLiteral("editorFileMenu") : QStringLiteral("fileMenu"));
}

QTEST_MAIN(TestStartUp)
#include "tst_startup.moc"
