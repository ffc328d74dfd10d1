// Columnar data files: layout detection, reading one column, and the shape
// of its distribution. Expected statistics come from R 4.2 (read.csv,
// read.csv2, read.delim; quantile type 7; the type-2 skewness and kurtosis
// formulas; nclass.*; qqline's quartile line).

#include "analysistest.h"
#include "core/analysis/columnreader.h"
#include "core/analysis/shape.h"

#include <random>
#include <sstream>

namespace {

class ColumnsTest : public AnalysisTest
{ };

struct StatisticsCase
{
    const char *name;
    std::string content;
    ColumnRequest request;
    char delimiter;
    char decimalSign;
    std::uint64_t n;
    long double mean, sd, q1, median, q3, skewness, kurtosis;
    long long sturges, scott, fd;
    long double qqIntercept, qqSlope, firstQuantile;
    double lowerWhisker, upperWhisker;
    std::vector<double> outliers;
};

TEST_F(ColumnsTest, FilesGiveTheStatisticsOfR)
{
    const std::vector<StatisticsCase> cases = {
        {"two-column CSV with a header",
         "height,weight\n170,65\n182,80.5\n165,58\n175,72\n160,51.5\n190,95\n168,63\n177,70\n"
         "181,88\n172,66\n",
         {"weight", ""},
         ',',
         '.',
         10,
         70.900000000000006L,
         13.463530988067976L,
         63.5L,
         68,
         78.375L,
         0.54741582113993426L,
         -0.31157663736782187L,
         5,
         2,
         4,
         70.9375L,
         11.026854000135414L,
         -1.54663527139923L,
         51.5,
         95,
         {}},
        {"semicolons and decimal commas",
         "x;y\r\n1,5;2,25\r\n2,5;3,75\r\n3,25;1,5\r\n4,0;10,125\r\n0,75;2,5\r\n5,5;3,0\r\n"
         "6,25;2,75\r\n",
         {"2", ""},
         ';',
         ',',
         7,
         3.6964285714285716L,
         2.9171343162507308L,
         2.375L,
         2.75L,
         3.375L,
         2.3419020767380445L,
         5.8043243464244823L,
         4,
         2,
         9,
         2.875L,
         0.74130110925280102L,
         -1.3644887481703283L,
         1.5,
         3.75,
         {10.125}},
        {"TABs with a missing field and NA",
         "a\tb\tc\n1\t4.5\t3\n2\t\t3\n3\t7.25\t1\n4\t1.5\t8\n5\tNA\t2\n6\t12\t9\n7\t3.5\t1\n"
         "8\t5\t2\n",
         {"b", ""},
         '\t',
         '.',
         6,
         5.625L,
         3.646059516793438L,
         3.75L,
         4.75L,
         6.6875L,
         1.125990995058523L,
         1.5543654922306593L,
         4,
         2,
         4,
         5.21875L,
         2.1775720084301029L,
         -1.2815515655446008L,
         1.5,
         7.25,
         {12}},
        {"quoted fields with commas inside",
         "name,income,age\n\"Smith, J\",\"1,234\",40\n\"Lee, K\",\"2,050.5\",31\n\"Ng, "
         "A\",\"987\",25\n\"Roe, B\",\"15,300\",52\n\"Ito, C\",\"3,400\",47\n\"Kay, D\",\".\",33\n",
         {"income", ""},
         ',',
         '.',
         5,
         4594.3000000000002L,
         6058.3313049056669L,
         1234,
         2050.5L,
         3400,
         2.1060963394271641L,
         4.5048896806041352L,
         4,
         2,
         6,
         2317,
         1605.658202641567L,
         -1.1797611176118603L,
         987,
         3400,
         {15300}},
        {"a table of values and counts",
         "value,count\n1,3\n2,7\n3,12\n4,6\n5,2\n9,1\n",
         {"value", "count"},
         ',',
         '.',
         31,
         3.096774193548387L,
         1.5133811749341808L,
         2,
         3,
         4,
         1.922625267222233L,
         6.8659473108686147L,
         6,
         5,
         7,
         3,
         1.482602218505602L,
         -2.1411981209720183L,
         1,
         5,
         {9}},
    };
    for (const StatisticsCase &c : cases) {
        SCOPED_TRACE(c.name);
        DataLayout layout;
        ColumnProblem problem;
        const std::string path = write("case.csv", c.content);
        ASSERT_TRUE(DetectFileLayout(path, {}, layout, problem));
        EXPECT_EQ(layout.delimiter, c.delimiter);
        EXPECT_EQ(layout.decimalSign, c.decimalSign);
        EXPECT_TRUE(layout.header && layout.columnar);
        const ColumnRead read = ReadColumnFile(path, layout, c.request);
        ASSERT_TRUE(read.ok()) << ColumnProblemText(read.problem);
        const SortedSample sample = SortSample(read.data.values, read.data.counts);
        const Shape s = DescribeShape(sample);
        EXPECT_EQ(s.n, c.n);
        const long double tolerance = 1e-13L;
        const auto near = [&](long double actual, long double expected) {
            EXPECT_NEAR(actual, expected, tolerance * std::max(1.0L, std::fabs(expected)));
        };
        near(s.mean, c.mean);
        near(s.stdDev, c.sd);
        near(s.q1, c.q1);
        near(s.median, c.median);
        near(s.q3, c.q3);
        near(s.iqr, c.q3 - c.q1);
        near(s.skewness, c.skewness);
        near(s.kurtosis, c.kurtosis);
        const ClassSuggestions k = SuggestClasses(sample, s);
        EXPECT_EQ(std::vector<long long>({k.sturges, k.scott, k.freedmanDiaconis}),
                  std::vector<long long>({c.sturges, c.scott, c.fd}));
        const QQPlot qq = NormalQQ(sample);
        near(qq.intercept, c.qqIntercept);
        near(qq.slope, c.qqSlope);
        ASSERT_EQ(qq.points.size(), c.n);
        near(qq.points.front().theoretical, c.firstQuantile);
        near(qq.points.back().theoretical, -c.firstQuantile);
        EXPECT_EQ(qq.points.back().sample, s.maximum);
        const BoxPlotNumbers box = BoxPlot(sample, s);
        EXPECT_EQ(box.lowerWhisker, c.lowerWhisker);
        EXPECT_EQ(box.upperWhisker, c.upperWhisker);
        std::vector<double> outliers;
        for (const auto &[value, count] : box.outliers)
            outliers.insert(outliers.end(), count, value);
        EXPECT_EQ(outliers, c.outliers);
    }
}

TEST_F(ColumnsTest, NormalQuantilesAreRs)
{
    // R's probabilities are doubles, and so are these.
    const std::vector<std::pair<double, long double>> cases = {{1e-10, -6.3613409024040557L},
                                                               {0.001, -3.0902323061678132L},
                                                               {0.3, -0.52440051270804067L},
                                                               {0.975, 1.9599639845400536L},
                                                               {1 - 1e-12, 7.0344869100478356L}};
    for (const auto &[p, z] : cases)
        EXPECT_NEAR(NormalQuantile(p), z, 2e-15L * std::fabs(z)) << p;
}

struct LayoutCase
{
    const char *text;
    bool columnar;
    char delimiter;
    char decimalSign;
    bool header;
    std::size_t fields;
    std::vector<double> firstColumn;
};

TEST_F(ColumnsTest, CommasAreDecimalSignsOnlyWhereTheLayoutSaysSo)
{
    const std::vector<LayoutCase> cases = {
        {"170,65\n182,80\n", true, ',', '.', false, 2, {170, 182}},
        {"1.5,2.5,3.5\n", true, ',', '.', false, 3, {1.5}},
        {"1,5\n2\n3,25\n", false, ' ', ',', false, 1, {1.5, 2, 3.25}},
        {"weight\n1,5\n2,25\n", true, ' ', ',', true, 1, {1.5, 2.25}},
        {"1,5;2\n3;4,75\n", true, ';', ',', false, 2, {1.5, 3}},
        {"1 2 3\n4 5\n6\n", false, ' ', '.', false, 1, {1, 2, 3, 4, 5, 6}},
        {"1.5 2.5\n3.5\n4 5 6\n", false, ' ', '.', false, 1, {1.5, 2.5, 3.5, 4, 5, 6}},
        {"\xEF\xBB\xBFx y\n1.5  2\n  3 4\n", true, ' ', '.', true, 2, {1.5, 3}},
        {"a,b\n\"1,234\",5\n7,8\n", true, ',', '.', true, 2, {1234, 7}},
    };
    for (const LayoutCase &c : cases) {
        SCOPED_TRACE(c.text);
        const DataLayout layout = DetectLayout(c.text);
        EXPECT_EQ(layout.columnar, c.columnar);
        EXPECT_EQ(layout.delimiter, c.delimiter);
        EXPECT_EQ(layout.decimalSign, c.decimalSign);
        EXPECT_EQ(layout.header, c.header);
        EXPECT_EQ(layout.fieldCount, c.fields);
        std::istringstream in(c.text);
        EXPECT_EQ(ReadColumn(in, layout, {"1", ""}).data.values, c.firstColumn);
    }
}

// Random tables written in each spreadsheet style are read back as written.
TEST_F(ColumnsTest, RandomTablesAreDetectedAndReadBack)
{
    const std::vector<std::pair<char, char>> styles
        = {{',', '.'}, {';', ','}, {'\t', '.'}, {'\t', ','}, {' ', '.'}, {';', '.'}};
    std::mt19937 random(17);
    for (int round = 0; round < 300; ++round) {
        const auto [delimiter, decimal] = styles[round % styles.size()];
        const std::size_t columns = 2 + random() % 5;
        const std::size_t rows = 1 + random() % 30;
        const bool header = round % 3 != 0;
        std::string text;
        std::vector<std::vector<double>> expected(columns);
        for (std::size_t j = 0; header && j < columns; ++j)
            text += (j ? std::string(1, delimiter) : "") + "v" + std::to_string(j);
        text += header ? "\n" : "";
        for (std::size_t i = 0; i < rows; ++i) {
            for (std::size_t j = 0; j < columns; ++j) {
                const int hundredths = static_cast<int>(random() % 200001) - 100000;
                std::string number = std::to_string(hundredths / 100.0);
                number.resize(number.find('.') + 3);
                expected[j].push_back(std::stod(number));
                std::replace(number.begin(), number.end(), '.', decimal);
                text += (j ? std::string(1, delimiter) : "") + number;
            }
            text += "\n";
        }
        SCOPED_TRACE(text);
        const DataLayout layout = DetectLayout(text);
        EXPECT_TRUE(layout.columnar);
        EXPECT_EQ(layout.delimiter, delimiter);
        EXPECT_EQ(layout.decimalSign, decimal);
        EXPECT_EQ(layout.header, header);
        ASSERT_EQ(layout.fieldCount, columns);
        const std::size_t j = random() % columns;
        std::istringstream in(text);
        const ColumnRead read = ReadColumn(in, layout, {layout.columnNames[j], ""});
        EXPECT_EQ(read.data.values, expected[j]);
    }
}

TEST_F(ColumnsTest, BadFilesGetOneMessage)
{
    const std::vector<std::tuple<std::string, ColumnRequest, std::string>> cases = {
        {"a,b\n1,2\n3,4\n5,6,7\n8,9\n",
         {"a", ""},
         "Line 4 has 3 fields where the file's columns are 2."},
        {"a,b\n", {"a", ""}, "The data file has a header line and no data below it."},
        {"name,x\nAnn,1\nBob,2\n", {"name", ""}, "The column \"name\" holds no numbers."},
        {"x,y\n1,2\nNA,3\nabc,4\n", {"x", ""}, "Line 4, column \"x\": \"abc\" is not a number."},
        {"x,y\n1,2\n",
         {"z", ""},
         "The data file has no column \"z\"; its columns are \"x\", \"y\"."},
        {"v,n\n1,2\n2,1.5\n",
         {"v", "n"},
         "Line 3, column \"n\": \"1.5\" is not a count (a whole number, 0 or more)."},
        {"v,n\n1,2\n", {"v", "1"}, "The counts cannot be in the column of the values, \"v\"."},
    };
    for (const auto &[text, request, message] : cases) {
        std::istringstream in(text);
        const ColumnRead read = ReadColumn(in, DetectLayout(text), request);
        EXPECT_EQ(ColumnProblemText(read.problem), message) << text;
    }
    EXPECT_EQ(ReadColumnFile((folder / "none.csv").string(), {}, {}).problem.code,
              ColumnError::CannotOpen);
}

TEST_F(ColumnsTest, UserChoicesOverrideDetection)
{
    const std::string text = "1,5\n2,25\n";
    const DataLayout plain = DetectLayout(text);
    EXPECT_EQ(plain.fieldCount, 2u);
    const DataLayout one = DetectLayout(text, {' ', ',', std::nullopt});
    std::istringstream in(text);
    EXPECT_EQ(ReadColumn(in, one, {"1", ""}).data.values, std::vector<double>({1.5, 2.25}));
    EXPECT_EQ(DetectLayout("x,y\n1,2\n", {std::nullopt, std::nullopt, false}).columnNames,
              std::vector<std::string>({"Column 1", "Column 2"}));
}

TEST_F(ColumnsTest, LinesLongerThanTheReadBufferAreWhole)
{
    const std::string name(3 << 20, 'n');
    const std::string text = "name,x\n" + name + ",1.5\nb,2.5\n" + name + ",3.5";
    std::istringstream in(text);
    EXPECT_EQ(ReadColumn(in, DetectLayout(text), {"x", ""}).data.values,
              std::vector<double>({1.5, 2.5, 3.5}));
}

} // namespace
