// The chi-squared calculator: its validation, its report, and its critical
// values against an independent implementation (Boost.Math, in long double).

#include "core/calculators/calcinput.h"
#include "core/calculators/chidist.h"
#include "core/numeric/strings.h"

#include <boost/math/distributions/chi_squared.hpp>
#include <gtest/gtest.h>

#include "outcomecheck.h"
#include "quantilecheck.h"

#include <cmath>
#include <iostream>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

namespace {

// Sanitizer builds run about three times slower: sweep every seventh degree
// of freedom there (1 and 200 are always included).
#if defined(__SANITIZE_ADDRESS__)
constexpr int DegreeStep = 7;
#else
constexpr int DegreeStep = 1;
#endif

std::vector<int> SweptDegrees()
{
    std::vector<int> degrees;
    for (int v = 1; v <= 200; v += DegreeStep)
        degrees.push_back(v);
    if (degrees.back() != 200)
        degrees.push_back(200);
    return degrees;
}

long double ReferenceQuantile(double alpha, int v)
{
    const boost::math::chi_squared_distribution<long double> chi(v);
    return boost::math::quantile(boost::math::complement(chi, static_cast<long double>(alpha)));
}

// The value as the report shows it.
std::string Shown(long double value)
{
    const std::uint8_t decimals = value < 0.001L ? 5 : (value > 10.0L ? 2 : 3);
    return FormatNumber(0, decimals, static_cast<double>(value));
}

std::string Where(double alpha, int v)
{
    std::ostringstream where;
    where << "alpha " << alpha << " v " << v;
    return where.str();
}

} // namespace

TEST(ChiReport, FullTextOfARequest)
{
    const CalcResult outcome = RunChiRequest("0.05", "10");
    EXPECT_TRUE(outcome.accepted());
    EXPECT_TRUE(outcome.messages().empty());
    EXPECT_EQ(outcome.report,
              "          Chi-squared distribution:\r\n"
              "          For alpha = 0.050\r\n"
              "          and 10 degrees of freedom\r\n"
              "\r\n"
              "          Critical value = 18.31");
    EXPECT_NEAR(static_cast<double>(outcome.value), 18.307038, 1e-6);
}

TEST(ChiReport, CriticalValuesAndTheirDecimals)
{
    struct Case
    {
        const char *alpha;
        const char *v;
        const char *shown;
    };
    const Case cases[] = {
        {"0.05", "10", "18.31"},   {"0.05", "1", "3.841"}, // below 10: three decimals
        {"0.05", "2", "5.991"},    {"0.01", "5", "15.09"},
        {"0.05", "200", "233.99"}, {"0.95", "30", "18.49"},
        {"0.5", "2", "1.386"},     {"0.999999", "1", "0.00000"}, // about 1.57e-12
        {"0.0001", "1", "15.14"},  {"0.0001", "200", "283.06"},
        {"0.999", "1", "0.00000"}, // 1.57e-6: five decimals below 0.001
        {"0.99", "1", "0.00016"},  {"0.5", "1", "0.455"},
        {"0.9", "7", "2.833"},     {"0.0001", "60", "109.50"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string("alpha ") + c.alpha + ", v " + c.v);
        const CalcResult outcome = RunChiRequest(c.alpha, c.v);
        ASSERT_TRUE(outcome.accepted());
        EXPECT_TRUE(outcome.messages().empty());
        EXPECT_EQ(LastLine(outcome.report), std::string("          Critical value = ") + c.shown);
    }
}

TEST(ChiReport, FailedSearchShowsNoNumber)
{
    EXPECT_EQ(ChiReportText(0.05, 10, QuantileSearch{}),
              "          Chi-squared distribution:\r\n"
              "          For alpha = 0.050\r\n"
              "          and 10 degrees of freedom\r\n"
              "\r\n"
              "          Critical value could not be computed.");
}

TEST(ChiValidation, MessagesInOrder)
{
    struct Case
    {
        const char *alpha;
        const char *v;
        std::vector<std::string> messages;
        bool accepted;
    };
    const std::vector<Case> cases = {
        {"", "", {AlphaEmptyMessage}, false},
        {"", "10", {AlphaEmptyMessage}, false},
        {"   ", "10", {RealReadError("   ", 3), AlphaMessage}, false},
        {"abc", "", {RealReadError("abc", 0), AlphaMessage}, false},
        {"0.00009", "10", {AlphaMessage}, false},
        {"1", "10", {AlphaMessage}, false},
        {"5", "10", {AlphaMessage}, false},
        {"-0.05", "10", {AlphaMessage}, false},
        {"0.0001", "", {DegreesEmptyMessage}, false},
        {"0.05", "0", {DegreesMessage}, false},
        {"0.05", "201", {DegreesMessage}, false},
        {"0.05", "-3", {DegreesMessage}, false},
        {"0.05", "12abc", {IntegerReadError("12abc", 2, true), DegreesMessage}, false},
        {"0.05", "7.5", {WholeNumberMessage, DegreesMessage}, false},
        {"0.0001", "1", {}, true},
        {"0.999999", "200", {}, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string("alpha '") + c.alpha + "', v '" + c.v + "'");
        const CalcResult outcome = RunChiRequest(c.alpha, c.v);
        EXPECT_EQ(outcome.accepted(), c.accepted);
        EXPECT_EQ(outcome.messages(), c.messages);
        if (!c.accepted) {
            EXPECT_EQ(outcome.report, "");
        }
    }
}

TEST(ChiValidation, HexadecimalDegreesAreRead)
{
    const CalcResult outcome = RunChiRequest("0.05", "$A");
    ASSERT_TRUE(outcome.accepted());
    EXPECT_NE(outcome.report.find("and 10 degrees of freedom"), std::string::npos);
}

TEST(ChiDensity, AgreesWithReference)
{
    for (int v : {1, 2, 3, 10, 57, 200}) {
        const boost::math::chi_squared_distribution<long double> chi(v);
        std::vector<std::string> messages;
        const Integrand density = ChiDensity(v, messages).value();
        for (long double x : {1e-20L, 1e-3L, 0.5L, 1.0L, 7.0L, 60.0L, 199.0L, 400.0L}) {
            SCOPED_TRACE("v " + std::to_string(v) + ", x "
                         + std::to_string(static_cast<double>(x)));
            const long double expected = boost::math::pdf(chi, x);
            EXPECT_NEAR(static_cast<double>(density(x) / expected), 1.0, 1e-14);
        }
        EXPECT_TRUE(messages.empty());
    }
}

TEST(ChiSearch, StartIntervalCarriesEnoughMass)
{
    // v = 2: the density is exp(-x/2)/2, about 1/2 near 0, so [A, 100 A]
    // carries about 49.5 A; the first power of 100 above 1e-30 with 49.5 A at
    // least 1e-13 is 1e-14.
    std::vector<std::string> messages;
    const Integrand two = ChiDensity(2, messages).value();
    long double A = 1e-30L;
    long double B = 100.0L * A;
    FindStartInterval(two, A, B);
    EXPECT_NEAR(static_cast<double>(A / 1e-14L), 1.0, 1e-12);
    EXPECT_NEAR(static_cast<double>(B / 1e-12L), 1.0, 1e-12);

    // A smaller threshold moves the start down with it: 49.5 A >= 1e-20
    // first at A = 1e-20.
    A = 1e-30L;
    B = 100.0L * A;
    FindStartInterval(two, A, B, 1e-20L);
    EXPECT_NEAR(static_cast<double>(A / 1e-20L), 1.0, 1e-12);

    // Already enough mass at the start: nothing moves.
    A = 1e-30L;
    B = 100.0L * A;
    FindStartInterval(ChiDensity(1, messages).value(), A, B, 1e-16L);
    EXPECT_EQ(A, 1e-30L);
}

TEST(ChiSearch, EndsWithoutAValueWhenTheTargetIsOutOfReach)
{
    // A density of total mass 1/2 never brings K to 0.9; the search must give
    // up rather than march on for ever.
    const Integrand half = [](long double x) { return 0.5L * std::exp(-x); };
    const Integral integral
        = [&](long double a, long double b) { return Romberg(half, a, b, QuantileEps, 31); };
    const QuantileSearch search = MarchingSearch(half, integral, 0.9L);
    EXPECT_FALSE(search.found);
    EXPECT_EQ(search.passes, MaxSearchPasses);

    // An integral that is not a number ends it at once.
    const Integral broken
        = [](long double, long double) { return std::numeric_limits<long double>::quiet_NaN(); };
    const QuantileSearch nan = MarchingSearch(half, broken, 0.25L);
    EXPECT_FALSE(nan.found);
    EXPECT_EQ(nan.passes, 1);

    // So does the caller's stop test.
    int asked = 0;
    const QuantileSearch stopped
        = MarchingSearch(half, integral, 0.25L, [&] { return ++asked == 3; });
    EXPECT_FALSE(stopped.found);
    EXPECT_EQ(stopped.passes, 3);
}

TEST(ChiSearch, FindsTheQuantileOfAClosedForm)
{
    // Exponential, quantile -ln(upper): the marching search brackets it, and
    // with exact tails the whole search finds it to the extended type's end.
    const Integrand exponential = [](long double x) { return std::exp(-x); };
    const Integral integral
        = [&](long double a, long double b) { return Romberg(exponential, a, b, QuantileEps, 31); };
    const TailMass tail = [](long double x, bool above) {
        return TailSum{above ? std::exp(-x) : -std::expm1(-x), true, 0};
    };
    for (long double upper : {1e-4L, 0.01L, 0.5L, 0.75L, 0.999999L}) {
        const long double exact = -std::log(upper);
        const QuantileSearch bracket = MarchingSearch(exponential, integral, 1.0L - upper);
        ASSERT_TRUE(bracket.found);
        EXPECT_NEAR(static_cast<double>(bracket.value / exact), 1.0, 1e-8) << (double)upper;
        EXPECT_LT(bracket.passes, 200);
        const QuantileSearch search = FindQuantile(exponential, integral, tail, upper);
        ASSERT_TRUE(search.found);
        EXPECT_LT(std::fabs(search.value / exact - 1.0L), 1e-16L) << (double)upper;
    }
}

// The shown value equals the exact quantile rounded the same way, for the
// probabilities of the usual tables and every degree of freedom.
TEST(ChiAccuracy, ShownDigitsOfTheUsualTables)
{
    const double alphas[]
        = {0.1, 0.05, 0.025, 0.01, 0.005, 0.001, 0.0001, 0.9, 0.95, 0.975, 0.99, 0.995, 0.999};
    int compared = 0;
    std::vector<std::string> differences;
    for (double alpha : alphas) {
        for (int v : SweptDegrees()) {
            ++compared;
            CompareShownValue(Where(alpha, v), ChiCriticalValue(alpha, v),
                              ReferenceQuantile(alpha, v), Shown, differences);
        }
    }
    ExpectTableAgrees("chi-squared table", compared, differences);
}

// Across the accepted range every request ends with a finite value within
// 1e-6 of the exact quantile; values below 1e-9 only have to show as 0.00000.
TEST(ChiAccuracy, WholeRange)
{
    const double alphas[]
        = {0.0001, 0.0002, 0.0005, 0.002, 0.02,   0.2,    0.3,     0.4,     0.5,      0.6,
           0.7,    0.8,    0.98,   0.998, 0.9995, 0.9999, 0.99995, 0.99999, 0.999995, 0.999999};
    int requests = 0;
    double worst = 0.0;
    std::vector<std::string> failures;
    for (double alpha : alphas) {
        for (int v : SweptDegrees()) {
            ++requests;
            CheckRangeValue(Where(alpha, v), ChiCriticalValue(alpha, v),
                            ReferenceQuantile(alpha, v), Shown, worst, failures);
        }
    }
    ExpectRangeHolds("chi-squared range", requests, worst, failures);
}
