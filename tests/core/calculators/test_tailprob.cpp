// Probabilities from a typed statistic: the upper tails of t, chi-squared and
// F and the normal's central percentage against Boost.Math, and the requests'
// validation and report lines.

#include "core/calculators/calcinput.h"
#include "core/calculators/tailprob.h"

#include <boost/math/distributions/chi_squared.hpp>
#include <boost/math/distributions/fisher_f.hpp>
#include <boost/math/distributions/normal.hpp>
#include <boost/math/distributions/students_t.hpp>
#include <gtest/gtest.h>

#include "outcomecheck.h"

#include <cmath>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr int DegreeStride = 7; // sanitizer builds run several times slower
#else
constexpr int DegreeStride = 1;
#endif

// Statistics from 0.01 to 50 at equal ratios, and the usual ones of a table.
std::vector<long double> Statistics()
{
    std::vector<long double> values{1.0L, 1.96L, 2.5L, 3.84L};
    for (int i = 0; i <= 24; ++i)
        values.push_back(0.01L * std::pow(5000.0L, i / 24.0L));
    return values;
}

// The worst error over a sweep, in units of the allowance (relative 1e-6 or
// absolute 1e-9, whichever is looser): at most 1 passes.
struct Worst
{
    double share = 0.0;
    std::string where;

    void Check(long double got, long double exact, const std::string &what)
    {
        const long double error = std::fabs(got - exact);
        const double s = static_cast<double>(error / std::max(1e-6L * std::fabs(exact), 1e-9L));
        if (s > share) {
            share = s;
            where = what + " got " + std::to_string(static_cast<double>(got)) + " exact "
                + std::to_string(static_cast<double>(exact));
        }
    }
};

TEST(TailProbability, AgreesWithReference)
{
    struct Sweep
    {
        const char *name;
        std::function<void(Worst &)> run;
    };
    const std::vector<long double> xs = Statistics();
    const Sweep sweeps[] = {
        {"t",
         [&](Worst &worst) {
             for (int v = 1; v <= 200; v += DegreeStride) {
                 const boost::math::students_t_distribution<long double> d(v);
                 // Below 0 by symmetry: every tenth degree of freedom is enough.
                 const long double sign = v % 10 == 1 ? -1.0L : 1.0L;
                 for (long double x : xs)
                     for (long double t : {x, sign * x})
                         worst.Check(TUpperTail(t, v).value, cdf(complement(d, t)),
                                     "t=" + std::to_string(static_cast<double>(t))
                                         + " v=" + std::to_string(v));
             }
         }},
        {"chi-squared",
         [&](Worst &worst) {
             for (int v = 1; v <= 200; v += DegreeStride) {
                 const boost::math::chi_squared_distribution<long double> d(v);
                 for (long double x : xs)
                     worst.Check(ChiUpperTail(x, v).value, cdf(complement(d, x)),
                                 "x=" + std::to_string(static_cast<double>(x))
                                     + " v=" + std::to_string(v));
             }
         }},
        {"F",
         [&](Worst &worst) {
             const int degrees[] = {1, 2, 3, 5, 8, 13, 30, 60, 120, 200};
             const long double fs[]
                 = {0.01L, 0.1L, 0.5L, 0.9L, 1.0L, 1.5L, 2.5L, 4.0L, 10.0L, 50.0L, 400.0L};
             for (int v1 : degrees)
                 for (int v2 : degrees) {
                     const boost::math::fisher_f_distribution<long double> d(v1, v2);
                     for (long double f : fs)
                         worst.Check(FUpperTail(f, v1, v2).value, cdf(complement(d, f)),
                                     "f=" + std::to_string(static_cast<double>(f)) + " v1="
                                         + std::to_string(v1) + " v2=" + std::to_string(v2));
                 }
         }},
        {"normal percent / 100",
         [&](Worst &worst) {
             const boost::math::normal_distribution<long double> d;
             for (long double z = 0.0L; z <= 9.0L; z += 0.0625L)
                 worst.Check(NormalCentralPercent(-z) / 100.0L, 1.0L - 2.0L * cdf(d, -z),
                             "z=" + std::to_string(static_cast<double>(z)));
         }},
    };
    for (const Sweep &sweep : sweeps) {
        Worst worst;
        sweep.run(worst);
        std::printf("%s: worst error %.3g of the allowance at %s\n", sweep.name, worst.share,
                    worst.where.c_str());
        EXPECT_LE(worst.share, 1.0) << sweep.name << ": " << worst.where;
    }
}

TEST(TailProbability, RequestsReportTheDirection)
{
    const CalcOutcome t = RunTProbabilityRequest("2.3", "12");
    ASSERT_TRUE(t.accepted);
    EXPECT_EQ(t.report,
              "          Students t distribution:\r\n"
              "          Probability from the value t = 2.300\r\n"
              "          and 12 degrees of freedom\r\n"
              "\r\n"
              "          P(T > t) = "
                  + ProbabilityText(t.value));
    const boost::math::students_t_distribution<long double> t12(12);
    EXPECT_NEAR(static_cast<double>(t.value), static_cast<double>(cdf(complement(t12, 2.3L))),
                1e-9);

    struct Case
    {
        CalcOutcome outcome;
        const char *lastLine;
        double value;
    };
    const Case cases[] = {
        {RunChiProbabilityRequest("3.841459", "1"), "P(X > chi-squared) = 0.050000", 0.05},
        {RunFProbabilityRequest("1", "7", "7"), "P(F > f) = 0.500000", 0.5},
        {RunNormalProbabilityRequest("1.96"), "Percent between -z and z = 95.0004", 95.0004},
        {RunTProbabilityRequest("-40", "200"), "P(T > t) = 1.000000", 1.0},
        // Tiny tails in scientific form, still to many digits.
        {RunChiProbabilityRequest("400", "10"), "P(X > chi-squared) = 9.413e-80", 9.4133e-80},
    };
    for (const Case &c : cases) {
        ASSERT_TRUE(c.outcome.accepted) << c.lastLine;
        EXPECT_TRUE(c.outcome.messages.empty()) << c.lastLine;
        const std::string &report = c.outcome.report;
        EXPECT_EQ(report.substr(report.rfind("\r\n") + 2), std::string("          ") + c.lastLine);
        EXPECT_NEAR(static_cast<double>(c.outcome.value), c.value, 1e-4 * c.value);
    }
}

TEST(TailProbability, RefusedValues)
{
    const std::string ValueEmpty = "Please enter the value of the statistic.";
    struct Case
    {
        CalcOutcome outcome;
        std::vector<std::string> messages;
        int fieldsAccepted;
    };
    const Case cases[] = {
        {RunTProbabilityRequest("", "5"), {ValueEmpty}, 0},
        {RunTProbabilityRequest("2e6", "5"),
         {"The value of t must be between -1000000 and 1000000"},
         0},
        {RunTProbabilityRequest("2", "0"), {DegreesMessage}, 1},
        {RunTProbabilityRequest("2", ""), {DegreesEmptyMessage}, 1},
        {RunChiProbabilityRequest("-1", "5"),
         {"The value of chi-squared must be between 0 and 1000000"},
         0},
        {RunChiProbabilityRequest("x", "5"),
         {RealReadError("x", 0), "The value of chi-squared must be between 0 and 1000000"},
         0},
        {RunFProbabilityRequest("-0.5", "1", "1"),
         {"The value of F must be between 0 and 1000000"},
         0},
        {RunFProbabilityRequest("2", "3", ""),
         {"Please enter the denominator degrees of freedom."},
         2},
        {RunNormalProbabilityRequest(""), {ValueEmpty}, 0},
        {RunNormalProbabilityRequest("101"), {"The value of z must be between -100 and 100"}, 0},
    };
    for (const Case &c : cases) {
        EXPECT_FALSE(c.outcome.accepted);
        EXPECT_EQ(c.outcome.messages, c.messages);
        EXPECT_EQ(c.outcome.fieldsAccepted, c.fieldsAccepted);
    }
}

} // namespace
