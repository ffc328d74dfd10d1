// Every shown digit of a t, chi-squared and F critical value: the report's
// last line against Boost.Math's quantile in long double, rounded the same way.

#include "core/calculators/calcinput.h"
#include "core/numeric/strings.h"

#include <boost/math/distributions/chi_squared.hpp>
#include <boost/math/distributions/fisher_f.hpp>
#include <boost/math/distributions/students_t.hpp>
#include <gtest/gtest.h>

#include <cstdlib>
#include <iterator>
#include <string>
#include <tuple>
#include <vector>

namespace bm = boost::math;

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr int Stride = 7; // sanitizer builds run several times slower
#else
constexpr int Stride = 1;
#endif

const char *const Alphas[]
    = {"0.0001", "0.00025", "0.0005", "0.001", "0.005", "0.01", "0.025", "0.05",   "0.1",
       "0.25",   "0.5",     "0.75",   "0.9",   "0.95",  "0.99", "0.999", "0.9999", "0.999999"};
const int TableDegrees[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12, 15, 20, 24, 30, 40, 60, 120, 200};

std::string Line(int decimals, long double exact)
{
    return "          Critical value = " + FormatNumber(0, decimals, static_cast<double>(exact));
}

// Compares the last line of each report with the reference and reports the
// requests that differ, the first few of them in full.
struct Sweep
{
    int compared = 0;
    std::vector<std::string> differences;

    void check(const CalcOutcome &outcome, const std::string &expected, const std::string &what)
    {
        ++compared;
        const std::string last = outcome.report.substr(outcome.report.rfind('\n') + 1);
        if (!outcome.accepted || last != expected)
            differences.push_back(what + ": " + last + " instead of " + expected);
    }
    void expectAllAgree() const
    {
        EXPECT_TRUE(differences.empty())
            << differences.size() << " of " << compared << " differ, first: " << differences[0];
    }
};

// Every degree of freedom meets the smallest alpha, where the values are
// largest, and a third of the others in turn, so that every pair of alpha and
// the degrees mod 3 is met.
std::vector<const char *> AlphasFor(int v)
{
    std::vector<const char *> alphas{Alphas[0]};
    for (std::size_t i = 1 + v % 3; i < std::size(Alphas); i += 3)
        alphas.push_back(Alphas[i]);
    return alphas;
}

long double Alpha(const char *text)
{
    return std::strtod(text, nullptr);
}

} // namespace

TEST(ShownCriticalValues, TEveryDegree)
{
    Sweep sweep;
    for (int v = 1; v <= 200; v += Stride)
        for (const char *alpha : AlphasFor(v)) {
            const bm::students_t_distribution<long double> t(v);
            const long double exact
                = Alpha(alpha) == 0.5L ? 0.0L : bm::quantile(bm::complement(t, Alpha(alpha)));
            sweep.check(RunTRequest(alpha, std::to_string(v)), Line(exact < 0.001L ? 6 : 2, exact),
                        std::string("t ") + alpha + " " + std::to_string(v));
        }
    sweep.expectAllAgree();
}

TEST(ShownCriticalValues, ChiSquaredEveryDegree)
{
    Sweep sweep;
    for (int v = 1; v <= 200; v += Stride)
        for (const char *alpha : AlphasFor(v)) {
            const bm::chi_squared_distribution<long double> chi(v);
            const long double exact = bm::quantile(bm::complement(chi, Alpha(alpha)));
            sweep.check(RunChiRequest(alpha, std::to_string(v)),
                        Line(exact < 0.001L ? 5 : (exact > 10.0L ? 2 : 3), exact),
                        std::string("chi ") + alpha + " " + std::to_string(v));
        }
    sweep.expectAllAgree();
}

TEST(ShownCriticalValues, FGrid)
{
    // The largest values: the smallest alphas with few denominator degrees of
    // freedom, every numerator; then the usual tables over every alpha.
    std::vector<std::tuple<const char *, int, int>> requests;
    for (const char *alpha : {"0.0001", "0.00025", "0.0005"})
        for (int v1 = 1; v1 <= 200; v1 += (v1 < 10 ? 1 : 7 * Stride))
            for (int v2 = 1; v2 <= 5; ++v2)
                requests.emplace_back(alpha, v1, v2);
    for (int v1 : TableDegrees)
        for (int v2 : TableDegrees)
            for (const char *alpha : AlphasFor(v1 + v2))
                if ((v1 + v2) % Stride == 0)
                    requests.emplace_back(alpha, v1, v2);
    Sweep sweep;
    for (const auto &[alpha, v1, v2] : requests) {
        long double exact = 1.0L; // the median of F(v, v), where Boost's root finder fails
        if (v1 != v2 || Alpha(alpha) != 0.5L)
            exact = bm::quantile(
                bm::complement(bm::fisher_f_distribution<long double>(v1, v2), Alpha(alpha)));
        sweep.check(RunFRequest(alpha, std::to_string(v1), std::to_string(v2)),
                    Line(exact < 0.001L ? 5 : 2, exact),
                    std::string("F ") + alpha + " " + std::to_string(v1) + " "
                        + std::to_string(v2));
    }
    sweep.expectAllAgree();
}

TEST(ShownAlpha, AsManyDecimalsAsTyped)
{
    const std::pair<const char *, const char *> cases[] = {
        {"0.05", "0.050"},      {"0.0001", "0.0001"},     {"0.9999", "0.9999"},
        {"0.00025", "0.00025"}, {"0.999999", "0.999999"}, {"0.1234567", "0.123457"},
    };
    for (const auto &[typed, shown] : cases) {
        const std::string alpha = std::string("alpha = ") + shown + "\r\n";
        EXPECT_NE(RunTRequest(typed, "5").report.find("For " + alpha), std::string::npos) << typed;
        EXPECT_NE(RunChiRequest(typed, "5").report.find("For " + alpha), std::string::npos);
        EXPECT_NE(
            RunFRequest(typed, "5", "5").report.find(std::string("Alpha = ") + shown + " with"),
            std::string::npos);
    }
}
