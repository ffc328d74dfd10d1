// The 8-bit text conversions, the core message text and the scripted prompts.

#include "gui/common/fonts.h"
#include "gui/common/prompts.h"
#include "gui/common/text.h"
#include "scriptedprompts.h"

#include <QLabel>
#include <QMessageBox>
#include <QPrinter>
#include <QTimer>
#include <QtTest>

class TextPromptsTest : public QObject
{
    Q_OBJECT

private slots:
    void decodesCp1252_data();
    void decodesCp1252();
    void everyByteSurvivesRoundTrip();
    void encodesCharactersOutsideTheSetAsQuestionMark_data();
    void encodesCharactersOutsideTheSetAsQuestionMark();
    void detectsUtf8_data();
    void detectsUtf8();
    void coreStringsUseTheProgramsSet();
    void coreMessageTextKeepsLinesAndDecodesUtf8_data();
    void coreMessageTextKeepsLinesAndDecodesUtf8();

    void recordsEveryBoxWithItsKindInOrder();
    void answersConfirmFromQueueThenCancel();
    void answersFileDialogsFromQueuesAndRecordsRequests();
    void printAnswerCanRedirectToPdf();
    void fontAndUrlAnswers();
    void scopedPromptsInstallAndRestore();
    void readErrorBoxLinesUpItsCaret();
};

void TextPromptsTest::decodesCp1252_data()
{
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("unicode");
    QTest::newRow("ascii A") << 0x41 << 0x41;
    QTest::newRow("euro") << 0x80 << 0x20AC;
    QTest::newRow("single low quote") << 0x82 << 0x201A;
    QTest::newRow("ellipsis") << 0x85 << 0x2026;
    QTest::newRow("S caron") << 0x8A << 0x0160;
    QTest::newRow("unassigned 81") << 0x81 << 0x0081;
    QTest::newRow("unassigned 9D") << 0x9D << 0x009D;
    QTest::newRow("trade mark") << 0x99 << 0x2122;
    QTest::newRow("Y diaeresis") << 0x9F << 0x0178;
    QTest::newRow("no-break space") << 0xA0 << 0x00A0;
    QTest::newRow("plus-minus") << 0xB1 << 0x00B1;
    QTest::newRow("superscript two") << 0xB2 << 0x00B2;
    QTest::newRow("y diaeresis") << 0xFF << 0x00FF;
}

void TextPromptsTest::decodesCp1252()
{
    QFETCH(int, byte);
    QFETCH(int, unicode);
    const QString text = FromCp1252(QByteArray(1, static_cast<char>(byte)));
    QCOMPARE(text.size(), 1);
    QCOMPARE(int(text.at(0).unicode()), unicode);
    QCOMPARE(ToCp1252(text), QByteArray(1, static_cast<char>(byte)));
}

void TextPromptsTest::everyByteSurvivesRoundTrip()
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    const QString text = FromCp1252(all);
    QCOMPARE(text.size(), 256);
    QCOMPARE(ToCp1252(text), all);
    QCOMPARE(FromCore(ToCore(text)), text); // the core's UTF-8 holds every character
}

void TextPromptsTest::encodesCharactersOutsideTheSetAsQuestionMark_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("greek omega") << QStringLiteral("a\u03A9b") << QByteArray("a?b");
    QTest::newRow("emoji is one character")
        << QString::fromUtf8("x\xF0\x9F\x98\x80y") << QByteArray("x?y");
    QTest::newRow("euro and pound") << QStringLiteral("\u20AC\u00A3") << QByteArray("\x80\xA3");
    QTest::newRow("empty") << QString() << QByteArray();
}

void TextPromptsTest::encodesCharactersOutsideTheSetAsQuestionMark()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(ToCp1252(text), bytes);
}

void TextPromptsTest::detectsUtf8_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("utf8");
    QTest::newRow("plain ascii stays 8-bit") << QByteArray("1.5 2.5\r\n3\r\n") << false;
    QTest::newRow("empty") << QByteArray() << false;
    QTest::newRow("plus-minus in utf-8") << QByteArray("a \xC2\xB1 b") << true;
    QTest::newRow("plus-minus in 1252") << QByteArray("a \xB1 b") << false;
    QTest::newRow("euro in utf-8") << QByteArray("\xE2\x82\xAC") << true;
    QTest::newRow("four-byte character") << QByteArray("\xF0\x9F\x98\x80") << true;
    QTest::newRow("byte order mark") << QByteArray("\xEF\xBB\xBF"
                                                   "1 2")
                                     << true;
    QTest::newRow("overlong slash") << QByteArray("\xC0\xAF") << false;
    QTest::newRow("truncated at end") << QByteArray("ok \xE2\x82") << false;
    QTest::newRow("surrogate half") << QByteArray("\xED\xA0\x80") << false;
    QTest::newRow("beyond U+10FFFF") << QByteArray("\xF4\x90\x80\x80") << false;
    QTest::newRow("stray continuation") << QByteArray("a\x80") << false;
    QTest::newRow("valid then 1252") << QByteArray("\xC2\xB1 \xB1") << false;
}

void TextPromptsTest::detectsUtf8()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, utf8);
    QCOMPARE(LooksLikeUtf8(bytes), utf8);
}

void TextPromptsTest::coreStringsUseTheProgramsSet()
{
    QCOMPARE(FromCore("x \xC2\xB1 y"), QStringLiteral("x \u00B1 y"));
    QCOMPARE(ToCore(QStringLiteral("X\u00B2 donn\u00E9es")),
             std::string("X\xC2\xB2 donn\xC3\xA9"
                         "es"));
}

void TextPromptsTest::coreMessageTextKeepsLinesAndDecodesUtf8_data()
{
    QTest::addColumn<QByteArray>("core");
    QTest::addColumn<QString>("shown");
    QTest::newRow("read error")
        << QByteArray("Double expected in read\n\nProcessing Line : \nNo line read in file")
        << QStringLiteral("Double expected in read\n\nProcessing Line : \nNo line read in file");
    QTest::newRow("line breaks kept") << QByteArray("a\n\nb\n") << QStringLiteral("a\n\nb\n");
    QTest::newRow("UTF-8 character") << QByteArray("\xC2\xB1") << QStringLiteral("\u00B1");
    QTest::newRow("accented folder") << QByteArray("/tmp/donn\xC3\xA9"
                                                   "es/x.dat")
                                     << QStringLiteral("/tmp/donn\u00E9es/x.dat");
}

void TextPromptsTest::coreMessageTextKeepsLinesAndDecodesUtf8()
{
    QFETCH(QByteArray, core);
    QFETCH(QString, shown);
    QCOMPARE(CoreMessageText(core.toStdString()), shown);
}

void TextPromptsTest::recordsEveryBoxWithItsKindInOrder()
{
    ScriptedPrompts prompts;
    ScopedPrompts use(prompts);
    Prompts::current().message(QStringLiteral("one"));
    Prompts::current().error(QStringLiteral("two"));
    Prompts::current().information(QStringLiteral("three"));
    Prompts::current().confirm(QStringLiteral("four"));
    Prompts::current().message(QStringLiteral("five"));

    QCOMPARE(prompts.texts(), (QStringList{"one", "two", "three", "four", "five"}));
    QCOMPARE(prompts.texts(PromptKind::Message), (QStringList{"one", "five"}));
    QCOMPARE(prompts.texts(PromptKind::Error), QStringList{"two"});
    QCOMPARE(prompts.texts(PromptKind::Information), QStringList{"three"});
    QCOMPARE(prompts.texts(PromptKind::Confirm), QStringList{"four"});
    prompts.clear();
    QVERIFY(prompts.shown.isEmpty());
}

void TextPromptsTest::answersConfirmFromQueueThenCancel()
{
    ScriptedPrompts prompts;
    ScopedPrompts use(prompts);
    prompts.answerConfirm(QMessageBox::Yes);
    prompts.answerConfirm(QMessageBox::No);
    QCOMPARE(prompts.pendingAnswers(), 2);
    QCOMPARE(Prompts::current().confirm(QStringLiteral("a")), QMessageBox::Yes);
    QCOMPARE(Prompts::current().confirm(QStringLiteral("b")), QMessageBox::No);
    QCOMPARE(Prompts::current().confirm(QStringLiteral("c")), QMessageBox::Cancel);
    QCOMPARE(prompts.pendingAnswers(), 0);
}

void TextPromptsTest::answersFileDialogsFromQueuesAndRecordsRequests()
{
    ScriptedPrompts prompts;
    ScopedPrompts use(prompts);
    prompts.answerOpen(QStringLiteral("/data/trees.dat"));
    prompts.answerSave(QStringLiteral("/data/out.dat"));

    FileDialogRequest request;
    request.title = QStringLiteral("Open Data File");
    request.filters = QStringList{QStringLiteral("Data files (*.dat)")};
    QCOMPARE(Prompts::current().openFileName(nullptr, request), QStringLiteral("/data/trees.dat"));
    QCOMPARE(Prompts::current().openFileName(nullptr, request), QString());
    QCOMPARE(Prompts::current().saveFileName(nullptr, request), QStringLiteral("/data/out.dat"));
    QCOMPARE(Prompts::current().saveFileName(nullptr, request), QString());
    QCOMPARE(prompts.openRequests.size(), 2);
    QCOMPARE(prompts.saveRequests.size(), 2);
    QCOMPARE(prompts.openRequests.first().title, QStringLiteral("Open Data File"));
    QCOMPARE(prompts.openRequests.first().filters, request.filters);
}

void TextPromptsTest::printAnswerCanRedirectToPdf()
{
    ScriptedPrompts prompts;
    ScopedPrompts use(prompts);
    QPrinter printer;
    prompts.answerPrint(true, QStringLiteral("/tmp/out.pdf"));
    QVERIFY(Prompts::current().printDialog(nullptr, printer));
    QCOMPARE(printer.outputFormat(), QPrinter::PdfFormat);
    QCOMPARE(printer.outputFileName(), QStringLiteral("/tmp/out.pdf"));
    QVERIFY(!Prompts::current().printDialog(nullptr, printer)); // empty queue: cancelled
    prompts.answerPrinterSetup(true);
    QVERIFY(Prompts::current().printerSetup(nullptr, printer));
    QVERIFY(!Prompts::current().printerSetup(nullptr, printer));
    QCOMPARE(prompts.printDialogs, 2);
    QCOMPARE(prompts.printerSetups, 2);
}

void TextPromptsTest::fontAndUrlAnswers()
{
    ScriptedPrompts prompts;
    ScopedPrompts use(prompts);
    QFont font(QStringLiteral("Courier New"), 10);
    const QFont chosen(QStringLiteral("Times New Roman"), 14);
    prompts.answerFont(chosen);
    prompts.cancelFont();
    QVERIFY(Prompts::current().chooseFont(nullptr, font));
    QCOMPARE(font.family(), chosen.family());
    QVERIFY(!Prompts::current().chooseFont(nullptr, font));
    QCOMPARE(font.family(), chosen.family()); // a cancelled dialog leaves the font
    QCOMPARE(prompts.fontRequests.size(), 2);
    QCOMPARE(prompts.fontRequests.first().family(), QStringLiteral("Courier New"));

    prompts.answerOpenUrl(true);
    QVERIFY(Prompts::current().openUrl(QUrl(QStringLiteral("https://example.org/"))));
    QVERIFY(!Prompts::current().openUrl(QUrl(QStringLiteral("https://example.org/x"))));
    QCOMPARE(prompts.urls.size(), 2);
}

void TextPromptsTest::scopedPromptsInstallAndRestore()
{
    Prompts *before = &Prompts::current();
    ScriptedPrompts outer;
    {
        ScriptedPrompts prompts;
        ScopedPrompts use(prompts);
        QCOMPARE(&Prompts::current(), static_cast<Prompts *>(&prompts));
        Prompts::current().message(CoreMessageText("Integer expected in read\n\nok"));
        QCOMPARE(prompts.texts(PromptKind::Message),
                 QStringList{QStringLiteral("Integer expected in read\n\nok")});
    }
    QCOMPARE(&Prompts::current(), before);
    {
        ScopedPrompts use(outer);
        Prompts::current().message(QStringLiteral("after"));
    }
    QCOMPARE(outer.texts(PromptKind::Message), QStringList{QStringLiteral("after")});
    QCOMPARE(&Prompts::current(), before);
}

void TextPromptsTest::readErrorBoxLinesUpItsCaret()
{
    // The caret under a read error's data line points at the bad token only
    // in a font of equal widths; other messages keep the box's own font.
    InstallFontSubstitutes();
    const QString readError = CoreMessageText("Double expected in read\n\n"
                                              "Processing Line : \n1 2 abc 4\n     ^");
    struct Seen
    {
        bool shown = false;
        bool fixedPitch = false;
    };
    const auto fontOfBox = [](const QString &text) {
        Seen seen;
        QTimer::singleShot(0, [&seen] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            seen.shown = true;
            if (auto *label = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label")))
                seen.fixedPitch = QFontInfo(label->font()).fixedPitch();
            box->accept();
        });
        DialogPrompts().message(text);
        return seen;
    };
    const Seen caret = fontOfBox(readError);
    QVERIFY(caret.shown);
    QVERIFY(caret.fixedPitch);
    const Seen plain = fontOfBox(QStringLiteral("Please enter the degrees of freedom."));
    QVERIFY(plain.shown);
    QVERIFY(!plain.fixedPitch);
}

QTEST_MAIN(TextPromptsTest)
#include "tst_textprompts.moc"
