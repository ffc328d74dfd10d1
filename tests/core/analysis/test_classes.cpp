// Histogram classes, the normal ordinates and the checks on the entry.

#include "analysistest.h"
#include "core/analysis/classes.h"
#include "core/analysis/statistics.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <optional>
#include <random>

namespace {

class ClassesTest : public AnalysisTest
{ };

struct ClassCase
{
    const char *name;
    const char *values;
    std::int32_t count;
    double width;
    bool centred;
    std::int32_t classes;
    double classWidth;
    std::vector<double> bounds;
    std::vector<std::size_t> counts;
};

TEST_F(ClassesTest, PlainAndCentredLayouts)
{
    const std::vector<ClassCase> cases = {
        {"count, plain: the maximum falls into the last class",
         "1 2 3 4",
         3,
         0,
         false,
         3,
         1,
         {1, 2, 3, 4},
         {1, 1, 2}},
        {"count, centred", "1 2 3 4", 3, 0, true, 3, 1, {1, 2, 3, 4}, {1, 1, 2}},
        {"centred classes need one more than entered",
         "1 2 3 4 5",
         4,
         0,
         true,
         5,
         1,
         {0.5, 1.5, 2.5, 3.5, 4.5, 5.5},
         {1, 1, 1, 1, 1}},
        {"one centred class holds all four", "1 2 3 4", 1, 0, true, 1, 3, {1, 4}, {4}},
        {"wide centred: two classes", "1 1 1 10", 0, 12, true, 2, 12, {-2.75, 9.25, 21.25}, {3, 1}},
        {"width, plain: the last class ends at the maximum",
         "1 2 3 4 5",
         0,
         1.5,
         false,
         3,
         1.5,
         {1, 2.5, 4, 5},
         {2, 1, 2}},
        {"width: 2.5 classes round to 2", "0 5", 0, 2, false, 2, 2, {0, 2, 5}, {1, 1}},
        {"width: 3.5 classes round to 4", "0 7", 0, 2, false, 4, 2, {0, 2, 4, 6, 7}, {1, 0, 0, 1}},
        {"width wider than the data: one class", "1 2 3", 0, 100, false, 1, 100, {1, 3}, {3}},
        {"one class", "1 2 3", 1, 0, false, 1, 2, {1, 3}, {3}},
        {"all values equal, count", "7 7 7", 4, 0, false, 4, 0, {7, 7, 7, 7, 7}, {0, 0, 0, 3}},
        {"all values equal, count, centred",
         "7 7 7",
         4,
         0,
         true,
         4,
         0,
         {7, 7, 7, 7, 7},
         {0, 0, 0, 3}},
        {"all values equal, width, centred", "7 7 7", 0, 2, true, 1, 2, {6, 8}, {3}},
        {"a single value", "7", 2, 0, false, 2, 0, {7, 7, 7}, {0, 1}},
    };
    for (const ClassCase &c : cases) {
        SCOPED_TRACE(c.name);
        const AnalysisResult s = analyse(c.values, c.count, c.width, c.centred);
        EXPECT_EQ(s.classes.count, c.classes);
        EXPECT_DOUBLE_EQ(s.classes.width, c.classWidth);
        ASSERT_EQ(s.classes.bounds.size(), c.bounds.size());
        for (std::size_t j = 0; j < c.bounds.size(); ++j)
            EXPECT_DOUBLE_EQ(s.classes.bounds[j], c.bounds[j]) << "bound " << j;
        EXPECT_EQ(s.classes.counts, c.counts);
    }
}

// Classes closed at either end counted as R's hist(x, breaks, right = FALSE /
// TRUE, include.lowest = TRUE); anchors refused with centring or above the minimum.
TEST_F(ClassesTest, AnchorAndClosedEndCountAsR)
{
    struct Case
    {
        const char *values;
        std::int32_t count;
        double width;
        std::optional<double> anchor;
        bool centred;
        std::vector<double> bounds;
        std::vector<std::size_t> left, right;
        const char *refusal = nullptr;
    };
    const std::vector<Case> cases = {
        {"0 1 2 3 4 5 6", 0, 2, 0.0, false, {0, 2, 4, 6}, {2, 2, 3}, {3, 2, 2}},
        {"0 1 2 3 4 5 6", 0, 2, 13.0, false, {-1, 1, 3, 5, 7}, {1, 2, 2, 2}, {2, 2, 2, 1}},
        {"1 1.5 4.5 6", 0, 1.5, 0.0, false, {0, 1.5, 3, 4.5, 6}, {1, 1, 0, 2}, {2, 0, 1, 1}},
        {"2.5 2.5", 0, 0.5, 0.0, false, {2.5, 3}, {2}, {2}},
        {"1 2 2.5 4", 3, 0, -0.5, false, {-0.5, 1, 2.5, 4}, {0, 2, 2}, {1, 2, 1}},
        {"0 1 2 3 4", 0, 2, std::nullopt, true, {-1, 1, 3, 5}, {1, 2, 2}, {2, 2, 1}},
        {"1 2 3", 2, 0, 1.5, true, {}, {}, {}, "Centred classes"},
        {"1 2 3", 2, 0, 1.5, false, {}, {}, {}, "above the smallest value, 1."},
    };
    for (const Case &c : cases) {
        for (bool right : {false, true}) {
            SCOPED_TRACE(std::string(c.values) + (right ? ", right-closed" : ", left-closed"));
            AnalysisRequest request = this->request(c.values, c.count, c.width, c.centred);
            request.anchor = c.anchor;
            request.rightClosed = right;
            const AnalysisRun run = AnalyseDataFile(request);
            const std::string error = run.ok() ? std::string() : run.error->text();
            EXPECT_EQ(run.ok(), !c.refusal);
            EXPECT_EQ(error.find(c.refusal ? c.refusal : "~") != std::string::npos, !!c.refusal);
            const Classes &classes = run.result.classes;
            EXPECT_EQ(classes.bounds, c.bounds);
            EXPECT_EQ(classes.counts, right ? c.right : c.left);
            EXPECT_TRUE(c.centred || c.refusal || classes.count == classes.asked);
        }
    }
}

TEST_F(ClassesTest, UnusableWidthsAreRefused)
{
    struct Case
    {
        const char *values;
        double width;
        const char *message;
    };
    const std::vector<Case> cases = {
        {"1 2 3", 0, "greater than 0"},
        {"1 2 3", -1.5, "greater than 0"},
        {"0 1000", 1, "more than 999 classes"},
        {"0 999.5", 1, "more than 999 classes"}, // 999.5 rounds to the even 1000
        {"0 1", 1e-300, "more than 999 classes"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.values);
        const std::string error = refusal(c.values, 0, c.width);
        EXPECT_NE(error.find(c.message), std::string::npos) << error;
    }
    const AnalysisResult s = analyse("0 999", 0, 1);
    EXPECT_EQ(s.classes.count, 999);
    EXPECT_EQ(s.classes.counts.size(), 999u);
    EXPECT_EQ(s.classes.counts.back(), 1u);
}

// The steps after reading refuse a state whose values are missing, and say
// which file holds values too large for them.
TEST_F(ClassesTest, StepsAfterReadingRefuseMissingOrHugeValues)
{
    AnalysisRequest request;
    request.classCount = 3;
    const Sample empty;
    Description d;
    EXPECT_EQ(ComputeStatistics(empty, d)->text(), "There are no values to analyse.");
    EXPECT_EQ(BuildClasses(empty, d, request).error->text(), "There are no values to analyse.");

    Sample huge;
    huge.dataFileName = "huge.dat";
    huge.values = {-1.7e308, 1.7e308};
    EXPECT_EQ(BuildClasses(huge, d, request).error->text(),
              "The values of \"huge.dat\" are too large to analyse.");

    // The variance of these still fits a double; their summation of
    // residuals squared, which the report shows, does not.
    const std::string error = refusal("0 0 2.12E154", 3);
    EXPECT_NE(error.find("are too large to analyse."), std::string::npos) << error;
}

// Thousands of random samples, plain and centred, by number and by width:
// every class holds exactly the values within its bounds (anchored or not,
// closed at either end), the counts add up to n, and no class lies wholly outside the data.
TEST(ClassesPropertyTest, EveryClassHoldsExactlyItsValues)
{
    std::mt19937_64 random(20261208);
    std::lognormal_distribution<double> incomes(10.0, 0.6);
    for (int round = 0; round < 4000; ++round) {
        SCOPED_TRACE(::testing::Message() << "round " << round);
        Sample sample;
        const std::size_t n = 1 + random() % (round % 3 == 0 ? 8 : 300);
        for (std::size_t i = 0; i < n; ++i) // whole hundredths
            sample.values.push_back((round % 3 ? incomes(random) * 100 : random() % 1100) / 100.0);
        SortData(sample);
        const double min = sample.values.front(), max = sample.values.back();
        AnalysisRequest request;
        request.centred = round % 2 == 1;
        request.classCount = round % 5 < 3 || min == max ? 1 + random() % 20 : 0;
        request.classWidth
            = request.classCount ? 0 : (max - min) * (0.05 + (random() % 300) / 100.0);
        request.rightClosed = round % 4 >= 2;
        if (!request.centred && request.classWidth > 0
            && round % 7 < 3) // a bound on a value or not
            request.anchor = round % 7 ? sample.values[random() % n] - 50 : -3.3;
        const Checked<Description> d = DescribeSample(sample);
        ASSERT_TRUE(d.ok());
        const Checked<Classes> classes = BuildClasses(sample, d.value, request);
        ASSERT_TRUE(classes.ok()) << classes.error->text();
        const Classes &c = classes.value;

        const std::vector<double> &b = c.bounds;
        const std::size_t k = static_cast<std::size_t>(c.count);
        ASSERT_EQ(b.size(), k + 1);
        ASSERT_EQ(c.counts.size(), k);
        for (std::size_t j = 0; j < k; ++j)
            EXPECT_EQ(c.counts[j],
                      std::count_if(sample.values.begin(), sample.values.end(), [&](double x) {
                          return request.rightClosed
                              ? (b[j] < x || (j == 0 && x == b[0])) && x <= b[j + 1]
                              : b[j] <= x && (x < b[j + 1] || (j + 1 == k && x == b[k]));
                      }));
        EXPECT_EQ(std::accumulate(c.counts.begin(), c.counts.end(), 0u), n);
        EXPECT_TRUE(min == max || (b[1] > min && b[k - 1] < max));
        // Centred classes: one from half a width below the mean to half above.
        const double low = d.value.mean - c.width / 2;
        EXPECT_TRUE(!request.centred || min == max
                    || std::any_of(b.begin(), b.end(), [&](double x) {
                           return std::fabs(x - low) < 1e-9 * (std::fabs(low) + c.width);
                       }));
    }
}

TEST_F(ClassesTest, ClassesFinerThanTheValuesAreRefused)
{
    // Between numbers as large as these, adding the class width leaves a
    // limit where it was (the neighbours of 1E16 lie 2 apart, those of 1E15
    // an eighth apart): the run ends at once with a message instead of
    // counting into classes that cannot be told apart.
    struct Case
    {
        const char *values;
        std::int32_t count;
        double width;
    };
    const std::vector<Case> cases = {
        {"1E16 10000000000000002 10000000000000002", 20, 0},
        {"1000000000000000 1000000000000000.5", 20, 0},
        {"1000000000000000 1000000000000000.5", 0, 0.001},
    };
    for (const Case &c : cases) {
        for (bool centred : {false, true}) {
            SCOPED_TRACE(std::string(c.values) + (centred ? " centred" : " plain"));
            const std::string error = refusal(c.values, c.count, c.width, centred);
            EXPECT_NE(error.find("The class width is too small for values of this size"),
                      std::string::npos)
                << error;
            // The advice names the entry that was made.
            EXPECT_NE(error.find(c.count ? "fewer class intervals." : "a larger class width."),
                      std::string::npos)
                << error;
        }
    }
    // A width whose centred grid would run past the largest double.
    EXPECT_EQ(refusal("1E308 1E308", 0, 1.7e308, true),
              "The class width is too large: the class limits go beyond the largest number."
              " Please enter a smaller class width.");
    // A width the values can carry is still laid out near the same size.
    const AnalysisResult s = analyse("1000000000000000 1000000000000000.5", 0, 0.125);
    EXPECT_EQ(s.classes.count, 4);
    EXPECT_EQ(s.classes.counts, (std::vector<std::size_t>{1, 0, 0, 1}));
}

TEST_F(ClassesTest, NormalOrdinates)
{
    struct Case
    {
        const char *values;
        std::vector<double> ordinates;
    };
    const std::vector<Case> cases = {
        {"1 2 3 4", {0.15734, 0.28669, 0.28669, 0.15734}},
        {"1 2 3 4 5", {0.11337, 0.20658, 0.25231, 0.20658, 0.11337}},
        {"5 5 5", {0}}, // no spread: no curve; one value, one row
        {"5", {0}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.values);
        const AnalysisResult s = analyse(c.values, 2);
        const std::vector<double> &v = s.sample.values;
        std::vector<double> ordinates;
        for (std::size_t i = 0; i < v.size(); ++i)
            if (i == 0 || v[i] != v[i - 1])
                ordinates.push_back(NormalOrdinate(Residual(v[i], s.description), s.description));
        ASSERT_EQ(ordinates.size(), c.ordinates.size());
        for (std::size_t i = 0; i < c.ordinates.size(); ++i)
            EXPECT_NEAR(ordinates[i], c.ordinates[i], 5e-6);
    }
}

TEST_F(ClassesTest, EntryChecks)
{
    struct Case
    {
        const char *text;
        bool intervals;
        const char *message; // empty: accepted
        double value;
        std::size_t readErrors;
    };
    const std::vector<Case> cases = {
        {"", true, "Please enter the number of class intervals.", 0, 0},
        {"0", true, "Interval entry must be integer between 1 and 20.", 0, 0},
        {"21", true, "Interval entry must be integer between 1 and 20.", 0, 0},
        {"20", true, "", 20, 0},
        {"5 abc", true, "Please enter the number of class intervals.", 0, 1},
        {"1,5", false, "", 1.5, 0},
        {"2.5", true, "Please enter the number of class intervals.", 0, 1},
        {"", false, "Please enter the size of class width.", 0, 0},
        {"abc", false, "Please enter the size of class width.", 0, 1},
        {"0", false, "The class width must be greater than 0.", 0, 0},
        {"-1.5", false, "The class width must be greater than 0.", 0, 0},
        {"1.5", false, "", 1.5, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        std::vector<std::string> messages;
        double value = 0;
        if (c.intervals) {
            std::int32_t count = 0;
            messages = ReadIntervalEntry(c.text, count);
            value = count;
        } else {
            messages = ReadWidthEntry(c.text, value);
        }
        const std::string message = messages.empty() ? "" : messages.back();
        EXPECT_EQ(message, c.message);
        if (message.empty()) {
            EXPECT_EQ(value, c.value);
        }
        ASSERT_EQ(messages.size(), c.readErrors + (message.empty() ? 0 : 1));
        if (c.readErrors > 0) {
            EXPECT_NE(messages[0].find(c.intervals ? "Integer expected" : "Double expected"),
                      std::string::npos);
            // Shown as typed.
            EXPECT_NE(messages[0].find(std::string("\n") + c.text + "\n"), std::string::npos)
                << messages[0];
        }
    }
}

} // namespace
