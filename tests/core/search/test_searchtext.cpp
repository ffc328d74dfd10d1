#include "core/search/searchtext.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Lines held in a vector, as an editor window would hand them out.
class VectorLines : public SearchLines
{
public:
    explicit VectorLines(std::vector<std::u16string> lines)
        : text(std::move(lines))
    { }
    long lineCount() const override { return static_cast<long>(text.size()); }
    std::u16string_view line(long index) override
    {
        return text.at(static_cast<std::size_t>(index));
    }
    void setLine(long index, const std::u16string &value) override
    {
        text.at(static_cast<std::size_t>(index)) = value;
        ++writes;
    }
    std::vector<std::u16string> text;
    int writes = 0;
};

struct SearchLineCase
{
    const char *name;
    std::u16string pattern;
    std::u16string line;
    long from;
    bool matchCase;
    long expected;
};

// Test listings name a case by its name rather than by its bytes.
void PrintTo(const SearchLineCase &c, std::ostream *os)
{
    *os << c.name;
}

class SearchLineTest : public testing::TestWithParam<SearchLineCase>
{ };

TEST_P(SearchLineTest, FindsColumn)
{
    const SearchLineCase &c = GetParam();
    EXPECT_EQ(SearchLine(c.pattern, c.line, c.from, c.matchCase), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SearchLineTest,
    testing::Values(
        SearchLineCase{"first_column", u"ab", u"abcab", 1, true, 1},
        SearchLineCase{"from_skips_earlier", u"ab", u"abcab", 2, true, 4},
        SearchLineCase{"from_at_match", u"ab", u"abcab", 4, true, 4},
        SearchLineCase{"from_past_last", u"ab", u"abcab", 5, true, 0},
        SearchLineCase{"from_beyond_line", u"ab", u"abcab", 40, true, 0},
        SearchLineCase{"from_zero_is_nothing", u"ab", u"abcab", 0, true, 0},
        SearchLineCase{"empty_pattern", u"", u"abc", 1, false, 0},
        SearchLineCase{"empty_line", u"a", u"", 1, false, 0},
        SearchLineCase{"case_ignored", u"TREE", u"the trees", 1, false, 5},
        SearchLineCase{"mixed_case_ignored", u"tReE", u"The TrEes", 1, false, 5},
        SearchLineCase{"case_must_match", u"TREE", u"the trees", 1, true, 0},
        SearchLineCase{"case_exact", u"Tree", u"tree Tree", 1, true, 6},
        SearchLineCase{"latin1_letters", u"\u00C9T\u00C9", u"l'\u00e9t\u00e9", 1, false, 3},
        SearchLineCase{"cp1252_extras", u"\u0160\u017D\u0178", u"x\u0161\u017e\u00ff", 1, false, 2},
        SearchLineCase{"division_sign_not_a_letter", u"\u00D7", u"\u00F7", 1, false, 0},
        SearchLineCase{"pattern_longer_than_line", u"abcd", u"abc", 1, false, 0}),
    [](const testing::TestParamInfo<SearchLineCase> &testCase) {
        return std::string(testCase.param.name);
    });

TEST(SearchLineLongLines, FindsBeyondColumn255)
{
    // The window of a line search is not limited: an occurrence far into a long
    // line is found, and its column does not wrap around.
    std::u16string line(100000, u'x');
    line.replace(70000, 3, u"key");
    EXPECT_EQ(SearchLine(u"KEY", line, 1, false), 70001);
    EXPECT_EQ(SearchLine(u"key", line, 300, true), 70001);
    EXPECT_EQ(SearchLine(u"key", line, 70002, true), 0);
}

TEST(FindNextTest, OverlappingOccurrencesInTurn)
{
    VectorLines lines({u"aaaa"});
    SearchState state;
    std::vector<long> columns;
    for (int i = 0; i < 3; ++i) {
        const FindResult r = FindNext(state, lines, u"aa");
        ASSERT_TRUE(r.found);
        columns.push_back(r.column);
    }
    EXPECT_EQ(columns, (std::vector<long>{1, 2, 3}));
    // The fourth press finds nothing and goes back to the top...
    EXPECT_FALSE(FindNext(state, lines, u"aa").found);
    EXPECT_EQ(state.LineIndex, 0);
    EXPECT_EQ(state.MatchColumn, 0);
    EXPECT_EQ(state.LineStart, 0);
    // ...so the next one starts over at the first occurrence.
    const FindResult again = FindNext(state, lines, u"aa");
    ASSERT_TRUE(again.found);
    EXPECT_EQ(again.column, 1);
}

TEST(FindNextTest, OffsetsCountLineBreaksAsTwo)
{
    VectorLines lines({u"first", u"", u"third with x", u"x"});
    SearchState state;
    const FindResult a = FindNext(state, lines, u"x");
    ASSERT_TRUE(a.found);
    EXPECT_EQ(a.line, 2);
    EXPECT_EQ(a.column, 12);
    EXPECT_EQ(state.LineStart, 5 + 2 + 0 + 2);
    EXPECT_EQ(a.offset, 9 + 11);
    const FindResult b = FindNext(state, lines, u"x");
    ASSERT_TRUE(b.found);
    EXPECT_EQ(b.line, 3);
    EXPECT_EQ(b.column, 1);
    EXPECT_EQ(b.offset, 9 + 12 + 2);
}

TEST(FindNextTest, MatchCaseFollowsState)
{
    VectorLines lines({u"Alpha alpha ALPHA"});
    SearchState state;
    state.MatchCase = true;
    EXPECT_EQ(FindNext(state, lines, u"alpha").column, 7);
    EXPECT_FALSE(FindNext(state, lines, u"alpha").found);
    state.MatchCase = false;
    std::vector<long> columns;
    for (FindResult r = FindNext(state, lines, u"alpha"); r.found;
         r = FindNext(state, lines, u"alpha"))
        columns.push_back(r.column);
    EXPECT_EQ(columns, (std::vector<long>{1, 7, 13}));
}

TEST(FindNextTest, StalePositionAfterTextShrankIsSafe)
{
    VectorLines lines({u"one", u"two"});
    SearchState state;
    state.LineIndex = 7;
    state.MatchColumn = 300;
    EXPECT_FALSE(FindNext(state, lines, u"o").found);
    EXPECT_EQ(state.LineIndex, 0);
    EXPECT_EQ(FindNext(state, lines, u"o").line, 0);
}

TEST(FindNextTest, NoLinesFindsNothing)
{
    VectorLines lines({});
    SearchState state;
    EXPECT_FALSE(FindNext(state, lines, u"a").found);
}

TEST(ReplaceFirstTest, ChangesFirstOccurrenceOfWholeText)
{
    VectorLines lines({u"none here", u"cat and cat", u"cat"});
    SearchState state;
    // A search that went on to the third occurrence does not move Replace.
    FindNext(state, lines, u"cat");
    FindNext(state, lines, u"cat");
    FindNext(state, lines, u"cat");
    ASSERT_EQ(state.LineIndex, 2);
    EXPECT_TRUE(ReplaceFirst(lines, u"CAT", u"dog", false));
    EXPECT_EQ(lines.text, (std::vector<std::u16string>{u"none here", u"dog and cat", u"cat"}));
    EXPECT_EQ(lines.writes, 1);
}

TEST(ReplaceFirstTest, NothingFoundChangesNothing)
{
    VectorLines lines({u"abc"});
    EXPECT_FALSE(ReplaceFirst(lines, u"x", u"y", false));
    EXPECT_FALSE(ReplaceFirst(lines, u"", u"y", false));
    EXPECT_EQ(lines.text[0], u"abc");
    EXPECT_EQ(lines.writes, 0);
}

struct ReplaceAllCase
{
    const char *name;
    std::vector<std::u16string> before;
    std::u16string pattern;
    std::u16string replacement;
    bool matchCase;
    std::vector<std::u16string> after;
    long count;
};

void PrintTo(const ReplaceAllCase &c, std::ostream *os)
{
    *os << c.name;
}

class ReplaceAllTest : public testing::TestWithParam<ReplaceAllCase>
{ };

TEST_P(ReplaceAllTest, Replaces)
{
    const ReplaceAllCase &c = GetParam();
    VectorLines lines(c.before);
    EXPECT_EQ(ReplaceAll(lines, c.pattern, c.replacement, c.matchCase), c.count);
    EXPECT_EQ(lines.text, c.after);
    if (c.count == 0) {
        EXPECT_EQ(lines.writes, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReplaceAllTest,
    testing::Values(
        ReplaceAllCase{
            "every_line", {u"a,b", u"", u",,"}, u",", u"\t", true, {u"a\tb", u"", u"\t\t"}, 3},
        // The replacement contains the pattern: each original occurrence is
        // replaced once and the loop ends.
        ReplaceAllCase{"replacement_ends_with_pattern", {u"aXa"}, u"a", u"ba", true, {u"baXba"}, 2},
        ReplaceAllCase{"replacement_starts_with_pattern", {u"aa"}, u"a", u"ab", true, {u"abab"}, 2},
        // Removing "ab" from "aabb" joins a new "ab" before the resume column:
        // it stays.
        ReplaceAllCase{"joined_occurrence_stays", {u"aabb"}, u"ab", u"", true, {u"ab"}, 1},
        ReplaceAllCase{"non_overlapping", {u"aaaaa"}, u"aa", u"b", true, {u"bba"}, 2},
        ReplaceAllCase{"case_ignored", {u"Cat cAT dog"}, u"cat", u"x", false, {u"x x dog"}, 2},
        ReplaceAllCase{"case_must_match", {u"Cat cat"}, u"cat", u"x", true, {u"Cat x"}, 1},
        ReplaceAllCase{"pattern_absent", {u"abc", u"def"}, u"z", u"y", false, {u"abc", u"def"}, 0},
        ReplaceAllCase{"empty_pattern", {u"abc"}, u"", u"y", false, {u"abc"}, 0}),
    [](const testing::TestParamInfo<ReplaceAllCase> &testCase) {
        return std::string(testCase.param.name);
    });

TEST(ReplaceAllLongLines, ReplacesAcrossAVeryLongLine)
{
    // Replacements far beyond column 255, and a line growing while it changes.
    std::u16string line;
    for (int i = 0; i < 20000; ++i)
        line += u"ab,";
    VectorLines lines({line});
    EXPECT_EQ(ReplaceAll(lines, u",", u";;", true), 20000);
    ASSERT_EQ(lines.text[0].size(), 20000u * 4);
    EXPECT_EQ(lines.text[0].substr(lines.text[0].size() - 8), u"ab;;ab;;");
    EXPECT_EQ(lines.text[0].find(u','), std::u16string::npos);
}

TEST(LineMatcherTest, CustomUpperCaseFunction)
{
    // The windowed program hands in the toolkit's full Unicode upper case.
    auto greek = [](char16_t c) -> char16_t { return c == 0x03B1 ? 0x0391 : c; };
    EXPECT_EQ(SearchLine(u"\u0391", u"x\u03B1", 1, false, greek), 2);
    EXPECT_EQ(SearchLine(u"\u0391", u"x\u03B1", 1, false), 0);
}

} // namespace
