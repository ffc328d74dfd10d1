// The analysis report file.

#include "analysistest.h"
#include "core/analysis/report.h"

#include <clocale>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <random>

#include <sys/stat.h>
#include <unistd.h>

namespace {

class ReportTest : public AnalysisTest
{
protected:
    // Analyses the content and writes its report; returns the report's bytes.
    std::string reportOf(const std::string &content, std::int32_t count, double width = 0,
                         bool centred = false)
    {
        const AnalysisResult s = analyse(content, count, width, centred);
        const std::optional<AnalysisError> error = WriteReport(s, reportName("sample.dat"));
        EXPECT_FALSE(error) << error->text();
        const std::string text = read((folder / "sample.OUT").string());
        EXPECT_EQ(ReportText(s), text);
        return text;
    }

    std::string reportName(const std::string &dataName) const
    {
        return ReportFileName((folder / dataName).string());
    }

    std::vector<std::string> filesInFolder() const
    {
        std::vector<std::string> names;
        for (const auto &entry : fs::directory_iterator(folder))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
};

TEST_F(ReportTest, ExampleReportByteForByte)
{
    const std::string data = std::string(MERVAN_ANALYSIS_DATA) + "/";
    const std::string expected = read(data + "example.OUT");
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(reportOf(read(data + "example.dat"), 3), expected);
}

// Reports are UTF-8 text with LF line ends: the plus-minus sign is the two
// bytes C2 B1 and no line ends in CR.
TEST_F(ReportTest, ReportIsUtf8WithLineFeeds)
{
    const std::string text = reportOf("1 2 3 4", 3);
    EXPECT_EQ(text.find('\r'), std::string::npos);
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text.back(), '\n');
    std::size_t signs = 0;
    for (std::size_t at = 0; (at = text.find('\xB1', at)) != std::string::npos; ++at) {
        ASSERT_GT(at, 0u);
        EXPECT_EQ(text[at - 1], '\xC2') << at;
        ++signs;
    }
    EXPECT_EQ(signs, 2u);
}

TEST_F(ReportTest, ReportNames)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"/data/survey.dat", "/data/survey.OUT"},
        {"errors", "errors.OUT"},
        {"a.b\\c", "a.b\\c.OUT"},
        {"/home/u.v/readings", "/home/u.v/readings.OUT"},
        {"two.dots.txt", "two.dots.OUT"},
        {"old.out", "old.OUT"},
    };
    for (const auto &[data, report] : cases)
        EXPECT_EQ(ReportFileName(data), report) << data;
}

TEST_F(ReportTest, WholeNumbersKeepTheirExtraDecimals)
{
    const std::vector<std::string> lines = ReportLines(reportOf("1 2 3 4", 3));
    ASSERT_GT(lines.size(), 40u);
    EXPECT_EQ(lines[8], "                    Minimum data = 1");
    EXPECT_EQ(lines[10], "                           Range = 3");
    EXPECT_EQ(lines[12],
              "                    Arithmetic mean = 2.5 \u00B1"
              "1.3");
    EXPECT_EQ(lines[13],
              "                    Standard Error in the mean \u00B1"
              "0.6");
    EXPECT_EQ(lines[14], "                    Summation of Residuals Squared = 5.00");
    EXPECT_EQ(lines[16], "                             Median = 2.5");
    EXPECT_EQ(lines[17],
              "                               Mode = none (no value occurs more than once)");
    // Quartiles of R's type 7 are quarters of a step: two decimals more.
    EXPECT_EQ(lines[19], "                    Q1 = 1.75, Q3 = 3.25 (R's quantile type 7)");
    EXPECT_EQ(lines[20], "                    Interquartile range Q3 - Q1 = 1.50");
    EXPECT_EQ(lines[21], "                    Skewness (sample estimate G1) = 0.0000");
    EXPECT_EQ(lines[22], "                    Excess kurtosis (sample estimate G2) = -1.2000");
    EXPECT_EQ(lines[23], "                    Five-number summary: 1, 1.75, 2.5, 3.25, 4");
    EXPECT_EQ(lines[30], "                      1       1               -1.5      0.15734");
    EXPECT_EQ(lines[38], "                    Selected Class Interval: 1.0");
    EXPECT_EQ(lines[42], "                                  1              2         1");
    // Five lines about the goodness of fit stand between the classes and the histogram.
    EXPECT_EQ(lines[53], "             ---------");
    EXPECT_EQ(lines[55], "            1.0|");
    EXPECT_EQ(lines[56], "               |*");
    EXPECT_EQ(lines.back(), "            4.0|");
}

TEST_F(ReportTest, ManyDecimalsLeaveTheHistogramHeadingUnindented)
{
    const std::string text = reportOf("0.0000000000001 0.0000000000003", 1);
    EXPECT_NE(text.find("\n---------\nHistogram\n---------\n"), std::string::npos);
}

TEST_F(ReportTest, OneClassHasOneRowAndTwoBoundLines)
{
    const std::vector<std::string> lines = ReportLines(reportOf("1.5 2.5 2.5 9", 1));
    const auto rule
        = std::find(lines.begin(), lines.end(), std::string(20, ' ') + std::string(41, '='));
    ASSERT_NE(rule, lines.end());
    EXPECT_EQ(*(rule + 1), "                                1.5            9.0         4");
    EXPECT_EQ(*(rule + 2), "");
    const std::vector<std::string> histogram(rule + 12, lines.end());
    EXPECT_EQ(
        histogram,
        (std::vector<std::string>{"           1.50|", "               |****", "           9.00|"}));
}

// Ten classes centred on the mean of the eruption lengths need eleven: the
// report says so, and the last two hold 24 and 2 values (once shown as 26).
TEST_F(ReportTest, CentredClassesShowTheirNumberAndTheirOwnValues)
{
    const std::string data = read(std::string(MERVAN_ANALYSIS_DATA) + "/faithful-eruptions.dat");
    const std::string text = reportOf(data, 10, 0, true);
    const std::string row(30, ' ');
    EXPECT_NE(text.find(std::string(20, ' ') + "Number of classes: 11 (centred on the mean)\n"),
              std::string::npos);
    EXPECT_NE(text.find(row + "4.713          5.063        24\n" + row
                        + "5.063          5.413         2\n\n"),
              std::string::npos);
    EXPECT_EQ(reportOf(data, 10).find("Number of classes"), std::string::npos);
}

TEST_F(ReportTest, SamplesWithoutSpreadGiveFiniteNumbers)
{
    for (const char *values : {"3.25", "3.25 3.25 3.25 3.25"}) {
        SCOPED_TRACE(values);
        const std::string text = reportOf(values, 4, 0, true);
        for (const char *bad : {"nan", "inf", "NAN", "INF"})
            EXPECT_EQ(text.find(bad), std::string::npos) << text;
        EXPECT_NE(text.find("Arithmetic mean = 3.250 \u00B1"
                            "0.000"),
                  std::string::npos)
            << text;
        EXPECT_NE(text.find("      0.00000\n"), std::string::npos);
    }
}

TEST_F(ReportTest, LargeClassesAreScaledNotWrapped)
{
    struct Case
    {
        std::size_t inClass; // values in the fuller of two classes
        std::size_t perAsterisk;
        std::size_t asterisks;
    };
    for (const Case &c : {Case{64, 1, 64}, Case{65, 2, 33}, Case{600, 10, 60}}) {
        SCOPED_TRACE(c.inClass);
        std::vector<std::string> tokens(c.inClass, "1");
        tokens.push_back("2");
        const std::string text = reportOf(join(tokens), 2);
        const std::string note = "(one * for every " + std::to_string(c.perAsterisk) + " values)";
        EXPECT_EQ(text.find(note) != std::string::npos, c.perAsterisk > 1);
        EXPECT_NE(text.find("|" + std::string(c.asterisks, '*') + "\n"), std::string::npos);
    }
}

// No line of a report is wider than a window of 80 columns, whatever the
// data and classes make of the fit test, the mode and the histogram.
TEST_F(ReportTest, EveryLineFitsEightyColumns)
{
    std::vector<std::string> many;
    for (int i = 0; i < 3000; ++i)
        many.push_back(std::to_string(1000 + (i * 7919) % 997) + "." + std::to_string(i % 10));
    for (const std::string &content :
         {join(many), std::string("1 2 3 4"), std::string("5 5 5 7 7 7 9 9 9 11"),
          std::string("0.001 0.002 1000000.5 3 3 4")}) {
        for (const std::int32_t classes : {1, 4, 20}) {
            for (const std::string &line : ReportLines(reportOf(content, classes)))
                EXPECT_LE(line.size(), 80u) << line;
        }
    }
}

TEST_F(ReportTest, ReportNeverReplacesItsDataFile)
{
    const std::string content = "1 2 3\r\n";
    const std::string data = write("results.OUT", content);
    AnalysisRequest request;
    request.dataFileName = data;
    request.classCount = 2;
    AnalysisRun run = AnalyseDataFile(request);
    ASSERT_TRUE(run.ok()) << run.error->text();
    AnalysisResult &s = run.result;
    std::optional<AnalysisError> error = WriteReport(s, ReportFileName(data));
    ASSERT_TRUE(error);
    EXPECT_EQ(error->code, AnalysisErrorCode::ReportReplacesData);
    EXPECT_NE(error->text().find("would replace the data file"), std::string::npos);
    EXPECT_EQ(read(data), content);

    // The same file under another name (a link) is caught too.
    const std::string other = (folder / "linked.dat").string();
    ASSERT_EQ(::link(data.c_str(), other.c_str()), 0);
    ASSERT_EQ(::rename(data.c_str(), (folder / "linked.OUT").c_str()), 0);
    s.sample.dataFileName = other;
    EXPECT_TRUE(WriteReport(s, (folder / "linked.OUT").string()));
    EXPECT_EQ(read(other), content);
}

TEST_F(ReportTest, FailedWriteKeepsTheOldReportAndSaysWhy)
{
    AnalysisResult s = analyse("1 2 3", 2);
    // A folder where the report should go: it cannot be replaced by a file.
    const fs::path blocked = folder / "sample.OUT";
    fs::create_directory(blocked);
    write("sample.OUT/keep.txt", "old");
    std::optional<AnalysisError> failed = WriteReport(s, reportName("sample.dat"));
    ASSERT_TRUE(failed);
    std::string error = failed->text();
    EXPECT_NE(error.find(blocked.string()), std::string::npos) << error;
    EXPECT_NE(error.find("directory"), std::string::npos) << error;
    EXPECT_EQ(read((blocked / "keep.txt").string()), "old");
    EXPECT_EQ(filesInFolder(), (std::vector<std::string>{"sample.OUT", "sample.dat"}));

    // A folder that does not exist.
    failed = WriteReport(s, reportName("gone/x.dat"));
    ASSERT_TRUE(failed);
    error = failed->text();
    EXPECT_NE(error.find("gone/x.OUT"), std::string::npos) << error;
    EXPECT_NE(error.find("No such file"), std::string::npos) << error;
}

TEST_F(ReportTest, AnExistingReportIsReplacedWhole)
{
    write("sample.OUT", std::string(100000, 'x'));
    const std::string text = reportOf("1 2 3 4", 3);
    EXPECT_EQ(text.find("xx"), std::string::npos);
    EXPECT_EQ(text.substr(0, 53), std::string(28, ' ') + "Random Error Distribution");
    EXPECT_EQ(filesInFolder(), (std::vector<std::string>{"sample.OUT", "sample.dat"}));
}

} // namespace

namespace {

TEST(ReportNumberTest, AgreesWithTheCLibrary)
{
    std::vector<double> values = {0.0,    -0.0,    0.5,
                                  1.5,    2.5,     -2.5,
                                  0.125,  0.375,   2.675,
                                  1.005,  1e15,    123456789.987654321,
                                  -0.001, 0.0005,  4503599627370495.5,
                                  1e300,  -1e-300, 9.995,
                                  99.5};
    std::mt19937_64 random(4242);
    std::uniform_real_distribution<double> wide(-1e6, 1e6);
    for (int i = 0; i < 5000; ++i) {
        const double x = wide(random);
        values.push_back(x);
        // Values that lie on or right next to a rounding half.
        values.push_back(std::nearbyint(x * 100) / 100 + 0.005);
        values.push_back(std::nextafter(std::nearbyint(x) + 0.5, 0.0));
    }
    for (double x : values) {
        for (int decimals : {0, 1, 2, 3, 5, 7, 12, 18, 20}) {
            for (int width : {0, 13, 19}) {
                char expected[512];
                std::snprintf(expected, sizeof expected, "%*.*f", width, decimals, x + 0.0);
                ASSERT_EQ(ReportNumber(x, width, decimals), expected)
                    << x << " " << decimals << " " << width;
            }
        }
    }
}

} // namespace
