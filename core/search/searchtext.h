#pragma once
// Find and replace over the lines of an editor window, free of any window.
//
// The text is seen as a sequence of lines in UTF-16 code units. Columns count
// from 1; 0 means "not found". Lines may be of any length. Matching is by plain
// substring, with or without regard to letter case; letter case is compared
// character by character after mapping both sides to upper case, so that a
// column in the upper-case copy is the same column in the line.

#include <string>
#include <string_view>

// Maps one UTF-16 code unit to its upper-case form (same length).
using UpperCaseFunction = char16_t (*)(char16_t);

// Upper case for the program's own 8-bit character set: ASCII, Latin-1 and the
// extra letters of Windows-1252 (š, œ, ž, ÿ). Other characters are unchanged.
char16_t DefaultUpperCase(char16_t c);

// Where a search goes on, kept by each editor window between Find Next presses.
struct SearchState
{
    long MatchColumn = 0; // column of the last occurrence in line LineIndex; 0 for none yet
    long LineStart = 0;   // offset of line LineIndex, each line break counted as CR LF
    long LineIndex = 0;   // line where the next search goes on
    bool MatchCase = false;

    // Back to the top of the text.
    void ToTop();
};

// The lines a search walks. line() returns a view that stays valid until the
// next call on the same object.
class SearchLines
{
public:
    virtual ~SearchLines() = default;
    virtual long lineCount() const = 0;
    virtual std::u16string_view line(long index) = 0;
    // Replaces the text of one line.
    virtual void setLine(long index, const std::u16string &text) = 0;
};

// A pattern prepared for repeated searches (one Find Next over many lines).
class LineMatcher
{
public:
    LineMatcher(std::u16string_view pattern, bool matchCase,
                UpperCaseFunction upper = DefaultUpperCase);
    ~LineMatcher();
    LineMatcher(const LineMatcher &) = delete;
    LineMatcher &operator=(const LineMatcher &) = delete;

    // The column of the first occurrence starting at column from or later,
    // 0 when there is none (and always 0 for an empty pattern).
    long find(std::u16string_view line, long from = 1) const;
    long patternLength() const { return static_cast<long>(m_pattern.size()); }

    // The line as the matcher compares it: the line itself when letter case
    // must match, else an upper-case copy valid until the next call.
    std::u16string_view fold(std::u16string_view line) const;
    // find() on a line already passed through fold().
    long findFolded(std::u16string_view folded, long from = 1) const;

private:
    std::u16string m_pattern; // upper case unless m_matchCase
    bool m_matchCase;
    UpperCaseFunction m_upper;
    mutable std::u16string m_scratch;
};

// The column of the first occurrence of pattern in line at column from or
// later; 0 when there is none.
long SearchLine(std::u16string_view pattern, std::u16string_view line, long from, bool matchCase,
                UpperCaseFunction upper = DefaultUpperCase);

struct FindResult
{
    bool found = false;
    long line = 0;   // line index of the occurrence
    long column = 0; // its column
    long offset = 0; // LineStart + column - 1, line breaks counted as CR LF
};

// Goes on from the saved position to the next occurrence and records it in
// state. When there is none, state goes back to the top. The next search starts
// one column after the start of the occurrence, so occurrences may overlap.
FindResult FindNext(SearchState &state, SearchLines &lines, std::u16string_view pattern,
                    UpperCaseFunction upper = DefaultUpperCase);

// Replaces the first occurrence in the whole text, counted from the first line.
// Returns true when something was replaced.
bool ReplaceFirst(SearchLines &lines, std::u16string_view pattern, std::u16string_view replacement,
                  bool matchCase, UpperCaseFunction upper = DefaultUpperCase);

// Replaces every occurrence, line by line from left to right. Text that a
// replacement inserts is never searched again, so it ends for every
// replacement. Returns the number of occurrences replaced.
long ReplaceAll(SearchLines &lines, std::u16string_view pattern, std::u16string_view replacement,
                bool matchCase, UpperCaseFunction upper = DefaultUpperCase);

// Replaces every occurrence in one line; returns how many there were.
long ReplaceAllInLine(std::u16string &line, const LineMatcher &matcher,
                      std::u16string_view replacement);
