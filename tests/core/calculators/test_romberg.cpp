// The Romberg integrator: accuracy on known integrals, the order of the
// samples, and that it ends on every kind of integrand.

#include "core/calculators/romberg.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

constexpr long double Pi = 3.14159265358979323846264338327950288L;

TEST(Romberg, KnownIntegrals)
{
    struct Case
    {
        const char *name;
        Integrand f;
        long double a, b, exact;
    };
    const Case cases[] = {
        {"cubic", [](long double x) { return 4 * x * x * x - x; }, -1.0L, 2.0L, 13.5L},
        {"exp", [](long double x) { return std::exp(x); }, 0.0L, 1.0L, std::exp(1.0L) - 1.0L},
        {"Cauchy density over a decade", [](long double x) { return 1.0L / (Pi * (1.0L + x * x)); },
         5.0L, 50.0L, (std::atan(50.0L) - std::atan(5.0L)) / Pi},
        {"sine over a period and a half", [](long double x) { return std::sin(x); }, 0.0L,
         3.0L * Pi, 2.0L},
        {"reversed limits", [](long double x) { return x * x; }, 3.0L, 0.0L, -9.0L},
    };
    for (const Case &c : cases) {
        const long double value = Romberg(c.f, c.a, c.b, 1e-13L);
        EXPECT_LE(std::fabs(value - c.exact), 1e-12L * std::fabs(c.exact)) << c.name;
    }
}

TEST(Romberg, SamplesEndsFirstThenNewMidpointsInIncreasingOrder)
{
    std::vector<long double> samples;
    const Integrand record = [&](long double x) {
        samples.push_back(x);
        return 1.0L;
    };
    Romberg(record, 0.0L, 8.0L, 1e-10L, 4);
    const std::vector<long double> expected = {0, 8, 4, 2, 6, 1, 3, 5, 7};
    EXPECT_EQ(samples, expected);
}

TEST(Romberg, ConvergedIntegralStopsFromRowFive)
{
    int calls = 0;
    const Integrand line = [&](long double x) {
        ++calls;
        return 2.0L * x + 1.0L;
    };
    EXPECT_NEAR(static_cast<double>(Romberg(line, 0.0L, 1.0L, 1e-10L)), 2.0, 1e-15);
    EXPECT_EQ(calls, 17); // 2^4 + 1 samples: five rows
}

TEST(Romberg, ZeroIntegralsEnd)
{
    int calls = 0;
    const Integrand zero = [&](long double) {
        ++calls;
        return 0.0L;
    };
    EXPECT_EQ(Romberg(zero, 0.0L, 1.0L, 1e-10L), 0.0L);
    EXPECT_LE(calls, 17);

    calls = 0;
    const Integrand one = [&](long double) {
        ++calls;
        return 1.0L;
    };
    EXPECT_EQ(Romberg(one, 5.0L, 5.0L, 1e-10L, 51), 0.0L); // zero width
    EXPECT_LE(calls, 17);

    // A density that has underflowed far out in its tail.
    calls = 0;
    const Integrand underflowed = [&](long double x) {
        ++calls;
        return std::exp(-x * x);
    };
    EXPECT_EQ(Romberg(underflowed, 1e3L, 1e4L, 1e-10L, 51), 0.0L);
    EXPECT_LE(calls, 17);
}

TEST(Romberg, UnsettledIntegralStopsAtTheRowLimit)
{
    // Samples that alternate in sign never settle: the loop must end after
    // maxRows rows, i.e. 2^(maxRows-1) + 1 samples, whatever the limit.
    for (int rows : {6, 12, 15}) {
        long long calls = 0;
        const Integrand noise = [&](long double) {
            ++calls;
            return (calls % 3 == 0) ? 1.0L : -0.7L;
        };
        const long double value = Romberg(noise, 0.0L, 1.0L, 1e-15L, rows);
        EXPECT_TRUE(std::isfinite(static_cast<double>(value)));
        EXPECT_EQ(calls, (1LL << (rows - 1)) + 1) << rows << " rows";
    }
}

} // namespace
