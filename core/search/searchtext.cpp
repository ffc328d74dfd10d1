#include "core/search/searchtext.h"

char16_t DefaultUpperCase(char16_t c)
{
    if (c >= u'a' && c <= u'z')
        return static_cast<char16_t>(c - 0x20);
    if (c < 0xE0)
        return c;
    if (c <= 0xFE)
        return c == 0xF7 ? c : static_cast<char16_t>(c - 0x20); // 0xF7 is the division sign
    switch (c) {
    case 0xFF:
        return 0x178; // ÿ
    case 0x153:
        return 0x152; // œ
    case 0x161:
        return 0x160; // š
    case 0x17E:
        return 0x17D; // ž
    default:
        return c;
    }
}

void SearchState::ToTop()
{
    MatchColumn = 0;
    LineStart = 0;
    LineIndex = 0;
}

LineMatcher::LineMatcher(std::u16string_view pattern, bool matchCase, UpperCaseFunction upper)
    : m_pattern(pattern)
    , m_matchCase(matchCase)
    , m_upper(upper ? upper : DefaultUpperCase)
{
    if (!m_matchCase)
        for (char16_t &c : m_pattern)
            c = m_upper(c);
}

LineMatcher::~LineMatcher() = default;

std::u16string_view LineMatcher::fold(std::u16string_view line) const
{
    if (m_matchCase)
        return line;
    m_scratch.resize(line.size());
    for (std::size_t i = 0; i < line.size(); ++i)
        m_scratch[i] = m_upper(line[i]);
    return m_scratch;
}

long LineMatcher::findFolded(std::u16string_view folded, long from) const
{
    // An empty pattern is never found; that also keeps Replace All finite.
    if (m_pattern.empty() || from < 1 || static_cast<std::size_t>(from - 1) >= folded.size())
        return 0;
    const std::size_t at = folded.find(m_pattern, static_cast<std::size_t>(from - 1));
    return at == std::u16string_view::npos ? 0 : static_cast<long>(at) + 1;
}

long LineMatcher::find(std::u16string_view line, long from) const
{
    if (m_pattern.empty() || from < 1 || static_cast<std::size_t>(from - 1) >= line.size())
        return 0;
    // Only the part from the start column on needs folding.
    const long inTail = findFolded(fold(line.substr(static_cast<std::size_t>(from - 1))), 1);
    return inTail == 0 ? 0 : from + inTail - 1;
}

long SearchLine(std::u16string_view pattern, std::u16string_view line, long from, bool matchCase,
                UpperCaseFunction upper)
{
    return LineMatcher(pattern, matchCase, upper).find(line, from);
}

FindResult FindNext(SearchState &state, SearchLines &lines, std::u16string_view pattern,
                    UpperCaseFunction upper)
{
    const LineMatcher matcher(pattern, state.MatchCase, upper);
    FindResult result;
    while (state.LineIndex < lines.lineCount()) {
        const std::u16string_view line = lines.line(state.LineIndex);
        const long column = matcher.find(line, state.MatchColumn + 1);
        if (column > 0) {
            state.MatchColumn = column;
            result.found = true;
            result.line = state.LineIndex;
            result.column = column;
            result.offset = state.LineStart + column - 1;
            return result;
        }
        state.MatchColumn = 0;
        ++state.LineIndex;
        state.LineStart += static_cast<long>(line.size()) + 2;
    }
    state.ToTop();
    return result;
}

bool ReplaceFirst(SearchLines &lines, std::u16string_view pattern, std::u16string_view replacement,
                  bool matchCase, UpperCaseFunction upper)
{
    const LineMatcher matcher(pattern, matchCase, upper);
    for (long i = 0; i < lines.lineCount(); ++i) {
        const std::u16string_view line = lines.line(i);
        const long column = matcher.find(line, 1);
        if (column > 0) {
            std::u16string changed(line);
            changed.replace(static_cast<std::size_t>(column - 1), pattern.size(), replacement);
            lines.setLine(i, changed);
            return true;
        }
    }
    return false;
}

long ReplaceAllInLine(std::u16string &line, const LineMatcher &matcher,
                      std::u16string_view replacement)
{
    // Searching resumes just after each inserted replacement, which in the
    // original line is just after the occurrence: so one left-to-right pass
    // over the original line, folded once, gives the same result in linear time.
    const std::u16string_view folded = matcher.fold(line);
    long column = matcher.findFolded(folded, 1);
    if (column == 0)
        return 0;
    const std::size_t length = static_cast<std::size_t>(matcher.patternLength());
    std::u16string result;
    result.reserve(line.size());
    std::size_t copied = 0; // characters of line already in result
    long count = 0;
    while (column > 0) {
        const std::size_t at = static_cast<std::size_t>(column - 1);
        result.append(line, copied, at - copied);
        result.append(replacement);
        copied = at + length;
        ++count;
        column = matcher.findFolded(folded, static_cast<long>(copied) + 1);
    }
    result.append(line, copied, std::u16string::npos);
    line.swap(result);
    return count;
}

long ReplaceAll(SearchLines &lines, std::u16string_view pattern, std::u16string_view replacement,
                bool matchCase, UpperCaseFunction upper)
{
    const LineMatcher matcher(pattern, matchCase, upper);
    const long count = lines.lineCount();
    long replaced = 0;
    for (long i = 0; i < count; ++i) {
        std::u16string line(lines.line(i));
        const long inLine = ReplaceAllInLine(line, matcher, replacement);
        if (inLine > 0) {
            lines.setLine(i, line);
            replaced += inLine;
        }
    }
    return replaced;
}
