// Help: the shipped help files, the help window, context lookup and F1.

#include "gui/common/help.h"
#include "gui/common/helpviewer.h"
#include "gui/common/prompts.h"
#include "recordinghelp.h"
#include "scriptedprompts.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>
#include <QVBoxLayout>
#include <QtTest>

namespace {

QString SourceHelp(const QString &name)
{
    return QDir(qEnvironmentVariable("MERVAN_SOURCE_DIR"))
        .filePath(QStringLiteral("resources/help/") + name);
}

} // namespace

class HelpTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void shippedFilesAnswerEveryContext_data();
    void shippedFilesAnswerEveryContext();
    void shippedLinksLeadToTopics_data();
    void shippedLinksLeadToTopics();
    void buildPutsHelpFilesInTheHelpFolder_data();
    void buildPutsHelpFilesInTheHelpFolder();
    void parserRefusesBrokenFiles_data();
    void parserRefusesBrokenFiles();

    void contextForFocusTakesNearestAncestor();
    void helpFileComesFromWindowOrApplication();

    void f1InWindowWithoutMenuAsksForFocusContext();
    void f1InWindowWithMenuIsLeftToItsHelpCommand();
    void f1OnHighlightedMenuItemAsksForItsContext();
    void fileDialogWithContextHasHelp();

    void viewerShowsTopicsByNumberIndexAndLinks();
    void openingALinkFollowsTheOpenersAnswer();
    void missingHelpFileGivesMessage();
    void viewerAboveModalDialogLeavesWithEscape();
};

void HelpTest::initTestCase()
{
    QVERIFY2(!qEnvironmentVariable("MERVAN_SOURCE_DIR").isEmpty(), "MERVAN_SOURCE_DIR not set");
    InstallHelpKeys(*qobject_cast<QApplication *>(QCoreApplication::instance()));
}

void HelpTest::shippedFilesAnswerEveryContext_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("context");
    for (int context : {1, 2, 4, 5, 6, 7, 8, 9, 10, 68})
        QTest::addRow("mervan %d", context) << "mervan.hlp" << context;
    for (int context : {1, 2, 3})
        QTest::addRow("Ombrelay %d", context) << "Ombrelay.hlp" << context;
}

void HelpTest::shippedFilesAnswerEveryContext()
{
    QFETCH(QString, file);
    QFETCH(int, context);
    HelpDocument document;
    QVERIFY2(document.load(SourceHelp(file)), qPrintable(document.errorString()));
    const HelpTopic *topic = document.topic(context);
    QVERIFY2(topic, qPrintable(QStringLiteral("no topic %1 in %2").arg(context).arg(file)));
    QVERIFY(!topic->title.isEmpty());
    // Real content, not a placeholder: a few sentences of text.
    QTextDocument text;
    text.setHtml(topic->html);
    QVERIFY2(text.toPlainText().simplified().size() > 200, qPrintable(topic->title));
}

void HelpTest::shippedLinksLeadToTopics_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("mervan") << "mervan.hlp";
    QTest::newRow("Ombrelay") << "Ombrelay.hlp";
}

void HelpTest::shippedLinksLeadToTopics()
{
    QFETCH(QString, file);
    HelpDocument document;
    QVERIFY(document.load(SourceHelp(file)));
    const QRegularExpression link(QStringLiteral("href=\"topic:(\\d+)\""));
    int links = 0;
    for (const HelpTopic &topic : document.topics()) {
        for (const auto &match : link.globalMatch(topic.html)) {
            ++links;
            QVERIFY2(document.topic(match.captured(1).toInt()),
                     qPrintable(QStringLiteral("topic %1 links to missing %2")
                                    .arg(topic.context)
                                    .arg(match.captured(1))));
        }
    }
    QVERIFY(links > 0);
}

void HelpTest::buildPutsHelpFilesInTheHelpFolder_data()
{
    shippedLinksLeadToTopics_data();
}

void HelpTest::buildPutsHelpFilesInTheHelpFolder()
{
    QFETCH(QString, file);
    // The build tree is laid out like an installation: bin/../share/mervan.
    const QString folder
        = QCoreApplication::applicationDirPath() + QStringLiteral("/../share/mervan");
    QFile built(QDir(folder).filePath(file));
    QFile source(SourceHelp(file));
    QVERIFY2(built.open(QIODevice::ReadOnly), qPrintable(built.fileName()));
    QVERIFY(source.open(QIODevice::ReadOnly));
    QCOMPARE(built.readAll(), source.readAll());
}

void HelpTest::parserRefusesBrokenFiles_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("error");
    QTest::newRow("text before topics") << "@help H\n<p>stray</p>\n@topic 1 A\nx"
                                        << "line 2";
    QTest::newRow("same number twice") << "@topic 1 A\nx\n@topic 1 B\ny"
                                       << "line 3";
    QTest::newRow("number missing") << "@topic Contents\nx"
                                    << "line 1";
    QTest::newRow("number zero") << "@topic 0 Zero\nx"
                                 << "line 1";
    QTest::newRow("title missing") << "@topic 4\nx"
                                   << "line 1";
    QTest::newRow("unknown line") << "@topic 1 A\n@tpoic 2 B"
                                  << "line 2";
    QTest::newRow("no topics") << "@help Empty\n"
                               << "no topics";
}

void HelpTest::parserRefusesBrokenFiles()
{
    QFETCH(QString, text);
    QFETCH(QString, error);
    HelpDocument document;
    QVERIFY(!document.parse(text));
    QVERIFY2(document.errorString().contains(error), qPrintable(document.errorString()));
    QVERIFY(document.topics().isEmpty());

    QVERIFY(document.parse(
        QStringLiteral("@help H\n@-- note\n@topic 3 T\n@keywords a; b\n<p>x</p>\r\n")));
    QCOMPARE(document.topic(3)->keywords, (QStringList{"a", "b"}));
    QCOMPARE(document.topic(3)->html, QStringLiteral("<p>x</p>\n\n"));
}

void HelpTest::contextForFocusTakesNearestAncestor()
{
    QDialog window;
    auto *group = new QGroupBox(&window);
    auto *inner = new QWidget(group);
    auto *edit = new QLineEdit(inner);
    auto *other = new QLineEdit(&window);
    auto *layout = new QVBoxLayout(&window);
    layout->addWidget(group);
    layout->addWidget(other);

    QCOMPARE(ContextForFocus(&window), 0); // nothing carries a context
    setHelpContext(&window, 68);
    setHelpContext(group, 9);
    edit->setFocus();
    QCOMPARE(ContextForFocus(&window), 9); // from the enclosing group
    setHelpContext(edit, 7);
    QCOMPARE(ContextForFocus(&window), 7); // the control's own
    other->setFocus();
    QCOMPARE(ContextForFocus(&window), 68); // from the window
    QCOMPARE(ContextForFocus(nullptr), 0);
}

void HelpTest::helpFileComesFromWindowOrApplication()
{
    const QString helpDir = QDir::cleanPath(QCoreApplication::applicationDirPath()
                                            + QStringLiteral("/../share/mervan"));
    SetApplicationHelpFile(QString());
    QCOMPARE(ApplicationHelpFile(),
             helpDir + '/' + QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName()
                 + ".hlp");

    SetApplicationHelpFile(QStringLiteral("/opt/mervan/mervan.hlp"));
    QWidget frame;
    auto *child = new QWidget(&frame);
    auto *memo = new QLineEdit(child);
    QCOMPARE(HelpFileFor(memo), QStringLiteral("/opt/mervan/mervan.hlp"));
    setHelpFile(child, QStringLiteral("Ombrelay"));
    QCOMPARE(HelpFileFor(memo), helpDir + QStringLiteral("/Ombrelay.hlp"));
    QCOMPARE(HelpFileFor(&frame), QStringLiteral("/opt/mervan/mervan.hlp"));
    QCOMPARE(ResolveHelpFile(QStringLiteral("/a/b.hlp")), QStringLiteral("/a/b.hlp"));
    QCOMPARE(ResolveHelpFile(QStringLiteral("Mervan.hlp")),
             helpDir + QStringLiteral("/Mervan.hlp"));
    SetApplicationHelpFile(QString());
}

void HelpTest::f1InWindowWithoutMenuAsksForFocusContext()
{
    RecordingHelp help;
    SetApplicationHelpFile(QStringLiteral("/opt/mervan/mervan.hlp"));
    QDialog dialog;
    auto *group = new QGroupBox(&dialog);
    auto *edit = new QLineEdit(group);
    auto *plain = new QLineEdit(&dialog);
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(group);
    layout->addWidget(plain);
    setHelpContext(group, 9);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_F1);
    plain->setFocus();
    QTest::keyClick(plain, Qt::Key_F1); // no context anywhere: the contents
    QCOMPARE(help.requests,
             (QList<HelpRequest>{{"/opt/mervan/mervan.hlp", 9}, {"/opt/mervan/mervan.hlp", 0}}));
    SetApplicationHelpFile(QString());
}

void HelpTest::fileDialogWithContextHasHelp()
{
    // The file dialog's Help button and F1 both show its topic, and the
    // dialog stays open for the choice.
    RecordingHelp help;
    SetApplicationHelpFile(QStringLiteral("/opt/mervan/mervan.hlp"));
    bool helpButtonFound = false;
    bool stayedOpen = false;
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        QPushButton *button
            = dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Help);
        helpButtonFound = button != nullptr;
        if (button)
            button->click();
        QTest::keyClick(dialog->focusWidget(), Qt::Key_F1);
        stayedOpen = dialog->isVisible();
        dialog->reject();
    });
    FileDialogRequest request;
    request.title = QStringLiteral("Open Data File");
    request.helpContext = 6;
    DialogPrompts prompts;
    QCOMPARE(prompts.openFileName(nullptr, request), QString());
    QVERIFY(helpButtonFound);
    QVERIFY(stayedOpen);
    QCOMPARE(help.requests,
             (QList<HelpRequest>{{"/opt/mervan/mervan.hlp", 6}, {"/opt/mervan/mervan.hlp", 6}}));

    // Without a context there is no Help button.
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        helpButtonFound
            = dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Help) != nullptr;
        dialog->reject();
    });
    request.helpContext = 0;
    prompts.openFileName(nullptr, request);
    QVERIFY(!helpButtonFound);
    SetApplicationHelpFile(QString());
}

void HelpTest::f1InWindowWithMenuIsLeftToItsHelpCommand()
{
    RecordingHelp help;
    QMainWindow frame;
    auto *memo = new QLineEdit;
    setHelpContext(memo, 5);
    frame.setCentralWidget(memo);
    QAction *help1
        = frame.menuBar()->addMenu(QStringLiteral("&Help"))->addAction(QStringLiteral("&Help"));
    help1->setShortcut(Qt::Key_F1);
    int runs = 0;
    connect(help1, &QAction::triggered, this, [&] { ++runs; });
    frame.show();
    frame.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&frame));
    memo->setFocus();
    QTest::keyClick(memo, Qt::Key_F1);
    QCOMPARE(runs, 1);
    QVERIFY(help.requests.isEmpty());

    // A menu closed with Esc leaves its title highlighted in the bar; F1 is
    // still the window's command, not the topic of that menu.
    QMenu *helpMenu = help1->menu() ? help1->menu() : qobject_cast<QMenu *>(help1->parent());
    setMenuHelp(helpMenu, QString(), 4);
    QTest::keyClick(&frame, Qt::Key_H, Qt::AltModifier);
    QTRY_VERIFY(helpMenu->isVisible());
    QTest::keyClick(helpMenu, Qt::Key_Escape);
    QTRY_VERIFY(!helpMenu->isVisible());
    QVERIFY(QApplication::focusWidget());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    QCOMPARE(runs, 2);
    QVERIFY(help.requests.isEmpty());
}

void HelpTest::f1OnHighlightedMenuItemAsksForItsContext()
{
    RecordingHelp help;
    SetApplicationHelpFile(QStringLiteral("/opt/mervan/mervan.hlp"));
    QMainWindow frame;
    auto *editor = new QLineEdit; // stands for an editor window with its own help file
    setHelpFile(editor, QStringLiteral("/opt/mervan/Ombrelay.hlp"));
    frame.setCentralWidget(editor);
    QMenu *statistics = frame.menuBar()->addMenu(QStringLiteral("&Statistics"));
    QAction *chi = statistics->addAction(QStringLiteral("&Chi-squared distribution"));
    setHelpContext(chi, 8);
    auto *editMenu = frame.menuBar()->addMenu(QStringLiteral("&Edit"));
    auto *copy = new QAction(QStringLiteral("&Copy"), editor); // the editor's own command
    setHelpContext(copy, 3);
    editMenu->addAction(copy);
    QAction *help1
        = frame.menuBar()->addMenu(QStringLiteral("&Help"))->addAction(QStringLiteral("&Help"));
    help1->setShortcut(Qt::Key_F1);
    int helpRuns = 0;
    connect(help1, &QAction::triggered, this, [&] { ++helpRuns; });
    frame.show();
    frame.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&frame));
    editor->setFocus();

    statistics->popup(frame.mapToGlobal(QPoint(10, 10)));
    QVERIFY(QTest::qWaitForWindowExposed(statistics));
    statistics->setActiveAction(chi);
    QTest::keyClick(statistics, Qt::Key_F1);
    QTRY_VERIFY(!statistics->isVisible());

    editMenu->popup(frame.mapToGlobal(QPoint(10, 10)));
    QVERIFY(QTest::qWaitForWindowExposed(editMenu));
    editMenu->setActiveAction(copy);
    QTest::keyClick(editMenu, Qt::Key_F1);

    QCOMPARE(help.requests,
             (QList<HelpRequest>{{"/opt/mervan/mervan.hlp", 8}, {"/opt/mervan/Ombrelay.hlp", 3}}));
    QCOMPARE(helpRuns, 0);
    SetApplicationHelpFile(QString());
}

void HelpTest::viewerShowsTopicsByNumberIndexAndLinks()
{
    ScriptedPrompts prompts;
    ScopedPrompts use(prompts);
    HelpViewer viewer;
    QVERIFY2(viewer.openFile(SourceHelp(QStringLiteral("mervan.hlp"))),
             qPrintable(viewer.errorString()));
    QCOMPARE(viewer.windowTitle(), QStringLiteral("Mervan Help"));
    QCOMPARE(viewer.contentsList()->count(), viewer.document().topics().size());

    viewer.showTopics();
    QCOMPARE(viewer.currentContext(), 1);
    QVERIFY(viewer.showContext(8));
    QVERIFY(viewer.browser()->toPlainText().contains(QStringLiteral("Chi-squared distribution")));
    QVERIFY(!viewer.showContext(3));
    QVERIFY(viewer.browser()->toPlainText().contains(QStringLiteral("no topic with the number 3")));

    // The index finds a word by its first letters; Enter opens its topic.
    viewer.show();
    QTest::keyClicks(viewer.indexField(), QStringLiteral("STAND"));
    QVERIFY(viewer.indexList()->currentItem());
    QVERIFY(viewer.indexList()->currentItem()->text().startsWith(QStringLiteral("standard"),
                                                                 Qt::CaseInsensitive));
    QTest::keyClick(viewer.indexField(), Qt::Key_Return);
    QCOMPARE(viewer.currentContext(), 6);

    // A link to another topic, a link to the web, and back again.
    emit viewer.browser()->anchorClicked(QUrl(QStringLiteral("topic:68")));
    QCOMPARE(viewer.currentContext(), 68);
    prompts.answerOpenUrl(true);
    emit viewer.browser()->anchorClicked(QUrl(QStringLiteral("https://example.org/")));
    QCOMPARE(prompts.urls, QList<QUrl>{QUrl(QStringLiteral("https://example.org/"))});
    QVERIFY(prompts.texts().isEmpty());
    // Without a browser the link says so.
    prompts.answerOpenUrl(false);
    emit viewer.browser()->anchorClicked(QUrl(QStringLiteral("https://example.org/")));
    QCOMPARE(prompts.texts(),
             QStringList{"Cannot open \"https://example.org/\": no web browser "
                         "could be started."});
    QCOMPARE(viewer.currentContext(), 68);
    QPushButton *back = nullptr;
    for (QPushButton *button : viewer.findChildren<QPushButton *>()) {
        if (button->text() == QStringLiteral("&Back"))
            back = button;
    }
    QVERIFY(back && back->isEnabled());
    back->click();
    QCOMPARE(viewer.currentContext(), 6);
    // The contents come back whatever topic is open.
    viewer.showTopics();
    QCOMPARE(viewer.currentContext(), 1);
    viewer.hide();
}

// The desktop's opener decides: its failure (no browser) is reported, its
// success or a browser still running after a while counts as opened.
void HelpTest::openingALinkFollowsTheOpenersAnswer()
{
    QTemporaryDir bin;
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", bin.path().toLocal8Bit());
    QFile opener(bin.filePath(QStringLiteral("xdg-open")));
    for (const auto &[script, opened] :
         {std::pair{"exit 3", false}, {"exit 0", true}, {"exec /bin/sleep 4", true}, {"", false}}) {
        QVERIFY(opener.open(QIODevice::WriteOnly | QIODevice::Truncate));
        opener.write(QByteArray("#!/bin/sh\n") + script);
        opener.close();
        // The last case has no opener at all.
        opener.setPermissions(QFile::ReadOwner | QFile::WriteOwner
                              | (*script ? QFile::ExeOwner : QFile::Permissions()));
        QCOMPARE(DialogPrompts().openUrl(QUrl(QStringLiteral("https://example.org/"))), opened);
    }
    qputenv("PATH", path);
}

void HelpTest::missingHelpFileGivesMessage()
{
    ScriptedPrompts prompts;
    ScopedPrompts use(prompts);
    const QString missing = QStringLiteral("/nonexistent-folder/Mervan.hlp");
    QVERIFY(!HelpViewer::forFile(missing));
    HelpSystem::current().showContext(missing, 7);
    HelpSystem::current().showTopics(missing);
    const QStringList texts = prompts.texts(PromptKind::Message);
    QCOMPARE(texts.size(), 3);
    for (const QString &text : texts)
        QVERIFY2(text.startsWith(QStringLiteral(
                     "Cannot open the help file \"/nonexistent-folder/Mervan.hlp\".")),
                 qPrintable(text));

    // The real file opens, and the same window serves later requests.
    HelpViewer *viewer = HelpViewer::forFile(SourceHelp(QStringLiteral("Ombrelay.hlp")));
    QVERIFY(viewer);
    QCOMPARE(HelpViewer::forFile(SourceHelp(QStringLiteral("Ombrelay.hlp"))), viewer);
    HelpSystem::current().showContext(SourceHelp(QStringLiteral("Ombrelay.hlp")), 2);
    QCOMPARE(viewer->currentContext(), 2);
    QVERIFY(viewer->isVisible());
    viewer->close();
    delete viewer;
}

void HelpTest::viewerAboveModalDialogLeavesWithEscape()
{
    // Help asked for from a modal dialog must be usable while the dialog
    // waits, and the dialog must answer again once the help window is left.
    const QString file = SourceHelp(QStringLiteral("mervan.hlp"));
    QDialog dialog;
    auto *button = new QPushButton(QStringLiteral("OK"), &dialog);
    QObject::connect(button, &QPushButton::clicked, &dialog, &QDialog::accept);
    QPointer<HelpViewer> viewer;
    QWidget *modalWithHelp = nullptr;
    QWidget *modalAfterEscape = nullptr;
    bool hiddenAfterEscape = false;
    QTimer::singleShot(0, &dialog, [&] {
        if (!QTest::qWaitForWindowExposed(&dialog))
            return dialog.done(-1);
        HelpSystem::current().showContext(file, 68);
        viewer = HelpViewer::forFile(file);
        if (!viewer || !QTest::qWaitForWindowActive(viewer))
            return dialog.done(-2);
        modalWithHelp = QApplication::activeModalWidget();
        QTest::keyClick(viewer->browser(), Qt::Key_Escape);
        hiddenAfterEscape = !viewer->isVisible();
        modalAfterEscape = QApplication::activeModalWidget();
        QTest::mouseClick(button, Qt::LeftButton);
    });
    QTimer guard;
    QObject::connect(&guard, &QTimer::timeout, &dialog, [&] { dialog.done(-3); });
    guard.start(5000);
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QVERIFY(viewer);
    QCOMPARE(viewer->currentContext(), 68);
    QCOMPARE(modalWithHelp, static_cast<QWidget *>(viewer.data()));
    QVERIFY(hiddenAfterEscape);
    QCOMPARE(modalAfterEscape, static_cast<QWidget *>(&dialog));
    delete viewer.data();
}

QTEST_MAIN(HelpTest)
#include "tst_help.moc"
