// Editor windows closing: the save question on every closing route, a failed
// save that keeps the window, and the File commands that belong to the main
// window.

#include "editortestutil.h"
#include "gui/editor/editorcommands.h"
#include "gui/editor/editorwindow.h"
#include "scriptedprompts.h"

#include <QAction>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <memory>

class TestEditorClose : public QObject
{
    Q_OBJECT

private:
    ScriptedPrompts prompts;
    std::unique_ptr<ScopedPrompts> scoped;
    std::unique_ptr<QTemporaryDir> dir;

    QString path(const QString &name) const { return dir->filePath(name); }

private slots:
    void init()
    {
        prompts.clear();
        scoped = std::make_unique<ScopedPrompts>(prompts);
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(dir->isValid());
    }

    void cleanup()
    {
        QCOMPARE(prompts.pendingAnswers(), 0);
        scoped.reset();
        dir.reset();
    }

    void closeQuestionText()
    {
        EditorWindow child;
        child.setAttribute(Qt::WA_DeleteOnClose, false);
        child.setFilePath(path("trees.dat"));
        TypeAtEnd(child, QStringLiteral("1"));
        prompts.answerConfirm(QMessageBox::Cancel);
        child.closeFile();
        QCOMPARE(prompts.texts(PromptKind::Confirm), QStringList{"Save changes to trees.dat? "});
    }

    // Every closing route with every answer: the close command, the close box
    // of the MDI sub-window and a close request to the window itself.
    void closeRoutes_data()
    {
        QTest::addColumn<int>("route");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<QByteArray>("onDisk");
        const char *routes[] = {"command", "close box", "close()"};
        for (int route = 0; route < 3; ++route) {
            QTest::addRow("%s, Yes", routes[route])
                << route << int(QMessageBox::Yes) << true << QByteArray("edited");
            QTest::addRow("%s, No", routes[route])
                << route << int(QMessageBox::No) << true << QByteArray("<missing>");
            QTest::addRow("%s, Cancel", routes[route])
                << route << int(QMessageBox::Cancel) << false << QByteArray("<missing>");
        }
    }

    void closeRoutes()
    {
        QFETCH(int, route);
        QFETCH(int, answer);
        QFETCH(bool, closed);
        QMdiArea area;
        auto *child = new EditorWindow;
        QMdiSubWindow *sub = area.addSubWindow(child);
        area.show();
        sub->show();
        const QPointer<EditorWindow> alive(child);
        const QPointer<QMdiSubWindow> subAlive(sub);
        child->setFilePath(path("c.dat"));
        TypeAtEnd(*child, QStringLiteral("edited"));
        prompts.answerConfirm(static_cast<QMessageBox::StandardButton>(answer));
        if (route == 0)
            child->closeFile();
        else if (route == 1)
            sub->close();
        else
            child->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        QCOMPARE(prompts.texts(PromptKind::Confirm).size(), 1);
        QCOMPARE(alive.isNull(), closed);
        if (route != 2)
            QCOMPARE(subAlive.isNull(), closed);
        QTEST(ReadBytes(path("c.dat")), "onDisk");
        if (!closed) {
            QVERIFY(child->document()->isModified());
            QCOMPARE(child->toPlainText(), QStringLiteral("edited"));
            // The next close asks again.
            prompts.answerConfirm(QMessageBox::No);
            sub->close();
            QCOMPARE(prompts.texts(PromptKind::Confirm).size(), 2);
        }
    }

    void unmodifiedWindowClosesWithoutQuestion()
    {
        QPointer<EditorWindow> child = new EditorWindow;
        child->closeFile();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(child.isNull());
        QVERIFY(prompts.shown.isEmpty());
    }

    void failedSaveAfterYesKeepsWindowOpen()
    {
        auto *child = new EditorWindow;
        const QPointer<EditorWindow> alive(child);
        child->setFilePath(path("nofolder/x.dat"));
        TypeAtEnd(*child, QStringLiteral("1"));
        prompts.answerConfirm(QMessageBox::Yes);
        child->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!alive.isNull());
        QCOMPARE(prompts.texts(PromptKind::Error).size(), 1);
        QVERIFY(child->document()->isModified());
        // Close command, same outcome.
        prompts.answerConfirm(QMessageBox::Yes);
        child->closeFile();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!alive.isNull());
        // The next close asks again.
        prompts.answerConfirm(QMessageBox::No);
        child->close();
        QCOMPARE(prompts.texts(PromptKind::Confirm).size(), 3);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(alive.isNull());
    }

    void fileCommandsRunTheMainWindowsCommands()
    {
        // The editor's File menu with its keys, and its tool bar, over an
        // editor window.
        QMainWindow host;
        auto *bar = new EditorCommands(&host);
        host.addToolBar(bar);
        host.menuBar()->addMenu(bar->fileMenu());
        auto *editor = new EditorWindow;
        host.setCentralWidget(editor);
        bar->setEditor(editor);
        int newCount = 0, openCount = 0, exitCount = 0;
        connect(bar, &EditorCommands::newRequested, this, [&] { ++newCount; });
        connect(bar, &EditorCommands::openRequested, this, [&] { ++openCount; });
        connect(bar, &EditorCommands::exitRequested, this, [&] { ++exitCount; });
        host.show();
        QVERIFY(QTest::qWaitForWindowActive(&host));
        editor->setFocus();
        QTest::keyClick(editor, Qt::Key_N, Qt::ControlModifier);
        QTest::keyClick(editor, Qt::Key_O, Qt::ControlModifier);
        ButtonFor(host, host.findChild<QAction *>(QStringLiteral("actionEditorOpen")))->click();
        QTest::keyClick(editor, Qt::Key_X, Qt::AltModifier);
        QCOMPARE(newCount, 1);
        QCOMPARE(openCount, 2);
        QCOMPARE(exitCount, 1);
    }
};

QTEST_MAIN(TestEditorClose)
#include "test_editorclose.moc"
