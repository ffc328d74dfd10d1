#include "gui/editor/editorwindow.h"

#include "gui/common/clipboard.h"
#include "gui/common/errorbox.h"
#include "gui/common/fonts.h"
#include "gui/common/help.h"
#include "gui/common/printing.h"
#include "gui/common/prompts.h"
#include "gui/editor/editorlines.h"
#include "gui/editor/editorprint.h"
#include "gui/editor/finddialog.h"
#include "gui/editor/loadingguard.h"
#include "gui/editor/replacedialog.h"
#include "gui/editor/textfile.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QTextDocument>

#include <climits>
#include <cmath>
#include <cstdlib>

namespace {

// Sizes larger than this are kept for printing but not shown on screen, where
// glyphs of that size would only make the window crawl.
constexpr int LargestScreenPoints = 500;

// A leading run of blanks skipped, a sign accepted. A character that does not
// belong ends the number; the digits before it count and a minus sign is
// dropped. No digits give 0.
int SizeFromText(const QString &text)
{
    qsizetype i = 0;
    while (i < text.size() && text.at(i) == QLatin1Char(' '))
        ++i;
    bool negative = false;
    if (i < text.size() && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+'))) {
        negative = text.at(i) == QLatin1Char('-');
        ++i;
    }
    long long value = 0;
    bool clean = true;
    for (; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            clean = false;
            break;
        }
        const long long next = value * 10 + (c.unicode() - u'0');
        if (next > INT_MAX) { // too many digits: stop where it overflowed
            clean = false;
            break;
        }
        value = next;
    }
    return static_cast<int>(clean && negative ? -value : value);
}

QString SelectedText(const QPlainTextEdit *editor)
{
    QString text = editor->textCursor().selectedText();
    text.replace(QChar(QChar::ParagraphSeparator), QLatin1Char('\n'));
    return text;
}

void BringUp(QDialog *dialog)
{
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

// Runs a command; what escapes it goes to the application's error box.
template <typename Command>
auto Guarded(Command command)
{
    return [command] { RunGuarded(command); };
}

} // namespace

// ---------------------------------------------------------------------------
// Editing

void EditorWindow::cutSelection()
{
    QTextCursor cursor = textCursor();
    if (!cursor.hasSelection())
        return;
    CopyTextToClipboard(SelectedText(this));
    cursor.removeSelectedText();
}

void EditorWindow::copySelection()
{
    if (textCursor().hasSelection())
        CopyTextToClipboard(SelectedText(this));
}

void EditorWindow::pasteText()
{
    const QString text = ClipboardText();
    if (!text.isEmpty())
        textCursor().insertText(text);
}

QMimeData *EditorWindow::createMimeDataFromSelection() const
{
    auto *mime = new QMimeData;
    mime->setText(SelectedText(this));
    return mime;
}

void EditorWindow::deleteSelection()
{
    textCursor().removeSelectedText();
}

Qt::Alignment EditorWindow::textAlignment() const
{
    return m_alignment;
}

void EditorWindow::setTextAlignment(Qt::Alignment alignment)
{
    QTextOption option = document()->defaultTextOption();
    option.setAlignment(alignment);
    document()->setDefaultTextOption(option);
    viewport()->update();
    m_alignment = alignment;
    emit textAlignmentChanged(alignment);
}

bool EditorWindow::wordWrap() const
{
    return lineWrapMode() != QPlainTextEdit::NoWrap;
}

void EditorWindow::toggleWordWrap()
{
    const bool wrap = !wordWrap();
    setLineWrapMode(wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(wrap ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAlwaysOn);
    emit wordWrapChanged(wrap);
}

void EditorWindow::applyFont(const QFont &font)
{
    QFont shown = font;
    const int points = std::abs(m_fontPoints);
    if (points == 0)
        shown.setPointSize(QApplication::font().pointSize() > 0 ? QApplication::font().pointSize()
                                                                : 10);
    else
        shown.setPointSize(std::min(points, LargestScreenPoints));
    FollowZoom(this, shown);
}

void EditorWindow::chooseFont()
{
    const QPalette colours = palette();
    // The dialog starts at the window's font, style and size as the user set them.
    QFont chosen = UnzoomedFont(this);
    if (m_fontPoints > 0)
        chosen.setPointSize(m_fontPoints);
    if (Prompts::current().chooseFont(this, chosen)) {
        if (chosen.pointSize() > 0)
            m_fontPoints = chosen.pointSize();
        else if (chosen.pixelSize() > 0)
            m_fontPoints = static_cast<int>(std::lrint(chosen.pixelSize() * 72.0 / logicalDpiY()));
        applyFont(chosen);
    }
    // The text keeps its colour whatever the dialog offered.
    setPalette(colours);
}

void EditorWindow::setFontFamily(const QString &family)
{
    QFont shown = UnzoomedFont(this);
    shown.setFamily(family);
    applyFont(shown);
}

void EditorWindow::setFontSizeText(const QString &text)
{
    m_fontPoints = SizeFromText(text);
    applyFont(UnzoomedFont(this));
}

// ---------------------------------------------------------------------------
// Find and replace

void EditorWindow::showInfo(const QString &text)
{
    Prompts::current().information(text);
}

// The match is selected and in view; the keyboard stays where it was (in the
// dialog), so that Enter searches again instead of typing over the match.
void EditorWindow::showSearchResult()
{
    ensureCursorVisible();
    viewport()->update();
}

void EditorWindow::showFindDialog()
{
    if (document()->isEmpty()) {
        showInfo(tr("No text to search"));
        return;
    }
    if (m_findDialog)
        m_findDialog->close();
    m_findDialog = new FindDialog(this);
    connect(m_findDialog, &FindDialog::findNext, this, Guarded([this] {
                findTyped(m_findDialog->findText(), m_findDialog->matchCase(),
                          m_findDialog->searchUp());
            }));
    m_findDialog->setFindText(SelectedText(this));
    m_searchText = m_findDialog->findText();
    m_search.ToTop();
    BringUp(m_findDialog);
}

void EditorWindow::showReplaceDialog()
{
    if (document()->isEmpty()) {
        showInfo(tr("No text to search/replace."));
        return;
    }
    if (m_replaceDialog)
        m_replaceDialog->close();
    m_replaceDialog = new ReplaceDialog(this);
    connect(m_replaceDialog, &ReplaceDialog::findNext, this, Guarded([this] {
                findTyped(m_replaceDialog->findText(), m_replaceDialog->matchCase());
            }));
    connect(m_replaceDialog, &ReplaceDialog::replace, this,
            [this](bool all) { RunGuarded([this, all] { replaceFromDialog(all); }); });
    m_replaceDialog->setFindText(SelectedText(this));
    m_searchText = m_replaceDialog->findText();
    m_search.ToTop();
    BringUp(m_replaceDialog);
}

// Find Next from either dialog: a changed pattern starts again at the top.
void EditorWindow::findTyped(const QString &pattern, bool matchCase, bool up)
{
    m_search.MatchCase = matchCase;
    if (pattern != m_searchText) {
        m_searchText = pattern;
        m_search.ToTop();
    }
    if (up)
        findPrevious(pattern);
    else
        findNext(pattern);
}

void EditorWindow::replaceFromDialog(bool all)
{
    m_search.MatchCase = m_replaceDialog->matchCase();
    const QString pattern = m_replaceDialog->findText();
    if (pattern != m_searchText) {
        m_searchText = pattern;
        m_search.ToTop();
    }
    if (all)
        replaceAll(pattern, m_replaceDialog->replaceText());
    else
        replaceFirst(pattern, m_replaceDialog->replaceText());
}

bool EditorWindow::replaceSelection(const QString &pattern, const QString &replacement)
{
    QTextCursor cursor = textCursor();
    if (pattern.isEmpty() || !cursor.hasSelection())
        return false;
    const QString selected = SelectedText(this);
    if (SearchLine(View(pattern), View(selected), 1, m_search.MatchCase, QtUpperCase) != 1
        || selected.size() != pattern.size())
        return false;
    const QTextBlock block = document()->findBlock(cursor.selectionStart());
    const long column = cursor.selectionStart() - block.position() + 1;
    cursor.insertText(replacement);
    // The search goes on after the replacement, in the same line.
    m_search.LineIndex = block.blockNumber();
    m_search.LineStart = 0;
    for (QTextBlock b = document()->firstBlock(); b.isValid() && b != block; b = b.next())
        m_search.LineStart += b.length() + 1;
    m_search.MatchColumn = column + static_cast<long>(replacement.size()) - 1;
    return true;
}

void EditorWindow::restartSearch(bool matchCase)
{
    m_search.ToTop();
    m_search.MatchCase = matchCase;
}

void EditorWindow::selectMatch(long line, long column, long length)
{
    const QTextBlock block = document()->findBlockByNumber(static_cast<int>(line));
    const int start = block.position() + static_cast<int>(column) - 1;
    QTextCursor cursor = textCursor();
    cursor.setPosition(start);
    cursor.setPosition(start + static_cast<int>(length), QTextCursor::KeepAnchor);
    setTextCursor(cursor);
    ensureCursorVisible();
    // Find Next goes on after this occurrence (line breaks count as CR LF).
    m_search.LineIndex = line;
    m_search.LineStart = block.position() + block.blockNumber();
    m_search.MatchColumn = column;
}

void EditorWindow::findNext(const QString &pattern)
{
    EditorLines lines(this);
    const bool fromTop = m_search.LineIndex == 0 && m_search.MatchColumn == 0;
    FindResult found = ::FindNext(m_search, lines, View(pattern), QtUpperCase);
    // Past the end the search is back at the top: go on from there once.
    const bool wrapped = !found.found && !fromTop;
    if (wrapped)
        found = ::FindNext(m_search, lines, View(pattern), QtUpperCase);
    if (found.found) {
        selectMatch(found.line, found.column, pattern.size());
        if (wrapped)
            emit statusNote(tr("Passed the end of the text; went on from the top."));
    } else {
        showInfo(tr("String \"%1\" was not found.").arg(pattern));
    }
    showSearchResult();
}

void EditorWindow::findPrevious(const QString &pattern)
{
    EditorLines lines(this);
    const LineMatcher matcher(View(pattern), m_search.MatchCase, QtUpperCase);
    const long count = lines.lineCount();
    const QTextCursor cursor = textCursor();
    const QTextBlock here = document()->findBlock(cursor.selectionStart());
    // An occurrence must start before the selection (or the cursor).
    long line = std::min<long>(here.blockNumber(), count - 1);
    long before = cursor.selectionStart() - here.position() + 1;
    for (int pass = 0; pass < 2 && count > 0; ++pass) {
        for (; line >= 0; --line, before = LONG_MAX) {
            const std::u16string_view text = lines.line(line);
            long last = 0;
            for (long column = matcher.find(text); column > 0 && column < before;
                 column = matcher.find(text, column + 1))
                last = column;
            if (last > 0) {
                selectMatch(line, last, pattern.size());
                if (pass == 1)
                    emit statusNote(tr("Passed the top of the text; went on from the bottom."));
                showSearchResult();
                return;
            }
        }
        line = count - 1;
    }
    showInfo(tr("String \"%1\" was not found.").arg(pattern));
    showSearchResult();
}

void EditorWindow::findAgainUp()
{
    if (m_searchText.isEmpty()) {
        showFindDialog();
        return;
    }
    findPrevious(m_searchText);
}

// Replace acts on the occurrence Find Next selected, then selects the next one;
// without a selected occurrence it finds one first.
void EditorWindow::replaceFirst(const QString &pattern, const QString &replacement)
{
    replaceSelection(pattern, replacement);
    findNext(pattern);
}

void EditorWindow::replaceAll(const QString &pattern, const QString &replacement)
{
    long replaced = 0;
    {
        EditorLines lines(this);
        replaced = ::ReplaceAll(lines, View(pattern), View(replacement), m_search.MatchCase,
                                QtUpperCase);
    }
    m_search.ToTop();
    showSearchResult();
    showInfo(replaced == 1 ? tr("1 occurrence replaced.")
                           : tr("%1 occurrences replaced.").arg(replaced));
}

void EditorWindow::findAgain()
{
    if (m_searchText.isEmpty()) {
        showFindDialog();
        return;
    }
    findNext(m_searchText);
}

// ---------------------------------------------------------------------------
// Printing

void EditorWindow::printSetup()
{
    Prompts::current().printerSetup(this, ProgramPrinter());
}

void EditorWindow::print()
{
    if (document()->isEmpty())
        return;
    EditorPrintJob job;
    job.title = caption();
    job.font = UnzoomedFont(this);
    job.points = m_fontPoints;
    job.colour = palette().color(QPalette::Text);
    job.screenDpi = logicalDpiX();
    job.tabStop = tabStopDistance();
    job.window = this;
    job.lines = Lines(document());

    // Events run while the pages are built; the window stays open meanwhile.
    // A Print that arrives during the job is refused, and must not lift the
    // running job's hold on the window.
    const QPointer<EditorWindow> self(this);
    const bool alreadyPrinting = m_printing;
    m_printing = true;
    EditorPrintResult result;
    try {
        result = PrintEditorText(ProgramPrinter(), job);
    } catch (...) {
        if (self)
            m_printing = alreadyPrinting;
        throw;
    }
    if (!self)
        return;
    m_printing = alreadyPrinting;
    switch (result) {
    case EditorPrintResult::FontUnusable:
        Prompts::current().message(
            tr("Cannot print in a font of %1 points: no line fits on a page. "
               "Choose another font size.")
                .arg(m_fontPoints));
        break;
    case EditorPrintResult::Busy:
        Prompts::current().message(
            tr("Another text is being printed. Try again when it has finished."));
        break;
    case EditorPrintResult::Printed:
    case EditorPrintResult::NothingToPrint:
    case EditorPrintResult::Cancelled:
        break;
    }
}
