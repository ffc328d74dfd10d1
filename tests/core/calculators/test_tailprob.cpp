// Probabilities from a typed statistic against Boost.Math, and the requests'
// report lines and refusals.

#include "core/calculators/calcinput.h"
#include "core/calculators/tailprob.h"

#include <boost/math/distributions.hpp>
#include <gtest/gtest.h>

#include "outcomecheck.h"

#include <cstdio>

namespace bm = boost::math;

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr int DegreeStride = 7; // sanitizer builds run several times slower
#else
constexpr int DegreeStride = 1;
#endif

// The worst error of a sweep as a share of its allowance (relative 1e-12 or
// absolute 1e-15, whichever is looser), and where it was.
struct Worst
{
    double share = 0.0;
    std::string where;
    void Check(long double got, long double exact, const std::string &what)
    {
        const double s
            = double(std::fabs(got - exact) / std::max(1e-12L * std::fabs(exact), 1e-15L));
        if (s > share)
            share = s, where = what;
    }
};

TEST(TailProbability, AgreesWithReference)
{
    // 0.01 to 50 at equal ratios, and some values of the tables.
    std::vector<long double> xs{1.0L, 1.96L, 2.5L, 3.84L};
    for (int i = 0; i <= 24; ++i)
        xs.push_back(0.01L * std::pow(5000.0L, i / 24.0L));
    Worst t, chi, f, normal;
    for (int v = 1; v <= 200; v += DegreeStride) {
        const bm::students_t_distribution<long double> td(v);
        const bm::chi_squared_distribution<long double> cd(v);
        for (long double x : xs) {
            const std::string at = std::to_string(double(x)) + " v=" + std::to_string(v);
            t.Check(TUpperTail(x, v).value, cdf(complement(td, x)), at);
            if (v % 10 == 1) // below 0 by symmetry: a sample is enough
                t.Check(TUpperTail(-x, v).value, cdf(complement(td, -x)), "-" + at);
            chi.Check(ChiUpperTail(x, v).value, cdf(complement(cd, x)), at);
        }
    }
    for (int v1 : {1, 2, 3, 5, 8, 13, 30, 60, 120, 200})
        for (int v2 : {1, 2, 3, 5, 8, 13, 30, 60, 120, 200}) {
            const bm::fisher_f_distribution<long double> fd(v1, v2);
            for (long double x : {0.01L, 0.1L, 0.5L, 0.9L, 1.0L, 1.5L, 2.5L, 4.0L, 10.0L, 50.0L})
                f.Check(FUpperTail(x, v1, v2).value, cdf(complement(fd, x)),
                        std::to_string(double(x)) + " " + std::to_string(v1) + ","
                            + std::to_string(v2));
        }
    for (long double z = 0.0L; z <= 9.0L; z += 0.0625L)
        normal.Check(NormalCentralPercent(-z) / 100.0L,
                     1.0L - 2.0L * cdf(bm::normal_distribution<long double>(), -z),
                     std::to_string(double(z)));
    for (const auto &[name, worst] :
         {std::pair{"t", t}, {"chi-squared", chi}, {"F", f}, {"normal", normal}}) {
        std::printf("%s: worst error %.3g of the allowance at %s\n", name, worst.share,
                    worst.where.c_str());
        EXPECT_LE(worst.share, 1.0) << name << " at " << worst.where;
    }
}

TEST(TailProbability, RequestsSayWhichWayTheyWent)
{
    const CalcResult t = RunTProbabilityRequest("2.3", "12");
    EXPECT_EQ(t.report,
              "          Students t distribution:\r\n"
              "          Probability from the value t = 2.300\r\n"
              "          and 12 degrees of freedom\r\n\r\n"
              "          P(T > t) = "
                  + ProbabilityText(t.value));
    const std::pair<CalcResult, const char *> cases[] = {
        {RunNormalProbabilityRequest("1.96"), "Percent between -z and z = 95.0004"},
        // sum of exp(-200) 200^k / k! for k < 5: tiny tails keep their digits
        {RunChiProbabilityRequest("400", "10"), "P(X > chi-squared) = 9.413e-80"},
        // about 3.8e-4918: near the end of the extended range, so only bounded
        {RunChiProbabilityRequest("22697.985", "8"), "P(X > chi-squared) < 1.000e-4900"},
        {RunChiProbabilityRequest("1000000", "1"), "P(X > chi-squared) < 1.000e-4900"},
    };
    for (const auto &[outcome, line] : cases) {
        EXPECT_TRUE(outcome.accepted() && outcome.messages().empty()) << line;
        EXPECT_EQ(outcome.report.substr(outcome.report.rfind("\r\n") + 2),
                  std::string(10, ' ') + line);
    }

    const std::string empty = "Please enter the value of the statistic.";
    const std::string chiRange = "The value of chi-squared must be between 0 and 1000000";
    const std::pair<CalcResult, std::vector<std::string>> refused[] = {
        {RunTProbabilityRequest("", "5"), {empty}},
        {RunChiProbabilityRequest("-1", "5"), {chiRange}},
        {RunChiProbabilityRequest("x", "5"), {RealReadError("x", 0), chiRange}},
        {RunFProbabilityRequest("-0.5", "1", "1"),
         {"The value of F must be between 0 and 1000000"}},
        {RunNormalProbabilityRequest("101"), {"The value of z must be between -100 and 100"}},
        {RunTProbabilityRequest("1e999", "1"),
         {"The number 1e999 is too large.", "The value of t must be between -1000000 and 1000000"}},
    };
    for (const auto &[outcome, messages] : refused) {
        EXPECT_FALSE(outcome.accepted());
        EXPECT_EQ(outcome.messages(), messages);
    }
}

// A comma or point is read by the user's decimal sign; an entry that could be
// two numbers is refused on its field, and the report shows the value taken.
TEST(TailProbability, EntriesFollowTheDecimalSign)
{
    const struct
    {
        const char *typed;
        char decimalSign;
        const char *shown; // nullptr: refused as ambiguous
    } cases[] = {
        {"1,000", '.', "1,000.000"},   {"1,000", ',', "1.000"},
        {"1.000", ',', "1,000.000"},   {"0,05", '.', "0.050"},
        {"0,050", '.', "0.050"},       {"-1,234.5", '.', "-1,234.500"},
        {"1.000,5", ',', "1,000.500"}, {"2e1", '.', "20.000"},
        {"1,000,5", '.', nullptr},     {"12345,678", '.', "12,345.678"},
        {"1.000.5", ',', nullptr},
    };
    for (const auto &c : cases) {
        const CalcResult result = RunCalcRequest(CalcKind::T, CalcDirection::Probability,
                                                 {c.typed, "5"}, c.decimalSign);
        const std::string where = std::string(c.typed) + ' ' + c.decimalSign;
        if (!c.shown) {
            EXPECT_EQ(result.status, CalcStatus::Refused) << where;
            EXPECT_EQ(result.fieldInError, 0) << where;
            ASSERT_FALSE(result.errors.empty()) << where;
            EXPECT_EQ(result.errors[0].code, CalcErrorCode::Ambiguous) << where;
            continue;
        }
        EXPECT_EQ(result.status, CalcStatus::Computed) << where;
        EXPECT_NE(result.report.find(std::string("t = ") + c.shown + "\r\n"), std::string::npos)
            << where << '\n'
            << result.report;
    }
}

TEST(TailProbability, HardTailsTakeBoundedWork)
{
    // Tiny statistics (a pole at 0) and one far out: right, with bounded work.
    const bm::fisher_f_distribution<long double> f11(1, 1);
    const bm::chi_squared_distribution<long double> chi1(1);
    const std::pair<TailProbability, long double> cases[] = {
        {FUpperTail(1e-9L, 1, 1), cdf(complement(f11, 1e-9L))},
        {FUpperTail(1e-300L, 1, 1), cdf(complement(f11, 1e-300L))},
        {FUpperTail(1e-50L, 200, 1), 1.0L},
        {ChiUpperTail(1e-10L, 1), cdf(complement(chi1, 1e-10L))},
        {ChiUpperTail(22700.0L, 28),
         cdf(complement(bm::chi_squared_distribution<long double>(28), 22700.0L))},
        {TUpperTail(1e-200L, 199), 0.5L},
    };
    for (const auto &[tail, exact] : cases) {
        EXPECT_TRUE(tail.found && !tail.belowRange);
        EXPECT_LE(tail.evaluations, 40000);
        EXPECT_NEAR(double(tail.value / exact), 1.0, 1e-13) << double(exact);
    }
}

} // namespace
