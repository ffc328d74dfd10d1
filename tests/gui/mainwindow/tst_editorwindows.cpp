// Editor windows in the main window: numbering, opening, sizes and places,
// the Window menu, arranging, and the questions when the program ends.

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

class TestEditorWindows : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void newWindowsAreNumbered();
    void openDialogCancelledCreatesNothing();
    void openedFileNamesItsWindow();
    void missingFileLeavesNoWindow();
    void windowsAreSizedAndCascaded();
    void windowMenuListsEditors();
    void arrangeIconsLinesUpMinimisedWindows();

    void exitAsksAboutUnsavedWork_data();
    void exitAsksAboutUnsavedWork();
    void exitAsksEveryQuestionFirst_data();
    void exitAsksEveryQuestionFirst();
    void openingAHeldFileBringsItsWindow();
    void statusBarShowsAndChangesTheFormat();

private:
    QMdiSubWindow *newWindow();

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_previousFolder;
    std::unique_ptr<ScriptedPrompts> m_prompts;
    std::unique_ptr<ScopedPrompts> m_use;
    std::unique_ptr<MainWindow> m_window;
    MainWindow *mainWindow = nullptr;
};

void TestEditorWindows::init()
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

void TestEditorWindows::cleanup()
{
    m_window.reset();
    mainWindow = nullptr;
    m_use.reset();
    m_prompts.reset();
    QDir::setCurrent(m_previousFolder);
    m_dir.reset();
}

QMdiSubWindow *TestEditorWindows::newWindow()
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
        captions << qobject_cast<EditorWindow *>(window->widget())->caption();
    return captions;
}

// --- editor windows -------------------------------------------------------------------

void TestEditorWindows::newWindowsAreNumbered()
{
    mainWindow->show();
    mainWindow->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(mainWindow));
    QMdiSubWindow *first = newWindow();
    newWindow();
    QCOMPARE(Captions(mainWindow->editorWindows()), (QStringList{"DOC1.dat", "DOC2.dat"}));
    QCOMPARE(mainWindow->lastFilePath(), QStringLiteral("DOC2.dat"));

    // A closed window's number is not given out again.
    first->close();
    QTRY_COMPARE(mainWindow->editorWindows().size(), 1);
    QMdiSubWindow *third = newWindow();
    QCOMPARE(third->windowTitle(), QStringLiteral("DOC3.dat[*]"));
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(EditorOf(third)));

    // The editor's own New continues the same count.
    Action(mainWindow, "actionEditorNew")->trigger();
    QCOMPARE(Captions(mainWindow->editorWindows()),
             (QStringList{"DOC2.dat", "DOC3.dat", "DOC4.dat"}));
    QCOMPARE(mainWindow->lastFilePath(), QStringLiteral("DOC4.dat"));
    QCOMPARE(newWindow()->windowTitle(), QStringLiteral("DOC5.dat[*]"));
    // A name held by a file in the folder is passed over.
    QVERIFY(QFile(QStringLiteral("DOC6.dat")).open(QIODevice::WriteOnly));
    QVERIFY(QDir().mkdir(QStringLiteral("DOC7.dat")));
    QCOMPARE(newWindow()->windowTitle(), QStringLiteral("DOC8.dat[*]"));

    // No file is made on disk for a new window.
    QVERIFY(!QFile::exists(QStringLiteral("DOC1.dat")));
    QVERIFY(!QFile::exists(QStringLiteral("DOC8.dat")));
}

void TestEditorWindows::openDialogCancelledCreatesNothing()
{
    Action(mainWindow, "actionOpen")->trigger(); // the scripted dialog answers "cancelled"
    QCOMPARE(m_prompts->openRequests.size(), 1);
    QVERIFY(mainWindow->editorWindows().isEmpty());
    QVERIFY(m_prompts->shown.isEmpty());

    const FileDialogRequest &request = m_prompts->openRequests.first();
    QCOMPARE(request.title, QStringLiteral("Mervan Editor"));
    QCOMPARE(request.fileName, QStringLiteral("*.dat"));
    // Spreadsheet exports are offered beside the data files.
    QCOMPARE(request.filters.filter(QStringLiteral("*.csv")).size(), 1);
    QCOMPARE(request.filters.first(), QStringLiteral("Data files (*.dat)"));
    QCOMPARE(request.selectedFilter, 0);
    QVERIFY(!request.mustExist);
}

void TestEditorWindows::openedFileNamesItsWindow()
{
    const QString path = m_dir->filePath(QStringLiteral("survey.dat"));
    QVERIFY(WriteBytes(path, "12 13 14\r\n15 16\r\n"));

    m_prompts->answerOpen(path);
    Action(mainWindow, "actionOpen")->trigger();
    QCOMPARE(m_prompts->texts(), QStringList());
    const QList<QMdiSubWindow *> windows = mainWindow->editorWindows();
    QCOMPARE(windows.size(), 1);
    QCOMPARE(windows.first()->windowTitle(), path + QStringLiteral("[*]"));
    QCOMPARE(mainWindow->lastFilePath(), path);
    QVERIFY(EditorOf(windows.first())->toPlainText().contains(QStringLiteral("15 16")));

    // The editor's own Open runs the same dialog, which starts from the last choice.
    Action(mainWindow, "actionEditorOpen")->trigger();
    QCOMPARE(m_prompts->openRequests.size(), 2);
    QCOMPARE(m_prompts->openRequests.last().fileName, QStringLiteral("survey.dat"));
    QCOMPARE(QDir(m_prompts->openRequests.last().directory), QDir(m_dir->path()));
    QCOMPARE(mainWindow->editorWindows().size(), 1);
}

void TestEditorWindows::missingFileLeavesNoWindow()
{
    const QString path = m_dir->filePath(QStringLiteral("missing.dat"));
    m_prompts->answerOpen(path);
    Action(mainWindow, "actionOpen")->trigger();

    const QStringList errors = m_prompts->texts(PromptKind::Error);
    QCOMPARE(errors.size(), 1);
    QVERIFY2(errors.first().contains(QStringLiteral("missing.dat")), qPrintable(errors.first()));
    QVERIFY(mainWindow->editorWindows().isEmpty());
    QCOMPARE(mainWindow->lastFilePath(), QString());

    // The editor's own Open reports the same way.
    m_prompts->answerOpen(path);
    Action(mainWindow, "actionEditorOpen")->trigger();
    QCOMPARE(m_prompts->texts(PromptKind::Error).size(), 2);
    QVERIFY(mainWindow->editorWindows().isEmpty());
}

void TestEditorWindows::windowsAreSizedAndCascaded()
{
    mainWindow->show();
    QVERIFY(QTest::qWaitForWindowExposed(mainWindow));
    mainWindow->resize(1001, 601);
    QTRY_COMPARE(mainWindow->size(), QSize(1001, 601));

    // New: seven tenths of the main window's width and half its height (300.5
    // goes to 300), a title bar's height down and right from the one before.
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
    Action(mainWindow, "actionOpen")->trigger();
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    QMdiSubWindow *opened = mainWindow->activeSubWindow();
    QCOMPARE(opened->windowTitle(), path + QStringLiteral("[*]"));
    const QSize area = Area(mainWindow)->viewport()->size();
    QCOMPARE(opened->size(),
             QSize(qRound(screen.width() * 0.7), qRound(screen.height() * 0.5)).boundedTo(area));
    QCOMPARE(opened->pos(), QPoint(2 * step, 2 * step));

    // Cascade from the menu steps the windows down and right in the order
    // they were made, from the top left; the active one stays active and on
    // top, and all stay inside the area.
    Area(mainWindow)->setActiveSubWindow(first);
    first->move(200, 100);
    Action(mainWindow, "actionCascade")->trigger();
    QCOMPARE(mainWindow->activeSubWindow(), first);
    QCOMPARE(Area(mainWindow)->subWindowList(QMdiArea::StackingOrder).last(), first);
    QCOMPARE(first->pos(), QPoint(0, 0));
    QVERIFY(second->x() > first->x() && second->y() > first->y());
    QVERIFY(opened->x() > second->x() && opened->y() > second->y());
    for (QMdiSubWindow *window : mainWindow->editorWindows())
        QVERIFY(QRect(QPoint(0, 0), area).contains(window->geometry()));
}

void TestEditorWindows::windowMenuListsEditors()
{
    QMdiSubWindow *first = newWindow();
    QMdiSubWindow *second = newWindow();
    QMenu *windowMenu = Menu(mainWindow, "windowMenu");

    auto entries = [windowMenu] {
        QStringList list;
        for (QAction *action : windowMenu->actions()) {
            if (action->isSeparator())
                list << QStringLiteral("-");
            else
                list << action->text() + (action->isChecked() ? QStringLiteral(" *") : QString());
        }
        return list;
    };
    // Opening the menu twice lists each window once.
    emit windowMenu->aboutToShow();
    emit windowMenu->aboutToShow();
    QCOMPARE(
        entries(),
        (QStringList{"&Tile", "&Cascade", "&Arrange icons", "-", "&1 DOC1.dat", "&2 DOC2.dat *"}));

    windowMenu->actions().at(4)->trigger();
    QCOMPARE(mainWindow->activeSubWindow(), first);

    second->close();
    QTRY_COMPARE(mainWindow->editorWindows().size(), 1);
    emit windowMenu->aboutToShow();
    QCOMPARE(entries(), (QStringList{"&Tile", "&Cascade", "&Arrange icons", "-", "&1 DOC1.dat *"}));

    // Only 1 to 9 are keys; later entries have none.
    for (int i = 0; i < 9; ++i)
        newWindow();
    emit windowMenu->aboutToShow();
    QCOMPARE(entries().mid(12), (QStringList{"&9 DOC10.dat", "10 DOC11.dat *"}));

    // An unsaved window says so in its title bar and in the menu.
    EditorOf(first)->insertPlainText(QStringLiteral("1"));
    QVERIFY(first->isWindowModified());
    emit windowMenu->aboutToShow();
    QCOMPARE(entries().at(4), QStringLiteral("&1 DOC1.dat*"));
}

void TestEditorWindows::arrangeIconsLinesUpMinimisedWindows()
{
    mainWindow->show();
    QVERIFY(QTest::qWaitForWindowExposed(mainWindow));
    QMdiSubWindow *first = newWindow();
    QMdiSubWindow *open = newWindow();
    QMdiSubWindow *third = newWindow();
    first->showMinimized();
    third->showMinimized();
    first->move(100, 20);
    third->move(40, 60);
    const QRect openBefore = open->geometry();

    Action(mainWindow, "actionArrangeIcons")->trigger();
    const int bottom = Area(mainWindow)->viewport()->height();
    QCOMPARE(first->geometry().bottom() + 1, bottom);
    QCOMPARE(third->geometry().bottom() + 1, bottom);
    QCOMPARE(first->x(), 0);
    QCOMPARE(third->x(), first->width());
    QCOMPARE(open->geometry(), openBefore);
}

// --- leaving -----------------------------------------------------------------------------------

void TestEditorWindows::exitAsksAboutUnsavedWork_data()
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

void TestEditorWindows::exitAsksAboutUnsavedWork()
{
    QFETCH(bool, modified);
    QFETCH(int, answer);
    QFETCH(int, questions);
    QFETCH(bool, frameCloses);
    QFETCH(bool, saved);

    mainWindow->show();
    QVERIFY(QTest::qWaitForWindowExposed(mainWindow));
    QMdiSubWindow *window = newWindow();
    if (modified)
        EditorOf(window)->insertPlainText(QStringLiteral("1 2 3"));
    m_prompts->answerConfirm(QMessageBox::StandardButton(answer));
    if (answer == QMessageBox::Yes)
        m_prompts->answerSave(m_dir->filePath(QStringLiteral("DOC1.dat")));

    Action(mainWindow, "actionExit")->trigger();
    QCOMPARE(m_prompts->texts(PromptKind::Confirm).size(), questions);
    if (questions)
        QCOMPARE(m_prompts->texts(PromptKind::Confirm).first(),
                 QStringLiteral("Save changes to DOC1.dat? "));
    QCOMPARE(mainWindow->isVisible(), !frameCloses);
    if (!frameCloses)
        QCOMPARE(mainWindow->editorWindows().size(), 1);
    QCOMPARE(QFile::exists(m_dir->filePath(QStringLiteral("DOC1.dat"))), saved);
}

void TestEditorWindows::exitAsksEveryQuestionFirst_data()
{
    // One letter per unsaved window: Yes, No, Cancel.
    QTest::addColumn<QString>("answers");
    QTest::addColumn<bool>("frameCloses");
    QTest::newRow("Cancel at the last question") << "YNC" << false;
    QTest::newRow("Cancel at the first question") << "CYY" << false;
    QTest::newRow("every question answered") << "YNY" << true;
}

void TestEditorWindows::exitAsksEveryQuestionFirst()
{
    QFETCH(QString, answers);
    QFETCH(bool, frameCloses);
    mainWindow->show();
    QVERIFY(QTest::qWaitForWindowExposed(mainWindow));
    QStringList names;
    for (qsizetype i = 0; i < answers.size(); ++i) {
        EditorOf(newWindow())->insertPlainText(QStringLiteral("edit"));
        names << QStringLiteral("DOC%1.dat").arg(i + 1);
    }
    const qsizetype asked = answers.contains(QLatin1Char('C'))
        ? answers.indexOf(QLatin1Char('C')) + 1
        : answers.size();
    for (qsizetype i = 0; i < asked; ++i) {
        const QChar answer = answers.at(i);
        m_prompts->answerConfirm(answer == QLatin1Char('Y')       ? QMessageBox::Yes
                                     : answer == QLatin1Char('N') ? QMessageBox::No
                                                                  : QMessageBox::Cancel);
        if (frameCloses && answer == QLatin1Char('Y'))
            m_prompts->answerSave(m_dir->filePath(names.at(i)));
    }
    Action(mainWindow, "actionExit")->trigger();
    QCOMPARE(m_prompts->texts(PromptKind::Confirm).size(), asked);
    QCOMPARE(mainWindow->isVisible(), !frameCloses);
    for (qsizetype i = 0; i < answers.size(); ++i)
        QCOMPARE(QFile::exists(m_dir->filePath(names.at(i))),
                 frameCloses && answers.at(i) == QLatin1Char('Y'));
    if (!frameCloses) {
        // Cancel anywhere: every window still open, every edit still unsaved.
        const QList<QMdiSubWindow *> windows = mainWindow->editorWindows();
        QCOMPARE(windows.size(), answers.size());
        for (QMdiSubWindow *window : windows)
            QVERIFY(EditorOf(window)->isModified());
    }
}

void TestEditorWindows::openingAHeldFileBringsItsWindow()
{
    const QString path = m_dir->filePath(QStringLiteral("held.dat"));
    QVERIFY(WriteBytes(path, "1 2 3\n"));
    m_prompts->answerOpen(path);
    Action(mainWindow, "actionOpen")->trigger();
    QMdiSubWindow *held = mainWindow->activeSubWindow();
    EditorOf(held)->insertPlainText(QStringLiteral("0 "));
    newWindow();
    m_prompts->answerOpen(path);
    Action(mainWindow, "actionOpen")->trigger();
    QCOMPARE(mainWindow->editorWindows().size(), 2);
    QCOMPARE(mainWindow->activeSubWindow(), held);
    QVERIFY(EditorOf(held)->isModified());
}

void TestEditorWindows::statusBarShowsAndChangesTheFormat()
{
    const QString path = m_dir->filePath(QStringLiteral("wide.dat"));
    QVERIFY(WriteBytes(path,
                       QByteArray("\xFF\xFE"
                                  "1\0\r\0\n\0"
                                  "2\0\n\0",
                                  12)));
    m_prompts->answerOpen(path);
    Action(mainWindow, "actionOpen")->trigger();
    auto *encoding = mainWindow->findChild<QToolButton *>(QStringLiteral("encodingButton"));
    auto *lineEnd = mainWindow->findChild<QToolButton *>(QStringLiteral("lineEndButton"));
    QCOMPARE(encoding->text(), QStringLiteral("UTF-16 LE"));
    QCOMPARE(lineEnd->text(), QStringLiteral("LF (mixed)"));
    lineEnd->menu()->actions().at(1)->trigger();  // CR LF for every line
    encoding->menu()->actions().at(0)->trigger(); // UTF-8
    QCOMPARE(encoding->text(), QStringLiteral("UTF-8"));
    QCOMPARE(lineEnd->text(), QStringLiteral("CR LF"));
    QVERIFY(mainWindow->activeEditor()->save());
    QCOMPARE(ReadBytes(path), QByteArray("1\r\n2\r\n"));
}

QTEST_MAIN(TestEditorWindows)
#include "tst_editorwindows.moc"
