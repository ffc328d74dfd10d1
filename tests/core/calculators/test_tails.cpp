// Every area of the continuous calculators in both directions: each number
// a report shows must be Boost.Math's value (long double) rounded to the
// digits shown, over grids of parameters, values and alphas, in the standard
// form and with ten significant digits.

#include "core/calculators/calcinput.h"

#include <boost/math/distributions/chi_squared.hpp>
#include <boost/math/distributions/fisher_f.hpp>
#include <boost/math/distributions/normal.hpp>
#include <boost/math/distributions/students_t.hpp>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace bm = boost::math;

namespace {

#if defined(__SANITIZE_ADDRESS__)
const int DigitChoices[] = {0}; // sanitizer builds run several times slower
#else
const int DigitChoices[] = {0, 10};
#endif

using Function = std::function<long double(long double)>;

struct Distribution
{
    CalcKind kind;
    std::vector<std::string> degrees; // or the normal's mean and sd
    Function cdf, ccdf, quantile, cquantile;
    bool symmetric = false;
    long double centre = 0.0L; // of the symmetric ones
};

template <class D>
Distribution Make(CalcKind kind, std::vector<std::string> fields, const D &d)
{
    return {kind,
            std::move(fields),
            [d](long double x) { return bm::cdf(d, x); },
            [d](long double x) { return bm::cdf(bm::complement(d, x)); },
            [d](long double p) { return bm::quantile(d, p); },
            [d](long double p) { return bm::quantile(bm::complement(d, p)); },
            kind == CalcKind::T || kind == CalcKind::Normal,
            kind == CalcKind::Normal ? static_cast<long double>(bm::mean(d)) : 0.0L};
}

// The numbers of a line after its " = " and before any ", z": one, or two
// joined by " and ".
std::vector<std::string> Shown(const std::string &line)
{
    std::string rest = line.substr(line.find(" = ") + 3);
    rest = rest.substr(0, rest.find(", z"));
    std::vector<std::string> numbers;
    for (std::size_t at; (at = rest.find(" and ")) != std::string::npos; rest.erase(0, at + 5))
        numbers.push_back(rest.substr(0, at));
    numbers.push_back(rest);
    return numbers;
}

long double Number(std::string text)
{
    std::erase(text, ',');
    return std::strtold(text.c_str(), nullptr);
}

// Half a unit of the last digit shown.
long double HalfUnit(const std::string &text)
{
    const std::size_t point = text.find('.');
    const std::size_t e = text.find('e');
    const long double decimals
        = point == std::string::npos ? 0 : (e == std::string::npos ? text.size() : e) - point - 1;
    const long double exponent
        = e == std::string::npos ? 0 : std::strtol(text.c_str() + e + 1, nullptr, 10);
    return 0.5L * std::pow(10.0L, exponent - decimals);
}

int SignificantDigits(const std::string &text)
{
    int count = 0;
    bool leading = true;
    for (char c : text.substr(0, text.find('e'))) {
        leading = leading && (c == '0' || c == '-' || c == '.');
        count += !leading && c >= '0' && c <= '9';
    }
    return count;
}

struct Sweep
{
    int compared = 0;
    std::vector<std::string> differences;

    void check(const std::string &shown, long double exact, int digits, const std::string &what)
    {
        ++compared;
        const long double error = std::fabs(Number(shown) - exact);
        if (error > HalfUnit(shown) * (1 + 1e-9L) + 1e-13L * std::fabs(exact)
            || (digits != 0 && SignificantDigits(shown) != digits && std::fabs(exact) < 1e9L))
            differences.push_back(what + ": " + shown + " for " + std::to_string(double(exact)));
    }
    ~Sweep()
    {
        EXPECT_TRUE(differences.empty())
            << differences.size() << " of " << compared << " differ, first: " << differences[0];
    }
};

std::vector<std::string> Lines(const std::string &report)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = report.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(report.substr(start, end - start));
    lines.push_back(report.substr(start));
    return lines;
}

// The last line that is not a normal's z on a line of its own.
std::string Answer(const std::vector<std::string> &lines)
{
    const std::string &last = lines.back();
    return last.find("z = ") == 10 ? lines[lines.size() - 2] : last;
}

const CalcArea Tails[] = {CalcArea::Lower, CalcArea::Upper, CalcArea::TwoSided};
const char *const Alphas[] = {"0.0001", "0.003", "0.05", "0.3", "0.9", "0.999"};

void SweepDistribution(const Distribution &d, const std::vector<std::string> &values)
{
    Sweep sweep;
    const auto fields = [&d](std::vector<std::string> first) {
        first.insert(first.end(), d.degrees.begin(), d.degrees.end());
        return first;
    };
    for (int digits : DigitChoices) {
        for (CalcArea area : Tails)
            for (const char *alpha : Alphas) {
                const CalcResult r = RunCalcRequest(d.kind, CalcDirection::CriticalValue, area,
                                                    fields({alpha}), '.', digits);
                const std::vector<std::string> lines = Lines(r.report);
                const std::string what = r.report;
                ASSERT_GE(lines.size(), 5u) << what; // a normal's z may take a line of its own
                const long double a = std::strtold(alpha, nullptr);
                const std::vector<std::string> shown = Shown(lines[3]);
                if (area == CalcArea::TwoSided) {
                    ASSERT_EQ(shown.size(), 2u) << what;
                    sweep.check(shown[0], d.quantile(a / 2), digits, what);
                    sweep.check(shown[1], d.cquantile(a / 2), digits, what);
                } else {
                    sweep.check(shown[0], area == CalcArea::Lower ? d.quantile(a) : d.cquantile(a),
                                digits, what);
                }
                // The check line: the area at the values as shown.
                const long double low = Number(shown.front()), high = Number(shown.back());
                const long double back = area == CalcArea::Lower ? d.cdf(low)
                    : area == CalcArea::Upper                    ? d.ccdf(high)
                                                                 : d.cdf(low) + d.ccdf(high);
                sweep.check(Shown(lines.back())[0], back, digits, what);
            }
        for (std::size_t i = 0; i < values.size(); ++i)
            for (CalcArea area :
                 {CalcArea::Lower, CalcArea::Upper, CalcArea::TwoSided, CalcArea::Between}) {
                if (area == CalcArea::Between && i + 1 == values.size())
                    continue;
                std::vector<std::string> typed = {values[i]};
                if (area == CalcArea::Between)
                    typed.push_back(values[i + 1]);
                const CalcResult r = RunCalcRequest(d.kind, CalcDirection::Probability, area,
                                                    fields(typed), '.', digits);
                const long double x = Number(values[i]);
                long double exact = area == CalcArea::Lower ? d.cdf(x) : d.ccdf(x);
                if (area == CalcArea::TwoSided)
                    exact = d.symmetric ? 2 * d.ccdf(d.centre + std::fabs(x - d.centre))
                                        : std::min(2 * std::min(d.cdf(x), d.ccdf(x)), 1.0L);
                if (area == CalcArea::Between) {
                    const long double b = Number(values[i + 1]);
                    exact = d.ccdf(x) < 0.5L ? d.ccdf(x) - d.ccdf(b)
                        : d.cdf(b) < 0.5L    ? d.cdf(b) - d.cdf(x)
                                             : 1 - d.cdf(x) - d.ccdf(b);
                }
                ASSERT_TRUE(r.accepted()) << r.report;
                sweep.check(Shown(Answer(Lines(r.report)))[0], exact, digits, r.report);
            }
    }
}

} // namespace

TEST(CalculatorAreas, StudentT)
{
    for (int v : {1, 2, 5, 12, 30, 200})
        SweepDistribution(
            Make(CalcKind::T, {std::to_string(v)}, bm::students_t_distribution<long double>(v)),
            {"-35", "-3.5", "-1.5", "-0.2", "0.7", "2.1", "6", "40"});
}

TEST(CalculatorAreas, ChiSquared)
{
    for (int v : {1, 2, 5, 10, 50, 200})
        SweepDistribution(Make(CalcKind::ChiSquared, {std::to_string(v)},
                               bm::chi_squared_distribution<long double>(v)),
                          {"0.02", "0.5", "3", "10", "40", "180", "260"});
}

TEST(CalculatorAreas, F)
{
    for (const auto &[v1, v2] :
         std::vector<std::pair<int, int>>{{1, 1}, {3, 12}, {10, 5}, {2, 30}, {200, 200}})
        SweepDistribution(Make(CalcKind::F, {std::to_string(v1), std::to_string(v2)},
                               bm::fisher_f_distribution<long double>(v1, v2)),
                          {"0.05", "0.5", "1", "3.49", "10", "300"});
}

// The calculators' own areas keep their reports, their answer with the
// digits asked for.
TEST(CalculatorAreas, OwnAreasWithDigits)
{
    namespace d = boost::math;
    const struct
    {
        CalcKind kind;
        CalcDirection direction;
        std::vector<std::string> fields;
        long double exact;
    } cases[] = {
        {CalcKind::T,
         CalcDirection::CriticalValue,
         {"0.05", "10"},
         d::quantile(d::complement(d::students_t_distribution<long double>(10), 0.05L))},
        {CalcKind::ChiSquared,
         CalcDirection::Probability,
         {"3", "10"},
         d::cdf(d::complement(d::chi_squared_distribution<long double>(10), 3.0L))},
        {CalcKind::Normal,
         CalcDirection::CriticalValue,
         {"95"},
         d::quantile(d::normal_distribution<long double>(), 0.975L)},
        {CalcKind::Normal,
         CalcDirection::Probability,
         {"1.96"},
         100 * (1 - 2 * d::cdf(d::normal_distribution<long double>(), -1.96L))},
    };
    for (int digits : {4, 7, 10}) {
        Sweep sweep;
        for (const auto &c : cases) {
            const CalcResult r
                = RunCalcRequest(c.kind, c.direction, CalcArea::Standard, c.fields, '.', digits);
            sweep.check(Shown(Lines(r.report).back()).back(), c.exact, digits, r.report);
        }
    }
}

TEST(CalculatorAreas, NormalInItsOwnUnits)
{
    SweepDistribution(Make(CalcKind::Normal, {}, bm::normal_distribution<long double>(0, 1)),
                      {"-9", "-2", "-0.25", "0", "1.3", "4"});
    SweepDistribution(
        Make(CalcKind::Normal, {"170", "8"}, bm::normal_distribution<long double>(170, 8)),
        {"120", "150.5", "170", "185", "200"});
    SweepDistribution(
        Make(CalcKind::Normal, {"-3", "0.02"}, bm::normal_distribution<long double>(-3, 0.02L)),
        {"-3.1", "-3.01", "-2.96", "-2.9"});
}
