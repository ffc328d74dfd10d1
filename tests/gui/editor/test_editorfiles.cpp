// Editor window files: names, opening, saving with backups, failed saves and
// the save question on every closing route.

#include "editortestutil.h"
#include "gui/editor/mdichild.h"
#include "gui/editor/textfile.h"
#include "scriptedprompts.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <stdexcept>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

// While it lives, no file of this process can grow past the given size, as
// if the disk were full: writes beyond it fail with EFBIG.
struct DiskFullAfter
{
    explicit DiskFullAfter(rlim_t bytes)
        : previousHandler(std::signal(SIGXFSZ, SIG_IGN))
    {
        getrlimit(RLIMIT_FSIZE, &saved);
        rlimit small = saved;
        small.rlim_cur = bytes;
        active = setrlimit(RLIMIT_FSIZE, &small) == 0;
    }
    ~DiskFullAfter()
    {
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);
    }
    DiskFullAfter(const DiskFullAfter &) = delete;
    DiskFullAfter &operator=(const DiskFullAfter &) = delete;

    rlimit saved{};
    void (*previousHandler)(int);
    bool active = false;
};

class TestEditorFiles : public QObject
{
    Q_OBJECT

private:
    ScriptedPrompts prompts;
    std::unique_ptr<ScopedPrompts> scoped;
    std::unique_ptr<QTemporaryDir> dir;

    QString path(const QString &name) const { return dir->filePath(name); }

    // A window showing the file, as the frame sets it up after Open.
    std::unique_ptr<TChild> openWindow(const QString &file)
    {
        auto child = std::make_unique<TChild>();
        child->setAttribute(Qt::WA_DeleteOnClose, false);
        child->Open(file);
        child->setWindowTitle(file);
        child->ParseFile(file);
        return child;
    }

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

    void parseFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("fileExt");
        QTest::addColumn<QString>("fileDir");
        QTest::addColumn<QString>("backupName");
        QTest::newRow("full path") << "/data/trees.dat"
                                   << "trees.dat"
                                   << ".dat"
                                   << "/data/"
                                   << "trees.BAK";
        QTest::newRow("two dots") << "/x/a.b.c"
                                  << "a.b.c"
                                  << ".c"
                                  << "/x/"
                                  << "a.b.BAK";
        QTest::newRow("no extension") << "README"
                                      << "README"
                                      << ""
                                      << ""
                                      << "README.BAK";
        QTest::newRow("dot only in folder") << "/my.dir/notes"
                                            << "notes"
                                            << ""
                                            << "/my.dir/"
                                            << "notes.BAK";
        QTest::newRow("default name") << "DOC1.dat"
                                      << "DOC1.dat"
                                      << ".dat"
                                      << ""
                                      << "DOC1.BAK";
        QTest::newRow("backup itself") << "/d/x.BAK"
                                       << "x.BAK"
                                       << ".BAK"
                                       << "/d/"
                                       << "x.BAK";
        QTest::newRow("lower-case bak") << "/d/x.bak"
                                        << "x.bak"
                                        << ".bak"
                                        << "/d/"
                                        << "x.BAK";
    }

    void parseFile()
    {
        QFETCH(QString, name);
        TChild child;
        child.ParseFile(name);
        QTEST(child.FileName, "fileName");
        QTEST(child.FileExt, "fileExt");
        QTEST(child.FileDir, "fileDir");
        QTEST(child.BackupName, "backupName");
        QCOMPARE(CurrentFileName, name);
    }

    void newWindowStartsWithOneEmptyLine()
    {
        TChild child;
        QCOMPARE(child.Memo1->toPlainText(), QStringLiteral("\n"));
        QVERIFY(!child.Memo1->document()->isModified());
        QCOMPARE(child.Memo1->textCursor().position(), 0);
    }

    void firstSaveOfNewWindowGoesToCurrentFolder()
    {
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir->path()));
        {
            TChild child;
            child.ParseFile(QStringLiteral("DOC1.dat"));
            TypeAtEnd(child, QStringLiteral("1 2 3"));
            child.Save1Click();
            QVERIFY(!child.Memo1->document()->isModified());
        }
        QDir::setCurrent(previous);
        QVERIFY(prompts.shown.isEmpty());
        QCOMPARE(ReadBytes(path("DOC1.dat")), QByteArray("\r\n1 2 3"));
        QCOMPARE(FilesIn(dir->path()), QStringList{"DOC1.dat"});
    }

    void twoSavesKeepOnlyThePreviousVersion()
    {
        const QString file = path("trees.dat");
        QVERIFY(WriteBytes(file, "one"));
        auto child = openWindow(file);
        ReplaceText(*child, QStringLiteral("two"));
        child->Save1Click();
        QCOMPARE(ReadBytes(file), QByteArray("two"));
        QCOMPARE(ReadBytes(path("trees.BAK")), QByteArray("one"));
        ReplaceText(*child, QStringLiteral("three"));
        child->Save1Click();
        QCOMPARE(ReadBytes(file), QByteArray("three"));
        QCOMPARE(ReadBytes(path("trees.BAK")), QByteArray("two"));
        // No temporary or set-aside files are left behind.
        QCOMPARE(FilesIn(dir->path()), (QStringList{"trees.BAK", "trees.dat"}));
        QVERIFY(prompts.shown.isEmpty());
    }

    void datAndOutShareOneBackup()
    {
        QVERIFY(WriteBytes(path("x.dat"), "data"));
        QVERIFY(WriteBytes(path("x.out"), "report"));
        auto data = openWindow(path("x.dat"));
        auto report = openWindow(path("x.out"));
        data->Save1Click();
        QCOMPARE(ReadBytes(path("x.BAK")), QByteArray("data"));
        report->Save1Click();
        QCOMPARE(ReadBytes(path("x.BAK")), QByteArray("report"));
        QCOMPARE(ReadBytes(path("x.dat")), QByteArray("data"));
        QCOMPARE(ReadBytes(path("x.out")), QByteArray("report"));
    }

    void backupFileSavesOverItselfSafely()
    {
        const QString file = path("old.BAK");
        QVERIFY(WriteBytes(file, "before"));
        auto child = openWindow(file);
        ReplaceText(*child, QStringLiteral("after"));
        child->Save1Click();
        QCOMPARE(ReadBytes(file), QByteArray("after"));
        QCOMPARE(FilesIn(dir->path()), QStringList{"old.BAK"});
    }

    void backupFileSurvivesFailedSave()
    {
        // The file is its own backup: a save that cannot complete must not
        // have deleted it first.
        const QString file = path("keep.BAK");
        QVERIFY(WriteBytes(file, "precious"));
        auto child = openWindow(file);
        ReplaceText(*child, QString(4096, QLatin1Char('x')));
        bool savedOk = true;
        {
            const DiskFullAfter limit(100);
            QVERIFY(limit.active);
            savedOk = child->SaveFile();
        }
        QVERIFY(!savedOk);
        QCOMPARE(ReadBytes(file), QByteArray("precious"));
        QCOMPARE(FilesIn(dir->path()), QStringList{"keep.BAK"});
        QCOMPARE(prompts.texts(PromptKind::Error).size(), 1);
    }

    void failedWriteLeavesFileAndBackup()
    {
        // The disk "fills up" after 100 bytes: the write of the new text fails.
        QVERIFY(WriteBytes(path("t.dat"), "version 2"));
        QVERIFY(WriteBytes(path("t.BAK"), "version 1"));
        auto child = openWindow(path("t.dat"));
        ReplaceText(*child, QString(4096, QLatin1Char('y')));
        {
            const DiskFullAfter limit(100);
            QVERIFY(limit.active);
            child->Save1Click();
        }

        QCOMPARE(ReadBytes(path("t.dat")), QByteArray("version 2"));
        QCOMPARE(ReadBytes(path("t.BAK")), QByteArray("version 1"));
        QCOMPARE(FilesIn(dir->path()), (QStringList{"t.BAK", "t.dat"}));
        QVERIFY(child->Memo1->document()->isModified());
        const QStringList errors = prompts.texts(PromptKind::Error);
        QCOMPARE(errors.size(), 1);
        // The reason is the system's own, not a placeholder for a short write.
        QCOMPARE(errors.first(),
                 QStringLiteral("Cannot create file \"%1\". %2")
                     .arg(path("t.dat"), QString::fromLocal8Bit(std::strerror(EFBIG))));
    }

    void devicesAreWrittenThroughAndPipesRefused()
    {
        // A pipe is refused, whether or not a program reads it, and stays a
        // pipe: writing to it could stall the program or end it.
        const QString fifo = path("pipe");
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        const int reader = ::open(QFile::encodeName(fifo).constData(), O_RDONLY | O_NONBLOCK);
        QVERIFY(reader >= 0);
        QString error;
        QVERIFY(!SaveWithBackup(fifo, path("pipe.BAK"), "1 2\r\n", &error));
        QCOMPARE(error, QStringLiteral("It is not a file but a pipe, a socket or a disk device."));
        char received[16] = {};
        QCOMPARE(::read(reader, received, sizeof received), ssize_t(0));
        ::close(reader);
        QCOMPARE(
            QDir(dir->path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot),
            QStringList{"pipe"});
        struct stat info
        { };
        QCOMPARE(::stat(QFile::encodeName(fifo).constData(), &info), 0);
        QVERIFY(S_ISFIFO(info.st_mode));

        // A full device says so, and is still the device afterwards.
        if (::stat("/dev/full", &info) != 0 || !S_ISCHR(info.st_mode)
            || ::access("/dev/full", W_OK) != 0)
            QSKIP("no writable /dev/full");
        QVERIFY(!SaveWithBackup(QStringLiteral("/dev/full"), QStringLiteral("/dev/full.BAK"),
                                "1 2\r\n", &error));
        QCOMPARE(error, QString::fromLocal8Bit(std::strerror(ENOSPC)));
        QCOMPARE(::stat("/dev/full", &info), 0);
        QVERIFY(S_ISCHR(info.st_mode));
        QVERIFY(!QFileInfo::exists(QStringLiteral("/dev/full.BAK")));
    }

    void saveIntoMissingFolderFails()
    {
        TChild child;
        const QString file = path("missing/x.dat");
        child.ParseFile(file);
        TypeAtEnd(child, QStringLiteral("5"));
        child.Save1Click();
        QVERIFY(!QFile::exists(file));
        QVERIFY(child.Memo1->document()->isModified());
        const QStringList errors = prompts.texts(PromptKind::Error);
        QCOMPARE(errors.size(), 1);
        QVERIFY(errors.first().startsWith(QStringLiteral("Cannot create file \"%1\". ").arg(file)));
    }

    void saveOverAFolderFailsAndKeepsTheBackup()
    {
        QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("d.dat")));
        QVERIFY(WriteBytes(path("d.BAK"), "older"));
        TChild child;
        child.ParseFile(path("d.dat"));
        TypeAtEnd(child, QStringLiteral("7"));
        child.Save1Click();
        QVERIFY(QFileInfo(path("d.dat")).isDir());
        QCOMPARE(ReadBytes(path("d.BAK")), QByteArray("older"));
        QCOMPARE(prompts.texts(PromptKind::Error).size(), 1);
        QVERIFY(child.Memo1->document()->isModified());
    }

    void saveAs()
    {
        QVERIFY(WriteBytes(path("a.dat"), "1"));
        auto child = openWindow(path("a.dat"));
        QCOMPARE(child->windowTitle(), path("a.dat"));
        QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("sub")));
        const QString target = path("sub/b.out");
        prompts.answerSave(target);
        child->SaveAs1Click();

        QCOMPARE(prompts.saveRequests.size(), 1);
        const FileDialogRequest request = prompts.saveRequests.first();
        QCOMPARE(request.title, QStringLiteral("Save file as..."));
        QCOMPARE(request.fileName, QStringLiteral("a.dat"));
        QCOMPARE(request.directory, dir->path() + QLatin1Char('/'));
        QCOMPARE(request.defaultSuffix, QStringLiteral("dat"));
        QCOMPARE(request.filters.size(), 3);
        QCOMPARE(request.selectedFilter, 0);

        QCOMPARE(child->windowTitle(), QStringLiteral("b.out"));
        QCOMPARE(CurrentFileName, target);
        QCOMPARE(ReadBytes(target), QByteArray("1"));
        QCOMPARE(ReadBytes(path("a.dat")), QByteArray("1"));
    }

    void saveAsSameNameMakesBackup()
    {
        QVERIFY(WriteBytes(path("s.dat"), "old"));
        auto child = openWindow(path("s.dat"));
        ReplaceText(*child, QStringLiteral("new"));
        prompts.answerSave(path("s.dat"));
        child->SaveAs1Click();
        QCOMPARE(ReadBytes(path("s.dat")), QByteArray("new"));
        QCOMPARE(ReadBytes(path("s.BAK")), QByteArray("old"));
    }

    void saveAsCancelledChangesNothing()
    {
        QVERIFY(WriteBytes(path("c.dat"), "1"));
        auto child = openWindow(path("c.dat"));
        ReplaceText(*child, QStringLiteral("2"));
        child->SaveAs1Click(); // no answer queued: cancelled
        QCOMPARE(child->FileName, QStringLiteral("c.dat"));
        QCOMPARE(child->windowTitle(), path("c.dat"));
        QVERIFY(child->Memo1->document()->isModified());
        QCOMPARE(ReadBytes(path("c.dat")), QByteArray("1"));
    }

    void savingDoesNotChangeCurrentFileName()
    {
        QVERIFY(WriteBytes(path("n.dat"), "1"));
        auto child = openWindow(path("n.dat"));
        CurrentFileName = QStringLiteral("elsewhere.dat");
        child->Save1Click();
        QCOMPARE(CurrentFileName, QStringLiteral("elsewhere.dat"));
    }

    void roundTrip_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("saved");
        QTest::addColumn<bool>("utf8");
        QByteArray every;
        for (int b = 0; b < 256; ++b)
            if (b != '\r' && b != '\n')
                every.append(static_cast<char>(b));
        QTest::newRow("every 8-bit byte") << every << every << false;
        QTest::newRow("cp1252 specials") << QByteArray("\xB1 \xA0 \x80 \xE9\r\n")
                                         << QByteArray("\xB1 \xA0 \x80 \xE9\r\n") << false;
        QTest::newRow("utf-8 with BOM") << QByteArray("\xEF\xBB\xBF\xC2\xB1 \xE2\x82\xAC")
                                        << QByteArray("\xEF\xBB\xBF\xC2\xB1 \xE2\x82\xAC") << true;
        QTest::newRow("utf-8 no-break space") << QByteArray("a\xC2\xA0"
                                                            "b")
                                              << QByteArray("a\xC2\xA0"
                                                            "b")
                                              << true;
        QTest::newRow("line breaks")
            << QByteArray("a\nb\rc\r\nd\n\re") << QByteArray("a\r\nb\r\nc\r\nd\r\n\r\ne") << false;
        QTest::newRow("final break kept")
            << QByteArray("1 2\r\n3 4\r\n") << QByteArray("1 2\r\n3 4\r\n") << false;
        QTest::newRow("empty file") << QByteArray() << QByteArray() << false;
    }

    void roundTrip()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, saved);
        QFETCH(bool, utf8);
        const QString file = path("r.dat");
        QVERIFY(WriteBytes(file, bytes));
        auto child = openWindow(file);
        QCOMPARE(child->IsUtf8(), utf8);
        QVERIFY(!child->Memo1->document()->isModified());
        child->Save1Click();
        QCOMPARE(ReadBytes(file), saved);
        QVERIFY(prompts.shown.isEmpty());
    }

    void encodingAfterEdits_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("saved");
        QTest::addColumn<bool>("announced"); // the change to UTF-8 is said
        QTest::newRow("utf-8 stays utf-8") << QByteArray("\xC3\xA9") << QStringLiteral("\u00b1")
                                           << QByteArray("\xC3\xA9\xC2\xB1") << false;
        QTest::newRow("cp1252 stays cp1252")
            << QByteArray("\xE9") << QStringLiteral("\u00b1") << QByteArray("\xE9\xB1") << false;
        QTest::newRow("ascii takes cp1252")
            << QByteArray("x") << QStringLiteral("\u20ac") << QByteArray("x\x80") << false;
        // A character Windows-1252 cannot hold is not turned into '?'.
        QTest::newRow("outside cp1252 goes utf-8") << QByteArray("\xE9") << QStringLiteral("\u03a9")
                                                   << QByteArray("\xC3\xA9\xCE\xA9") << true;
    }

    void encodingAfterEdits()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, typed);
        const QString file = path("e.dat");
        QVERIFY(WriteBytes(file, bytes));
        auto child = openWindow(file);
        child->Memo1->moveCursor(QTextCursor::End);
        child->Memo1->insertPlainText(typed);
        child->Save1Click();
        QTEST(ReadBytes(file), "saved");
        // Only the change from 8-bit text to UTF-8 is worth a word, and once.
        QFETCH(bool, announced);
        QCOMPARE(prompts.texts(PromptKind::Information).size(), announced ? 1 : 0);
        if (announced) {
            QVERIFY(prompts.texts(PromptKind::Information)
                        .first()
                        .contains(QStringLiteral("saved as UTF-8")));
            child->Memo1->insertPlainText(typed);
            child->Save1Click();
            QCOMPARE(prompts.texts(PromptKind::Information).size(), 1);
        }
    }

    void openFailureKeepsEmptyWindow()
    {
        TChild child;
        const QString missing = path("nothere.dat");
        try {
            child.Open(missing);
            QFAIL("Open of a missing file did not fail");
        } catch (const std::runtime_error &e) {
            const QString message = QString::fromStdString(e.what());
            QVERIFY2(message.startsWith(QStringLiteral("Cannot open file \"%1\". ").arg(missing)),
                     qPrintable(message));
            QVERIFY(message.size()
                    > QStringLiteral("Cannot open file \"%1\". ").arg(missing).size());
        }
        QCOMPARE(child.Memo1->toPlainText(), QStringLiteral("\n"));
        QVERIFY(!child.Memo1->document()->isModified());
    }

    void openFolderFails()
    {
        TChild child;
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, child.Open(dir->path()));
    }

    void openTooLargeFile()
    {
        // A sparse file: large on paper, no disk space used.
        const QString big = path("big.dat");
        QFile file(big);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(EditorCapacity + 1));
        file.close();
        TChild child;
        try {
            child.Open(big);
            QFAIL("Open of an oversized file did not fail");
        } catch (const std::runtime_error &e) {
            QCOMPARE(QString::fromStdString(e.what()),
                     QStringLiteral("Text exceeds memo capacity"));
        }
        QCOMPARE(child.Memo1->toPlainText(), QStringLiteral("\n"));
    }

    void openResetsState()
    {
        QVERIFY(WriteBytes(path("o.dat"), "a\r\nb"));
        TChild child;
        child.Search.MatchCase = true;
        child.Closing = true;
        child.Open(path("o.dat"));
        QCOMPARE(child.Memo1->toPlainText(), QStringLiteral("a\nb"));
        QCOMPARE(child.windowTitle(), QStringLiteral("o.dat"));
        QCOMPARE(child.Memo1->textCursor().position(), 0);
        QVERIFY(!child.Search.MatchCase);
        QVERIFY(!child.Closing);
        QCOMPARE(CurrentFileName, path("o.dat"));
    }

    void closeQuestionText()
    {
        TChild child;
        child.setAttribute(Qt::WA_DeleteOnClose, false);
        child.ParseFile(path("trees.dat"));
        TypeAtEnd(child, QStringLiteral("1"));
        prompts.answerConfirm(QMessageBox::Cancel);
        child.Close1Click();
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
                << route << int(QMessageBox::Yes) << true << QByteArray("\r\nedited");
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
        auto *child = new TChild;
        QMdiSubWindow *sub = area.addSubWindow(child);
        area.show();
        sub->show();
        const QPointer<TChild> alive(child);
        const QPointer<QMdiSubWindow> subAlive(sub);
        child->ParseFile(path("c.dat"));
        TypeAtEnd(*child, QStringLiteral("edited"));
        prompts.answerConfirm(static_cast<QMessageBox::StandardButton>(answer));
        if (route == 0)
            child->Close1Click();
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
            QVERIFY(child->Memo1->document()->isModified());
            QCOMPARE(child->Memo1->toPlainText(), QStringLiteral("\nedited"));
            QVERIFY(!child->Closing);
            // The next close asks again.
            prompts.answerConfirm(QMessageBox::No);
            sub->close();
            QCOMPARE(prompts.texts(PromptKind::Confirm).size(), 2);
        }
    }

    void unmodifiedWindowClosesWithoutQuestion()
    {
        QPointer<TChild> child = new TChild;
        child->Close1Click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(child.isNull());
        QVERIFY(prompts.shown.isEmpty());
    }

    void failedSaveAfterYesKeepsWindowOpen()
    {
        auto *child = new TChild;
        const QPointer<TChild> alive(child);
        child->ParseFile(path("nofolder/x.dat"));
        TypeAtEnd(*child, QStringLiteral("1"));
        prompts.answerConfirm(QMessageBox::Yes);
        child->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!alive.isNull());
        QCOMPARE(prompts.texts(PromptKind::Error).size(), 1);
        QVERIFY(child->Memo1->document()->isModified());
        // Close command, same outcome.
        prompts.answerConfirm(QMessageBox::Yes);
        child->Close1Click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!alive.isNull());
        QVERIFY(!child->Closing);
        delete child;
    }

    void fileCommandsRunTheFramesCommands()
    {
        TChild child;
        int newCount = 0, openCount = 0, exitCount = 0;
        connect(&child, &TChild::newRequested, this, [&] { ++newCount; });
        connect(&child, &TChild::openRequested, this, [&] { ++openCount; });
        connect(&child, &TChild::exitRequested, this, [&] { ++exitCount; });
        child.show();
        QVERIFY(QTest::qWaitForWindowActive(&child));
        child.Memo1->setFocus();
        QTest::keyClick(child.Memo1, Qt::Key_N, Qt::ControlModifier);
        QTest::keyClick(child.Memo1, Qt::Key_O, Qt::ControlModifier);
        child.OpenButton1->click();
        QTest::keyClick(child.Memo1, Qt::Key_X, Qt::AltModifier);
        QCOMPARE(newCount, 1);
        QCOMPARE(openCount, 2);
        QCOMPARE(exitCount, 1);
    }
};

QTEST_MAIN(TestEditorFiles)
#include "test_editorfiles.moc"
