// Every shown digit of a t, chi-squared and F critical value: the report's
// last line against Boost.Math's quantile in long double, rounded the same way.

#include "core/calculators/calcinput.h"
#include "core/numeric/strings.h"
#include "outcomecheck.h"

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

// Compares the last line of each report with the reference; at its end,
// fails with the number of requests that differ and the first of them.
struct Sweep
{
    int compared = 0;
    std::vector<std::string> differences;

    void check(const CalcResult &outcome, const std::string &expected, const std::string &what)
    {
        ++compared;
        const std::string last = outcome.report.substr(outcome.report.rfind('\n') + 1);
        if (!outcome.accepted() || last != expected)
            differences.push_back(what + ": " + last + " instead of " + expected);
    }
    ~Sweep()
    {
        EXPECT_TRUE(differences.empty())
            << differences.size() << " of " << compared << " differ, first: " << differences[0];
    }
};

// Every degree of freedom meets the smallest alpha, where the values are
// largest, and a third of the others, so that each alpha meets every v mod 3.
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

TEST(ShownCriticalValues, TAndChiSquaredEveryDegree)
{
    Sweep sweep;
    for (int v = 1; v <= 200; v += Stride)
        for (const char *alpha : AlphasFor(v)) {
            const std::string d = std::to_string(v), where = std::string(alpha) + " " + d;
            const bm::students_t_distribution<long double> td(v);
            const long double t
                = Alpha(alpha) == 0.5L ? 0.0L : bm::quantile(bm::complement(td, Alpha(alpha)));
            sweep.check(RunTRequest(alpha, d), Line(t < 0.001L ? 6 : 2, t), "t " + where);
            const long double chi = bm::quantile(
                bm::complement(bm::chi_squared_distribution<long double>(v), Alpha(alpha)));
            sweep.check(RunChiRequest(alpha, d),
                        Line(chi < 0.001L ? 5 : (chi > 10.0L ? 2 : 3), chi), "chi " + where);
        }
}

TEST(ShownCriticalValues, FGrid)
{
    // The largest values (smallest alphas, v2 1 to 5), then the usual tables.
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
        const std::string d1 = std::to_string(v1), d2 = std::to_string(v2);
        sweep.check(RunFRequest(alpha, d1, d2), Line(exact < 0.001L ? 5 : 2, exact),
                    std::string("F ") + alpha + " " + d1 + " " + d2);
    }
}

TEST(ShownAlpha, AsManyDecimalsAsTyped)
{
    const std::pair<const char *, const char *> cases[] = {
        {"0.05", "0.050"},      {"0.0001", "0.0001"},     {"0.9999", "0.9999"},
        {"0.00025", "0.00025"}, {"0.999999", "0.999999"}, {"0.1234567", "0.123457"},
    };
    for (const auto &[typed, shown] : cases) {
        const std::string alpha = std::string("lpha = ") + shown;
        EXPECT_NE(RunChiRequest(typed, "5").report.find(alpha + "\r\n"), std::string::npos);
        EXPECT_NE(RunFRequest(typed, "5", "5").report.find(alpha + " with"), std::string::npos);
    }
}
