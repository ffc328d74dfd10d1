// Editor windows inside the frame: their keys reach only the window that has
// the focus, and they never collide with the frame's own keys.

#include "editortestutil.h"
#include "gui/editor/mdichild.h"
#include "gui/mainwindow/mdiframe.h"
#include "scriptedprompts.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

class TestEditorInFrame : public QObject
{
    Q_OBJECT

private:
    ScriptedPrompts prompts;
    std::unique_ptr<ScopedPrompts> scoped;
    std::unique_ptr<TFrameForm> frame;
    QTemporaryDir dir;
    QString previousFolder;

    TChild *active() const { return frame->activeChild(); }

private slots:
    void init()
    {
        prompts.clear();
        scoped = std::make_unique<ScopedPrompts>(prompts);
        previousFolder = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir.path()));
        TFrameForm::Options options;
        options.splash = false;
        frame = std::make_unique<TFrameForm>(options);
        frame->show();
        QVERIFY(QTest::qWaitForWindowActive(frame.get()));
    }

    void cleanup()
    {
        frame.reset();
        QDir::setCurrent(previousFolder);
        scoped.reset();
    }

    void newKeyInAnEditorMakesExactlyOneWindow()
    {
        frame->New1Click(nullptr);
        QCOMPARE(frame->editorWindows().size(), 1);
        QTest::keyClick(active()->Memo1, Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(frame->editorWindows().size(), 2);
        QCOMPARE(active()->FileName, QStringLiteral("DOC2.dat"));
    }

    void editorMenusJoinTheBar()
    {
        frame->New1Click(nullptr);
        const QList<QAction *> bar = frame->menuBar()->actions();
        QVERIFY(bar.contains(active()->fileMenu()->menuAction()));
        QVERIFY(bar.contains(active()->editMenu()->menuAction()));
        QCOMPARE(bar.indexOf(active()->fileMenu()->menuAction()) + 1,
                 bar.indexOf(active()->editMenu()->menuAction()));
    }

    void keysActOnTheFocusedEditorOnly()
    {
        frame->New1Click(nullptr);
        TChild *first = active();
        frame->New1Click(nullptr);
        TChild *second = active();
        QVERIFY(first != second);
        for (TChild *child : {first, second}) {
            child->Memo1->setPlainText(QStringLiteral("text"));
            child->Memo1->document()->setModified(false);
        }
        second->Memo1->setFocus();
        second->Memo1->selectAll();
        QTest::keyClick(second->Memo1, Qt::Key_D, Qt::ControlModifier);
        QCOMPARE(second->Memo1->toPlainText(), QString());
        QCOMPARE(first->Memo1->toPlainText(), QStringLiteral("text"));

        QTest::keyClick(second->Memo1, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(ReadBytes(dir.filePath(QStringLiteral("DOC2.dat"))), QByteArray());
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("DOC1.dat"))));
        QVERIFY(prompts.shown.isEmpty());
    }

    void exitFromAnEditorAsksForEveryModifiedWindow()
    {
        frame->New1Click(nullptr);
        TypeAtEnd(*active(), QStringLiteral("1"));
        frame->New1Click(nullptr);
        TypeAtEnd(*active(), QStringLiteral("2"));
        frame->New1Click(nullptr); // unmodified: no question
        prompts.answerConfirm(QMessageBox::No);
        prompts.answerConfirm(QMessageBox::Cancel);
        QTest::keyClick(active()->Memo1, Qt::Key_X, Qt::AltModifier);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(prompts.texts(PromptKind::Confirm),
                 (QStringList{"Save changes to DOC1.dat? ", "Save changes to DOC2.dat? "}));
        // Cancel kept DOC2 (and DOC3, not reached), and with them the program.
        QVERIFY(frame->isVisible());
        const QList<QMdiSubWindow *> left = frame->editorWindows();
        QCOMPARE(left.size(), 2);
        auto *kept = qobject_cast<TChild *>(left.first()->widget());
        QCOMPARE(kept->FileName, QStringLiteral("DOC2.dat"));
        QVERIFY(kept->Memo1->document()->isModified());
    }

    void saveAsShortensTheCaptionOfAnOpenedFile()
    {
        const QString path = dir.filePath(QStringLiteral("trees.dat"));
        QVERIFY(WriteBytes(path, "1 2\r\n"));
        prompts.answerOpen(path);
        frame->Open1Click(nullptr);
        QMdiSubWindow *window = frame->activeEditorWindow();
        QVERIFY(window);
        QCOMPARE(window->windowTitle(), path);
        const QString other = dir.filePath(QStringLiteral("copy.dat"));
        prompts.answerSave(other);
        active()->SaveAs1Click();
        QCOMPARE(window->windowTitle(), QStringLiteral("copy.dat"));
        QCOMPARE(ReadBytes(other), QByteArray("1 2\r\n"));
        QCOMPARE(CurrentFileName, other);
    }

    void closeBoxAsksAndCancelKeepsTheWindow()
    {
        frame->New1Click(nullptr);
        TypeAtEnd(*active(), QStringLiteral("x"));
        QMdiSubWindow *window = frame->activeEditorWindow();
        prompts.answerConfirm(QMessageBox::Cancel);
        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(frame->editorWindows().size(), 1);
        QCOMPARE(prompts.texts(PromptKind::Confirm), QStringList{"Save changes to DOC1.dat? "});
        prompts.answerConfirm(QMessageBox::No);
        active()->Close1Click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(frame->editorWindows().size(), 0);
    }
};

QTEST_MAIN(TestEditorInFrame)
#include "test_editorinframe.moc"
