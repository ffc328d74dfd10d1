// Editor window files: names, opening, saving with backups, failed saves and
// the save question on every closing route.

#include "editortestutil.h"
#include "gui/editor/editorwindow.h"
#include "gui/editor/textfile.h"
#include "scriptedprompts.h"

#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QStringEncoder>
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

    // A window showing the file, as the main window sets it up after Open.
    std::unique_ptr<EditorWindow> openWindow(const QString &file)
    {
        auto child = std::make_unique<EditorWindow>();
        child->setAttribute(Qt::WA_DeleteOnClose, false);
        child->load(file);
        child->setWindowTitle(file);
        child->setFilePath(file);
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
        QTest::newRow("dot-file") << "/h/.profile"
                                  << ".profile"
                                  << ""
                                  << "/h/"
                                  << ".profile.BAK";
        QTest::newRow("lower-case bak") << "/d/x.bak"
                                        << "x.bak"
                                        << ".bak"
                                        << "/d/"
                                        << "x.BAK";
    }

    void parseFile()
    {
        QFETCH(QString, name);
        EditorWindow child;
        QSignalSpy assigned(&child, &EditorWindow::filePathAssigned);
        child.setFilePath(name);
        QTEST(child.fileName(), "fileName");
        QTEST(child.fileExt(), "fileExt");
        QTEST(child.fileDir(), "fileDir");
        QTEST(child.backupName(), "backupName");
        QCOMPARE(assigned.size(), 1);
        QCOMPARE(assigned.first().at(0).toString(), name);
    }

    void newWindowStartsEmpty()
    {
        EditorWindow child;
        QCOMPARE(child.toPlainText(), QString());
        QVERIFY(!child.document()->isModified());
        QCOMPARE(child.textCursor().position(), 0);
    }

    void firstSaveOfNewWindowGoesToCurrentFolder()
    {
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir->path()));
        {
            EditorWindow child;
            child.setFilePath(QStringLiteral("DOC1.dat"));
            child.insertPlainText(QStringLiteral("1 2 \u00e9"));
            child.save();
            QVERIFY(!child.document()->isModified());
        }
        QDir::setCurrent(previous);
        QVERIFY(prompts.shown.isEmpty());
        // A new file is UTF-8 without a byte order mark, lines ending in LF.
        QCOMPARE(ReadBytes(path("DOC1.dat")), QByteArray("1 2 \xC3\xA9"));
        QCOMPARE(FilesIn(dir->path()), QStringList{"DOC1.dat"});
    }

    void firstSaveOfUntitledWindowAsksForAName()
    {
        QVERIFY(WriteBytes(path("DOC1.dat"), "yesterday\n"));
        for (const QString &answer : {QString(), path("mine.dat")}) {
            EditorWindow child;
            child.setFilePath(path("DOC1.dat"));
            child.setUntitled(true);
            child.insertPlainText(QStringLiteral("a\nb"));
            prompts.answerSave(answer);
            QCOMPARE(child.save(), !answer.isEmpty());
            QCOMPARE(prompts.saveRequests.last().fileName, QStringLiteral("DOC1.dat"));
            QCOMPARE(child.isModified(), answer.isEmpty());
        }
        QCOMPARE(ReadBytes(path("DOC1.dat")), QByteArray("yesterday\n"));
        QCOMPARE(ReadBytes(path("mine.dat")), QByteArray("a\nb"));
        QCOMPARE(FilesIn(dir->path()), (QStringList{"DOC1.dat", "mine.dat"}));
    }

    void folderUnderBackupNameRefusesSave()
    {
        QVERIFY(WriteBytes(path("f.dat"), "old"));
        QVERIFY(QDir(dir->path()).mkpath(QStringLiteral("f.BAK/inside")));
        auto child = openWindow(path("f.dat"));
        TypeAtEnd(*child, QStringLiteral("new"));
        QVERIFY(!child->save());
        QCOMPARE(prompts.texts(PromptKind::Error).size(), 1);
        QVERIFY(prompts.texts(PromptKind::Error).first().contains(QStringLiteral("folder")));
        QCOMPARE(ReadBytes(path("f.dat")), QByteArray("old"));
        QCOMPARE(FilesIn(path("f.BAK")), QStringList{"inside"});
        QCOMPARE(FilesIn(dir->path()), (QStringList{"f.BAK", "f.dat"}));
    }

    void twoSavesKeepOnlyThePreviousVersion()
    {
        const QString file = path("trees.dat");
        QVERIFY(WriteBytes(file, "one"));
        auto child = openWindow(file);
        ReplaceText(*child, QStringLiteral("two"));
        child->save();
        QCOMPARE(ReadBytes(file), QByteArray("two"));
        QCOMPARE(ReadBytes(path("trees.BAK")), QByteArray("one"));
        ReplaceText(*child, QStringLiteral("three"));
        child->save();
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
        data->save();
        QCOMPARE(ReadBytes(path("x.BAK")), QByteArray("data"));
        report->save();
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
        child->save();
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
            savedOk = child->save();
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
            child->save();
        }

        QCOMPARE(ReadBytes(path("t.dat")), QByteArray("version 2"));
        QCOMPARE(ReadBytes(path("t.BAK")), QByteArray("version 1"));
        QCOMPARE(FilesIn(dir->path()), (QStringList{"t.BAK", "t.dat"}));
        QVERIFY(child->document()->isModified());
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
        EditorWindow child;
        const QString file = path("missing/x.dat");
        child.setFilePath(file);
        TypeAtEnd(child, QStringLiteral("5"));
        child.save();
        QVERIFY(!QFile::exists(file));
        QVERIFY(child.document()->isModified());
        const QStringList errors = prompts.texts(PromptKind::Error);
        QCOMPARE(errors.size(), 1);
        QVERIFY(errors.first().startsWith(QStringLiteral("Cannot create file \"%1\". ").arg(file)));
    }

    void saveOverAFolderFailsAndKeepsTheBackup()
    {
        QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("d.dat")));
        QVERIFY(WriteBytes(path("d.BAK"), "older"));
        EditorWindow child;
        child.setFilePath(path("d.dat"));
        TypeAtEnd(child, QStringLiteral("7"));
        child.save();
        QVERIFY(QFileInfo(path("d.dat")).isDir());
        QCOMPARE(ReadBytes(path("d.BAK")), QByteArray("older"));
        QCOMPARE(prompts.texts(PromptKind::Error).size(), 1);
        QVERIFY(child.document()->isModified());
    }

    // A file with a second name is written in place: both names still show
    // one file, and the backup holds the previous text.
    void hardLinksStayLinked()
    {
        const QString name = QStringLiteral("h.dat");
        QVERIFY(WriteBytes(path(name), "1\n"));
        QVERIFY(::link(QFile::encodeName(path(name)).constData(),
                       QFile::encodeName(path("other")).constData())
                == 0);
        auto child = openWindow(path(name));
        TypeAtEnd(*child, QStringLiteral("2"));
        QVERIFY(child->save());
        struct stat file
        {
        }, other{};
        QCOMPARE(::stat(QFile::encodeName(path(name)).constData(), &file), 0);
        QCOMPARE(::stat(QFile::encodeName(path("other")).constData(), &other), 0);
        QCOMPARE(file.st_ino, other.st_ino);
        QCOMPARE(ReadBytes(path("other")), QByteArray("1\n2"));
        QCOMPARE(ReadBytes(path("h.BAK")), QByteArray("1\n"));
    }

    void backupThatCannotBeMadeAsks_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QByteArray>("onDisk");
        QTest::newRow("Yes saves without it") << int(QMessageBox::Yes) << QByteArray("12");
        QTest::newRow("No saves nothing") << int(QMessageBox::No) << QByteArray("1");
    }

    void backupThatCannotBeMadeAsks()
    {
        QVERIFY(WriteBytes(path("b.dat"), "1"));
        QVERIFY(::link(QFile::encodeName(path("b.dat")).constData(),
                       QFile::encodeName(path("second")).constData())
                == 0);
        // The backup's name leads into a folder that is not there.
        QVERIFY(QFile::link(path("missing/b.BAK"), path("b.BAK")));
        auto child = openWindow(path("b.dat"));
        TypeAtEnd(*child, QStringLiteral("2"));
        QFETCH(int, answer);
        prompts.answerConfirm(QMessageBox::StandardButton(answer));
        child->save();
        QVERIFY(prompts.texts(PromptKind::Confirm)
                    .first()
                    .endsWith(QStringLiteral("Save \"%1\" without a backup?").arg(path("b.dat"))));
        QTEST(ReadBytes(path("b.dat")), "onDisk");
        QVERIFY(prompts.texts(PromptKind::Error).isEmpty());
    }

    // Another program's text is not saved over without a word.
    void saveOverAnotherProgramsChangeAsks_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QByteArray>("onDisk");
        QTest::newRow("Yes saves") << int(QMessageBox::Yes) << QByteArray("1x");
        QTest::newRow("No keeps theirs") << int(QMessageBox::No) << QByteArray("theirs, longer");
    }

    void saveOverAnotherProgramsChangeAsks()
    {
        QVERIFY(WriteBytes(path("d.dat"), "1"));
        auto child = openWindow(path("d.dat"));
        TypeAtEnd(*child, QStringLiteral("x"));
        QVERIFY(WriteBytes(path("d.dat"), "theirs, longer"));
        QFETCH(int, answer);
        prompts.answerConfirm(QMessageBox::StandardButton(answer));
        QCOMPARE(child->save(), answer == QMessageBox::Yes);
        QVERIFY(prompts.texts(PromptKind::Confirm)
                    .first()
                    .contains(QStringLiteral("was changed by another program")));
        QTEST(ReadBytes(path("d.dat")), "onDisk");
        // Saved once, the file is the window's again: no question next time.
        if (answer == QMessageBox::Yes)
            QVERIFY(child->save());
    }

    void saveAs()
    {
        QVERIFY(WriteBytes(path("a.dat"), "1"));
        auto child = openWindow(path("a.dat"));
        QCOMPARE(child->windowTitle(), path("a.dat"));
        QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("sub")));
        const QString target = path("sub/b.out");
        prompts.answerSave(target);
        QSignalSpy assigned(child.get(), &EditorWindow::filePathAssigned);
        child->saveAs();

        QCOMPARE(prompts.saveRequests.size(), 1);
        const FileDialogRequest request = prompts.saveRequests.first();
        QCOMPARE(request.title, QStringLiteral("Save file as..."));
        QCOMPARE(request.fileName, QStringLiteral("a.dat"));
        QCOMPARE(request.directory, dir->path() + QLatin1Char('/'));
        QCOMPARE(request.defaultSuffix, QStringLiteral("dat"));
        QCOMPARE(request.filters.size(), 3);
        QCOMPARE(request.selectedFilter, 0);

        QCOMPARE(child->windowTitle(), QStringLiteral("b.out[*]"));
        QCOMPARE(assigned.size(), 1);
        QCOMPARE(assigned.first().at(0).toString(), target);
        QCOMPARE(ReadBytes(target), QByteArray("1"));
        QCOMPARE(ReadBytes(path("a.dat")), QByteArray("1"));
    }

    void saveAsSameNameMakesBackup()
    {
        QVERIFY(WriteBytes(path("s.dat"), "old"));
        auto child = openWindow(path("s.dat"));
        ReplaceText(*child, QStringLiteral("new"));
        prompts.answerSave(path("s.dat"));
        child->saveAs();
        QCOMPARE(ReadBytes(path("s.dat")), QByteArray("new"));
        QCOMPARE(ReadBytes(path("s.BAK")), QByteArray("old"));
    }

    void saveAsCancelledChangesNothing()
    {
        QVERIFY(WriteBytes(path("c.dat"), "1"));
        auto child = openWindow(path("c.dat"));
        ReplaceText(*child, QStringLiteral("2"));
        child->saveAs(); // no answer queued: cancelled
        QCOMPARE(child->fileName(), QStringLiteral("c.dat"));
        QCOMPARE(child->windowTitle(), path("c.dat"));
        QVERIFY(child->document()->isModified());
        QCOMPARE(ReadBytes(path("c.dat")), QByteArray("1"));
    }

    void savingHandsOnNoFileName()
    {
        QVERIFY(WriteBytes(path("n.dat"), "1"));
        auto child = openWindow(path("n.dat"));
        QSignalSpy assigned(child.get(), &EditorWindow::filePathAssigned);
        child->save();
        QCOMPARE(assigned.size(), 0);
    }

    void roundTrip_data()
    {
        // bytes, the encoding they are read in, and the answer to the question
        // about bytes that are not UTF-8 (0: no question).
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("encoding");
        QTest::addColumn<int>("answer");
        const int cp1252 = QMessageBox::No, keep = QMessageBox::Yes;
        QByteArray every;
        for (int b = 0; b < 256; ++b)
            every.append(static_cast<char>(b));
        QTest::newRow("every byte, Windows-1252") << every << "Windows-1252" << cp1252;
        QTest::newRow("every byte, UTF-8 kept") << every << "UTF-8" << keep;
        QTest::newRow("cp1252 specials")
            << QByteArray("\xB1 \xA0 \x80 \xE9\r\n") << "Windows-1252" << cp1252;
        QTest::newRow("bad byte in UTF-8 kept")
            << QByteArray("\xC3\xA9 \xE9 \xE2\x82\xAC\n") << "UTF-8" << keep;
        QTest::newRow("bad byte after a BOM kept")
            << QByteArray("\xEF\xBB\xBF\xFF 1\n") << "UTF-8 with BOM" << keep;
        QTest::newRow("utf-8 with BOM")
            << QByteArray("\xEF\xBB\xBF\xC2\xB1 \xE2\x82\xAC") << "UTF-8 with BOM" << 0;
        QTest::newRow("utf-8 no-break space") << QByteArray("a\xC2\xA0"
                                                            "b")
                                              << "UTF-8" << 0;
        // Every line keeps its own line end.
        QTest::newRow("mixed, LF first") << QByteArray("a\nb\rc\r\nd\n\re") << "UTF-8" << 0;
        QTest::newRow("mixed, CR LF first") << QByteArray("a\r\nb\rc\nd") << "UTF-8" << 0;
        QTest::newRow("CR only") << QByteArray("1\r2\r\r3\r") << "UTF-8" << 0;
        QTest::newRow("CR CR LF") << QByteArray("1\r\r\n2\r\r\n") << "UTF-8" << 0;
        QTest::newRow("lone CR inside CR LF") << QByteArray("1\r\n2\r3\r\n") << "UTF-8" << 0;
        QTest::newRow("U+2029") << QByteArray("1\xE2\x80\xA9"
                                              "2\n")
                                << "UTF-8" << 0;
        QTest::newRow("final break kept") << QByteArray("1 2\r\n3 4\r\n") << "UTF-8" << 0;
        QTest::newRow("empty file") << QByteArray() << "UTF-8" << 0;
        const QString wide = QStringLiteral("\u00e9 1\r\n\u20ac 2\r3\n\U0001F600\r\n");
        const QList<std::pair<QStringConverter::Encoding, const char *>> wideEncodings
            = {{QStringConverter::Utf16LE, "UTF-16 LE"},
               {QStringConverter::Utf16BE, "UTF-16 BE"},
               {QStringConverter::Utf32LE, "UTF-32 LE"},
               {QStringConverter::Utf32BE, "UTF-32 BE"}};
        for (const auto &[converter, name] : wideEncodings)
            QTest::newRow(name) << QByteArray(
                QStringEncoder(converter, QStringConverter::Flag::WriteBom).encode(wide))
                                << name << 0;
        // Files are read in blocks of 1 MiB: a character or a line across a
        // block's end is still one.
        const QByteArray block(1024 * 1024 - 1, 'x');
        QTest::newRow("utf-8 across blocks") << block + "\xE2\x82\xAC 1\r\n2"
                                             << "UTF-8" << 0;
        QTest::newRow("cp1252 found in a later block") << block + "\xE9 1\n" + block + "\xC3\xA9"
                                                       << "Windows-1252" << cp1252;
    }

    // Open and Save with no edit gives the same bytes; a bad byte asks once.
    void roundTrip()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, encoding);
        QFETCH(int, answer);
        const QString file = path("r.dat");
        QVERIFY(WriteBytes(file, bytes));
        if (answer)
            prompts.answerConfirm(QMessageBox::StandardButton(answer));
        auto child = openWindow(file);
        QCOMPARE(EncodingName(child->encoding()), encoding);
        QVERIFY(!child->document()->isModified());
        child->document()->setModified(true);
        child->save();
        QCOMPARE(ReadBytes(file), bytes);
        QCOMPARE(prompts.texts(PromptKind::Confirm).size(), answer ? 1 : 0);
        QCOMPARE(prompts.shown.size(), answer ? 1 : 0);
    }

    void newLinesTakeTheCommonEnd_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("saved");
        QTest::newRow("CR LF most")
            << QByteArray("1\n2\r\n3\r\n") << QByteArray("1\n2\r\n3\r\nx\r\n");
        QTest::newRow("CR only") << QByteArray("1\r2\r") << QByteArray("1\r2\rx\r");
        QTest::newRow("UTF-16: no text before the BOM") << QByteArray("\xFF\xFE"
                                                                      "1\0\r\0\n\0",
                                                                      8)
                                                        << QByteArray("\xFF\xFE"
                                                                      "1\0\r\0\n\0x\0\r\0\n\0",
                                                                      14);
    }

    void newLinesTakeTheCommonEnd()
    {
        QFETCH(QByteArray, bytes);
        QVERIFY(WriteBytes(path("n.dat"), bytes));
        auto child = openWindow(path("n.dat"));
        child->moveCursor(QTextCursor::End);
        QTest::keyClicks(child.get(), QStringLiteral("x"));
        QTest::keyClick(child.get(), Qt::Key_Return);
        child->save();
        QTEST(ReadBytes(path("n.dat")), "saved");
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
        QTest::newRow("ascii takes utf-8")
            << QByteArray("x") << QStringLiteral("\u20ac") << QByteArray("x\xE2\x82\xAC") << false;
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
        if (QString::fromUtf8(bytes).contains(QChar::ReplacementCharacter))
            prompts.answerConfirm(QMessageBox::No); // Windows-1252
        auto child = openWindow(file);
        child->moveCursor(QTextCursor::End);
        child->insertPlainText(typed);
        child->save();
        QTEST(ReadBytes(file), "saved");
        // Only the change from 8-bit text to UTF-8 is worth a word, and once.
        QFETCH(bool, announced);
        QCOMPARE(prompts.texts(PromptKind::Information).size(), announced ? 1 : 0);
        if (announced) {
            QVERIFY(prompts.texts(PromptKind::Information)
                        .first()
                        .contains(QStringLiteral("saved as UTF-8")));
            child->insertPlainText(typed);
            child->save();
            QCOMPARE(prompts.texts(PromptKind::Information).size(), 1);
        }
    }

    void editKeepsTheRestOfTheFile_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("utf-8, LF") << QByteArray("\xC3\xA9 1\n\xE2\x82\xAC 2\n\n3\n");
        QTest::newRow("cp1252, CR LF") << QByteArray("\xE9 1\r\n\x80 2\r\n\r\n3\r\n");
        QTest::newRow("utf-8 BOM, LF") << QByteArray("\xEF\xBB\xBF\xCE\xA9\n4");
    }

    // An edit changes its own line and no byte elsewhere.
    void editKeepsTheRestOfTheFile()
    {
        QFETCH(QByteArray, bytes);
        QVERIFY(WriteBytes(path("k.dat"), bytes));
        if (QString::fromUtf8(bytes).contains(QChar::ReplacementCharacter))
            prompts.answerConfirm(QMessageBox::No); // Windows-1252
        auto child = openWindow(path("k.dat"));
        child->moveCursor(QTextCursor::End);
        child->insertPlainText(QStringLiteral("9"));
        child->save();
        QCOMPARE(ReadBytes(path("k.dat")), bytes + "9");
    }

    void openFailureKeepsEmptyWindow()
    {
        EditorWindow child;
        const QString missing = path("nothere.dat");
        try {
            child.load(missing);
            QFAIL("Open of a missing file did not fail");
        } catch (const std::runtime_error &e) {
            const QString message = QString::fromStdString(e.what());
            QVERIFY2(message.startsWith(QStringLiteral("Cannot open file \"%1\". ").arg(missing)),
                     qPrintable(message));
            QVERIFY(message.size()
                    > QStringLiteral("Cannot open file \"%1\". ").arg(missing).size());
        }
        QCOMPARE(child.toPlainText(), QString());
        QVERIFY(!child.document()->isModified());
    }

    void openFolderFails()
    {
        EditorWindow child;
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, child.load(dir->path()));
    }

    void openTooLargeFile()
    {
        // A sparse file: large on paper, no disk space used.
        const QString big = path("big.dat");
        QFile file(big);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(EditorCapacity + 1));
        file.close();
        EditorWindow child;
        try {
            child.load(big);
            QFAIL("Open of an oversized file did not fail");
        } catch (const std::runtime_error &e) {
            QCOMPARE(QString::fromStdString(e.what()),
                     QStringLiteral("Text exceeds memo capacity"));
        }
        QCOMPARE(child.toPlainText(), QString());
    }

    // A key pressed while a file is read never reaches its text.
    void keysDuringOpenAreDropped()
    {
        QVERIFY(WriteBytes(path("q.dat"), "1 2\n"));
        EditorWindow child;
        QCoreApplication::postEvent(
            &child, new QKeyEvent(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a"));
        child.load(path("q.dat"));
        QCoreApplication::processEvents();
        QCOMPARE(child.toPlainText(), QStringLiteral("1 2\n"));
    }

    void openResetsState()
    {
        QVERIFY(WriteBytes(path("o.dat"), "a\r\nb"));
        EditorWindow child;
        child.restartSearch(true);
        QSignalSpy assigned(&child, &EditorWindow::filePathAssigned);
        child.load(path("o.dat"));
        QCOMPARE(child.toPlainText(), QStringLiteral("a\nb"));
        QCOMPARE(child.windowTitle(), QStringLiteral("o.dat[*]"));
        QCOMPARE(child.textCursor().position(), 0);
        QVERIFY(!child.searchState().MatchCase);
        QCOMPARE(assigned.size(), 1);
        QCOMPARE(assigned.first().at(0).toString(), path("o.dat"));
    }
};

QTEST_MAIN(TestEditorFiles)
#include "test_editorfiles.moc"
