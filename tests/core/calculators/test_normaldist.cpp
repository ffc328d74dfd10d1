// The normal calculator without its window: the error function, the shown
// values against Boost.Math's normal quantile, validation and the report.

#include "core/calculators/calcinput.h"
#include "core/calculators/normaldist.h"
#include "core/numeric/strings.h"

#include <boost/math/distributions/normal.hpp>
#include <gtest/gtest.h>

#include "outcomecheck.h"

#include <cmath>
#include <string>
#include <vector>

namespace {

const std::string NoPercent = "Please enter the desired percent probability.";
const std::string PercentRange = "The percent probability must be between 0.0001 and 99.9999";

std::string ShownValue(double percent)
{
    return FormatNumber(0, 3, NormalCriticalValue(percent));
}

TEST(ErrorFunction, MatchesTheLibraryErf)
{
    EXPECT_EQ(ErrorFunction(0.0), 0.0);
    for (double x = 1e-8; x <= 4.0; x *= 1.05)
        EXPECT_NEAR(ErrorFunction(x), std::erf(x), 2e-15 * std::erf(x)) << "x = " << x;
    EXPECT_NEAR(ErrorFunction(4.0), std::erf(4.0), 1e-15);
    EXPECT_EQ(ErrorFunction(4.0000001), 1.0);
    EXPECT_EQ(ErrorFunction(1e300), 1.0);
}

TEST(NormalCalculator, EdgeCases)
{
    struct Case
    {
        double percent;
        const char *value;
        const char *shownPercent;
    };
    const Case cases[] = {
        {95, "1.960", "95.0"},    {50, "0.674", "50.0"},    {90, "1.645", "90.0"},
        {99, "2.576", "99.0"},    {68.27, "1.000", "68.3"}, {99.9999, "4.892", "100.0"},
        {0.0001, "0.000", "0.0"}, {0.95, "0.012", "1.0"},
    };
    for (const Case &c : cases) {
        double percent = c.percent;
        const double z = NormalCriticalValue(percent);
        EXPECT_EQ(FormatNumber(0, 3, z), c.value) << c.percent;
        EXPECT_EQ(FormatNumber(0, 1, percent), c.shownPercent) << c.percent;
        EXPECT_NEAR(percent, c.percent, 1e-12) << "round trip through the one-sided probability";
    }
}

TEST(NormalCalculator, ShownValuesAreTheExactQuantilesRounded)
{
    const boost::math::normal_distribution<long double> normal;
    std::vector<double> percents;
    for (int i = 0; i <= 2000; ++i)
        percents.push_back(0.0001 + (99.9999 - 0.0001) * i / 2000.0);
    // The steep tail up to P = 99.9999, where the density is small and a
    // coarse search misses the third decimal.
    for (int i = 0; i <= 2000; ++i)
        percents.push_back(100.0 - std::pow(10.0, -4.0 + 5.0 * i / 2000.0));
    for (double percent : percents) {
        const long double q = (static_cast<long double>(percent) / 100.0L + 1.0L) / 2.0L;
        const std::string exact = FormatNumber(0, 3, static_cast<double>(quantile(normal, q)));
        EXPECT_EQ(ShownValue(percent), exact) << "P = " << percent;
    }
}

TEST(NormalCalculator, Validation)
{
    struct Case
    {
        const char *text;
        std::vector<std::string> messages;
    };
    const Case cases[] = {
        {"", {NoPercent}},
        {"0", {PercentRange}},
        {"100", {PercentRange}},
        {"0.00009", {PercentRange}},
        {"99.99991", {PercentRange}},
        {"ninety", {RealReadError("ninety", 0), PercentRange}},
        {" ", {RealReadError(" ", 1), PercentRange}},
    };
    for (const Case &c : cases) {
        const CalcResult outcome = RunNormalRequest(c.text);
        EXPECT_FALSE(outcome.accepted()) << '"' << c.text << '"';
        EXPECT_EQ(outcome.messages(), c.messages) << '"' << c.text << '"';
        EXPECT_EQ(outcome.report, "");
    }
    for (const char *text : {"0.0001", "99.9999", "1e1"}) {
        const CalcResult outcome = RunNormalRequest(text);
        EXPECT_TRUE(outcome.accepted()) << text;
        EXPECT_TRUE(outcome.messages().empty()) << text;
    }
}

TEST(NormalCalculator, Report)
{
    const CalcResult outcome = RunNormalRequest("95");
    ASSERT_TRUE(outcome.accepted());
    EXPECT_EQ(outcome.report,
              "          Normal distribution:\r\n"
              "          For probable error = 95.0%\r\n"
              "\r\n"
              "          z-value = 1.960");
    const CalcResult extreme = RunNormalRequest("99.9999");
    ASSERT_TRUE(extreme.accepted());
    EXPECT_EQ(extreme.report,
              "          Normal distribution:\r\n"
              "          For probable error = 100.0%\r\n"
              "\r\n"
              "          z-value = 4.892");
    EXPECT_NEAR(extreme.value, 4.892, 5e-4);
    double percent = 99.9999;
    NormalCriticalValue(percent);
    EXPECT_NEAR(percent, 99.9999, 1e-9);
}

} // namespace
