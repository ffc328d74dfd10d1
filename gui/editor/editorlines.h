#pragma once
// The text of an editor as the search functions and the printer see it: a
// list of lines, where a line break after the last line does not begin
// another one.

#include "core/search/searchtext.h"

#include <QString>
#include <QStringList>
#include <QTextBlock>
#include <QTextCursor>

class QPlainTextEdit;
class QTextDocument;

std::u16string_view View(const QString &text);
QString FromView(std::u16string_view text);
// Full Unicode upper case, one code unit for one, so columns stay put.
char16_t QtUpperCase(char16_t c);

// The lines of the text: an empty text has no line at all.
long LineCount(const QTextDocument *document);
QStringList Lines(const QTextDocument *document);
// The whole text with '\n' between lines, character for character (the
// document's own plain-text export would turn no-break spaces into blanks).
QString RawText(const QTextDocument *document);
// The whole text with each line's own line end: the one kept in its block's
// user state (a LineEnd), newLine for lines that have none yet.
QString TextWithLineEnds(const QTextDocument *document, int newLine);
// Gives every line the line end newLine.
void SetLineEnds(QTextDocument *document, int newLine);

// The editor's lines for the search functions. Lines are fetched in order, so
// the last block is remembered; replacements go into one undo step.
class EditorLines : public SearchLines
{
public:
    explicit EditorLines(QPlainTextEdit *editor);
    ~EditorLines() override;

    long lineCount() const override;
    std::u16string_view line(long index) override;
    void setLine(long index, const std::u16string &text) override;

    // Position in the document of column 1 of a line.
    int position(long index);

private:
    QTextBlock block(long index);

    QTextDocument *m_document;
    QTextCursor m_cursor;
    bool m_editing = false;
    long m_extraLines = 0;
    QTextBlock m_cached;
    long m_cachedIndex = -1;
    QString m_text;
};
