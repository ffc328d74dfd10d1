// Editor windows inside the main window: their keys reach only the window
// that has the focus, and they never collide with the main window's own keys.

#include "editortestutil.h"
#include "gui/editor/editorwindow.h"
#include "gui/mainwindow/mainwindow.h"
#include "scriptedprompts.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

class TestEditorInMainWindow : public QObject
{
    Q_OBJECT

private:
    ScriptedPrompts prompts;
    std::unique_ptr<ScopedPrompts> scoped;
    std::unique_ptr<MainWindow> mainWindow;
    QTemporaryDir dir;
    QString previousFolder;

    EditorWindow *active() const { return mainWindow->activeEditor(); }

private slots:
    void init()
    {
        prompts.clear();
        scoped = std::make_unique<ScopedPrompts>(prompts);
        previousFolder = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir.path()));
        mainWindow = std::make_unique<MainWindow>();
        mainWindow->show();
        QVERIFY(QTest::qWaitForWindowActive(mainWindow.get()));
    }

    void cleanup()
    {
        mainWindow.reset();
        QDir::setCurrent(previousFolder);
        scoped.reset();
    }

    void newKeyInAnEditorMakesExactlyOneWindow()
    {
        mainWindow->newFile();
        QCOMPARE(mainWindow->editorWindows().size(), 1);
        QTest::keyClick(active(), Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(mainWindow->editorWindows().size(), 2);
        QCOMPARE(active()->fileName(), QStringLiteral("DOC2.dat"));
    }

    void editorMenusJoinTheBar()
    {
        mainWindow->newFile();
        const QList<QAction *> bar = mainWindow->menuBar()->actions();
        auto *file = mainWindow->findChild<QMenu *>(QStringLiteral("editorFileMenu"));
        auto *edit = mainWindow->findChild<QMenu *>(QStringLiteral("editMenu"));
        QVERIFY(file && edit);
        QVERIFY(bar.contains(file->menuAction()));
        QVERIFY(bar.contains(edit->menuAction()));
        QCOMPARE(bar.indexOf(file->menuAction()) + 1, bar.indexOf(edit->menuAction()));
    }

    void keysActOnTheFocusedEditorOnly()
    {
        mainWindow->newFile();
        EditorWindow *first = active();
        mainWindow->newFile();
        EditorWindow *second = active();
        QVERIFY(first != second);
        for (EditorWindow *child : {first, second}) {
            child->setPlainText(QStringLiteral("text"));
            child->document()->setModified(false);
        }
        second->setFocus();
        second->selectAll();
        QTest::keyClick(second, Qt::Key_D, Qt::ControlModifier);
        QCOMPARE(second->toPlainText(), QString());
        QCOMPARE(first->toPlainText(), QStringLiteral("text"));

        // A new window's first Save asks for the name, proposing its own.
        prompts.answerSave(dir.filePath(QStringLiteral("DOC2.dat")));
        QTest::keyClick(second, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(prompts.saveRequests.size(), 1);
        QCOMPARE(prompts.saveRequests.first().fileName, QStringLiteral("DOC2.dat"));
        QCOMPARE(ReadBytes(dir.filePath(QStringLiteral("DOC2.dat"))), QByteArray());
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("DOC1.dat"))));
        QVERIFY(prompts.shown.isEmpty());
        // New windows of later tests would pass its name over.
        QVERIFY(QFile::remove(dir.filePath(QStringLiteral("DOC2.dat"))));
    }

    void exitFromAnEditorAsksForEveryModifiedWindow()
    {
        mainWindow->newFile();
        TypeAtEnd(*active(), QStringLiteral("1"));
        mainWindow->newFile();
        TypeAtEnd(*active(), QStringLiteral("2"));
        mainWindow->newFile(); // unmodified: no question
        prompts.answerConfirm(QMessageBox::No);
        prompts.answerConfirm(QMessageBox::Cancel);
        QTest::keyClick(active(), Qt::Key_X, Qt::AltModifier);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(prompts.texts(PromptKind::Confirm),
                 (QStringList{"Save changes to DOC1.dat? ", "Save changes to DOC2.dat? "}));
        // Cancel kept every window as it was, DOC1 (answered No) included,
        // and with them the program.
        QVERIFY(mainWindow->isVisible());
        const QList<QMdiSubWindow *> left = mainWindow->editorWindows();
        QCOMPARE(left.size(), 3);
        for (int i = 0; i < 2; ++i)
            QVERIFY(qobject_cast<EditorWindow *>(left.at(i)->widget())->document()->isModified());
    }

    void saveAsShortensTheCaptionOfAnOpenedFile()
    {
        const QString path = dir.filePath(QStringLiteral("trees.dat"));
        QVERIFY(WriteBytes(path, "1 2\r\n"));
        prompts.answerOpen(path);
        mainWindow->open();
        QMdiSubWindow *window = mainWindow->activeSubWindow();
        QVERIFY(window);
        QCOMPARE(window->windowTitle(), path + QStringLiteral("[*]"));
        const QString other = dir.filePath(QStringLiteral("copy.dat"));
        prompts.answerSave(other);
        mainWindow->findChild<QAction *>(QStringLiteral("actionSaveAs"))->trigger();
        QCOMPARE(window->windowTitle(), QStringLiteral("copy.dat[*]"));
        QCOMPARE(ReadBytes(other), QByteArray("1 2\r\n"));
        QCOMPARE(mainWindow->lastFilePath(), other);
    }

    void closeBoxAsksAndCancelKeepsTheWindow()
    {
        mainWindow->newFile();
        TypeAtEnd(*active(), QStringLiteral("x"));
        QMdiSubWindow *window = mainWindow->activeSubWindow();
        prompts.answerConfirm(QMessageBox::Cancel);
        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(mainWindow->editorWindows().size(), 1);
        QCOMPARE(prompts.texts(PromptKind::Confirm), QStringList{"Save changes to DOC1.dat? "});
        prompts.answerConfirm(QMessageBox::No);
        mainWindow->findChild<QAction *>(QStringLiteral("actionClose"))->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(mainWindow->editorWindows().size(), 0);
    }
};

QTEST_MAIN(TestEditorInMainWindow)
#include "test_editorinmainwindow.moc"
