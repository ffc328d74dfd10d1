// Token reading, read-error messages and number formatting.

#include "core/numeric/strings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::string LF = "\n";

class StringsTest : public ::testing::Test
{ };

std::vector<std::string> Tokens(std::string line)
{
    std::vector<std::string> tokens;
    for (;;) {
        std::string token;
        NextToken(line, Delimiters, token);
        if (token.empty())
            break;
        tokens.push_back(token);
    }
    return tokens;
}

TEST_F(StringsTest, DelimitersSplitTabsBlanksAndCommas)
{
    const std::string line = "3.5\t4 ,,5";
    EXPECT_EQ(CountWords(line, Delimiters), 3);
    EXPECT_EQ(Tokens(line), (std::vector<std::string>{"3.5", "4", "5"}));

    std::string values = "1,234";
    const ReadResult<double> first = ReadReal(values, Delimiters);
    const ReadResult<double> second = ReadReal(values, Delimiters);
    EXPECT_EQ(first.value, 1.0);
    EXPECT_EQ(second.value, 234.0);
    EXPECT_TRUE(first.ok() && second.ok());
}

TEST_F(StringsTest, CountWordsSeesOnlyLengthModulo256)
{
    EXPECT_EQ(CountWords("", Delimiters), 0);
    EXPECT_EQ(CountWords(",, a ,b,,", Delimiters), 2);

    // 255 characters: every token counts.
    std::string line(250, ' ');
    line += "1 2 3";
    EXPECT_EQ(CountWords(line, Delimiters), 3);
    // 256 characters are seen as none; 258 as the first two.
    EXPECT_EQ(CountWords(std::string(254, 'x') + " y", Delimiters), 0);
    EXPECT_EQ(CountWords("a " + std::string(256, 'b'), Delimiters), 1);
}

TEST_F(StringsTest, StripAndSplit)
{
    std::string text = " ,\tab, ";
    StripLeading(text, Delimiters);
    EXPECT_EQ(text, "ab, ");
    StripTrailing(text, Delimiters);
    EXPECT_EQ(text, "ab");

    std::string all = ", ,";
    StripLeading(all, Delimiters);
    EXPECT_EQ(all, "");

    struct Case
    {
        std::string text, token, rest;
    };
    const std::vector<Case> cases = {
        {"12 34", "12", "34"},   // the token and its one delimiter go
        {"12  34", "12", " 34"}, // only one delimiter is taken
        {"12", "12", ""},        // no delimiter: the whole text
        {"12,", "12", ""},       // delimiter as last character: stripped
        {",5 6", "", "5 6"},     // a leading delimiter gives an empty token
        {"", "", ""},
    };
    for (const Case &c : cases) {
        std::string rest = c.text;
        std::string token = "old";
        SplitToken(rest, Delimiters, token);
        EXPECT_EQ(token, c.token) << c.text;
        EXPECT_EQ(rest, c.rest) << c.text;
    }
}

TEST_F(StringsTest, NextTokenFlagsEmptyLines)
{
    std::string line;
    std::string token = "x";
    EXPECT_FALSE(NextToken(line, Delimiters, token));
    EXPECT_EQ(token, "");

    line = " \t, ";
    EXPECT_TRUE(NextToken(line, Delimiters, token)); // the line was not empty, only its token is
    EXPECT_EQ(token, "");

    line = "7\t";
    NextToken(line, Delimiters, token);
    EXPECT_EQ(token, "7");
    EXPECT_EQ(line, " "); // the TAB was taken, the appended blank is left
}

TEST_F(StringsTest, RealConversionAcceptsOnlyPlainDecimals)
{
    struct Case
    {
        const char *text;
        bool ok;
        long double value;
    };
    const std::vector<Case> cases = {
        {"1.5", true, 1.5L},    {"-2", true, -2.0L}, {"+3.25E2", true, 325.0L},
        {"1e-3", true, 0.001L}, {"  4", true, 4.0L}, {"1E-400", true, 0.0L},
        {"inf", false, 0},      {"nan", false, 0},   {"INF", false, 0},
        {"0x10", false, 0},     {"12abc", false, 0}, {"5.", false, 0},
        {".5", false, 0},       {"1e", false, 0},    {"1e+", false, 0},
        {"--1", false, 0},      {"", false, 0},      {"1.2.3", false, 0},
        {"1e400", false, 0},    {"2E308", false, 0},
    };
    for (const Case &c : cases) {
        long double value = -99;
        EXPECT_EQ(ConvertReal(c.text, value), c.ok) << c.text;
        if (c.ok) {
            EXPECT_NEAR(static_cast<double>(value), static_cast<double>(c.value), 1e-15) << c.text;
        }
    }
}

TEST_F(StringsTest, IntegerConversionAcceptsDecimalAndHexadecimal)
{
    struct Case
    {
        const char *text;
        bool ok;
        std::int32_t value;
    };
    const std::vector<Case> cases = {
        {"10", true, 10},
        {"-3", true, -3},
        {"+7", true, 7},
        {"$1F", true, 31},
        {"x1f", true, 31},
        {"X10", true, 16},
        {"0x10", true, 16},
        {"0XfF", true, 255},
        {"2147483647", true, 2147483647},
        {"-2147483648", true, -2147483647 - 1},
        {"2147483648", false, 0},
        {"$80000000", false, 0},
        {"7.5", false, 0},
        {"12abc", false, 0},
        {"$", false, 0},
        {"0x", false, 0},
        {"", false, 0},
        {"1e3", false, 0},
    };
    for (const Case &c : cases) {
        std::int32_t value = -99;
        EXPECT_EQ(ConvertInteger(c.text, value), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(value, c.value) << c.text;
        }
    }
}

TEST_F(StringsTest, ReadIntegerReportsARealToken)
{
    std::string line = "7.5";
    const ReadResult<std::int32_t> bad = ReadInteger(line, Delimiters);
    EXPECT_EQ(bad.value, 0);
    ASSERT_FALSE(bad.ok());
    EXPECT_EQ(bad.error->text().rfind("Integer expected in read" + LF + LF, 0), 0u);

    line = "$1F";
    const ReadResult<std::int32_t> good = ReadInteger(line, Delimiters);
    EXPECT_EQ(good.value, 31);
    EXPECT_TRUE(good.ok());
}

TEST_F(StringsTest, ReadRealOnAnEmptyLineWithNoDataLine)
{
    std::string line;
    const ReadResult<double> read = ReadReal(line, Delimiters);
    EXPECT_EQ(read.value, 0.0);
    ASSERT_FALSE(read.ok());
    EXPECT_EQ(read.error->code, NumberErrorCode::NoLine);
    EXPECT_EQ(read.error->text(),
              "Double expected in read" + LF + LF + "Processing Line : " + LF
                  + "No line read in file");
}

TEST_F(StringsTest, ReadErrorMessageLayouts)
{
    const std::string head = "Double expected in read" + LF + LF + "Processing Line : ";

    // The caret stands under the token's second character.
    std::string shown = "1 2 x3";
    EXPECT_EQ(ReadErrorMessage('R', "x3", shown).text(), head + LF + "1 2 x3" + LF + "     ^");

    // A token that is not in the line puts the caret in column 1.
    EXPECT_EQ(ReadErrorMessage('R', "zz", shown).text(), head + LF + "1 2 x3" + LF + "^");
    EXPECT_EQ(shown, "1 2 x3");

    // ReadReal shows the line it is given.
    std::string line = "4 x3";
    EXPECT_EQ(ReadReal(line, Delimiters, shown).error, std::nullopt);
    EXPECT_EQ(ReadReal(line, Delimiters, shown).error->text(),
              head + LF + "1 2 x3" + LF + "     ^");

    // Any other kind has its own head.
    shown.clear();
    EXPECT_EQ(ReadErrorMessage('Q', "x", shown).text().substr(0, 34),
              "Unknown error occurred during read");
}

TEST_F(StringsTest, ReadErrorFarInALineSplitsItAndShortensTheLine)
{
    // A bad token at position 70 of an 80-character line.
    std::string line(69, '1');
    line += "x";
    line += std::string(10, '2');
    ASSERT_EQ(line.size(), 80u);
    std::string shown = line;
    const std::string text = ReadErrorMessage('R', "x", shown).text();
    const std::string expected = "Double expected in read" + LF + LF + "Processing Line : " + LF
        + line.substr(0, 60) + LF + line.substr(60) + LF + std::string(10, ' ') + "^";
    EXPECT_EQ(text, expected);
    EXPECT_EQ(shown, line.substr(60));

    // A further error searches the shortened line.
    const std::string further = ReadErrorMessage('R', "2222", shown).text();
    EXPECT_EQ(further.substr(further.rfind(LF) + 1), std::string(11, ' ') + "^");
}

TEST_F(StringsTest, ReadErrorColumnsWrapAt256)
{
    // Position 255 gives column 256, which wraps to 0 and becomes 2.
    std::string shown = std::string(254, 'a') + "x" + "bb";
    const std::string text = ReadErrorMessage('R', "x", shown).text();
    EXPECT_EQ(text.substr(text.rfind(LF) + 1), " ^");
    // At column 2 the whole line is shown and kept.
    EXPECT_EQ(shown.size(), 257u);

    // A line of exactly 256 characters counts as no line at all.
    shown = std::string(256, 'a');
    EXPECT_EQ(ReadErrorMessage('I', "b", shown).code, NumberErrorCode::NoLine);
}

TEST_F(StringsTest, RepeatChar)
{
    EXPECT_EQ(RepeatChar('*', 0), "");
    EXPECT_EQ(RepeatChar('=', 64), std::string(64, '='));
    EXPECT_EQ(RepeatChar('-', 255).size(), 255u);
}

TEST_F(StringsTest, FormatNumber)
{
    struct Case
    {
        int width, decimals;
        double x;
        const char *text;
    };
    const std::vector<Case> cases = {
        {0, 2, 1234567.891, "1,234,567.89"},
        {0, 0, -1234, "-1,234"},
        {0, 3, 0.5, "0.500"},
        {12, 2, 1234.5, "    1,234.50"},
        {5, 1, 123456, "123,456.0"},
        {255, 2, 1.5, " 1.50000000000000E+0000"},
        {255, 0, -0.00012345, "-1.23450000000000E-0004"},
        {255, 0, 3.0e200, " 3.00000000000000E+0200"},
        {0, 2, 999.999, "1,000.00"},
        {0, 6, -3183.0988618379, "-3,183.098862"},
        {0, 0, 100, "100"},
        {0, 0, -100, "-100"},
        {0, 0, 1000, "1,000"},
        {0, 0, -123456789, "-123,456,789"},
        {10, 0, 1234567, " 1,234,567"},
        {3, 2, 0.25, "0.25"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(FormatNumber(static_cast<std::uint8_t>(c.width),
                               static_cast<std::uint8_t>(c.decimals), c.x),
                  c.text)
            << c.width << " " << c.decimals << " " << c.x;
    EXPECT_EQ(FormatNumber(255, 2, 1.5).size(), 23u);
}

TEST_F(StringsTest, TrackDecimals)
{
    std::uint8_t maximum = 0;
    std::string line = "12.345 7 1.2300E+02 4.5E+1";
    const std::vector<int> expected = {3, 0, 0, 2};
    for (int decimals : expected) {
        std::uint8_t alone = 0;
        TrackDecimals(line, Delimiters, alone);
        EXPECT_EQ(alone, decimals) << line;
        TrackDecimals(line, Delimiters, maximum);
        EXPECT_TRUE(ReadReal(line, Delimiters).ok()); // TrackDecimals looks ahead without consuming
    }
    EXPECT_EQ(maximum, 3);

    // A lower-case e is an exponent as an upper-case one is.
    for (const char *small : {"1.5e-5", "1.5E-5"}) {
        maximum = 0;
        TrackDecimals(small, Delimiters, maximum);
        EXPECT_EQ(maximum, 8) << small;
    }

    // A negative count never lowers or wraps the maximum.
    maximum = 1;
    TrackDecimals("5E+9", Delimiters, maximum);
    EXPECT_EQ(maximum, 1);

    // Nothing to look at.
    TrackDecimals("", Delimiters, maximum);
    EXPECT_EQ(maximum, 1);
}

} // namespace

// Entry fields: a number too large for a double says so with the range; a
// misspelt one shows a caret after its longest beginning that is a number,
// found in one pass even in an entry of 100,000 characters.
TEST_F(StringsTest, RefusedFieldsSayWhy)
{
    struct Case
    {
        std::string text;
        bool integer;
        std::string said;        // in the message
        std::size_t caretColumn; // of "^" on the message's last line; npos: no caret
    };
    const std::size_t none = std::string::npos;
    const std::vector<Case> cases = {
        {"1e400", false,
         "The number 1e400 is too large: numbers must lie between -1.79769313486232E+0308 and "
         "1.79769313486232E+0308.",
         none},
        {" -1E999 ", false, "The number -1E999 is too large", none},
        {std::string(100000, '7'), false, "is too large", none},
        {"1e400x", false, "Double expected in read", 5},
        {"2,5e3q", false, "Double expected in read", 5},
        {std::string(100000, '7') + "x", false, "Double expected in read", 100000},
        {std::string(100000, '7'), true, "Integer expected in read", 9},
        {"0x", true, "Integer expected in read", 1},
        {"-0x1G", true, "Integer expected in read", 4},
        {"2.5", true, "Integer expected in read", 1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text.substr(0, 20));
        const std::optional<NumberError> read
            = c.integer ? ReadIntegerField(c.text).error : ReadRealField(c.text).error;
        ASSERT_TRUE(read.has_value());
        const std::optional<std::string> error = read->text();
        EXPECT_NE(error->find(c.said), std::string::npos) << *error;
        const std::size_t caret = error->rfind('^');
        EXPECT_EQ(caret == none ? none : caret - error->find_last_of('\n', caret) - 1,
                  c.caretColumn);
    }
}
