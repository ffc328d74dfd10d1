// The frame window: its size and place, menus and tool bar, the clock panel,
// editor windows (numbering, opening, closing, the Window menu, menu merging),
// the commands that start calculators, and help.

#include "shellfixture.h"
#include "testfiles.h"

#include "gui/analysis/histogramdialog.h"
#include "gui/editor/mdichild.h"
#include "gui/mainwindow/mdiframe.h"
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
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <memory>

class TestFrame : public QObject
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

    void newWindowsAreNumbered();
    void openDialogCancelledCreatesNothing();
    void openedFileNamesItsWindow();
    void missingFileLeavesEmptyWindow();
    void windowsAreSizedAndCascaded();
    void windowMenuListsEditors();
    void arrangeIconsLinesUpMinimisedWindows();

    void clockLayout();
    void clockPassesMidnight();

    void commandsStartTheirWindows_data();
    void commandsStartTheirWindows();
    void histogramOffersLastFile();

    void f1AsksForTopics();
    void f1OnHighlightedMenuItem();

    void exitAsksAboutUnsavedWork_data();
    void exitAsksAboutUnsavedWork();

private:
    QMdiSubWindow *newWindow();

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_previousFolder;
    std::unique_ptr<ScriptedPrompts> m_prompts;
    std::unique_ptr<ScopedPrompts> m_use;
    std::unique_ptr<ProgramWindows> m_windows;
    TFrameForm *frame = nullptr;
};

void TestFrame::init()
{
    // A save answered Yes writes into the current folder: keep it in a scratch one.
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_previousFolder = QDir::currentPath();
    QDir::setCurrent(m_dir->path());
    m_prompts = std::make_unique<ScriptedPrompts>();
    m_use = std::make_unique<ScopedPrompts>(*m_prompts);
    StartUpOptions options;
    options.splash = false;
    options.endsProgram = false;
    m_windows = std::make_unique<ProgramWindows>(options);
    frame = m_windows->frame();
    QVERIFY(frame);
}

void TestFrame::cleanup()
{
    m_windows.reset();
    frame = nullptr;
    m_use.reset();
    m_prompts.reset();
    QDir::setCurrent(m_previousFolder);
    m_dir.reset();
}

QMdiSubWindow *TestFrame::newWindow()
{
    frame->New1->trigger();
    return frame->activeEditorWindow();
}

static TChild *ChildOf(QMdiSubWindow *window)
{
    return window ? qobject_cast<TChild *>(window->widget()) : nullptr;
}

static QStringList Captions(const QList<QMdiSubWindow *> &windows)
{
    QStringList captions;
    for (QMdiSubWindow *window : windows)
        captions << window->windowTitle();
    return captions;
}

// --- place and size ---------------------------------------------------------------

void TestFrame::geometryOnScreen_data()
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

void TestFrame::geometryOnScreen()
{
    QFETCH(QSize, screen);
    QFETCH(QRect, expected);
    QCOMPARE(TFrameForm::FrameGeometry(screen), expected);
}

// --- menus and tool bar --------------------------------------------------------------

void TestFrame::menuItems_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QKeySequence>("shortcut");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<int>("context");
    QTest::addColumn<bool>("picture");

    const QKeySequence none;
    QTest::newRow("File1") << "File1"
                           << "&File" << none << "Create, open, close, print files." << 2 << false;
    QTest::newRow("New1") << "New1"
                          << "&New" << QKeySequence("Ctrl+N") << "Create a new edit window." << 2
                          << true;
    QTest::newRow("Open1") << "Open1"
                           << "&Open..." << none << "Open an existing file into an edit window."
                           << 2 << true;
    QTest::newRow("Exit1") << "Exit1"
                           << "E&xit" << none << "Leave Ombrelay." << 2 << false;
    QTest::newRow("Programs1") << "Programs1"
                               << "&Statistics" << none
                               << "Various fundamental survey computations." << 1 << false;
    QTest::newRow("Histogramdata1") << "Histogramdata1"
                                    << "&Histogram data" << none << "" << 6 << true;
    QTest::newRow("Normaldistribution1") << "Normaldistribution1"
                                         << "&Normal distribution" << none << "" << 7 << true;
    QTest::newRow("X2distribution1") << "X2distribution1"
                                     << "&Chi-squared distribution" << none << "" << 8 << true;
    QTest::newRow("tdistribution1") << "tdistribution1"
                                    << "&t distribution" << none << "" << 9 << true;
    QTest::newRow("Fdistribution1") << "Fdistribution1"
                                    << "&F distribution" << none << "" << 10 << true;
    QTest::newRow("Window1") << "Window1"
                             << "&Window" << none
                             << "Select, tile, cascade and arrange edit windows." << 5 << false;
    QTest::newRow("Tile1") << "Tile1"
                           << "&Tile" << none << "Tile edit windows" << 5 << false;
    QTest::newRow("Cascade1") << "Cascade1"
                              << "&Cascade" << none << "Have open edit windows cascade." << 5
                              << false;
    QTest::newRow("Arrangeicons1")
        << "Arrangeicons1"
        << "&Arrange icons" << none << "Arrange reduced window icons." << 5 << false;
    QTest::newRow("About1") << "About1"
                            << "&Help" << none << "Read about the software or get help." << 4
                            << false;
    QTest::newRow("About2") << "About2"
                            << "&About" << none
                            << "Read about the program, its version, and copyright." << 4 << false;
    QTest::newRow("Help1") << "Help1"
                           << "&Help" << QKeySequence("F1") << "Get help on this program." << 1
                           << true;
}

void TestFrame::menuItems()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QKeySequence, shortcut);
    QFETCH(QString, hint);
    QFETCH(int, context);
    QFETCH(bool, picture);

    QAction *item = nullptr;
    for (QAction *action : frame->findChildren<QAction *>(name)) {
        if (action->text() == caption)
            item = action;
    }
    QVERIFY2(item, qPrintable(name + " with caption " + caption));
    QCOMPARE(item->shortcut(), shortcut);
    QCOMPARE(item->statusTip(), hint);
    QCOMPARE(helpContext(item), context);
    QCOMPARE(!item->icon().isNull(), picture);
}

void TestFrame::toolBar()
{
    struct Expected
    {
        const char *name;
        const char *hint; // nullptr: a 3-pixel gap
        int context;
    };
    const Expected expected[] = {
        {"SpeedButton1", "Create a new file of data", 0},
        {"SpeedButton2", "Open an existing file.", 0},
        {"Splitter1", nullptr, 0},
        {"SpeedButton3", "Histogram data", 6},
        {"SpeedButton4", "Compute critical value for probable error", 0},
        {"SpeedButton5", "Computer critical value for chi\u00B2 distribution", 0},
        {"SpeedButton6", "Compute critical value for t distribution", 0},
        {"SpeedButton7", "Compute critical value for F distribution", 0},
        {"Splitter2", nullptr, 0},
        {"SpeedButton8", "Get help", 0},
    };
    QLayout *row = frame->ToolBar1->layout();
    QVERIFY(row);
    QCOMPARE(frame->ToolBar1->height(), 27);
    int index = 0;
    for (const Expected &e : expected) {
        QWidget *control = row->itemAt(index++)->widget();
        QVERIFY2(control, e.name);
        QCOMPARE(control->objectName(), QString::fromLatin1(e.name));
        if (!e.hint) {
            QCOMPARE(control->size(), QSize(3, 22));
            continue;
        }
        auto *button = qobject_cast<QToolButton *>(control);
        QVERIFY2(button, e.name);
        QCOMPARE(button->toolTip(), QString::fromUtf8(e.hint));
        QCOMPARE(button->size(), QSize(23, 22));
        QVERIFY(!button->icon().isNull());
        QCOMPARE(helpContext(button), e.context);
    }

    // The first button runs New.
    frame->SpeedButton1->click();
    QCOMPARE(Captions(frame->editorWindows()), QStringList{"DOC1.dat"});
}

void TestFrame::menuBarMergesActiveEditor()
{
    auto barMenus = [this] {
        QList<QMenu *> menus;
        for (QAction *action : frame->MainMenu1->actions())
            menus << action->menu();
        return menus;
    };
    using Menus = QList<QMenu *>;
    QCOMPARE(barMenus(), (Menus{frame->File1, frame->Programs1, frame->Window1, frame->About1}));

    QMdiSubWindow *window = newWindow();
    TChild *child = ChildOf(window);
    QVERIFY(child);
    QCOMPARE(barMenus(),
             (Menus{child->fileMenu(), child->editMenu(), frame->Programs1, frame->Window1,
                    frame->About1}));

    // A second editor lends its own menus while it is active.
    QMdiSubWindow *second = newWindow();
    TChild *secondChild = ChildOf(second);
    QCOMPARE(barMenus().first(), secondChild->fileMenu());
    frame->ClientArea->setActiveSubWindow(window);
    QCOMPARE(barMenus().first(), child->fileMenu());

    second->close();
    window->close();
    QTRY_VERIFY(frame->editorWindows().isEmpty());
    QCOMPARE(barMenus(), (Menus{frame->File1, frame->Programs1, frame->Window1, frame->About1}));
}

// --- editor windows -------------------------------------------------------------------

void TestFrame::newWindowsAreNumbered()
{
    frame->show();
    frame->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(frame));
    QMdiSubWindow *first = newWindow();
    newWindow();
    QCOMPARE(Captions(frame->editorWindows()), (QStringList{"DOC1.dat", "DOC2.dat"}));
    QCOMPARE(CurrentFileName, QStringLiteral("DOC2.dat"));

    // A closed window's number is not given out again.
    first->close();
    QTRY_COMPARE(frame->editorWindows().size(), 1);
    QMdiSubWindow *third = newWindow();
    QCOMPARE(third->windowTitle(), QStringLiteral("DOC3.dat"));
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(ChildOf(third)->Memo1));

    // The editor's own New continues the same count.
    ChildOf(third)->New1->trigger();
    QCOMPARE(Captions(frame->editorWindows()), (QStringList{"DOC2.dat", "DOC3.dat", "DOC4.dat"}));
    QCOMPARE(CurrentFileName, QStringLiteral("DOC4.dat"));
    QCOMPARE(frame->DocNumber, 5);

    // No file is made on disk for a new window.
    QVERIFY(!QFile::exists(QStringLiteral("DOC1.dat")));
}

void TestFrame::openDialogCancelledCreatesNothing()
{
    frame->Open1->trigger(); // the scripted dialog answers "cancelled"
    QCOMPARE(m_prompts->openRequests.size(), 1);
    QVERIFY(frame->editorWindows().isEmpty());
    QVERIFY(m_prompts->shown.isEmpty());

    const FileDialogRequest &request = m_prompts->openRequests.first();
    QCOMPARE(request.title, QStringLiteral("Mervan Editor"));
    QCOMPARE(request.fileName, QStringLiteral("*.dat"));
    QCOMPARE(request.filters.size(), 4);
    QCOMPARE(request.filters.first(), QStringLiteral("Data files (*.dat)"));
    QCOMPARE(request.selectedFilter, 0);
    QVERIFY(!request.mustExist);
}

void TestFrame::openedFileNamesItsWindow()
{
    const QString path = m_dir->filePath(QStringLiteral("survey.dat"));
    QVERIFY(WriteBytes(path, "12 13 14\r\n15 16\r\n"));

    m_prompts->answerOpen(path);
    frame->Open1->trigger();
    QCOMPARE(m_prompts->texts(), QStringList());
    const QList<QMdiSubWindow *> windows = frame->editorWindows();
    QCOMPARE(windows.size(), 1);
    QCOMPARE(windows.first()->windowTitle(), path);
    QCOMPARE(CurrentFileName, path);
    QVERIFY(ChildOf(windows.first())->Memo1->toPlainText().contains(QStringLiteral("15 16")));

    // The editor's own Open runs the frame's dialog, which starts from the last choice.
    ChildOf(windows.first())->Open1->trigger();
    QCOMPARE(m_prompts->openRequests.size(), 2);
    QCOMPARE(m_prompts->openRequests.last().fileName, QStringLiteral("survey.dat"));
    QCOMPARE(QDir(m_prompts->openRequests.last().directory), QDir(m_dir->path()));
    QCOMPARE(frame->editorWindows().size(), 1);
}

void TestFrame::missingFileLeavesEmptyWindow()
{
    const QString path = m_dir->filePath(QStringLiteral("missing.dat"));
    m_prompts->answerOpen(path);
    frame->Open1->trigger();

    const QStringList errors = m_prompts->texts(PromptKind::Error);
    QCOMPARE(errors.size(), 1);
    QVERIFY2(errors.first().contains(QStringLiteral("missing.dat")), qPrintable(errors.first()));
    const QList<QMdiSubWindow *> windows = frame->editorWindows();
    QCOMPARE(windows.size(), 1);
    QCOMPARE(windows.first()->windowTitle(), QString());
    QCOMPARE(ChildOf(windows.first())->Memo1->toPlainText().trimmed(), QString());
}

void TestFrame::windowsAreSizedAndCascaded()
{
    frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(frame));
    frame->resize(1001, 601);
    QTRY_COMPARE(frame->size(), QSize(1001, 601));

    // New: seven tenths of the frame's width and half its height (300.5 goes to 300).
    QMdiSubWindow *first = newWindow();
    QCOMPARE(first->size(), QSize(701, 300));
    QCOMPARE(first->pos(), QPoint(0, 0));
    QMdiSubWindow *second = newWindow();
    QCOMPARE(second->size(), QSize(701, 300));
    const int step = second->x();
    QVERIFY(step > 0);
    QCOMPARE(second->y(), step);
    QCOMPARE(first->pos(), QPoint(0, 0));

    // Open: seven tenths of the screen's width and half its height, on top.
    const QString path = m_dir->filePath(QStringLiteral("a.dat"));
    QVERIFY(WriteBytes(path, QByteArray()));
    m_prompts->answerOpen(path);
    frame->Open1->trigger();
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    QMdiSubWindow *opened = frame->activeEditorWindow();
    QCOMPARE(opened->windowTitle(), path);
    const QSize area = frame->ClientArea->viewport()->size();
    QCOMPARE(opened->size(),
             QSize(qRound(screen.width() * 0.7), qRound(screen.height() * 0.5)).boundedTo(area));
    QCOMPARE(opened->pos(), QPoint(2 * step, 2 * step));

    // Cascade from the menu puts the active window on top, last in the steps.
    frame->ClientArea->setActiveSubWindow(first);
    frame->Cascade1->trigger();
    QCOMPARE(first->pos(), QPoint(2 * step, 2 * step));
    QCOMPARE(second->pos(), QPoint(0, 0));
    for (QMdiSubWindow *window : frame->editorWindows())
        QVERIFY(QRect(QPoint(0, 0), area).contains(window->geometry()));
}

void TestFrame::windowMenuListsEditors()
{
    QMdiSubWindow *first = newWindow();
    QMdiSubWindow *second = newWindow();

    auto entries = [this] {
        QStringList list;
        for (QAction *action : frame->Window1->actions()) {
            if (action->isSeparator())
                list << QStringLiteral("-");
            else
                list << action->text() + (action->isChecked() ? QStringLiteral(" *") : QString());
        }
        return list;
    };
    // Opening the menu twice lists each window once.
    emit frame->Window1->aboutToShow();
    emit frame->Window1->aboutToShow();
    QCOMPARE(
        entries(),
        (QStringList{"&Tile", "&Cascade", "&Arrange icons", "-", "&1 DOC1.dat", "&2 DOC2.dat *"}));

    frame->Window1->actions().at(4)->trigger();
    QCOMPARE(frame->activeEditorWindow(), first);

    second->close();
    QTRY_COMPARE(frame->editorWindows().size(), 1);
    emit frame->Window1->aboutToShow();
    QCOMPARE(entries(), (QStringList{"&Tile", "&Cascade", "&Arrange icons", "-", "&1 DOC1.dat *"}));
}

void TestFrame::arrangeIconsLinesUpMinimisedWindows()
{
    frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(frame));
    QMdiSubWindow *first = newWindow();
    QMdiSubWindow *open = newWindow();
    QMdiSubWindow *third = newWindow();
    first->showMinimized();
    third->showMinimized();
    first->move(100, 20);
    third->move(40, 60);
    const QRect openBefore = open->geometry();

    frame->Arrangeicons1->trigger();
    const int bottom = frame->ClientArea->viewport()->height();
    QCOMPARE(first->geometry().bottom() + 1, bottom);
    QCOMPARE(third->geometry().bottom() + 1, bottom);
    QCOMPARE(first->x(), 0);
    QCOMPARE(third->x(), first->width());
    QCOMPARE(open->geometry(), openBefore);
}

// --- the clock ---------------------------------------------------------------------------

void TestFrame::clockLayout()
{
    frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(frame));
    frame->resize(900, 500);
    QTRY_COMPARE(frame->Panel1->width(), frame->centralWidget()->width());

    frame->DateLabel->setText(QStringLiteral("31.12.2099"));
    frame->DateLabel->adjustSize();
    frame->TimeLabel->setText(QStringLiteral("23:59:59"));
    frame->TimeLabel->adjustSize();
    frame->Resize(frame);

    const QRect bevel = frame->Bevel1->geometry();
    const QRect date = frame->DateLabel->geometry();
    const QRect time = frame->TimeLabel->geometry();
    QCOMPARE(bevel.width(), date.width() + time.width() + 15);
    QCOMPARE(bevel.right() + 1, frame->Panel1->width());
    QCOMPARE(bevel.height(), 22);
    QCOMPARE(frame->Panel1->height(), 24);
    QCOMPARE(date.topLeft(), bevel.topLeft() + QPoint(4, 4));
    QCOMPARE(time.topLeft(), QPoint(date.left() + date.width() + 9, date.top()));

    // A clock tick does not lay the panel out again.
    frame->ClockTick(QDateTime(QDate(2099, 12, 31), QTime(23, 59, 59)));
    QCOMPARE(frame->Bevel1->geometry(), bevel);

    // The frame changing size does, keeping the bevel at the right edge.
    frame->resize(700, 500);
    QTRY_COMPARE(frame->Bevel1->geometry().right() + 1, frame->Panel1->width());
    QCOMPARE(frame->Bevel1->width(), frame->DateLabel->width() + frame->TimeLabel->width() + 15);
}

void TestFrame::clockPassesMidnight()
{
    const QDate day(2024, 2, 29);
    const QLocale locale = QLocale::system();
    frame->ShownDate = day;
    frame->DateLabel->setText(QStringLiteral("unchanged"));

    struct Tick
    {
        QDateTime now;
        QString date;
        QDate shown;
    };
    const Tick ticks[] = {
        {QDateTime(day, QTime(23, 59, 58)), QStringLiteral("unchanged"), day},
        {QDateTime(day, QTime(23, 59, 59)), QStringLiteral("unchanged"), day},
        {QDateTime(day.addDays(1), QTime(0, 0, 0)),
         locale.toString(day.addDays(1), QLocale::ShortFormat), day.addDays(1)},
        {QDateTime(day.addDays(1), QTime(0, 0, 1)),
         locale.toString(day.addDays(1), QLocale::ShortFormat), day.addDays(1)},
    };
    for (const Tick &tick : ticks) {
        frame->ClockTick(tick.now);
        QCOMPARE(frame->DateLabel->text(), tick.date);
        QCOMPARE(frame->ShownDate, tick.shown);
        QCOMPARE(frame->TimeLabel->text(), locale.toString(tick.now.time(), QLocale::LongFormat));
    }
    QVERIFY(frame->TimeLabel->text().contains(QStringLiteral("01")));
    QCOMPARE(frame->Timer1->interval(), 1000);
    QVERIFY(frame->Timer1->isActive());
}

// --- commands -------------------------------------------------------------------------------

void TestFrame::commandsStartTheirWindows_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("caption");
    QTest::newRow("t menu") << "tdistribution1"
                            << "Critical Values for t distribution";
    QTest::newRow("t button") << "SpeedButton6"
                              << "Critical Values for t distribution";
    QTest::newRow("chi menu") << "X2distribution1"
                              << "Critical Value for Chi-squared distribution";
    QTest::newRow("chi button") << "SpeedButton5"
                                << "Critical Value for Chi-squared distribution";
    QTest::newRow("F menu") << "Fdistribution1"
                            << "Critical Values for F distribution";
    QTest::newRow("F button") << "SpeedButton7"
                              << "Critical Values for F distribution";
    QTest::newRow("normal menu") << "Normaldistribution1"
                                 << "Normal Distribution";
    QTest::newRow("normal button") << "SpeedButton4"
                                   << "Normal Distribution";
    QTest::newRow("histogram menu") << "Histogramdata1"
                                    << "Histogram data";
    QTest::newRow("histogram button") << "SpeedButton3"
                                      << "Histogram data";
    QTest::newRow("about") << "About2"
                           << "About Mervan";
}

void TestFrame::commandsStartTheirWindows()
{
    QFETCH(QString, control);
    QFETCH(QString, caption);
    QObject *sender = frame->findChild<QObject *>(control);
    QVERIFY(sender);
    const QStringList shown = RunDismissingModals([sender] {
        if (auto *action = qobject_cast<QAction *>(sender))
            action->trigger();
        else
            qobject_cast<QToolButton *>(sender)->click();
    });
    QCOMPARE(shown, QStringList{caption});
    QCOMPARE(m_prompts->texts(), QStringList());
}

void TestFrame::histogramOffersLastFile()
{
    const QString path = m_dir->filePath(QStringLiteral("trees.dat"));
    QVERIFY(WriteBytes(path, "1 2 3 4 5\r\n"));
    m_prompts->answerOpen(path);
    frame->Open1->trigger();
    QCOMPARE(CurrentFileName, path);

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
    frame->Histogramdata1->trigger();
    poll.stop();

    QCOMPARE(dialogs, 1);
    QCOMPARE(m_prompts->openRequests.size(), 2);
    QCOMPARE(m_prompts->openRequests.last().fileName, path);
}

// --- help ----------------------------------------------------------------------------------------

void TestFrame::f1AsksForTopics()
{
    RecordingHelp help;
    frame->show();
    frame->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(frame));

    QTest::keyClick(frame, Qt::Key_F1);
    QCOMPARE(help.requests.size(), 1);
    QCOMPARE(QDir::cleanPath(help.requests.at(0).file), ExpectedProgramHelpFile());
    QCOMPARE(help.requests.at(0).context, 0);

    // With an editor window active, its own help file.
    newWindow();
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : frame, Qt::Key_F1);
    QCOMPARE(help.requests.size(), 2);
    QCOMPARE(QFileInfo(help.requests.at(1).file).completeBaseName(), QStringLiteral("Ombrelay"));
    QCOMPARE(help.requests.at(1).context, 0);

    // The tool button asks the same as the menu item.
    frame->SpeedButton8->click();
    QCOMPARE(help.requests.size(), 3);
    QCOMPARE(help.requests.at(2).file, help.requests.at(1).file);
}

void TestFrame::f1OnHighlightedMenuItem()
{
    RecordingHelp help;
    frame->show();
    frame->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(frame));

    frame->Programs1->popup(frame->mapToGlobal(QPoint(20, 20)));
    QVERIFY(QTest::qWaitForWindowExposed(frame->Programs1));
    frame->Programs1->setActiveAction(frame->X2distribution1);
    QTest::keyClick(frame->Programs1, Qt::Key_F1);

    QCOMPARE(help.requests.size(), 1);
    QCOMPARE(help.requests.at(0).context, 8);
    QCOMPARE(QDir::cleanPath(help.requests.at(0).file), ExpectedProgramHelpFile());
    QTRY_VERIFY(!frame->Programs1->isVisible());
}

// --- leaving -----------------------------------------------------------------------------------

void TestFrame::exitAsksAboutUnsavedWork_data()
{
    QTest::addColumn<bool>("modified");
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("questions");
    QTest::addColumn<bool>("frameCloses");
    QTest::addColumn<bool>("saved");
    QTest::newRow("unmodified: nothing asked")
        << false << int(QMessageBox::Cancel) << 0 << true << false;
    QTest::newRow("Cancel keeps running")
        << true << int(QMessageBox::Cancel) << 1 << false << false;
    QTest::newRow("No discards") << true << int(QMessageBox::No) << 1 << true << false;
    QTest::newRow("Yes saves") << true << int(QMessageBox::Yes) << 1 << true << true;
}

void TestFrame::exitAsksAboutUnsavedWork()
{
    QFETCH(bool, modified);
    QFETCH(int, answer);
    QFETCH(int, questions);
    QFETCH(bool, frameCloses);
    QFETCH(bool, saved);

    frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(frame));
    QMdiSubWindow *window = newWindow();
    if (modified)
        ChildOf(window)->Memo1->insertPlainText(QStringLiteral("1 2 3"));
    m_prompts->answerConfirm(QMessageBox::StandardButton(answer));

    frame->Exit1->trigger();
    QCOMPARE(m_prompts->texts(PromptKind::Confirm).size(), questions);
    if (questions)
        QCOMPARE(m_prompts->texts(PromptKind::Confirm).first(),
                 QStringLiteral("Save changes to DOC1.dat? "));
    QCOMPARE(frame->isVisible(), !frameCloses);
    if (!frameCloses)
        QCOMPARE(frame->editorWindows().size(), 1);
    QCOMPARE(QFile::exists(m_dir->filePath(QStringLiteral("DOC1.dat"))), saved);
}

QTEST_MAIN(TestFrame)
#include "tst_frame.moc"
