// Reading data files and the descriptive statistics.

#include "analysistest.h"
#include "core/analysis/report.h"
#include "core/analysis/statistics.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <limits>
#include <map>
#include <random>

namespace {

struct FileCase
{
    const char *name;
    std::string content;
    std::vector<double> values; // in file order
    int maxDecimals;
    std::size_t readErrors;
};

class ReadingTest : public AnalysisTest
{ };

TEST_F(ReadingTest, FilesReadAsTheyAreWritten)
{
    const std::vector<FileCase> cases = {
        {"one line", "1 2 3 4", {1, 2, 3, 4}, 0, 0},
        {"blank lines, leading blanks, CR and LF ends, no final end",
         "\r\n\r\n   3\r\n\n\t1\r2",
         {3, 1, 2},
         0,
         0},
        {"TAB, blank and comma runs", "3.5\t4 ,,5\r\n", {3.5, 4, 5}, 1, 0},
        {"a comma splits a number", "1,234", {1, 234}, 0, 0},
        {"signs", "-0.5,+2 -7", {-0.5, 2, -7}, 1, 0},
        {"a bad token is left out", "1.5 abc 2", {1.5, 2}, 1, 1},
        {"decimals of the widest number", "1.25 3.5 4", {1.25, 3.5, 4}, 2, 0},
        {"a bad token's decimals do not count", "ab.cde 1", {1}, 0, 1},
        {"a byte order mark is passed over",
         "\xEF\xBB\xBF"
         "7 8",
         {7, 8},
         0,
         0},
        {"decimal commas are delimiters", "3,5 1,25", {3, 5, 1, 25}, 0, 0},
        {"exponents", "12.345 7 1.2300E+02 4.5E+1", {12.345, 7, 123, 45}, 3, 0},
        {"two bad tokens on two lines", "x 1\r\n2 y\r\n", {1, 2}, 0, 2},
    };
    for (const FileCase &c : cases) {
        SCOPED_TRACE(c.name);
        const Sample state = readSample(write("case.dat", c.content));
        EXPECT_EQ(state.n(), c.values.size());
        EXPECT_EQ(state.values, c.values);
        EXPECT_EQ(state.decimals, c.maxDecimals);
        EXPECT_EQ(state.skippedTokens, c.readErrors);
        EXPECT_EQ(state.notes.size(), c.readErrors > 0 ? 1u : 0u);
    }
}

TEST_F(ReadingTest, TokensLeftOutAreShownInOneMessage)
{
    // Seven words: NA, NaN, "." and a header among them; blank lines count.
    const std::string content = "Ozone Temp\n\n41 NA\r\n. 12,,NaN x3\n1 2 y z\n";
    const Sample state = readSample(write("bad.dat", content));
    EXPECT_EQ(state.values, (std::vector<double>{41, 12, 1, 2}));
    EXPECT_EQ(state.skippedTokens, 8u);
    ASSERT_EQ(state.notes.size(), 1u);
    const std::string &text = state.notes[0];
    EXPECT_EQ(text.find("8 tokens that are not numbers were left out of"), 0u) << text;
    EXPECT_NE(text.find("; the first 5:"), std::string::npos);
    for (const char *shown :
         {"Line 1: \"Ozone\"\nOzone Temp\n^", "Line 1: \"Temp\"\nOzone Temp\n      ^",
          "Line 3: \"NA\"\n41 NA\n   ^", "Line 4: \".\"\n. 12,,NaN x3\n^",
          "Line 4: \"NaN\"\n. 12,,NaN x3\n      ^"})
        EXPECT_NE(text.find(shown), std::string::npos) << shown << "\nin\n" << text;
    EXPECT_EQ(text.find("x3"), text.find("NaN x3") + 4) << "only the first five are listed";
}

TEST_F(ReadingTest, FilesThatGiveNoValuesAreRefusedWithOneMessage)
{
    struct Case
    {
        const char *name;
        std::string content;
        const char *reason;
    };
    const std::vector<Case> cases = {
        {"empty", "", "holds no numbers"},
        {"white space only", " \r\n\t\r\n  ", "holds no numbers"},
        {"binary", std::string("1 2\0\x01\x02 3", 9), "is not a text file"},
        {"binary after text", "1 2 3\r\n" + std::string(5000, '4') + std::string(1, '\0'),
         "is not a text file"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const AnalysisRun run = AnalyseDataFile(request(c.content, 3, 0, false));
        ASSERT_FALSE(run.ok());
        const std::string error = run.error->text();
        EXPECT_NE(error.find(c.reason), std::string::npos) << error;
        EXPECT_NE(error.find((folder / "sample.dat").string()), std::string::npos) << error;
        EXPECT_TRUE(run.result.sample.notes.empty());
    }

    const std::string missing = (folder / "missing.dat").string();
    const Checked<Sample> read = ReadDataFile(missing);
    ASSERT_FALSE(read.ok());
    EXPECT_EQ(read.error->code, AnalysisErrorCode::CannotOpen);
    const std::string error = read.error->text();
    EXPECT_NE(error.find(missing), std::string::npos);
    EXPECT_NE(error.find("No such file"), std::string::npos) << error;
}

TEST_F(ReadingTest, AnyNumberOfValuesAndLinesOfAnyLength)
{
    // 5000 values, ten per line: far more than the old 1000.
    std::vector<std::string> tokens;
    for (int i = 0; i < 5000; ++i)
        tokens.push_back(std::to_string(i));
    Sample state = readSample(write("many.dat", join(tokens)));
    ASSERT_EQ(state.n(), 5000u);
    EXPECT_EQ(state.values[4999], 4999.0);

    // One line of about 4000 characters, with a bad token near its end.
    std::string line;
    for (int i = 0; i < 700; ++i)
        line += std::to_string(i * 0.25).substr(0, 5) + (i % 3 ? " " : ",\t");
    line += "oops 9.5";
    ASSERT_GT(line.size(), 3000u);
    state = readSample(write("long.dat", line + "\r\n"));
    ASSERT_EQ(state.n(), 701u);
    EXPECT_EQ(state.values[4], 1.0);
    EXPECT_EQ(state.values[700], 9.5);
    ASSERT_EQ(state.notes.size(), 1u);
    // The message shows the piece of the line that holds the token, short
    // enough for the caret to stand under it.
    const std::string &text = state.notes[0];
    const std::size_t lineStart = text.find("\"oops\"\n") + 7;
    const std::size_t lineEnd = text.find('\n', lineStart);
    const std::string shown = text.substr(lineStart, lineEnd - lineStart);
    const std::size_t column = text.find('^', lineEnd) - (lineEnd + 1);
    EXPECT_LE(shown.size(), 256u);
    EXPECT_EQ(shown.substr(column, 4), "oops") << text;
}

TEST_F(ReadingTest, TokenValuesMatchReadReal)
{
    std::vector<std::string> tokens = {
        "0",
        "-0",
        "+7",
        "3.25",
        "-12.75",
        "0.1",
        "000123.4500",
        "9999999999999999999",
        "18446744073709551615",
        "0.000000000000000000000000000001",
        "1234567890.123456789",
        "5.",
        ".5",
        "1e3",
        "1E-3",
        "2.5E+10",
        "1.7976931348623157E308",
    };
    std::mt19937_64 random(20240611);
    for (int i = 0; i < 3000; ++i) {
        const int digits = 1 + static_cast<int>(random() % 22);
        std::string token = random() % 2 ? "-" : "";
        for (int d = 0; d < digits; ++d)
            token += static_cast<char>('0' + random() % 10);
        const std::size_t point = random() % (token.size() + 1);
        if (point > 0 && point < token.size() && token[point - 1] != '-')
            token.insert(point, ".");
        tokens.push_back(token);
    }
    for (const std::string &token : tokens) {
        SCOPED_TRACE(token);
        std::string line = token;
        const ReadResult<double> read = ReadReal(line, Delimiters);
        const double expected = read.value;
        const bool readable = read.ok();
        double value = 0.0;
        EXPECT_EQ(TokenValue(token, value), readable);
        if (readable) {
            EXPECT_EQ(value, expected);
            EXPECT_EQ(std::signbit(value), std::signbit(expected));
        }
    }
    for (const char *bad : {"abc", "1.2.3", "--1", "1,5", "0x10", "inf", "nan", "1e", "-", ""}) {
        double value = 0.0;
        EXPECT_FALSE(TokenValue(bad, value)) << bad;
    }
}

TEST_F(ReadingTest, TokenDecimalsAndTheLookAheadOfTrackDecimals)
{
    struct Case
    {
        const char *token;
        std::int64_t decimals;
    };
    const Case cases[] = {
        {"12.345", 3},
        {"7", 0},
        {"1.2300E+02", 0}, // the first "0" after the point, less
                           // the exponent, less 3
        {"4.5E+1", 2},     // no "0": the search runs on to the end of the token
        {"1.5e-3", 6},     // a lower-case e counts as an upper-case one
        {"1.5E-3", 6},
        {"ab.cde", 3},
        {"0.5E-20", 24},
        {"3E5", -5},  // negative: never raises the maximum
        {"1.E+X", 0}, // an exponent that is not a number
        {"-0.00", 2},
        {"100", 0},
        {"1.000000", 6},
        {"9.87654321E-02", 12},
        {"6.0E+00", 0},
        {".5", 1},
        {"E", 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.token);
        EXPECT_EQ(TokenDecimals(c.token), c.decimals);
        for (int start : {0, 2, 5}) {
            std::uint8_t maximum = static_cast<std::uint8_t>(start);
            TrackDecimals(std::string(c.token) + " ", Delimiters, maximum);
            EXPECT_EQ(maximum, std::max<std::int64_t>(start, c.decimals));
        }
    }
}

struct StatisticsCase
{
    std::vector<double> values;
    double median;
    double mode;
};

TEST_F(ReadingTest, MedianAndMode)
{
    const std::vector<StatisticsCase> cases = {
        {{1, 2, 3, 4}, 2.5, 1},     // every value once: the minimum
        {{3, 1, 2}, 2, 1},          // odd count
        {{1, 1, 2, 2, 3}, 2, 1},    // a tie goes to the smaller value
        {{5, 7, 7, 9, 9, 9}, 8, 9}, // the longest run, at the end
        {{-1, -1, -1, 0}, -1, -1},  // a run never reaches past the last value
        {{4}, 4, 4},
    };
    for (const StatisticsCase &c : cases) {
        Sample state;
        state.values = c.values;
        SortData(state);
        EXPECT_TRUE(std::is_sorted(state.values.begin(), state.values.end()));
        Description d;
        FindMedian(state, d);
        FindMode(state, d);
        EXPECT_EQ(d.median, c.median) << ::testing::PrintToString(c.values);
        EXPECT_EQ(d.mode, c.mode) << ::testing::PrintToString(c.values);
    }
}

TEST_F(ReadingTest, LargeSamplesSortLikeAComparisonSort)
{
    std::mt19937_64 random(5);
    std::vector<double> values;
    for (int i = 0; i < 20000; ++i) {
        switch (i % 5) {
        case 0:
            values.push_back(std::ldexp(static_cast<double>(random() % 1000) - 500,
                                        static_cast<int>(random() % 200) - 100));
            break;
        case 1:
            values.push_back(static_cast<double>(random() % 50) / 4 - 6);
            break; // many repeats
        case 2:
            values.push_back(i % 2 ? 0.0 : -0.0);
            break;
        case 3:
            values.push_back(-1e300 * static_cast<double>(random() % 3));
            break;
        default:
            values.push_back(std::numeric_limits<double>::denorm_min()
                                 * static_cast<double>(random() % 7)
                             - 3e-320);
            break;
        }
    }
    Sample state;
    state.values = values;
    SortData(state);
    std::sort(values.begin(), values.end());
    ASSERT_EQ(state.values.size(), values.size());
    for (std::size_t i = 0; i < values.size(); ++i)
        ASSERT_EQ(state.values[i], values[i]) << i;
}

TEST_F(ReadingTest, StatisticsOfOneTwoThreeFour)
{
    const AnalysisResult s = analyse("1 2 3 4", 3);
    EXPECT_EQ(s.description.n, 4u);
    EXPECT_EQ(s.description.range, 3.0);
    EXPECT_DOUBLE_EQ(s.description.mean, 2.5);
    EXPECT_NEAR(s.description.variance, 5.0 / 3.0, 1e-15);
    EXPECT_NEAR(s.description.stdDev, 1.29099, 5e-6);
    EXPECT_NEAR(s.description.stdError, 0.645497, 5e-7);
    EXPECT_NEAR(s.description.stdDev * s.description.stdDev * 3, 5.0, 1e-13);
    for (double x : {1.0, 2.0, 3.0, 4.0})
        EXPECT_EQ(Residual(x, s.description), x - 2.5);
}

// The statistics of the values as a textbook computes them: the mean, then
// the squared deviations from it, in extended precision.
struct Expected
{
    double mean;
    double variance;
    double median;
    double mode;
};

Expected Straightforward(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    long double sum = 0;
    std::map<double, int> counts;
    for (double v : values) {
        sum += v;
        ++counts[v];
    }
    const long double mean = sum / n;
    long double squares = 0;
    for (double v : values)
        squares += (v - mean) * (v - mean);
    double mode = values.front();
    int best = 0;
    for (const auto &[value, count] : counts)
        if (count > best) {
            best = count;
            mode = value;
        }
    const double median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
    return {static_cast<double>(mean), static_cast<double>(squares / (n - 1)), median, mode};
}

TEST_F(ReadingTest, StatisticsAgreeWithAStraightforwardComputation)
{
    std::mt19937 random(7031);
    std::normal_distribution<double> heights(172.4, 8.3);
    std::exponential_distribution<double> waits(0.4);
    std::uniform_int_distribution<int> dice(1, 6);
    // Each sample draws whole hundredths, written with two decimals.
    const std::vector<std::pair<const char *, std::function<long long()>>> samples = {
        {"heights in cm", [&] { return std::llround(heights(random) * 100); }},
        {"waiting times", [&] { return std::llround(waits(random) * 100); }},
        {"dice totals", [&] { return 100LL * (dice(random) + dice(random)); }},
        {"offsets around a large value", [&] { return 1000000000000LL + dice(random) * 7; }},
    };
    for (const auto &[name, draw] : samples) {
        SCOPED_TRACE(name);
        std::vector<double> values;
        std::vector<std::string> tokens;
        for (int i = 0; i < 347; ++i) {
            const long long cents = draw();
            char text[40];
            std::snprintf(text, sizeof text, "%lld.%02lld", cents / 100, cents % 100);
            tokens.push_back(text);
            values.push_back(std::strtod(text, nullptr));
        }
        const Expected e = Straightforward(values);
        const AnalysisResult s = analyse(join(tokens), 12);
        EXPECT_EQ(s.description.n, values.size());
        EXPECT_NEAR(s.description.mean, e.mean, 1e-14 * std::fabs(e.mean));
        EXPECT_NEAR(s.description.variance, e.variance, 1e-12 * e.variance);
        EXPECT_NEAR(s.description.stdDev, std::sqrt(e.variance), 1e-12 * std::sqrt(e.variance));
        EXPECT_NEAR(s.description.stdError, std::sqrt(e.variance / 347),
                    1e-12 * std::sqrt(e.variance));
        EXPECT_EQ(s.description.median, e.median);
        EXPECT_EQ(s.description.mode, e.mode);
        EXPECT_EQ(s.sample.decimals, 2);
    }
}

TEST_F(ReadingTest, RealDataSetsAgreeWithR)
{
    // Data sets shipped with R (Old Faithful's eruption lengths and waiting
    // times, the annual rainfall of 70 US cities); the figures are R 4.2's
    // mean, sd, median and most frequent value (the first of a tie).
    struct Case
    {
        const char *file;
        std::size_t n;
        double mean, sd, median, mode, range;
    };
    const std::vector<Case> cases = {
        {"faithful-eruptions.dat", 272, 3.487783088235294, 1.1413712511052083, 4, 1.867, 5.1 - 1.6},
        {"faithful-waiting.dat", 272, 70.897058823529406, 13.594973789999397, 76, 78, 96 - 43},
        {"precip.dat", 70, 34.885714285714286, 13.706650091425638, 36.6, 7.8, 67 - 7},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.file);
        const AnalysisResult s
            = analyse(read(std::string(MERVAN_ANALYSIS_DATA) + "/" + c.file), 12);
        ASSERT_EQ(s.description.n, c.n);
        EXPECT_NEAR(s.description.mean, c.mean, 1e-14 * c.mean);
        EXPECT_NEAR(s.description.stdDev, c.sd, 1e-13 * c.sd);
        EXPECT_NEAR(s.description.stdError, c.sd / std::sqrt(double(c.n)), 1e-13 * c.sd);
        EXPECT_EQ(s.description.median, c.median);
        EXPECT_EQ(s.description.mode, c.mode);
        EXPECT_EQ(s.description.range, c.range);
        const Expected e = Straightforward(s.sample.values);
        EXPECT_NEAR(s.description.variance, e.variance, 1e-12 * e.variance);
    }
}

TEST_F(ReadingTest, NoSpreadGivesZerosNotGarbage)
{
    // Ten times 0.1: the running sum is not exactly 1, yet the values are
    // all equal.
    AnalysisResult s = analyse(join(std::vector<std::string>(10, "0.1")), 4);
    EXPECT_EQ(s.description.mean, 0.1);
    EXPECT_EQ(s.description.variance, 0.0);
    EXPECT_EQ(s.description.stdDev, 0.0);
    EXPECT_EQ(s.description.stdError, 0.0);
    EXPECT_EQ(Residual(0.1, s.description), 0.0);
    EXPECT_EQ(NormalOrdinate(0.0, s.description), 0.0);

    s = analyse("42.5", 3);
    EXPECT_EQ(s.description.mean, 42.5);
    EXPECT_EQ(s.description.stdDev, 0.0);
    EXPECT_EQ(s.description.median, 42.5);
    EXPECT_EQ(s.description.mode, 42.5);
}

TEST_F(ReadingTest, VarianceOfValuesFarFromZero)
{
    // The difference of the running sums of squares loses every digit here.
    const AnalysisResult s = analyse("100000000.1 100000000.2 100000000.3", 3);
    EXPECT_NEAR(s.description.variance, 0.01, 1e-8);
    EXPECT_NEAR(s.description.stdDev, 0.1, 1e-7);
}

// Values whose running sum drops digits: large values that cancel, and
// epoch milliseconds with three decimals (16 significant digits) in pairs
// around a centre, which is their exact mean.
TEST_F(ReadingTest, MeanKeepsTheDigitsTheSumLoses)
{
    EXPECT_DOUBLE_EQ(analyse("1e16 1 1 1 -1e16", 1).description.mean, 0.6); // as R's mean()
    const auto text = [](long long t) {
        return std::to_string(t / 1000) + "." + std::to_string(1000 + t % 1000).substr(1);
    };
    std::mt19937_64 random(1733650000);
    for (int round = 0; round < 5; ++round) {
        const long long centre
            = 1733650000000000LL + static_cast<long long>(random() % 86400000000);
        std::vector<std::string> tokens;
        for (int i = 0; i < 500; ++i) {
            const long long offset = static_cast<long long>(random() % 1000000000);
            tokens.push_back(text(centre + offset));
            tokens.push_back(text(centre - offset));
        }
        EXPECT_EQ(ReportNumber(analyse(join(tokens), 10).description.mean, 0, 3), text(centre));
    }
}

TEST_F(ReadingTest, ValuesTooLargeForTheStatisticsAreRefused)
{
    const std::string error = refusal("1.7E308 1.7E308 -1E300", 3);
    EXPECT_NE(error.find("too large"), std::string::npos) << error;
}

} // namespace

namespace {

// Data sets of R written as people write them; n, mean and standard
// deviation as R gives them for the values read.
TEST_F(ReadingTest, RealFilesWithWordsCommasAndAByteOrderMark)
{
    struct Case
    {
        const char *file;
        bool decimalComma;
        std::size_t n, skipped;
        double mean, sd;
        bool commasSeen;
    };
    const Case cases[] = {
        {"airquality-ozone.txt", false, 116, 37, 42.12931, 32.98788, false},
        {"faithful-header.txt", false, 544, 2, 37.19242, 35.08541, false},
        {"faithful-eruptions-comma.txt", true, 272, 0, 3.48778, 1.14137, false},
        // Without the option every comma separates two numbers, as before.
        {"faithful-eruptions-comma.txt", false, 533, 0, 171.39775, 296.63774, true},
        {"faithful-waiting-bom.txt", false, 272, 0, 70.89706, 13.59497, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.file) + (c.decimalComma ? " with decimal commas" : ""));
        const Sample state
            = readSample(std::string(MERVAN_ANALYSIS_DATA) + "/" + c.file, c.decimalComma);
        Description d;
        ASSERT_FALSE(ComputeStatistics(state, d));
        EXPECT_EQ(state.n(), c.n);
        EXPECT_EQ(state.skippedTokens, c.skipped);
        EXPECT_EQ(state.notes.size(), c.skipped > 0 ? 1u : 0u);
        EXPECT_NEAR(d.mean, c.mean, 5e-6);
        EXPECT_NEAR(d.stdDev, c.sd, 5e-6);
        EXPECT_EQ(state.commaDecimalsSeen, c.commasSeen);
    }
}

// A token left out is shown cut to 80 characters, its invisible characters
// written out, so one huge token cannot flood the message.
TEST_F(ReadingTest, LeftOutTokensAreShownShortAndVisible)
{
    struct Case
    {
        std::string token;
        std::string shown; // between the quotes of the message
    };
    const std::string cut = std::string(80, 'x') + "\xE2\x80\xA6";
    const std::vector<Case> cases = {
        {std::string(10000000, 'x'), cut},
        {std::string(81, 'x'), cut},
        {std::string(80, 'x'), std::string(80, 'x')},
        {"1\xC2\xA0"
         "5",
         "1\\u00A05"},
        {"7\x0B", "7\\u000B"},
        {"\xA0", "\\xA0"},
        {"caf\xC3\xA9", "caf\xC3\xA9"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.shown);
        const Sample state = readSample(write("shown.dat", "1 " + c.token + " 2\n"));
        ASSERT_EQ(state.notes.size(), 1u);
        const std::string &text = state.notes[0];
        EXPECT_NE(text.find("Line 1: \"" + c.shown + "\"\n"), std::string::npos) << text;
        EXPECT_LT(text.size(), 1000u);
    }
}

} // namespace
