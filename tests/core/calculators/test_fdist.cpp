// The F calculator: its validation, its error guards, its report, and its
// critical values against an independent implementation (Boost.Math).

#include "core/calculators/calcinput.h"
#include "core/calculators/fdist.h"
#include "core/numeric/strings.h"

#include <boost/math/distributions/fisher_f.hpp>
#include <gtest/gtest.h>

#include "outcomecheck.h"
#include "quantilecheck.h"

#include <cmath>
#include <iostream>
#include <limits>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace {

const std::string NumeratorEmptyMessage = "Please enter the numerator degrees of freedom.";
const std::string DenominatorEmptyMessage = "Please enter the denominator degrees of freedom.";
const std::string PowerMessage = "Exception raised in Power function. Solution is incorrect.";
const std::string DensityMessage = "Sorry, error in computations.";
const std::string UnableMessage = "Sorry, unable to compute value.";

// The degrees of freedom of the usual F tables.
const std::vector<int> TableDegrees
    = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12, 15, 20, 24, 30, 40, 60, 120, 200};

long double ReferenceQuantile(double alpha, int v1, int v2)
{
    try {
        const boost::math::fisher_f_distribution<long double> f(v1, v2);
        return boost::math::quantile(boost::math::complement(f, static_cast<long double>(alpha)));
    } catch (const std::exception &) {
        // Boost's root finder fails on the median of equal degrees of freedom
        // (alpha 0.5, v1 = v2), which is exactly 1: F and 1/F then have the
        // same distribution.
        if (alpha == 0.5 && v1 == v2)
            return 1.0L;
        throw;
    }
}

std::string Shown(long double value)
{
    return FormatNumber(0, value < 0.001L ? 5 : 2, static_cast<double>(value));
}

std::string Where(double alpha, int v1, int v2)
{
    std::ostringstream where;
    where << "alpha " << alpha << " v1 " << v1 << " v2 " << v2;
    return where.str();
}

} // namespace

TEST(FReport, FullTextOfARequest)
{
    const CalcResult outcome = RunFRequest("0.05", "5", "10");
    EXPECT_TRUE(outcome.accepted());
    EXPECT_TRUE(outcome.messages().empty());
    EXPECT_EQ(outcome.report,
              "          F distribution:\r\n"
              "          Alpha = 0.050 with v1 = 5 and v2 = 10\r\n"
              "\r\n"
              "          Critical value = 3.33");
}

TEST(FReport, CriticalValues)
{
    struct Case
    {
        const char *alpha;
        const char *v1;
        const char *v2;
        const char *shown;
    };
    const Case cases[] = {
        {"0.05", "5", "10", "3.33"},
        {"0.05", "10", "5", "4.74"},
        {"0.05", "200", "200", "1.26"},
        {"0.05", "1", "1", "161.45"},
        {"0.01", "3", "20", "4.94"},
        {"0.0001", "1", "200", "15.76"},
        {"0.95", "5", "10", "0.21"}, // 1 / (0.95 quantile of F(10, 5))
        {"0.5", "2", "2", "1.00"},   // the first form still applies at one half
        {"0.0001", "1", "1", "40,528,472.79"},
        {"0.999", "1", "200", "0.00000"},   // 1.57e-6
        {"0.999999", "200", "200", "0.51"}, // the smallest accepted tail, swapped
        {"0.9999", "200", "1", "0.06"},     // swapped search with numerator 1
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string("alpha ") + c.alpha + ", v1 " + c.v1 + ", v2 " + c.v2);
        const CalcResult outcome = RunFRequest(c.alpha, c.v1, c.v2);
        ASSERT_TRUE(outcome.accepted());
        EXPECT_TRUE(outcome.messages().empty());
        EXPECT_EQ(LastLine(outcome.report), std::string("          Critical value = ") + c.shown);
    }
}

TEST(FReport, FailedSearchShowsNoNumber)
{
    // Above one half a failed search must not turn into the reciprocal of 0.
    for (double alpha : {0.05, 0.95}) {
        const std::string text = FReportText(alpha, 5, 10, QuantileSearch{});
        EXPECT_EQ(LastLine(text), NotComputedLine);
        EXPECT_EQ(text.find("Critical value ="), std::string::npos);
        EXPECT_EQ(text.find("inf"), std::string::npos);
    }

    // A search that fails for real on the swapped side (no denominator
    // degrees of freedom: the gamma function has a pole at 0) comes back
    // without a value rather than as 1 / 0.
    const QuantileSearch f = FCriticalValue(0.9, 5, 0);
    EXPECT_FALSE(f.found);
    EXPECT_EQ(f.messages, std::vector<std::string>{UnableMessage});
    EXPECT_EQ(LastLine(FReportText(0.9, 5, 0, f)), NotComputedLine);
}

TEST(FValidation, MessagesInOrder)
{
    struct Case
    {
        const char *alpha;
        const char *v1;
        const char *v2;
        std::vector<std::string> messages;
        bool accepted;
    };
    const std::vector<Case> cases = {
        {"", "", "", {AlphaEmptyMessage}, false},
        {"x", "", "", {RealReadError("x", 0), AlphaMessage}, false},
        {"0.00009", "5", "10", {AlphaMessage}, false},
        {"1", "5", "10", {AlphaMessage}, false},
        {"0.05", "", "", {NumeratorEmptyMessage}, false},
        {"0.05", "0", "", {DegreesMessage}, false}, // before V2Text is looked at
        {"0.05", "201", "10", {DegreesMessage}, false},
        {"0.05", "5a", "10", {IntegerReadError("5a", 1, true), DegreesMessage}, false},
        {"0.05", "5", "", {DenominatorEmptyMessage}, false},
        {"0.05", "5", "-1", {DegreesMessage}, false},
        {"0.05", "5", " ", {IntegerReadError(" ", 1), DegreesMessage}, false},
        {"0.0001", "1", "1", {}, true},
        {"0.999999", "200", "200", {}, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string("alpha '") + c.alpha + "', v1 '" + c.v1 + "', v2 '" + c.v2 + "'");
        const CalcResult outcome = RunFRequest(c.alpha, c.v1, c.v2);
        EXPECT_EQ(outcome.accepted(), c.accepted);
        EXPECT_EQ(outcome.messages(), c.messages);
        if (!c.accepted) {
            EXPECT_EQ(outcome.report, "");
        }
    }
}

TEST(FDensity, AgreesWithReference)
{
    const int degrees[][2] = {{1, 1}, {1, 200}, {2, 7}, {5, 10}, {200, 1}, {200, 200}};
    for (const auto &n : degrees) {
        const boost::math::fisher_f_distribution<long double> f(n[0], n[1]);
        FGuard guard;
        const Integrand density = FDensity(n[0], n[1], guard).value();
        for (long double x : {1e-6L, 0.01L, 0.5L, 1.0L, 3.0L, 40.0L, 1e6L}) {
            SCOPED_TRACE("v1 " + std::to_string(n[0]) + ", v2 " + std::to_string(n[1]) + ", x "
                         + std::to_string(static_cast<double>(x)));
            EXPECT_NEAR(static_cast<double>(density(x) / boost::math::pdf(f, x)), 1.0, 1e-13);
        }
        EXPECT_TRUE(guard.messages.empty());
    }
}

TEST(FGuards, DensityErrorShowsItsMessageOnceAndGivesZero)
{
    // x = -5 with (2, 2): Power(-5, 0) and Power(1 - 5, 2) fail and give 0,
    // and the density's own 0 / 0 is caught by its guard.
    FGuard guard;
    const Integrand density = FDensity(2, 2, guard).value();
    EXPECT_EQ(density(-5.0L), 0.0L);
    EXPECT_EQ(std::exchange(guard.messages, {}),
              (std::vector<std::string>{PowerMessage, PowerMessage, DensityMessage}));
    EXPECT_TRUE(guard.densityFailed);

    // Further failures of the same search add no box of the density's own.
    EXPECT_EQ(density(-5.0L), 0.0L);
    EXPECT_EQ(std::exchange(guard.messages, {}),
              (std::vector<std::string>{PowerMessage, PowerMessage}));

    // A failing numerator power alone gives 0 without an error of the density.
    FGuard fresh;
    const Integrand one = FDensity(1, 1, fresh).value();
    EXPECT_EQ(one(0.0L), 0.0L);
    EXPECT_EQ(std::exchange(fresh.messages, {}), (std::vector<std::string>{PowerMessage}));
    EXPECT_FALSE(fresh.densityFailed);

    // The density still works afterwards.
    EXPECT_GT(one(1.0L), 0.0L);
    EXPECT_TRUE(fresh.messages.empty());
}

TEST(FGuards, IntegralErrorShowsItsMessageAndGivesZero)
{
    struct Case
    {
        const char *name;
        Integrand f;
    };
    const Case cases[] = {
        {"infinite", [](long double) { return std::numeric_limits<long double>::infinity(); }},
        {"not a number", [](long double) { return std::numeric_limits<long double>::quiet_NaN(); }},
        {"overflowing", [](long double x) { return x * 1e4900L * 1e4900L; }},
        {"throwing", [](long double) -> long double { throw std::runtime_error("no"); }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        FGuard guard;
        EXPECT_EQ(GuardedRomberg(c.f, 1.0L, 2.0L, guard), 0.0L);
        EXPECT_EQ(guard.messages, std::vector<std::string>{UnableMessage});
        EXPECT_TRUE(guard.integralFailed);
    }

    FGuard guard;
    EXPECT_NEAR(
        static_cast<double>(GuardedRomberg([](long double x) { return x; }, 1.0L, 3.0L, guard)),
        4.0, 1e-15);
    EXPECT_TRUE(guard.messages.empty());
    EXPECT_FALSE(guard.integralFailed);
}

TEST(FAccuracy, ShownDigitsOfTheUsualTables)
{
    const double alphas[] = {0.1, 0.05, 0.025, 0.01, 0.005, 0.001, 0.9, 0.95, 0.99};
    int compared = 0;
    std::vector<std::string> differences;
    for (double alpha : alphas) {
        for (int v1 : TableDegrees) {
            for (int v2 : TableDegrees) {
#if defined(__SANITIZE_ADDRESS__)
                if ((v1 + v2) % 3 != 0)
                    continue;
#endif
                ++compared;
                CompareShownValue(Where(alpha, v1, v2), FCriticalValue(alpha, v1, v2),
                                  ReferenceQuantile(alpha, v1, v2), Shown, differences);
            }
        }
    }
    ExpectTableAgrees("F table", compared, differences);
}

TEST(FAccuracy, WholeRange)
{
    const double alphas[]
        = {0.0001, 0.0002, 0.0005, 0.002, 0.02,   0.2,    0.3,     0.4,     0.5,      0.6,
           0.7,    0.8,    0.98,   0.998, 0.9995, 0.9999, 0.99995, 0.99999, 0.999995, 0.999999};
#if defined(__SANITIZE_ADDRESS__)
    const int degrees[] = {1, 2, 5, 13, 50, 200};
#else
    const int degrees[] = {1, 2, 3, 5, 8, 13, 21, 34, 55, 89, 144, 200};
#endif
    int requests = 0;
    double worst = 0.0;
    std::vector<std::string> failures;
    for (double alpha : alphas) {
        for (int v1 : degrees) {
            for (int v2 : degrees) {
                ++requests;
                CheckRangeValue(Where(alpha, v1, v2), FCriticalValue(alpha, v1, v2),
                                ReferenceQuantile(alpha, v1, v2), Shown, worst, failures);
            }
        }
    }
    ExpectRangeHolds("F range", requests, worst, failures);
}
