// The main window's editor commands that work on the text of the active
// editor window: clipboard, enabling of the Edit items, alignment, word wrap,
// fonts, find and replace.

#include "editortestutil.h"
#include "gui/editor/editorwindow.h"
#include "gui/mainwindow/mainwindow.h"
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
#include <QSignalSpy>
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
    std::unique_ptr<MainWindow> window;
    EditorWindow *child = nullptr;

    QAction *action(const char *name) const
    {
        return window->findChild<QAction *>(QString::fromLatin1(name));
    }
    QToolButton *button(const char *name) const { return ButtonFor(*window, action(name)); }
    QComboBox *box(const char *name) const
    {
        return window->findChild<QComboBox *>(QString::fromLatin1(name));
    }
    // Types into a font box and presses Enter, which applies it.
    void enter(const char *name, const QString &text) const
    {
        box(name)->setEditText(text);
        QTest::keyClick(box(name)->lineEdit(), Qt::Key_Return);
    }
    template <class Widget>
    static Widget *control(const QWidget *dialog, const char *name)
    {
        return dialog->findChild<Widget *>(QString::fromLatin1(name));
    }

    void setText(const QString &text)
    {
        child->setPlainText(text);
        child->document()->setModified(false);
    }

    QString selection() const { return child->textCursor().selectedText(); }
    int selectionStart() const { return child->textCursor().selectionStart(); }

    static void clearClipboard() { QGuiApplication::clipboard()->clear(QClipboard::Clipboard); }
    static bool clipboardHasText()
    {
        const QMimeData *data = QGuiApplication::clipboard()->mimeData(QClipboard::Clipboard);
        return data && data->hasText();
    }

    void pressFind(const QString &pattern)
    {
        control<QLineEdit>(child->findDialog(), "findEdit")->setText(pattern);
        control<QPushButton>(child->findDialog(), "findNextButton")->click();
    }

private slots:
    void init()
    {
        prompts.clear();
        scoped = std::make_unique<ScopedPrompts>(prompts);
        window = std::make_unique<MainWindow>();
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        window->newFile();
        child = window->activeEditor();
        QVERIFY(child);
        child->setFocus();
        clearClipboard();
    }

    void cleanup()
    {
        window.reset();
        child = nullptr;
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
        emit window->findChild<QMenu *>(QStringLiteral("editMenu"))->aboutToShow();
        QCOMPARE(action("actionCut")->isEnabled(), selected);
        QCOMPARE(action("actionCopy")->isEnabled(), selected);
        QCOMPARE(action("actionDelete")->isEnabled(), selected);
        QCOMPARE(action("actionPaste")->isEnabled(), clipboardText);
        QVERIFY(action("actionSelectAll")->isEnabled());
        // The tool buttons are the same commands.
        QCOMPARE(button("actionCopy")->isEnabled(), selected);
        QCOMPARE(button("actionPaste")->isEnabled(), clipboardText);
        QCOMPARE(button("actionDelete")->isEnabled(), selected);
    }

    void copyKeyWithoutSelectionLeavesClipboard()
    {
        setText(QStringLiteral("alpha"));
        QGuiApplication::clipboard()->setText(QStringLiteral("kept"));
        QTest::keyClick(child, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("kept"));
    }

    void shortcutsActOnTheStateWhenPressed()
    {
        setText(QStringLiteral("alpha beta"));
        // The menu opened with no selection disabled Cut and Delete...
        emit window->findChild<QMenu *>(QStringLiteral("editMenu"))->aboutToShow();
        QVERIFY(!action("actionCut")->isEnabled());
        // ...but a selection made afterwards is cut by the key.
        SelectRange(*child, 0, 6);
        QTest::keyClick(child, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(child->toPlainText(), QStringLiteral("beta"));
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("alpha "));
        // Paste goes in at the caret.
        child->moveCursor(QTextCursor::End);
        QTest::keyClick(child, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(child->toPlainText(), QStringLiteral("betaalpha "));
        // Delete removes the selection and leaves the clipboard alone.
        SelectRange(*child, 0, 4);
        QTest::keyClick(child, Qt::Key_D, Qt::ControlModifier);
        QCOMPARE(child->toPlainText(), QStringLiteral("alpha "));
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("alpha "));
        // With nothing selected the keys change nothing.
        QTest::keyClick(child, Qt::Key_X, Qt::ControlModifier);
        QTest::keyClick(child, Qt::Key_D, Qt::ControlModifier);
        QCOMPARE(child->toPlainText(), QStringLiteral("alpha "));
    }

    void toolButtonsWithoutSelectionChangeNothing()
    {
        setText(QStringLiteral("alpha"));
        QGuiApplication::clipboard()->setText(QStringLiteral("kept"));
        button("actionCopy")->click();
        button("actionDelete")->click();
        button("actionCut")->click();
        QCOMPARE(child->toPlainText(), QStringLiteral("alpha"));
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("kept"));
        QVERIFY(!child->document()->isModified());
        clearClipboard();
        QVERIFY(!clipboardHasText());
        button("actionPaste")->click();
        QCOMPARE(child->toPlainText(), QStringLiteral("alpha"));
    }

    void copyKeepsLineBreaksAndNoBreakSpaces()
    {
        setText(QStringLiteral("a\u00a0b\ncd"));
        action("actionSelectAll")->trigger();
        button("actionCopy")->click();
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
        QVERIFY(!action("actionAlignLeft")->isChecked() && !action("actionAlignRight")->isChecked()
                && !action("actionAlignCenter")->isChecked());
        for (const QString &step : steps) {
            if (step == "Right1")
                action("actionAlignRight")->trigger();
            else if (step == "Center1")
                action("actionAlignCenter")->trigger();
            else if (step == "LeftButton")
                button("actionAlignLeft")->click();
            else if (step == "RightButton")
                button("actionAlignRight")->click();
            else if (step == "CenterButton")
                button("actionAlignCenter")->click();
        }
        QCOMPARE(action("actionAlignLeft")->isChecked(), checked == "Left1");
        QCOMPARE(action("actionAlignRight")->isChecked(), checked == "Right1");
        QCOMPARE(action("actionAlignCenter")->isChecked(), checked == "Center1");
        QCOMPARE(int(child->document()->defaultTextOption().alignment() & Qt::AlignHorizontal_Mask),
                 alignment);
    }

    void wordWrapToggles()
    {
        QCOMPARE(child->lineWrapMode(), QPlainTextEdit::NoWrap);
        QCOMPARE(child->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        action("actionWordWrap")->trigger();
        QCOMPARE(child->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        QCOMPARE(child->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(child->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QVERIFY(action("actionWordWrap")->isChecked());
        action("actionWordWrap")->trigger();
        QCOMPARE(child->lineWrapMode(), QPlainTextEdit::NoWrap);
        QCOMPARE(child->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QVERIFY(!action("actionWordWrap")->isChecked());
    }

    // --- fonts ----------------------------------------------------------------

    void fontBoxesStartFilled()
    {
        QCOMPARE(box("fontFamilyBox")->currentText(), QStringLiteral("Courier New"));
        QCOMPARE(box("fontSizeBox")->currentText(), QStringLiteral("10"));
        QCOMPARE(box("fontSizeBox")->count(), 67);
        QCOMPARE(box("fontSizeBox")->itemText(0), QStringLiteral("6"));
        QCOMPARE(box("fontSizeBox")->itemText(66), QStringLiteral("72"));
        QVERIFY(box("fontFamilyBox")->count() > 0);
        QCOMPARE(child->font().pointSize(), 10);
        QCOMPARE(child->fontPoints(), 10);
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
        enter("fontSizeBox", text);
        QCOMPARE(child->fontPoints(), points);
        // What the screen shows stays a usable size.
        QVERIFY(child->font().pointSize() > 0);
        if (points != 0 && std::abs(points) <= 500)
            QCOMPARE(child->font().pointSize(), std::abs(points));
        QCOMPARE(QApplication::focusWidget(), child);
    }

    void fontDialogThenSizeBoxRestoresBoxName()
    {
        QFont chosen(QStringLiteral("Liberation Serif"));
        chosen.setPointSize(20);
        chosen.setItalic(true);
        prompts.answerFont(chosen);
        action("actionFont")->trigger();
        QCOMPARE(prompts.fontRequests.size(), 1);
        // The dialog opens at the window's font.
        QCOMPARE(prompts.fontRequests.first().family(), QStringLiteral("Courier New"));
        QCOMPARE(prompts.fontRequests.first().pointSize(), 10);
        QCOMPARE(child->font().family(), QStringLiteral("Liberation Serif"));
        QVERIFY(child->font().italic());
        QCOMPARE(child->fontPoints(), 20);
        // The boxes are not updated from the dialog.
        QCOMPARE(box("fontFamilyBox")->currentText(), QStringLiteral("Courier New"));

        enter("fontSizeBox", QStringLiteral("14"));
        QCOMPARE(child->font().family(), QStringLiteral("Courier New"));
        QCOMPARE(child->font().pointSize(), 14);
        QVERIFY(child->font().italic());

        // Next time too, style included.
        prompts.cancelFont();
        button("actionFont")->click();
        QCOMPARE(prompts.fontRequests.last().family(), QStringLiteral("Courier New"));
        QVERIFY(prompts.fontRequests.last().italic());
        QCOMPARE(prompts.fontRequests.last().pointSize(), 14);
        QCOMPARE(child->font().pointSize(), 14);
    }

    void fontDialogKeepsTextColour()
    {
        QPalette red = child->palette();
        const QColor before = red.color(QPalette::Text);
        QCOMPARE(before, QColor(Qt::black));
        prompts.answerFont(QFont(QStringLiteral("Liberation Sans"), 12));
        child->chooseFont();
        QCOMPARE(child->palette().color(QPalette::Text), before);
    }

    // Keys typed into a font box stay there until Enter applies the box.
    void fontBoxesKeepTheirKeys_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("typed");
        QTest::newRow("name") << "fontFamilyBox"
                              << "Liberation Mono";
        QTest::newRow("size") << "fontSizeBox"
                              << "24";
    }

    void fontBoxesKeepTheirKeys()
    {
        QFETCH(QString, name);
        QFETCH(QString, typed);
        setText(QStringLiteral("data"));
        QComboBox *b = box(name.toLatin1().constData());
        b->lineEdit()->selectAll();
        QTest::keyClicks(b->lineEdit(), typed);
        QCOMPARE(b->currentText(), typed);
        QCOMPARE(child->font().pointSize(), 10);
        QCOMPARE(child->font().family(), QStringLiteral("Courier New"));
        QTest::keyClick(b->lineEdit(), Qt::Key_Return);
        QCOMPARE(child->toPlainText(), QStringLiteral("data"));
        QCOMPARE(QApplication::focusWidget(), child);
        QCOMPARE(name == QStringLiteral("fontSizeBox") ? QString::number(child->fontPoints())
                                                       : child->font().family(),
                 typed);
    }

    void fontNameBox()
    {
        enter("fontSizeBox", QStringLiteral("18"));
        enter("fontFamilyBox", QStringLiteral("Liberation Sans"));
        QCOMPARE(child->font().family(), QStringLiteral("Liberation Sans"));
        QCOMPARE(child->font().pointSize(), 18);
        QCOMPARE(QApplication::focusWidget(), child);
    }

    // --- find -----------------------------------------------------------------

    void emptyTextHasNothingToSearch()
    {
        setText(QString());
        action("actionFind")->trigger();
        action("actionReplace")->trigger();
        QCOMPARE(prompts.texts(PromptKind::Information),
                 (QStringList{"No text to search", "No text to search/replace."}));
        QVERIFY(child->findDialog() == nullptr || !child->findDialog()->isVisible());
        QVERIFY(child->replaceDialog() == nullptr || !child->replaceDialog()->isVisible());
    }

    void findOpensWithSelectionAndFromTheTop()
    {
        setText(QStringLiteral("one two\ntwo one"));
        SelectRange(*child, 12, 3); // the second "one"
        action("actionFind")->trigger();
        QVERIFY(QTest::qWaitForWindowActive(child->findDialog()));
        // Offscreen windows take the keyboard only when asked.
        child->findDialog()->activateWindow();
        QTRY_VERIFY(child->findDialog()->isAncestorOf(QApplication::focusWidget()));
        QCOMPARE(control<QLineEdit>(child->findDialog(), "findEdit")->text(),
                 QStringLiteral("one"));
        QVERIFY(control<QRadioButton>(child->findDialog(), "downButton")->isChecked());
        QVERIFY(!child->findDialog()->matchCase());
        // The search starts at the top, not at the caret.
        control<QPushButton>(child->findDialog(), "findNextButton")->click();
        QCOMPARE(selectionStart(), 0);
        QCOMPARE(selection(), QStringLiteral("one"));
        // The keyboard stays in the dialog: Enter searches on, the text is untouched.
        QVERIFY(child->findDialog()->isAncestorOf(QApplication::focusWidget()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(child->toPlainText(), QStringLiteral("one two\ntwo one"));
        QCOMPARE(selectionStart(), 12);
    }

    void findKeys()
    {
        setText(QStringLiteral("ab ab"));
        QTest::keyClick(child, Qt::Key_F, Qt::ControlModifier);
        QVERIFY(child->findDialog() && child->findDialog()->isVisible());
        pressFind(QStringLiteral("ab"));
        child->setFocus();
        QTest::keyClick(child, Qt::Key_F3);
        QCOMPARE(selectionStart(), 3);
        QCOMPARE(child->toPlainText(), QStringLiteral("ab ab"));
        const QList<QAction *> edits
            = window->findChild<QMenu *>(QStringLiteral("editMenu"))->actions();
        QVERIFY(edits.contains(action("actionUndo")) && edits.contains(action("actionRedo")));
        // Ctrl+Y redoes, as Ctrl+Shift+Z does.
        QTest::keyClicks(child, QStringLiteral("c"));
        QTest::keyClick(child, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(child->toPlainText(), QStringLiteral("ab ab"));
        QTest::keyClick(child, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(child->toPlainText(), QStringLiteral("ab c"));
    }

    void overlappingOccurrences()
    {
        setText(QStringLiteral("xx\naaaa"));
        action("actionFind")->trigger();
        QList<int> starts;
        for (int i = 0; i < 3; ++i) {
            pressFind(QStringLiteral("aa"));
            starts.append(selectionStart());
        }
        // Line 2 starts at document position 3: columns 1, 2 and 3.
        QCOMPARE(starts, (QList<int>{3, 4, 5}));
        QVERIFY(prompts.shown.isEmpty());
        QVERIFY(child->findDialog()->isVisible());
        // Past the last one the search goes on from the top, without a message.
        pressFind(QStringLiteral("aa"));
        QCOMPARE(selectionStart(), 3);
        QVERIFY(prompts.shown.isEmpty());
    }

    void matchCase()
    {
        setText(QStringLiteral("Tree tree TREE"));
        action("actionFind")->trigger();
        QList<int> starts;
        for (int i = 0; i < 3; ++i) {
            pressFind(QStringLiteral("TREE"));
            starts.append(selectionStart());
        }
        QCOMPARE(starts, (QList<int>{0, 5, 10}));
        QVERIFY(prompts.shown.isEmpty());
        // Ticking the box takes effect at the next press.
        control<QCheckBox>(child->findDialog(), "matchCase")->setChecked(true);
        pressFind(QStringLiteral("tree")); // a new pattern: from the top
        QCOMPARE(selectionStart(), 5);
        pressFind(QStringLiteral("tree")); // the only one: found again
        QCOMPARE(selectionStart(), 5);
        pressFind(QStringLiteral("TREES"));
        QCOMPARE(prompts.texts(PromptKind::Information),
                 QStringList{"String \"TREES\" was not found."});
    }

    // F3 and Shift+F3 (and the dialog's Up) go round the text, with a note.
    void findBothWaysWraps_data()
    {
        QTest::addColumn<QString>("keys"); // n: F3, p: Shift+F3, u: the dialog with Up
        QTest::addColumn<QList<int>>("starts");
        QTest::addColumn<int>("notes");
        QTest::newRow("F3 past the end") << "nnn" << QList<int>{3, 6, 0} << 1;
        QTest::newRow("Shift+F3 past the top") << "ppp" << QList<int>{6, 3, 0} << 1;
        QTest::newRow("back and forth") << "npn" << QList<int>{3, 0, 3} << 0;
        QTest::newRow("dialog Up") << "uu" << QList<int>{6, 3} << 1;
    }

    void findBothWaysWraps()
    {
        QFETCH(QString, keys);
        setText(QStringLiteral("ab ab\nab"));
        action("actionFind")->trigger();
        pressFind(QStringLiteral("ab")); // the first, at 0
        QSignalSpy notes(child, &EditorWindow::statusNote);
        QList<int> starts;
        for (const QChar key : keys) {
            if (key == QLatin1Char('u')) {
                control<QRadioButton>(child->findDialog(), "upButton")->setChecked(true);
                pressFind(QStringLiteral("ab"));
            } else {
                child->setFocus();
                QTest::keyClick(child, Qt::Key_F3,
                                key == QLatin1Char('p') ? Qt::ShiftModifier : Qt::NoModifier);
            }
            starts.append(selectionStart());
        }
        QTEST(starts, "starts");
        QTEST(int(notes.size()), "notes");
        QVERIFY(prompts.shown.isEmpty());
    }

    void nonAsciiCaseInsensitive()
    {
        setText(QStringLiteral("\u03b1\u03b2\u03b3 \u00e9t\u00e9"));
        action("actionFind")->trigger();
        pressFind(QStringLiteral("\u0392\u0393"));
        QCOMPARE(selectionStart(), 1);
        pressFind(QStringLiteral("\u00c9T\u00c9"));
        QCOMPARE(selectionStart(), 4);
    }

    void newPatternRestartsAtTop()
    {
        setText(QStringLiteral("ab ab ab"));
        action("actionFind")->trigger();
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
        action("actionFind")->trigger();
        pressFind(QStringLiteral("NEEDLE"));
        QVERIFY(prompts.shown.isEmpty());
        QCOMPARE(selectionStart(), 6 + 600);
        QCOMPARE(selection(), QStringLiteral("needle"));
    }

    void findInReplaceDialog()
    {
        setText(QStringLiteral("cat cat"));
        action("actionReplace")->trigger();
        control<QLineEdit>(child->replaceDialog(), "findEdit")->setText(QStringLiteral("cat"));
        control<QPushButton>(child->replaceDialog(), "findNextButton")->click();
        control<QPushButton>(child->replaceDialog(), "findNextButton")->click();
        QCOMPARE(selectionStart(), 4);
    }

    // --- replace ----------------------------------------------------------------

    void replaceActsOnTheSelectedOccurrence()
    {
        setText(QStringLiteral("cat\ncat CAT cat"));
        action("actionReplace")->trigger();
        ReplaceDialog *dialog = child->replaceDialog();
        control<QLineEdit>(dialog, "findEdit")->setText(QStringLiteral("cat"));
        for (int i = 0; i < 2; ++i)
            control<QPushButton>(dialog, "findNextButton")->click();
        QCOMPARE(selectionStart(), 4); // the second occurrence
        control<QLineEdit>(dialog, "replaceEdit")->setText(QStringLiteral("a cat"));
        control<QPushButton>(dialog, "replaceButton")->click();
        QCOMPARE(child->toPlainText(), QStringLiteral("cat\na cat CAT cat"));
        QVERIFY(child->document()->isModified());
        QVERIFY(prompts.shown.isEmpty());
        // The next occurrence after the replacement is selected, then replaced.
        QCOMPARE(selectionStart(), 10);
        control<QPushButton>(dialog, "replaceButton")->click();
        QCOMPARE(child->toPlainText(), QStringLiteral("cat\na cat a cat cat"));
        QCOMPARE(selectionStart(), 16);
        // A selection that is not an occurrence is left alone.
        SelectRange(*child, 0, 2);
        control<QPushButton>(dialog, "replaceButton")->click();
        QCOMPARE(child->toPlainText(), QStringLiteral("cat\na cat a cat cat"));
    }

    void replaceAll_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("replacement");
        QTest::addColumn<bool>("matchCase");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("said");
        QTest::newRow("replacement contains pattern") << "a a\naa"
                                                      << "a"
                                                      << "ba" << false << "ba ba\nbaba"
                                                      << "4 occurrences replaced.";
        QTest::newRow("joined occurrence stays") << "aabb"
                                                 << "ab"
                                                 << "" << false << "ab"
                                                 << "1 occurrence replaced.";
        QTest::newRow("case ignored") << "Cat CAT"
                                      << "cat"
                                      << "dog" << false << "dog dog"
                                      << "2 occurrences replaced.";
        QTest::newRow("case must match") << "Cat cat"
                                         << "cat"
                                         << "dog" << true << "Cat dog"
                                         << "1 occurrence replaced.";
        QTest::newRow("long line")
            << QString(300, QLatin1Char('x')) + "," + QString(300, QLatin1Char('x')) + ","
            << ","
            << ";" << false
            << QString(300, QLatin1Char('x')) + ";" + QString(300, QLatin1Char('x')) + ";"
            << "2 occurrences replaced.";
    }

    void replaceAll()
    {
        QFETCH(QString, text);
        setText(text);
        action("actionReplace")->trigger();
        ReplaceDialog *dialog = child->replaceDialog();
        QFETCH(QString, pattern);
        QFETCH(QString, replacement);
        QFETCH(bool, matchCase);
        control<QLineEdit>(dialog, "findEdit")->setText(pattern);
        control<QLineEdit>(dialog, "replaceEdit")->setText(replacement);
        control<QCheckBox>(dialog, "matchCase")->setChecked(matchCase);
        control<QPushButton>(dialog, "replaceAllButton")->click();
        QTEST(child->toPlainText(), "result");
        QVERIFY(child->document()->isModified());
        QFETCH(QString, said);
        QCOMPARE(prompts.texts(PromptKind::Information), QStringList{said});
        // One command, one undo step.
        child->undo();
        QCOMPARE(child->toPlainText(), text);
    }

    void replaceAllWithoutOccurrenceChangesNothing()
    {
        setText(QStringLiteral("abc\ndef"));
        action("actionReplace")->trigger();
        control<QLineEdit>(child->replaceDialog(), "findEdit")->setText(QStringLiteral("zz"));
        control<QLineEdit>(child->replaceDialog(), "replaceEdit")->setText(QStringLiteral("y"));
        control<QPushButton>(child->replaceDialog(), "replaceAllButton")->click();
        control<QPushButton>(child->replaceDialog(), "replaceButton")->click();
        QCOMPARE(child->toPlainText(), QStringLiteral("abc\ndef"));
        QVERIFY(!child->document()->isModified());
        QCOMPARE(prompts.texts(PromptKind::Information),
                 (QStringList{"0 occurrences replaced.", "String \"zz\" was not found."}));
    }

    void replacementWithLineBreakKeepsLaterLines()
    {
        // Called directly, a replacement may split lines; the lines after it
        // are still each replaced once.
        setText(QStringLiteral("a1\na2\na3"));
        child->replaceAll(QStringLiteral("a"), QStringLiteral("b\nb"));
        QCOMPARE(child->toPlainText(), QStringLiteral("b\nb1\nb\nb2\nb\nb3"));
    }
};

QTEST_MAIN(TestEditorCommands)
#include "test_editorcommands.moc"
