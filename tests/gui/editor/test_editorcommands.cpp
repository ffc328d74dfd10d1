// Editor window commands that work on the text: clipboard, enabling of the
// Edit items, alignment, word wrap, fonts, find and replace.

#include "editortestutil.h"
#include "gui/editor/finddialogs.h"
#include "gui/editor/mdichild.h"
#include "scriptedprompts.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTextDocument>
#include <QToolButton>

#include <memory>

class TestEditorCommands : public QObject
{
    Q_OBJECT

private:
    ScriptedPrompts prompts;
    std::unique_ptr<ScopedPrompts> scoped;
    std::unique_ptr<TChild> child;

    void setText(const QString &text)
    {
        child->Memo1->setPlainText(text);
        child->Memo1->document()->setModified(false);
    }

    QString selection() const { return child->Memo1->textCursor().selectedText(); }
    int selectionStart() const { return child->Memo1->textCursor().selectionStart(); }

    static void clearClipboard() { QGuiApplication::clipboard()->clear(QClipboard::Clipboard); }
    static bool clipboardHasText()
    {
        const QMimeData *data = QGuiApplication::clipboard()->mimeData(QClipboard::Clipboard);
        return data && data->hasText();
    }

    void pressFind(const QString &pattern)
    {
        child->FindTextDlg->FindEdit->setText(pattern);
        child->FindTextDlg->FindNextButton->click();
    }

private slots:
    void init()
    {
        prompts.clear();
        scoped = std::make_unique<ScopedPrompts>(prompts);
        child = std::make_unique<TChild>();
        child->setAttribute(Qt::WA_DeleteOnClose, false);
        child->show();
        QVERIFY(QTest::qWaitForWindowActive(child.get()));
        child->Memo1->setFocus();
        clearClipboard();
    }

    void cleanup()
    {
        child.reset();
        QCOMPARE(prompts.pendingAnswers(), 0);
        scoped.reset();
    }

    // --- clipboard and the Edit items --------------------------------------

    void enableEdits_data()
    {
        QTest::addColumn<bool>("selected");
        QTest::addColumn<bool>("clipboardText");
        QTest::newRow("nothing") << false << false;
        QTest::newRow("selection only") << true << false;
        QTest::newRow("clipboard only") << false << true;
        QTest::newRow("both") << true << true;
    }

    void enableEdits()
    {
        QFETCH(bool, selected);
        QFETCH(bool, clipboardText);
        setText(QStringLiteral("alpha beta"));
        if (selected)
            SelectRange(*child, 0, 5);
        if (clipboardText)
            QGuiApplication::clipboard()->setText(QStringLiteral("x"));
        // Opening the Edit menu recomputes the states.
        emit child->Edit1->aboutToShow();
        QCOMPARE(child->Cut1->isEnabled(), selected);
        QCOMPARE(child->Copy1->isEnabled(), selected);
        QCOMPARE(child->Delete1->isEnabled(), selected);
        QCOMPARE(child->Paste1->isEnabled(), clipboardText);
        QVERIFY(child->SelectAll1->isEnabled());
        QVERIFY(child->CopyButton->isEnabled());
        QVERIFY(child->PasteText->isEnabled());
        QVERIFY(child->DelTextButton->isEnabled());
    }

    void copyKeyWithoutSelectionLeavesClipboard()
    {
        setText(QStringLiteral("alpha"));
        QGuiApplication::clipboard()->setText(QStringLiteral("kept"));
        QTest::keyClick(child->Memo1, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("kept"));
    }

    void shortcutsActOnTheStateWhenPressed()
    {
        setText(QStringLiteral("alpha beta"));
        // The menu opened with no selection disabled Cut and Delete...
        emit child->Edit1->aboutToShow();
        QVERIFY(!child->Cut1->isEnabled());
        // ...but a selection made afterwards is cut by the key.
        SelectRange(*child, 0, 6);
        QTest::keyClick(child->Memo1, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(child->Memo1->toPlainText(), QStringLiteral("beta"));
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("alpha "));
        // Paste goes in at the caret.
        child->Memo1->moveCursor(QTextCursor::End);
        QTest::keyClick(child->Memo1, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(child->Memo1->toPlainText(), QStringLiteral("betaalpha "));
        // Delete removes the selection and leaves the clipboard alone.
        SelectRange(*child, 0, 4);
        QTest::keyClick(child->Memo1, Qt::Key_D, Qt::ControlModifier);
        QCOMPARE(child->Memo1->toPlainText(), QStringLiteral("alpha "));
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("alpha "));
        // With nothing selected the keys change nothing.
        QTest::keyClick(child->Memo1, Qt::Key_X, Qt::ControlModifier);
        QTest::keyClick(child->Memo1, Qt::Key_D, Qt::ControlModifier);
        QCOMPARE(child->Memo1->toPlainText(), QStringLiteral("alpha "));
    }

    void toolButtonsWithoutSelectionChangeNothing()
    {
        setText(QStringLiteral("alpha"));
        QGuiApplication::clipboard()->setText(QStringLiteral("kept"));
        child->CopyButton->click();
        child->DelTextButton->click();
        child->CutTextButton->click();
        QCOMPARE(child->Memo1->toPlainText(), QStringLiteral("alpha"));
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("kept"));
        QVERIFY(!child->Memo1->document()->isModified());
        clearClipboard();
        QVERIFY(!clipboardHasText());
        child->PasteText->click();
        QCOMPARE(child->Memo1->toPlainText(), QStringLiteral("alpha"));
    }

    void copyKeepsLineBreaksAndNoBreakSpaces()
    {
        setText(QStringLiteral("a\u00a0b\ncd"));
        child->SelectAll1->trigger();
        child->CopyButton->click();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("a\u00a0b\ncd"));
    }

    // --- alignment and word wrap --------------------------------------------

    void alignment_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("checked");
        QTest::addColumn<int>("alignment");
        QTest::newRow("menu right then left button")
            << QStringList{"Right1", "LeftButton"} << "Left1" << int(Qt::AlignLeft);
        QTest::newRow("menu center")
            << QStringList{"Center1"} << "Center1" << int(Qt::AlignHCenter);
        QTest::newRow("right button")
            << QStringList{"RightButton"} << "Right1" << int(Qt::AlignRight);
        QTest::newRow("center button then menu right")
            << QStringList{"CenterButton", "Right1"} << "Right1" << int(Qt::AlignRight);
        QTest::newRow("same item twice stays checked")
            << QStringList{"Center1", "Center1"} << "Center1" << int(Qt::AlignHCenter);
    }

    void alignment()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, checked);
        QFETCH(int, alignment);
        QVERIFY(!child->Left1->isChecked() && !child->Right1->isChecked()
                && !child->Center1->isChecked());
        for (const QString &step : steps) {
            if (step == "Right1")
                child->Right1->trigger();
            else if (step == "Center1")
                child->Center1->trigger();
            else if (step == "LeftButton")
                child->LeftJustifyButton->click();
            else if (step == "RightButton")
                child->RightJustifyButton->click();
            else if (step == "CenterButton")
                child->CenterTextButton->click();
        }
        QCOMPARE(child->Left1->isChecked(), checked == "Left1");
        QCOMPARE(child->Right1->isChecked(), checked == "Right1");
        QCOMPARE(child->Center1->isChecked(), checked == "Center1");
        QCOMPARE(int(child->Memo1->document()->defaultTextOption().alignment()
                     & Qt::AlignHorizontal_Mask),
                 alignment);
    }

    void wordWrapToggles()
    {
        QCOMPARE(child->Memo1->lineWrapMode(), QPlainTextEdit::NoWrap);
        QCOMPARE(child->Memo1->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        child->WordWrap1->trigger();
        QCOMPARE(child->Memo1->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        QCOMPARE(child->Memo1->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(child->Memo1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QVERIFY(child->WordWrap1->isChecked());
        child->WordWrap1->trigger();
        QCOMPARE(child->Memo1->lineWrapMode(), QPlainTextEdit::NoWrap);
        QCOMPARE(child->Memo1->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QVERIFY(!child->WordWrap1->isChecked());
    }

    // --- fonts ----------------------------------------------------------------

    void fontBoxesStartFilled()
    {
        QCOMPARE(child->ComboBox1->currentText(), QStringLiteral("Courier New"));
        QCOMPARE(child->ComboBox2->currentText(), QStringLiteral("10"));
        QCOMPARE(child->ComboBox2->count(), 67);
        QCOMPARE(child->ComboBox2->itemText(0), QStringLiteral("6"));
        QCOMPARE(child->ComboBox2->itemText(66), QStringLiteral("72"));
        QVERIFY(child->ComboBox1->count() > 0);
        QCOMPARE(child->Memo1->font().pointSize(), 10);
        QCOMPARE(child->FontPoints(), 10);
    }

    void sizeText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("points");
        QTest::newRow("plain") << "14" << 14;
        QTest::newRow("leading blanks") << "  16" << 16;
        QTest::newRow("digits then letters") << "12pt" << 12;
        QTest::newRow("minus dropped on error") << "-12pt" << 12;
        QTest::newRow("clean negative") << "-12" << -12;
        QTest::newRow("plus sign") << "+9" << 9;
        QTest::newRow("no digits") << "abc" << 0;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("too many digits") << "99999999999" << 999999999;
    }

    void sizeText()
    {
        QFETCH(QString, text);
        QFETCH(int, points);
        child->ComboBox2->setEditText(text);
        QCOMPARE(child->FontPoints(), points);
        // What the screen shows stays a usable size.
        QVERIFY(child->Memo1->font().pointSize() > 0);
        if (points != 0 && std::abs(points) <= 500)
            QCOMPARE(child->Memo1->font().pointSize(), std::abs(points));
        QCOMPARE(QApplication::focusWidget(), child->Memo1);
    }

    void fontDialogThenSizeBoxRestoresBoxName()
    {
        QFont chosen(QStringLiteral("Liberation Serif"));
        chosen.setPointSize(20);
        chosen.setItalic(true);
        prompts.answerFont(chosen);
        child->Font1->trigger();
        QCOMPARE(prompts.fontRequests.size(), 1);
        QCOMPARE(prompts.fontRequests.first().family(), QStringLiteral("System"));
        QCOMPARE(child->Memo1->font().family(), QStringLiteral("Liberation Serif"));
        QVERIFY(child->Memo1->font().italic());
        QCOMPARE(child->FontPoints(), 20);
        // The boxes are not updated from the dialog.
        QCOMPARE(child->ComboBox1->currentText(), QStringLiteral("Courier New"));

        child->ComboBox2->setEditText(QStringLiteral("14"));
        QCOMPARE(child->Memo1->font().family(), QStringLiteral("Courier New"));
        QCOMPARE(child->Memo1->font().pointSize(), 14);
        QVERIFY(child->Memo1->font().italic());

        // The dialog shows the font last chosen in it next time.
        prompts.cancelFont();
        child->SelectFontButton->click();
        QCOMPARE(prompts.fontRequests.last().family(), QStringLiteral("Liberation Serif"));
        QCOMPARE(child->Memo1->font().pointSize(), 14);
    }

    void fontDialogKeepsTextColour()
    {
        QPalette red = child->Memo1->palette();
        const QColor before = red.color(QPalette::Text);
        QCOMPARE(before, QColor(Qt::black));
        prompts.answerFont(QFont(QStringLiteral("Liberation Sans"), 12));
        child->Font1Click();
        QCOMPARE(child->Memo1->palette().color(QPalette::Text), before);
    }

    void fontNameBox()
    {
        child->ComboBox2->setEditText(QStringLiteral("18"));
        child->ComboBox1->setEditText(QStringLiteral("Liberation Sans"));
        QCOMPARE(child->Memo1->font().family(), QStringLiteral("Liberation Sans"));
        QCOMPARE(child->Memo1->font().pointSize(), 18);
        QCOMPARE(QApplication::focusWidget(), child->Memo1);
    }

    // --- find -----------------------------------------------------------------

    void emptyTextHasNothingToSearch()
    {
        setText(QString());
        child->FindText->trigger();
        child->Replace->trigger();
        QCOMPARE(prompts.texts(PromptKind::Information),
                 (QStringList{"No text to search", "No text to search/replace."}));
        QVERIFY(child->FindTextDlg == nullptr || !child->FindTextDlg->isVisible());
        QVERIFY(child->ReplaceDialog == nullptr || !child->ReplaceDialog->isVisible());
    }

    void findOpensWithSelectionAndFromTheTop()
    {
        setText(QStringLiteral("one two\ntwo one"));
        SelectRange(*child, 12, 3); // the second "one"
        child->FindText->trigger();
        QVERIFY(child->FindTextDlg->isVisible());
        QCOMPARE(child->FindTextDlg->FindEdit->text(), QStringLiteral("one"));
        QVERIFY(child->FindTextDlg->DownButton->isChecked());
        QVERIFY(!child->FindTextDlg->matchCase());
        // The search starts at the top, not at the caret.
        child->FindTextDlg->FindNextButton->click();
        QCOMPARE(selectionStart(), 0);
        QCOMPARE(selection(), QStringLiteral("one"));
        QCOMPARE(QApplication::focusWidget(), child->Memo1);
    }

    void overlappingOccurrences()
    {
        setText(QStringLiteral("xx\naaaa"));
        child->FindText->trigger();
        QList<int> starts;
        for (int i = 0; i < 3; ++i) {
            pressFind(QStringLiteral("aa"));
            starts.append(selectionStart());
        }
        // Line 2 starts at document position 3: columns 1, 2 and 3.
        QCOMPARE(starts, (QList<int>{3, 4, 5}));
        QVERIFY(prompts.shown.isEmpty());
        QVERIFY(child->FindTextDlg->isVisible());
        pressFind(QStringLiteral("aa"));
        QCOMPARE(prompts.texts(PromptKind::Information),
                 QStringList{"String \"aa\" was not found."});
        // After the message the search starts over.
        pressFind(QStringLiteral("aa"));
        QCOMPARE(selectionStart(), 3);
    }

    void matchCase()
    {
        setText(QStringLiteral("Tree tree TREE"));
        child->FindText->trigger();
        QList<int> starts;
        for (int i = 0; i < 3; ++i) {
            pressFind(QStringLiteral("TREE"));
            starts.append(selectionStart());
        }
        QCOMPARE(starts, (QList<int>{0, 5, 10}));
        QVERIFY(prompts.shown.isEmpty());
        // Ticking the box takes effect at the next press.
        child->FindTextDlg->MatchCaseBox->setChecked(true);
        pressFind(QStringLiteral("tree")); // a new pattern: from the top
        QCOMPARE(selectionStart(), 5);
        pressFind(QStringLiteral("tree"));
        QCOMPARE(prompts.texts(PromptKind::Information),
                 QStringList{"String \"tree\" was not found."});
    }

    void nonAsciiCaseInsensitive()
    {
        setText(QStringLiteral("\u03b1\u03b2\u03b3 \u00e9t\u00e9"));
        child->FindText->trigger();
        pressFind(QStringLiteral("\u0392\u0393"));
        QCOMPARE(selectionStart(), 1);
        pressFind(QStringLiteral("\u00c9T\u00c9"));
        QCOMPARE(selectionStart(), 4);
    }

    void newPatternRestartsAtTop()
    {
        setText(QStringLiteral("ab ab ab"));
        child->FindText->trigger();
        pressFind(QStringLiteral("ab"));
        pressFind(QStringLiteral("ab"));
        QCOMPARE(selectionStart(), 3);
        pressFind(QStringLiteral("b"));
        QCOMPARE(selectionStart(), 1);
    }

    void findBeyondColumn255()
    {
        const QString line = QString(600, QLatin1Char('-')) + QStringLiteral("needle");
        setText(QStringLiteral("first\n") + line);
        child->FindText->trigger();
        pressFind(QStringLiteral("NEEDLE"));
        QVERIFY(prompts.shown.isEmpty());
        QCOMPARE(selectionStart(), 6 + 600);
        QCOMPARE(selection(), QStringLiteral("needle"));
    }

    void findInReplaceDialog()
    {
        setText(QStringLiteral("cat cat"));
        child->Replace->trigger();
        child->ReplaceDialog->FindEdit->setText(QStringLiteral("cat"));
        child->ReplaceDialog->FindNextButton->click();
        child->ReplaceDialog->FindNextButton->click();
        QCOMPARE(selectionStart(), 4);
    }

    // --- replace ----------------------------------------------------------------

    void replaceChangesFirstOccurrenceWhateverWasFound()
    {
        setText(QStringLiteral("cat\ncat cat"));
        child->Replace->trigger();
        TReplaceDialog *dialog = child->ReplaceDialog;
        dialog->FindEdit->setText(QStringLiteral("cat"));
        for (int i = 0; i < 3; ++i)
            dialog->FindNextButton->click();
        QCOMPARE(selectionStart(), 8); // the third occurrence
        dialog->ReplaceEdit->setText(QStringLiteral("dog"));
        dialog->ReplaceButton->click();
        QCOMPARE(child->Memo1->toPlainText(), QStringLiteral("dog\ncat cat"));
        QVERIFY(child->Memo1->document()->isModified());
        QVERIFY(prompts.shown.isEmpty());
        // Replace again: the next first occurrence.
        dialog->ReplaceButton->click();
        QCOMPARE(child->Memo1->toPlainText(), QStringLiteral("dog\ndog cat"));
    }

    void replaceAll_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("replacement");
        QTest::addColumn<bool>("matchCase");
        QTest::addColumn<QString>("result");
        QTest::newRow("replacement contains pattern") << "a a\naa"
                                                      << "a"
                                                      << "ba" << false << "ba ba\nbaba";
        QTest::newRow("joined occurrence stays") << "aabb"
                                                 << "ab"
                                                 << "" << false << "ab";
        QTest::newRow("case ignored") << "Cat CAT"
                                      << "cat"
                                      << "dog" << false << "dog dog";
        QTest::newRow("case must match") << "Cat cat"
                                         << "cat"
                                         << "dog" << true << "Cat dog";
        QTest::newRow("long line")
            << QString(300, QLatin1Char('x')) + "," + QString(300, QLatin1Char('x')) + ","
            << ","
            << ";" << false
            << QString(300, QLatin1Char('x')) + ";" + QString(300, QLatin1Char('x')) + ";";
    }

    void replaceAll()
    {
        QFETCH(QString, text);
        setText(text);
        child->Replace->trigger();
        TReplaceDialog *dialog = child->ReplaceDialog;
        QFETCH(QString, pattern);
        QFETCH(QString, replacement);
        QFETCH(bool, matchCase);
        dialog->FindEdit->setText(pattern);
        dialog->ReplaceEdit->setText(replacement);
        dialog->MatchCaseBox->setChecked(matchCase);
        dialog->ReplaceAllButton->click();
        QTEST(child->Memo1->toPlainText(), "result");
        QVERIFY(child->Memo1->document()->isModified());
        QVERIFY(prompts.shown.isEmpty());
        // One command, one undo step.
        child->Memo1->undo();
        QCOMPARE(child->Memo1->toPlainText(), text);
    }

    void replaceAllWithoutOccurrenceChangesNothing()
    {
        setText(QStringLiteral("abc\ndef"));
        child->Replace->trigger();
        child->ReplaceDialog->FindEdit->setText(QStringLiteral("zz"));
        child->ReplaceDialog->ReplaceEdit->setText(QStringLiteral("y"));
        child->ReplaceDialog->ReplaceAllButton->click();
        child->ReplaceDialog->ReplaceButton->click();
        QCOMPARE(child->Memo1->toPlainText(), QStringLiteral("abc\ndef"));
        QVERIFY(!child->Memo1->document()->isModified());
        QVERIFY(prompts.shown.isEmpty());
    }

    void replacementWithLineBreakKeepsLaterLines()
    {
        // Called directly, a replacement may split lines; the lines after it
        // are still each replaced once.
        setText(QStringLiteral("a1\na2\na3"));
        child->ReplaceAll(QStringLiteral("a"), QStringLiteral("b\nb"));
        QCOMPARE(child->Memo1->toPlainText(), QStringLiteral("b\nb1\nb\nb2\nb\nb3"));
    }
};

QTEST_MAIN(TestEditorCommands)
#include "test_editorcommands.moc"
