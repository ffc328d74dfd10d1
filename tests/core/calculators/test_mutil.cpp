// Power and Gamma: values, accuracy of the gamma function, and the handling
// of floating-point errors (no result from either, one message from the
// densities' PowerOrZero).

#include "core/numeric/mutil.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr long double Pi = 3.14159265358979323846264338327950288L;
const std::string PowerMessage = "Exception raised in Power function. Solution is incorrect.";

long double RelativeError(long double value, long double exact)
{
    return std::fabs(value / exact - 1.0L);
}

TEST(Gamma, HalfIntegersToTwoHundredWithinOnePartIn1e15)
{
    // Gamma(1/2) = sqrt(pi), Gamma(x + 1) = x Gamma(x): exact up to the
    // rounding of some hundred products in extended precision.
    long double exact = std::sqrt(Pi);
    for (int twice = 1; twice <= 399; twice += 2) {
        const long double x = twice / 2.0L;
        EXPECT_LE(RelativeError(Gamma(x).value(), exact), 1e-15L)
            << "x = " << static_cast<double>(x);
        exact *= x;
    }
}

TEST(Gamma, IntegersAreFactorials)
{
    long double factorial = 1.0L; // (n - 1)!
    for (int n = 1; n <= 200; ++n) {
        EXPECT_LE(RelativeError(Gamma(n).value(), factorial), 1e-15L) << "n = " << n;
        factorial *= n;
    }
    EXPECT_NEAR(static_cast<double>(Gamma(100).value() / 9.3326215443944152682e155L), 1.0, 1e-15);
}

TEST(Gamma, AgreesWithTheLibraryGammaOverItsRange)
{
    // Small, fractional, large and negative non-integer arguments.
    std::vector<long double> arguments;
    for (long double x = 0.001L; x < 300.0L; x *= 1.37L)
        arguments.push_back(x);
    for (long double x = -0.3L; x > -60.0L; x -= 0.77L)
        arguments.push_back(x);
    arguments.insert(arguments.end(), {1e-30L, 19.999L, 20.0L, 20.001L, 1000.5L, 1700.25L});
    for (long double x : arguments)
        EXPECT_LE(RelativeError(Gamma(x).value(), std::tgamma(x)), 2e-15L)
            << "x = " << static_cast<double>(x);
}

TEST(Gamma, NegativeArgumentsUseTheDownwardRecurrence)
{
    const long double half = Gamma(0.5L).value();
    EXPECT_NEAR(static_cast<double>(Gamma(-0.5L).value()), -3.5449077018110320546, 1e-15);
    EXPECT_EQ(Gamma(-0.5L), half / -0.5L);
    EXPECT_NEAR(static_cast<double>(Gamma(-2.5L).value()), -0.94530872048294188123, 1e-15);
    // At a negative integer the division by zero is left out, so the value is
    // that of the recurrence without it: Gamma(1) / (-1), Gamma(1) / ((-3)(-2)(-1)).
    EXPECT_EQ(Gamma(-1.0L), -Gamma(1.0L).value());
    EXPECT_EQ(Gamma(-3.0L), Gamma(1.0L).value() / -6.0L);
    EXPECT_TRUE(std::isfinite(static_cast<double>(Gamma(-170.0L).value())));
    EXPECT_EQ(Gamma(-1e30L), 0.0L); // far below the extended range, and no endless recurrence
}

TEST(Gamma, ZeroNanAndOverflowGiveNoResult)
{
    for (long double x : {0.0L, std::numeric_limits<long double>::quiet_NaN(), 2000.0L,
                          std::numeric_limits<long double>::infinity()})
        EXPECT_FALSE(Gamma(x).has_value()) << static_cast<double>(x);
}

// The value of Power, failing the test when there is none.
long double PowerValue(long double base, long double exponent)
{
    const std::optional<long double> result = Power(base, exponent);
    EXPECT_TRUE(result.has_value())
        << static_cast<double>(base) << " ^ " << static_cast<double>(exponent);
    return result.value_or(0.0L);
}

TEST(Power, Values)
{
    EXPECT_NEAR(static_cast<double>(PowerValue(2.0L, 0.5L)), 1.4142135623730950488, 1e-18);
    EXPECT_EQ(PowerValue(7.25L, 0.0L), 1.0L);
    EXPECT_NEAR(static_cast<double>(PowerValue(1.0L + 1e-3L, -100.5L)),
                static_cast<double>(std::pow(1.001L, -100.5L)), 1e-17);
    for (long double base : {0.3L, 2.0L, 17.5L, 1e6L})
        for (long double exponent : {0.25L, 3.0L, 99.0L}) {
            const long double product = PowerValue(base, exponent) * PowerValue(base, -exponent);
            EXPECT_NEAR(static_cast<double>(product), 1.0, 1e-15);
        }
    // Powers beyond the double range, which the densities rely on.
    EXPECT_LE(RelativeError(PowerValue(10.0L, 400.0L), 1e400L), 1e-16L);
}

TEST(Power, ErrorsGiveNoResultAndOneMessageWithZero)
{
    struct Case
    {
        long double base, exponent;
        const char *what;
    };
    const Case cases[] = {
        {0.0L, 2.0L, "zero base (division by zero in the logarithm)"},
        {-8.0L, 1.0L / 3.0L, "negative base (invalid operation)"},
        {-1.0L, 0.0L, "negative base and zero exponent"},
        {10.0L, 1e6L, "overflow"},
    };
    for (const Case &c : cases) {
        EXPECT_FALSE(Power(c.base, c.exponent).has_value()) << c.what;
        std::vector<std::string> messages;
        EXPECT_EQ(PowerOrZero(c.base, c.exponent, messages), 0.0L) << c.what;
        EXPECT_EQ(messages, std::vector<std::string>{PowerMessage}) << c.what;
    }
}

TEST(Power, UnderflowIsSilent)
{
    std::vector<std::string> messages;
    EXPECT_EQ(PowerOrZero(10.0L, -1e6L, messages), 0.0L);
    EXPECT_GT(PowerOrZero(10.0L, -4940.0L, messages), 0.0L); // a denormal value
    EXPECT_TRUE(messages.empty());
}

TEST(Power, ErrorsRaisedBeforeTheCallAreNotItsOwn)
{
    std::vector<std::string> messages;
    std::feraiseexcept(FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW);
    EXPECT_NEAR(static_cast<double>(PowerOrZero(2.0L, 0.5L, messages)), 1.4142135623730950488,
                1e-18);
    EXPECT_TRUE(messages.empty());
    // ... and an error of one call does not linger into the next.
    EXPECT_EQ(PowerOrZero(0.0L, 1.0L, messages), 0.0L);
    EXPECT_NEAR(static_cast<double>(PowerOrZero(3.0L, 2.0L, messages)), 9.0, 1e-15);
    EXPECT_EQ(messages.size(), 1u);
}

} // namespace
