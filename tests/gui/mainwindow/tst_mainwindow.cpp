// The main window: its size and place, menus and tool bars, the clock, the
// commands that start calculators, and help.

#include "shellfixture.h"
#include "testfiles.h"

#include "gui/analysis/histogramdialog.h"
#include "gui/editor/editorwindow.h"
#include "gui/mainwindow/mainwindow.h"
#include "gui/mainwindow/startup.h"
#include "scriptedprompts.h"

#include <QAction>
#include <QFile>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <memory>

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void geometryOnScreen_data();
    void geometryOnScreen();
    void menuItems_data();
    void menuItems();
    void toolBar();
    void menuBarMergesActiveEditor();

    void clockInStatusBar();
    void clockPassesMidnight();

    void commandsStartTheirWindows_data();
    void commandsStartTheirWindows();
    void histogramOffersLastFile();
    void histogramOffersToSaveEditsFirst_data();
    void histogramOffersToSaveEditsFirst();

    void f1AsksForTopics();
    void f1OnHighlightedMenuItem();

private:
    QMdiSubWindow *newWindow();

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_previousFolder;
    std::unique_ptr<ScriptedPrompts> m_prompts;
    std::unique_ptr<ScopedPrompts> m_use;
    std::unique_ptr<MainWindow> m_window;
    MainWindow *mainWindow = nullptr;
};

void TestMainWindow::init()
{
    // A save answered Yes writes into the current folder: keep it in a scratch one.
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_previousFolder = QDir::currentPath();
    QDir::setCurrent(m_dir->path());
    m_prompts = std::make_unique<ScriptedPrompts>();
    m_use = std::make_unique<ScopedPrompts>(*m_prompts);
    PrepareApplication();
    m_window = std::make_unique<MainWindow>();
    mainWindow = m_window.get();
}

void TestMainWindow::cleanup()
{
    m_window.reset();
    mainWindow = nullptr;
    m_use.reset();
    m_prompts.reset();
    QDir::setCurrent(m_previousFolder);
    m_dir.reset();
}

QMdiSubWindow *TestMainWindow::newWindow()
{
    Action(mainWindow, "actionNew")->trigger();
    return mainWindow->activeSubWindow();
}

static EditorWindow *EditorOf(QMdiSubWindow *window)
{
    return window ? qobject_cast<EditorWindow *>(window->widget()) : nullptr;
}

static QMdiArea *Area(MainWindow *window)
{
    return window->findChild<QMdiArea *>(QStringLiteral("mdiArea"));
}

static QMenu *Menu(MainWindow *window, const char *name)
{
    return window->findChild<QMenu *>(QString::fromLatin1(name));
}

static QStringList Captions(const QList<QMdiSubWindow *> &windows)
{
    QStringList captions;
    for (QMdiSubWindow *window : windows)
        captions << window->windowTitle().remove(QStringLiteral("[*]"));
    return captions;
}

// --- place and size ---------------------------------------------------------------

void TestMainWindow::geometryOnScreen_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("1366x768") << QSize(1366, 768) << QRect(341, 192, 683, 384);
    QTest::newRow("1365 wide: 682.5 goes to 682") << QSize(1365, 768) << QRect(341, 192, 682, 384);
    QTest::newRow("1367x769: 683.5 to 684, 384.5 to 384")
        << QSize(1367, 769) << QRect(341, 192, 684, 384);
    QTest::newRow("1024x768") << QSize(1024, 768) << QRect(256, 192, 512, 384);
    QTest::newRow("tiny 3x3: 1.5 goes to 2") << QSize(3, 3) << QRect(0, 0, 2, 2);
}

void TestMainWindow::geometryOnScreen()
{
    QFETCH(QSize, screen);
    QFETCH(QRect, expected);
    QCOMPARE(MainWindow::initialGeometry(screen), expected);
}

// --- menus and tool bar --------------------------------------------------------------

void TestMainWindow::menuItems_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QKeySequence>("shortcut");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<int>("context");
    QTest::addColumn<bool>("picture");

    const QKeySequence none;
    QTest::newRow("fileMenu") << "fileMenu"
                              << "&File" << none << "Create, open, close, print files." << 2
                              << false;
    QTest::newRow("actionNew") << "actionNew"
                               << "&New" << QKeySequence("Ctrl+N") << "Create a new edit window."
                               << 2 << true;
    QTest::newRow("actionOpen") << "actionOpen"
                                << "&Open..." << QKeySequence("Ctrl+O")
                                << "Open an existing file into an edit window." << 2 << true;
    QTest::newRow("actionExit") << "actionExit"
                                << "E&xit" << none << "Leave Ombrelay." << 2 << false;
    QTest::newRow("statisticsMenu")
        << "statisticsMenu"
        << "&Statistics" << none << "Various fundamental survey computations." << 1 << false;
    QTest::newRow("actionHistogram") << "actionHistogram"
                                     << "&Histogram data" << none << "" << 6 << true;
    QTest::newRow("actionNormal") << "actionNormal"
                                  << "&Normal distribution" << none << "" << 7 << true;
    QTest::newRow("actionChiSquared") << "actionChiSquared"
                                      << "&Chi-squared distribution" << none << "" << 8 << true;
    QTest::newRow("actionT") << "actionT"
                             << "&t distribution" << none << "" << 9 << true;
    QTest::newRow("actionF") << "actionF"
                             << "&F distribution" << none << "" << 10 << true;
    QTest::newRow("actionBinomial") << "actionBinomial"
                                    << "&Binomial distribution" << none << "" << 11 << true;
    QTest::newRow("actionPoisson") << "actionPoisson"
                                   << "&Poisson distribution" << none << "" << 11 << true;
    QTest::newRow("windowMenu") << "windowMenu"
                                << "&Window" << none
                                << "Select, tile, cascade and arrange edit windows." << 5 << false;
    QTest::newRow("actionTile") << "actionTile"
                                << "&Tile" << none << "Tile edit windows" << 5 << false;
    QTest::newRow("actionCascade")
        << "actionCascade"
        << "&Cascade" << none << "Have open edit windows cascade." << 5 << false;
    QTest::newRow("actionArrangeIcons")
        << "actionArrangeIcons"
        << "&Arrange icons" << none << "Arrange reduced window icons." << 5 << false;
    QTest::newRow("helpMenu") << "helpMenu"
                              << "&Help" << none << "Read about the software or get help." << 4
                              << false;
    QTest::newRow("actionAbout") << "actionAbout"
                                 << "&About" << none
                                 << "Read about the program, its version, and copyright." << 4
                                 << false;
    QTest::newRow("actionHelp") << "actionHelp"
                                << "&Help" << QKeySequence("F1") << "Get help on this program." << 1
                                << true;
}

void TestMainWindow::menuItems()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QKeySequence, shortcut);
    QFETCH(QString, hint);
    QFETCH(int, context);
    QFETCH(bool, picture);

    QAction *item = nullptr;
    for (QAction *action : mainWindow->findChildren<QAction *>(name)) {
        if (action->text() == caption)
            item = action;
    }
    QVERIFY2(item, qPrintable(name + " with caption " + caption));
    QCOMPARE(item->shortcut(), shortcut);
    QCOMPARE(item->statusTip(), hint);
    QCOMPARE(helpContext(item), context);
    QCOMPARE(!item->icon().isNull(), picture);
}

void TestMainWindow::toolBar()
{
    struct Expected
    {
        const char *name; // nullptr: a separator
        const char *hint;
    };
    const Expected expected[] = {
        {"actionNew", "Create a new file of data"},
        {"actionOpen", "Open an existing file."},
        {nullptr, nullptr},
        {"actionHistogram", "Histogram data"},
        {"actionNormal", "Compute critical value for probable error"},
        {"actionChiSquared", "Compute critical value for chi\u00B2 distribution"},
        {"actionT", "Compute critical value for t distribution"},
        {"actionF", "Compute critical value for F distribution"},
        {"actionBinomial", "Compute binomial probabilities"},
        {"actionPoisson", "Compute Poisson probabilities"},
        {nullptr, nullptr},
        {"actionHelp", "Get help"},
    };
    auto *bar = mainWindow->findChild<QToolBar *>(QStringLiteral("mainToolBar"));
    QVERIFY(bar);
    const QList<QAction *> entries = bar->actions();
    QCOMPARE(entries.size(), int(std::size(expected)));
    int index = 0;
    for (const Expected &e : expected) {
        QAction *entry = entries.at(index++);
        if (!e.name) {
            QVERIFY(entry->isSeparator());
            continue;
        }
        // The button is the menu's own command.
        QCOMPARE(entry, Action(mainWindow, e.name));
        QCOMPARE(entry->toolTip(), QString::fromUtf8(e.hint));
        QVERIFY(!entry->icon().isNull());
        QVERIFY(qobject_cast<QToolButton *>(bar->widgetForAction(entry)));
    }

    // The first button runs New.
    qobject_cast<QToolButton *>(bar->widgetForAction(entries.first()))->click();
    QCOMPARE(Captions(mainWindow->editorWindows()), QStringList{"DOC1.dat"});
}

void TestMainWindow::menuBarMergesActiveEditor()
{
    auto barMenus = [this] {
        QStringList menus;
        for (QAction *action : mainWindow->menuBar()->actions())
            menus << action->menu()->objectName();
        return menus;
    };
    auto *editorBar = mainWindow->findChild<QToolBar *>(QStringLiteral("editorToolBar"));
    QVERIFY(editorBar);
    const QStringList withoutEditor{"fileMenu", "viewMenu", "statisticsMenu", "windowMenu",
                                    "helpMenu"};
    QCOMPARE(barMenus(), withoutEditor);
    QVERIFY(editorBar->isHidden());

    QMdiSubWindow *window = newWindow();
    QVERIFY(EditorOf(window));
    QCOMPARE(barMenus(),
             (QStringList{"editorFileMenu", "editMenu", "viewMenu", "statisticsMenu", "windowMenu",
                          "helpMenu"}));
    QCOMPARE(Menu(mainWindow, "editorFileMenu")->title(), QStringLiteral("&File"));
    QCOMPARE(Menu(mainWindow, "editMenu")->title(), QStringLiteral("&Edit"));
    QVERIFY(!editorBar->isHidden());

    // The editor's commands act on the active window.
    QMdiSubWindow *second = newWindow();
    Area(mainWindow)->setActiveSubWindow(window);
    m_prompts->answerSave(QStringLiteral("DOC1.dat"));
    Action(mainWindow, "actionSave")->trigger();
    QVERIFY(QFile::exists(QStringLiteral("DOC1.dat")));
    QVERIFY(!QFile::exists(QStringLiteral("DOC2.dat")));
    Area(mainWindow)->setActiveSubWindow(second);
    m_prompts->answerSave(QStringLiteral("DOC2.dat"));
    Action(mainWindow, "actionSave")->trigger();
    QVERIFY(QFile::exists(QStringLiteral("DOC2.dat")));

    second->close();
    window->close();
    QTRY_VERIFY(mainWindow->editorWindows().isEmpty());
    QTRY_COMPARE(barMenus(), withoutEditor);
    QVERIFY(editorBar->isHidden());
}

// --- the clock ---------------------------------------------------------------------------

void TestMainWindow::clockInStatusBar()
{
    mainWindow->show();
    QVERIFY(QTest::qWaitForWindowExposed(mainWindow));
    auto *date = mainWindow->findChild<QLabel *>(QStringLiteral("clockDate"));
    auto *time = mainWindow->findChild<QLabel *>(QStringLiteral("clockTime"));
    QVERIFY(date && time);
    // The date and then the time, at the right end of the status bar, which
    // keeps them there when the window changes size.
    QVERIFY(mainWindow->statusBar()->isAncestorOf(date));
    QVERIFY(mainWindow->statusBar()->isAncestorOf(time));
    QCOMPARE(date->text(), QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat));
    QVERIFY(!time->text().isEmpty());
    for (const int width : {900, 700}) {
        mainWindow->resize(width, 500);
        QTRY_COMPARE(mainWindow->statusBar()->width(), width);
        QTRY_VERIFY(date->isVisible() && time->isVisible());
        const QRect dateBox(date->mapTo(mainWindow, QPoint(0, 0)), date->size());
        const QRect timeBox(time->mapTo(mainWindow, QPoint(0, 0)), time->size());
        QVERIFY(dateBox.right() < timeBox.left());
        QVERIFY(timeBox.right() < width);
        QVERIFY(timeBox.right() > width - 40);
    }
}

void TestMainWindow::clockPassesMidnight()
{
    const QDate day(2024, 2, 29);
    const QLocale locale = QLocale::system();
    auto *date = mainWindow->findChild<QLabel *>(QStringLiteral("clockDate"));
    auto *time = mainWindow->findChild<QLabel *>(QStringLiteral("clockTime"));
    QVERIFY(date && time);
    mainWindow->showTime(QDateTime(day, QTime(23, 59, 57)));
    QCOMPARE(date->text(), locale.toString(day, QLocale::ShortFormat));
    date->setText(QStringLiteral("unchanged"));

    struct Tick
    {
        QDateTime now;
        QString date;
    };
    const Tick ticks[] = {
        {QDateTime(day, QTime(23, 59, 58)), QStringLiteral("unchanged")},
        {QDateTime(day, QTime(23, 59, 59)), QStringLiteral("unchanged")},
        {QDateTime(day.addDays(1), QTime(0, 0, 0)),
         locale.toString(day.addDays(1), QLocale::ShortFormat)},
        {QDateTime(day.addDays(1), QTime(0, 0, 1)),
         locale.toString(day.addDays(1), QLocale::ShortFormat)},
    };
    for (const Tick &tick : ticks) {
        mainWindow->showTime(tick.now);
        QCOMPARE(date->text(), tick.date);
        QCOMPARE(time->text(), locale.toString(tick.now.time(), QLocale::LongFormat));
    }
    QVERIFY(time->text().contains(QStringLiteral("01")));
    auto *timer = mainWindow->findChild<QTimer *>(QStringLiteral("clockTimer"));
    QVERIFY(timer);
    QCOMPARE(timer->interval(), 1000);
    QVERIFY(timer->isActive());
}

// --- commands -------------------------------------------------------------------------------

void TestMainWindow::commandsStartTheirWindows_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("button");
    QTest::addColumn<QString>("caption");
    QTest::newRow("t menu") << "actionT" << false << "Critical Values for t distribution";
    QTest::newRow("t button") << "actionT" << true << "Critical Values for t distribution";
    QTest::newRow("chi menu") << "actionChiSquared" << false
                              << "Critical Value for Chi-squared distribution";
    QTest::newRow("chi button") << "actionChiSquared" << true
                                << "Critical Value for Chi-squared distribution";
    QTest::newRow("F menu") << "actionF" << false << "Critical Values for F distribution";
    QTest::newRow("F button") << "actionF" << true << "Critical Values for F distribution";
    QTest::newRow("normal menu") << "actionNormal" << false << "Normal Distribution";
    QTest::newRow("normal button") << "actionNormal" << true << "Normal Distribution";
    QTest::newRow("histogram menu") << "actionHistogram" << false << "Histogram data";
    QTest::newRow("histogram button") << "actionHistogram" << true << "Histogram data";
    QTest::newRow("about") << "actionAbout" << false << "About Mervan";
}

void TestMainWindow::commandsStartTheirWindows()
{
    QFETCH(QString, action);
    QFETCH(bool, button);
    QFETCH(QString, caption);
    QAction *command = Action(mainWindow, qPrintable(action));
    QToolButton *tool = button ? ToolButtonFor(mainWindow, command) : nullptr;
    QVERIFY(!button || tool);
    const QStringList shown = RunDismissingModals([command, tool] {
        if (tool)
            tool->click();
        else
            command->trigger();
    });
    QCOMPARE(shown, QStringList{caption});
    QCOMPARE(m_prompts->texts(), QStringList());
}

void TestMainWindow::histogramOffersLastFile()
{
    const QString path = m_dir->filePath(QStringLiteral("trees.dat"));
    QVERIFY(WriteBytes(path, "1 2 3 4 5\r\n"));
    m_prompts->answerOpen(path);
    Action(mainWindow, "actionOpen")->trigger();
    QCOMPARE(mainWindow->lastFilePath(), path);

    // Five intervals and OK in the histogram dialog; the data file dialog
    // that follows is cancelled by the scripted prompts.
    QTimer poll;
    int dialogs = 0;
    connect(&poll, &QTimer::timeout, this, [&dialogs] {
        auto *dialog = qobject_cast<HistogramDialog *>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        ++dialogs;
        if (dialogs > 1) {
            dialog->reject();
            return;
        }
        dialog->findChild<QLineEdit *>(QStringLiteral("EntryText"))->setText(QStringLiteral("5"));
        dialog->accept();
    });
    poll.start(10);
    Action(mainWindow, "actionHistogram")->trigger();
    poll.stop();

    QCOMPARE(dialogs, 1);
    QCOMPARE(m_prompts->openRequests.size(), 2);
    QCOMPARE(m_prompts->openRequests.last().fileName, path);
}

void TestMainWindow::histogramOffersToSaveEditsFirst_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<QByteArray>("onDisk");
    QTest::addColumn<bool>("analysed");
    QTest::newRow("yes") << int(QMessageBox::Yes) << QByteArray("9 1 2 3 4 5\r\n") << true;
    QTest::newRow("no") << int(QMessageBox::No) << QByteArray("1 2 3 4 5\r\n") << true;
    QTest::newRow("cancel") << int(QMessageBox::Cancel) << QByteArray("1 2 3 4 5\r\n") << false;
}

// The analysis reads the file on disk; the window editing it is asked first.
void TestMainWindow::histogramOffersToSaveEditsFirst()
{
    QFETCH(int, answer);
    QFETCH(QByteArray, onDisk);
    QFETCH(bool, analysed);
    const QString path = m_dir->filePath(QStringLiteral("edited.dat"));
    QVERIFY(WriteBytes(path, "1 2 3 4 5\r\n"));
    m_prompts->answerOpen(path);
    Action(mainWindow, "actionOpen")->trigger();
    EditorOf(mainWindow->activeSubWindow())->insertPlainText(QStringLiteral("9 "));

    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [] {
        auto *dialog = qobject_cast<HistogramDialog *>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        dialog->findChild<QLineEdit *>(QStringLiteral("EntryText"))->setText(QStringLiteral("2"));
        dialog->accept();
    });
    poll.start(10);
    m_prompts->answerOpen(path);
    m_prompts->answerConfirm(QMessageBox::StandardButton(answer));
    Action(mainWindow, "actionHistogram")->trigger();
    poll.stop();

    QCOMPARE(m_prompts->texts(PromptKind::Confirm).size(), 1);
    QCOMPARE(ReadBytes(path), onDisk);
    QCOMPARE(QFile::exists(m_dir->filePath(QStringLiteral("edited.OUT"))), analysed);
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->objectName() == QLatin1String("AnalysisResults"))
            window->close();
}

// --- help ----------------------------------------------------------------------------------------

void TestMainWindow::f1AsksForTopics()
{
    RecordingHelp help;
    mainWindow->show();
    mainWindow->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(mainWindow));

    QTest::keyClick(mainWindow, Qt::Key_F1);
    QCOMPARE(help.requests.size(), 1);
    QCOMPARE(QDir::cleanPath(help.requests.at(0).file), ExpectedProgramHelpFile());
    QCOMPARE(help.requests.at(0).context, 0);

    // With an editor window active, its own help file.
    newWindow();
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : mainWindow,
                    Qt::Key_F1);
    QCOMPARE(help.requests.size(), 2);
    QCOMPARE(QFileInfo(help.requests.at(1).file).completeBaseName(), QStringLiteral("Ombrelay"));
    QCOMPARE(help.requests.at(1).context, 0);

    // The tool button asks the same as the menu item.
    ToolButtonFor(mainWindow, Action(mainWindow, "actionHelp"))->click();
    QCOMPARE(help.requests.size(), 3);
    QCOMPARE(help.requests.at(2).file, help.requests.at(1).file);
}

void TestMainWindow::f1OnHighlightedMenuItem()
{
    RecordingHelp help;
    mainWindow->show();
    mainWindow->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(mainWindow));

    QMenu *statistics = Menu(mainWindow, "statisticsMenu");
    statistics->popup(mainWindow->mapToGlobal(QPoint(20, 20)));
    QVERIFY(QTest::qWaitForWindowExposed(statistics));
    statistics->setActiveAction(Action(mainWindow, "actionChiSquared"));
    QTest::keyClick(statistics, Qt::Key_F1);

    QCOMPARE(help.requests.size(), 1);
    QCOMPARE(help.requests.at(0).context, 8);
    QCOMPARE(QDir::cleanPath(help.requests.at(0).file), ExpectedProgramHelpFile());
    QTRY_VERIFY(!statistics->isVisible());
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
