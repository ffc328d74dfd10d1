// The t calculator without its window: validation order and messages, the
// report text, and the critical values against an independent reference
// (Boost.Math's Student t quantile in extended precision).

#include "core/calculators/calcinput.h"
#include "core/calculators/tdist.h"
#include "core/numeric/strings.h"

#include <boost/math/distributions/students_t.hpp>
#include <gtest/gtest.h>

#include "outcomecheck.h"

#include <cmath>
#include <string>
#include <vector>

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr int DegreeStride = 4; // sanitizer builds run several times slower
#else
constexpr int DegreeStride = 1;
#endif

// The value with P(T > t) = alpha, alpha as the double the dialog stores.
long double ExactCriticalValue(double alpha, int v)
{
    const boost::math::students_t_distribution<long double> t(v);
    return boost::math::quantile(boost::math::complement(t, static_cast<long double>(alpha)));
}

// A critical value as the report shows it.
std::string Shown(long double t)
{
    return FormatNumber(0, t < 0.001L ? 6 : 2, static_cast<double>(t));
}

std::string ShownCriticalValue(double alpha, int v)
{
    return Shown(TCriticalValue(alpha, static_cast<std::uint16_t>(v)).value);
}

TEST(TCalculator, EdgeCases)
{
    struct Case
    {
        double alpha;
        int v;
        const char *shown;
    };
    const Case cases[] = {
        {0.05, 10, "1.81"},
        {0.025, 5, "2.57"},
        {0.01, 200, "2.35"},
        {0.05, 1, "6.31"},
        {0.95, 10, "-1.812461"},
        {0.5, 1, "0.000000"},
        {0.5, 200, "0.000000"},
        // With an accurate gamma function (3,116.28 and -3,116.278172 before).
        {0.0001, 1, "3,183.10"},
        {0.9999, 1, "-3,183.098757"},
        // Beyond the original point table: found by extending it.
        {0.999999, 1, "-318,309.886174"},
        {0.99999, 1, "-31,830.988608"},
        // The table's integrals enter the tail of 1e-6: the exact value
        // -707.1057205158 needs them to some 1e-17.
        {0.999999, 2, "-707.105721"},
        // First interval, between 0 and 0.05.
        {0.49, 1, "0.03"},
        {0.4999, 1, "0.000314"},
        {0.5001, 1, "-0.000314"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ShownCriticalValue(c.alpha, c.v), c.shown)
            << "alpha " << c.alpha << ", v " << c.v;
    EXPECT_NEAR(static_cast<double>(TCriticalValue(0.05, 1).value), 6.3137515146750, 1e-9);
}

TEST(TCalculator, ReportOfAlphaFiveHundredthsTenDegrees)
{
    const CalcResult outcome = RunTRequest("0.05", "10");
    ASSERT_TRUE(outcome.accepted());
    EXPECT_TRUE(outcome.messages().empty());
    EXPECT_EQ(outcome.report,
              "          Students t distribution:\r\n"
              "          For alpha = 0.050\r\n"
              "          and 10 degrees of freedom\r\n"
              "\r\n"
              "          Critical value = 1.81");
}

TEST(TCalculator, ValidationStopsAtTheFirstFailedCheck)
{
    struct Case
    {
        const char *alpha;
        const char *v;
        std::vector<std::string> messages;
    };
    const Case cases[] = {
        {"", "", {AlphaEmptyMessage}},
        {"", "10", {AlphaEmptyMessage}},
        {"0.00009", "", {AlphaMessage}},
        {"1", "10", {AlphaMessage}},
        {"5", "10", {AlphaMessage}},
        {"-0.05", "10", {AlphaMessage}},
        {"abc", "10", {RealReadError("abc", 0), AlphaMessage}},
        {"   ", "10", {RealReadError("   ", 3), AlphaMessage}},
        {"0.05", "", {DegreesEmptyMessage}},
        {"0.05", "0", {DegreesMessage}},
        {"0.05", "201", {DegreesMessage}},
        {"0.05", "-3", {DegreesMessage}},
        {"0.05", "12abc", {IntegerReadError("12abc", 2, true), DegreesMessage}},
        {"0.05", "7.5", {WholeNumberMessage, DegreesMessage}},
        {"0.05", "99999999999", {IntegerReadError("99999999999", 9), DegreesMessage}},
        {" 0.05x", "10", {RealReadError(" 0.05x", 5, true), AlphaMessage}},
        {"0.05 0.1", "10", {RealReadError("0.05 0.1", 4, true), AlphaMessage}},
        {"0,05,1", "10", {RealReadError("0,05,1", 4, true), AlphaMessage}},
        {"0.05", "3,5", {WholeNumberMessage, DegreesMessage}},
    };
    for (const Case &c : cases) {
        const CalcResult outcome = RunTRequest(c.alpha, c.v);
        EXPECT_FALSE(outcome.accepted()) << '"' << c.alpha << "\", \"" << c.v << '"';
        EXPECT_EQ(outcome.messages(), c.messages) << '"' << c.alpha << "\", \"" << c.v << '"';
        EXPECT_EQ(outcome.report, "");
    }
}

TEST(TCalculator, AcceptedInputs)
{
    struct Case
    {
        const char *alpha;
        const char *v;
        const char *lastLines; // the degrees of freedom line and the value
    };
    const Case cases[] = {
        {"0.0001", "1",
         "          and 1 degrees of freedom\r\n\r\n          Critical value = 3,183.10"},
        {"0.999999", "200",
         "          and 200 degrees of freedom\r\n\r\n"
         "          Critical value = -4.897302"},
        {" 0.05 ", "$A",
         "          and 10 degrees of freedom\r\n\r\n          Critical value = 1.81"},
        {"0,05", "10",
         "          and 10 degrees of freedom\r\n\r\n          Critical value = 1.81"},
        {"5E-2", "10 ",
         "          and 10 degrees of freedom\r\n\r\n          Critical value = 1.81"},
    };
    for (const Case &c : cases) {
        const CalcResult outcome = RunTRequest(c.alpha, c.v);
        ASSERT_TRUE(outcome.accepted()) << c.alpha << ' ' << c.v;
        EXPECT_TRUE(outcome.messages().empty());
        const std::string tail = c.lastLines;
        ASSERT_GE(outcome.report.size(), tail.size());
        EXPECT_EQ(outcome.report.substr(outcome.report.size() - tail.size()), tail)
            << c.alpha << ' ' << c.v;
        EXPECT_TRUE(outcome.report.ends_with("= " + Shown(outcome.value))) << outcome.report;
    }
}

TEST(TCalculator, TableOfCriticalValuesMatchesTheExactQuantiles)
{
    const double alphas[] = {0.1,    0.05, 0.025, 0.01,  0.005, 0.001, 0.0005,
                             0.0001, 0.9,  0.95,  0.975, 0.99,  0.995, 0.999};
    int checked = 0;
    for (double alpha : alphas)
        for (int v = 1; v <= 200; v += DegreeStride) {
            EXPECT_EQ(ShownCriticalValue(alpha, v), Shown(ExactCriticalValue(alpha, v)))
                << "alpha " << alpha << ", v " << v;
            ++checked;
        }
    EXPECT_EQ(checked, DegreeStride == 1 ? 2800 : 14 * ((199 / DegreeStride) + 1));
}

TEST(TCalculator, WholeAcceptedRangeWithinOnePartInAMillion)
{
    // Logarithmic near both ends, linear in between, and close to one half
    // where the search starts from 0.
    std::vector<double> alphas;
    for (int i = 0; i <= 8; ++i)
        alphas.push_back(0.0001 * std::pow(10.0, i / 4.0));
    for (int i = 1; i <= 9; ++i)
        alphas.push_back(0.1 * i + 0.0123);
    for (double offset : {-0.02, -1e-3, -1e-6, -1e-9, 1e-9, 1e-6, 1e-3, 0.02})
        alphas.push_back(0.5 + offset);
    for (int i = 0; i <= 8; ++i)
        alphas.push_back(1.0 - 0.01 * std::pow(10.0, -i / 2.0));
    alphas.push_back(0.999999);

    std::vector<int> degrees;
    for (int v = 1; v < 200; v += (v < 10 ? 1 : 7 * DegreeStride))
        degrees.push_back(v);
    degrees.push_back(200);

    for (double alpha : alphas)
        for (int v : degrees) {
            const long double t = TCriticalValue(alpha, static_cast<std::uint16_t>(v)).value;
            const long double exact = ExactCriticalValue(alpha, v);
            ASSERT_TRUE(std::isfinite(static_cast<double>(t))) << alpha << ' ' << v;
            EXPECT_LE(std::fabs(t / exact - 1.0L), 1e-6L) << "alpha " << alpha << ", v " << v;
        }
}

TEST(TCalculator, UpperAndLowerTailsAreSymmetric)
{
    for (int v : {1, 2, 7, 30, 200})
        for (double alpha : {0.0001, 0.003, 0.2, 0.4999}) {
            const long double upper = TCriticalValue(alpha, static_cast<std::uint16_t>(v)).value;
            const long double lower
                = TCriticalValue(1.0 - alpha, static_cast<std::uint16_t>(v)).value;
            EXPECT_GT(upper, 0.0L);
            EXPECT_LE(std::fabs(upper + lower), 1e-9L * upper) << alpha << ' ' << v;
        }
    EXPECT_EQ(TQuantile(5, 0.5L).value, 0.0L);
}

} // namespace
