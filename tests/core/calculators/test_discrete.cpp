// The binomial and Poisson requests: the shown answer against Boost.Math in
// long double, refusals, the quantile rule and the console commands.

#include "core/calculators/batchdiscrete.h"
#include "core/calculators/discrete.h"

#include <boost/math/distributions/binomial.hpp>
#include <boost/math/distributions/poisson.hpp>
#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using boost::math::binomial_distribution;
using boost::math::poisson_distribution;
using Question = DiscreteQuestion;
constexpr DiscreteFamily B = DiscreteFamily::Binomial;
constexpr DiscreteFamily P = DiscreteFamily::Poisson;

// Fields or arguments written joined by '|'.
std::vector<std::string> Split(const std::string &joined)
{
    std::vector<std::string> parts(1);
    for (char c : joined)
        c == '|' ? parts.emplace_back().clear() : parts.back().push_back(c);
    return parts;
}

// How far the reference may be from the exact value; a shown text within it
// of a rounding boundary may round either way.
constexpr long double ReferenceTolerance = 1e-13L;

// The text printf gives the value in the program's rule: six decimals, or
// four significant digits below 0.0001; digits significant ones when given.
std::string Printed(long double v, int digits)
{
    char text[64];
    if (v >= 0.0001L) {
        // The decimals that leave digits significant ones once rounded.
        std::snprintf(text, sizeof text, "%.*Le", std::max(digits - 1, 0), v);
        const long double rounded = std::strtold(text, nullptr);
        const int decimals
            = digits == 0 ? 6 : digits - 1 - static_cast<int>(std::floor(std::log10(rounded)));
        std::snprintf(text, sizeof text, "%.*Lf", decimals, v);
    } else {
        std::snprintf(text, sizeof text, "%.*Le", digits == 0 ? 3 : digits - 1, v);
    }
    return text;
}

bool ShownAs(const std::string &shown, long double reference, int digits)
{
    for (long double factor : {1.0L, 1.0L - ReferenceTolerance, 1.0L + ReferenceTolerance})
        if (shown == Printed(reference * factor, digits))
            return true;
    return false;
}

struct Dist
{
    DiscreteFamily family;
    std::string n; // or lambda
    std::string p; // binomial only
    long double mean;
    long double sd;
};

std::vector<std::string> Fields(const Dist &d, std::vector<long long> asked)
{
    std::vector<std::string> fields{d.n};
    if (d.family == DiscreteFamily::Binomial)
        fields.push_back(d.p);
    for (long long k : asked)
        fields.push_back(std::to_string(k));
    return fields;
}

// The Boost probability of a question on d.
long double Reference(const Dist &d, Question question, long double a, long double b)
{
    const auto answer = [&](const auto &dist) -> long double {
        const auto below = [&](long double k) { return k < 0 ? 0.0L : cdf(dist, k); };
        const auto above = [&](long double k) { return k < 0 ? 1.0L : cdf(complement(dist, k)); };
        switch (question) {
        case Question::Exact:
            return pdf(dist, a);
        case Question::AtMost:
            return below(a);
        case Question::AtLeast:
            return above(a - 1);
        default:
            // The smaller of the two tails' differences keeps the digits.
            return a > mean(dist) ? above(a - 1) - above(b) : below(b) - below(a - 1);
        }
    };
    if (d.family == DiscreteFamily::Binomial)
        return answer(binomial_distribution<long double>(std::stold(d.n), std::stold(d.p)));
    return answer(poisson_distribution<long double>(std::stold(d.n)));
}

const std::vector<Dist> Grid = {
    {B, "20", "0.5", 10, std::sqrt(5.0L)},
    {B, "1000", "0.01", 10, std::sqrt(9.9L)},
    {B, "100000", "0.3", 30000, std::sqrt(21000.0L)},
    {B, "1000000", "0.5", 500000, 500},
    {B, "1000000", "0.999", 999000, std::sqrt(999.0L)},
    {P, "3.5", "", 3.5, std::sqrt(3.5L)},
    {P, "1000", "", 1000, std::sqrt(1000.0L)},
    {P, "1000000", "", 1e6, 1000},
};

TEST(DiscreteRequest, ShownProbabilitiesRoundTheReference)
{
    std::setlocale(LC_NUMERIC, "C");
    int checked = 0;
    for (const Dist &d : Grid) {
        const long double top = d.family == DiscreteFamily::Binomial ? std::stold(d.n) : 1e12L;
        // From the far lower tail through the bulk into the far upper tail.
        for (long double z :
             {-60.0L, -30.0L, -8.0L, -2.5L, -0.3L, 0.0L, 1.0L, 4.0L, 12.0L, 45.0L}) {
            const long long k = std::llround(std::clamp(d.mean + z * d.sd, 0.0L, top));
            const long long b = std::llround(std::clamp(d.mean + (z + 1.5L) * d.sd, 0.0L, top));
            for (Question question :
                 {Question::Exact, Question::AtMost, Question::AtLeast, Question::Between}) {
                const std::vector<long long> asked = question == Question::Between
                    ? std::vector<long long>{k, b}
                    : std::vector<long long>{k};
                const long double reference = Reference(d, question, k, b);
                for (int digits : {0, 4, 10}) {
                    const DiscreteResult result
                        = RunDiscreteRequest(d.family, question, Fields(d, asked), digits);
                    ASSERT_TRUE(result.accepted);
                    // Never 0 for an outcome that can happen.
                    EXPECT_TRUE(std::isfinite(result.logValue)) << result.report;
                    if (reference < 1e-4900L)
                        continue; // beyond long double: the closed forms below
                    EXPECT_TRUE(ShownAs(result.valueText, reference, digits))
                        << result.valueText << " against " << Printed(reference, digits) << " for "
                        << result.report;
                    ++checked;
                }
            }
        }
    }
    EXPECT_GT(checked, 800);
}

TEST(DiscreteRequest, TailsBelowLongDoubleAreShownAsNumbers)
{
    // log10 of each exact probability from its closed form.
    const struct
    {
        DiscreteFamily family;
        const char *fields;
        Question question;
        long double log10P;
    } cases[] = {
        {B, "1000000|0.5|0", Question::Exact, -1e6L * std::log10(2.0L)},
        {B, "1000000|0.5|1000000", Question::AtLeast, -1e6L * std::log10(2.0L)},
        {P, "1000000|0", Question::AtMost, -1e6L / std::log(10.0L)},
        {P, "0.5|3000", Question::Exact,
         (-0.5L + 3000 * std::log(0.5L) - std::lgamma(3001.0L)) / std::log(10.0L)},
    };
    for (const auto &c : cases) {
        const long double exponent = std::floor(c.log10P);
        char mantissa[16];
        std::snprintf(mantissa, sizeof mantissa, "%.3Lf", std::pow(10.0L, c.log10P - exponent));
        const std::string expected
            = mantissa + ("e-" + std::to_string(static_cast<long long>(-exponent)));
        EXPECT_EQ(RunDiscreteRequest(c.family, c.question, Split(c.fields)).valueText, expected);
    }
}

TEST(DiscreteRequest, QuantileIsTheSmallestKReachingP)
{
    const struct
    {
        DiscreteFamily family;
        const char *fields;
        long long k;
    } exact[] = {
        // P that equals a cumulative probability stays on that k.
        {B, "2|0.5|0.25", 0}, {B, "2|0.5|0.75", 1}, {B, "2|0.5|0.7500001", 2}, {B, "3|0.5|0.5", 1},
        {B, "1|0.7|0.3", 0},  {B, "20|0.5|0", 0},   {B, "20|0.5|1", 20},       {P, "2|0", 0},
    };
    for (const auto &c : exact)
        EXPECT_EQ(RunDiscreteRequest(c.family, Question::Quantile, Split(c.fields)).value, c.k)
            << c.fields;
    for (const Dist &d : Grid) {
        for (const char *probability : {"1e-9", "0.025", "0.5", "0.95", "0.999999"}) {
            std::vector<std::string> fields = Fields(d, {});
            fields.push_back(probability);
            const long long k
                = std::llround(RunDiscreteRequest(d.family, Question::Quantile, fields).value);
            const long double target = std::stold(probability);
            EXPECT_GE(Reference(d, Question::AtMost, k, 0), target * (1 - ReferenceTolerance));
            if (k > 0) {
                EXPECT_LT(Reference(d, Question::AtMost, k - 1, 0), target) << d.n << " " << k;
            }
        }
    }
}

TEST(DiscreteRequest, RefusesFieldsOutOfRange)
{
    const std::string n = "n must be a whole number from 1 to 1000000";
    const std::string lambda = "lambda must be greater than 0 and at most 1000000";
    const struct
    {
        DiscreteFamily family;
        Question question;
        const char *fields;
        int digits;
        int fieldInError;
        std::string message;
    } cases[] = {
        {B, Question::Exact, "|0.5|1", 0, 0, "Please enter the number of trials n."},
        {B, Question::Exact, "1000001|0.5|1", 0, 0, n},
        {B, Question::Exact, "0|0.5|1", 0, 0, n},
        {B, Question::AtMost, "10|1.5|1", 0, 1, "p must be a number from 0 to 1"},
        {B, Question::AtLeast, "10|0.5|11", 0, 2, "k must be a whole number from 0 to 10"},
        {B, Question::Between, "10|0.5|6|5", 0, 3, "b must not be smaller than a"},
        {B, Question::Quantile, "10|0.5|1.01", 0, 2, "P must be a number from 0 to 1"},
        {B, Question::Exact, "10|0.5|1", 3, 3, "Digits must be from 4 to 10"},
        {P, Question::Exact, "0|1", 0, 0, lambda},
        {P, Question::Exact, "1000000.5|1", 0, 0, lambda},
        {P, Question::AtMost, "4|-1", 0, 1, "k must be a whole number from 0 up"},
        {P, Question::Quantile, "4|1", 0, 1, "P must be at least 0 and less than 1"},
    };
    for (const auto &c : cases) {
        const DiscreteResult result
            = RunDiscreteRequest(c.family, c.question, Split(c.fields), c.digits);
        EXPECT_FALSE(result.accepted);
        EXPECT_EQ(result.fieldInError, c.fieldInError) << c.message;
        ASSERT_FALSE(result.messages.empty());
        EXPECT_EQ(result.messages.back(), c.message);
    }
}

TEST(DiscreteCommand, PrintsTheReportOrRefuses)
{
    const struct
    {
        const char *command;
        const char *args;
        int status;
        std::string outLine; // a line the output holds
        std::string err;     // the start of standard error
    } cases[] = {
        {"p", "binom|--upper|15|20|0.5", 0, "P(X >= 15) = 0.020695", ""},
        {"p", "binom|15|20|0.5", 0, "P(X <= 15) = 0.994091", ""},
        {"p", "binom|--exact|15|20|0.5", 0, "continuity correction = 0.015133", ""},
        {"p", "poisson|--between|3|5|2.5", 0, "P(3 <= X <= 5) = 0.414166", ""},
        {"q", "binom|0.25|2|0.5", 0, "Smallest k with P(X <= k) >= 0.25: k = 0", ""},
        {"q", "poisson|0.5|1000000", 0, "P(X <= 1000000) = 0.500266", ""},
        {"p", "binom|--upper|15|20", 2, "", "usage: mervan-batch p binom"},
        {"p", "poisson|--lower|1|-2", 2, "", "lambda must be greater than 0 and at most 1000000"},
        {"p", "geometric|1|0.5", -1, "", ""},
    };
    for (const auto &c : cases) {
        testing::internal::CaptureStdout();
        testing::internal::CaptureStderr();
        EXPECT_EQ(RunDiscreteCommand(c.command, Split(c.args)), c.status) << c.outLine;
        const std::string out = testing::internal::GetCapturedStdout();
        const std::string err = testing::internal::GetCapturedStderr();
        if (c.status == 0)
            EXPECT_NE(out.find(c.outLine), std::string::npos) << out;
        else
            EXPECT_EQ(out, "");
        EXPECT_EQ(err.substr(0, c.err.size()), c.err);
    }
}

} // namespace
