#include "gui/editor/editorlines.h"

#include <QPlainTextEdit>
#include <QTextDocument>

std::u16string_view View(const QString &text)
{
    return {reinterpret_cast<const char16_t *>(text.utf16()),
            static_cast<std::size_t>(text.size())};
}

QString FromView(std::u16string_view text)
{
    return QString(reinterpret_cast<const QChar *>(text.data()),
                   static_cast<qsizetype>(text.size()));
}

char16_t QtUpperCase(char16_t c)
{
    if (QChar::isSurrogate(c))
        return c;
    const char32_t upper = QChar::toUpper(static_cast<char32_t>(c));
    return upper > 0xFFFF ? c : static_cast<char16_t>(upper);
}

long LineCount(const QTextDocument *document)
{
    const int blocks = document->blockCount();
    return document->lastBlock().length() <= 1 ? blocks - 1 : blocks;
}

QStringList Lines(const QTextDocument *document)
{
    QStringList lines;
    const long count = LineCount(document);
    lines.reserve(count);
    QTextBlock block = document->firstBlock();
    for (long i = 0; i < count; ++i, block = block.next())
        lines.append(block.text());
    return lines;
}

QString RawText(const QTextDocument *document)
{
    QString text;
    text.reserve(document->characterCount());
    for (QTextBlock block = document->firstBlock(); block.isValid(); block = block.next()) {
        if (block != document->firstBlock())
            text += QLatin1Char('\n');
        text += block.text();
    }
    return text;
}

QString TextWithLineEnds(const QTextDocument *document, int newLine)
{
    const QString ends[] = {QStringLiteral("\n"), QStringLiteral("\r\n"), QStringLiteral("\r"),
                            QString(QChar(QChar::ParagraphSeparator))};
    QString text;
    text.reserve(document->characterCount() + document->blockCount());
    for (QTextBlock block = document->firstBlock(); block.isValid(); block = block.next()) {
        text += block.text();
        if (block.next().isValid()) {
            const int end = block.userState();
            text += ends[end >= 0 && end < 4 ? end : newLine];
        }
    }
    return text;
}

void SetLineEnds(QTextDocument *document, int newLine)
{
    for (QTextBlock block = document->firstBlock(); block.isValid(); block = block.next())
        block.setUserState(newLine);
}

EditorLines::EditorLines(QPlainTextEdit *editor)
    : m_document(editor->document())
    , m_cursor(m_document)
{ }

EditorLines::~EditorLines()
{
    if (m_editing)
        m_cursor.endEditBlock();
}

long EditorLines::lineCount() const
{
    return LineCount(m_document) - m_extraLines;
}

std::u16string_view EditorLines::line(long index)
{
    m_text = block(index).text();
    return View(m_text);
}

void EditorLines::setLine(long index, const std::u16string &text)
{
    if (!m_editing) {
        m_cursor.beginEditBlock();
        m_editing = true;
    }
    const QTextBlock b = block(index);
    const int before = m_document->blockCount();
    m_cursor.setPosition(b.position());
    m_cursor.setPosition(b.position() + b.length() - 1, QTextCursor::KeepAnchor);
    m_cursor.insertText(FromView(text));
    // A replacement holding a line break splits the line; later indexes
    // still name the lines as they were when the command began.
    m_extraLines += m_document->blockCount() - before;
    m_cachedIndex = -1;
}

int EditorLines::position(long index)
{
    return block(index).position();
}

QTextBlock EditorLines::block(long index)
{
    const long number = index + m_extraLines;
    if (m_cachedIndex >= 0 && number == m_cachedIndex + 1)
        m_cached = m_cached.next();
    else if (number != m_cachedIndex)
        m_cached = m_document->findBlockByNumber(static_cast<int>(number));
    m_cachedIndex = number;
    return m_cached;
}
