// Power and Gamma: values, accuracy of the gamma function, and the handling
// of floating-point errors (one message from Power, an exception from Gamma).

#include "core/numeric/messages.h"
#include "core/numeric/mutil.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <limits>
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
        EXPECT_LE(RelativeError(Gamma(x), exact), 1e-15L) << "x = " << static_cast<double>(x);
        exact *= x;
    }
}

TEST(Gamma, IntegersAreFactorials)
{
    long double factorial = 1.0L; // (n - 1)!
    for (int n = 1; n <= 200; ++n) {
        EXPECT_LE(RelativeError(Gamma(n), factorial), 1e-15L) << "n = " << n;
        factorial *= n;
    }
    EXPECT_NEAR(static_cast<double>(Gamma(100) / 9.3326215443944152682e155L), 1.0, 1e-15);
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
        EXPECT_LE(RelativeError(Gamma(x), std::tgamma(x)), 2e-15L)
            << "x = " << static_cast<double>(x);
}

TEST(Gamma, NegativeArgumentsUseTheDownwardRecurrence)
{
    const long double half = Gamma(0.5L);
    EXPECT_NEAR(static_cast<double>(Gamma(-0.5L)), -3.5449077018110320546, 1e-15);
    EXPECT_EQ(Gamma(-0.5L), half / -0.5L);
    EXPECT_NEAR(static_cast<double>(Gamma(-2.5L)), -0.94530872048294188123, 1e-15);
    // At a negative integer the division by zero is left out, so the value is
    // that of the recurrence without it: Gamma(1) / (-1), Gamma(1) / ((-3)(-2)(-1)).
    EXPECT_EQ(Gamma(-1.0L), -Gamma(1.0L));
    EXPECT_EQ(Gamma(-3.0L), Gamma(1.0L) / -6.0L);
    EXPECT_TRUE(std::isfinite(static_cast<double>(Gamma(-170.0L))));
    EXPECT_EQ(Gamma(-1e30L), 0.0L); // far below the extended range, and no endless recurrence
}

TEST(Gamma, ZeroNanAndOverflowThrow)
{
    EXPECT_THROW(Gamma(0.0L), FloatingPointError);
    EXPECT_THROW(Gamma(std::numeric_limits<long double>::quiet_NaN()), FloatingPointError);
    EXPECT_THROW(Gamma(2000.0L), FloatingPointError);
    EXPECT_THROW(Gamma(std::numeric_limits<long double>::infinity()), FloatingPointError);
}

TEST(Power, Values)
{
    MessageRecorder recorder;
    EXPECT_NEAR(static_cast<double>(Power(2.0L, 0.5L)), 1.4142135623730950488, 1e-18);
    EXPECT_EQ(Power(7.25L, 0.0L), 1.0L);
    EXPECT_NEAR(static_cast<double>(Power(1.0L + 1e-3L, -100.5L)),
                static_cast<double>(std::pow(1.001L, -100.5L)), 1e-17);
    for (long double base : {0.3L, 2.0L, 17.5L, 1e6L})
        for (long double exponent : {0.25L, 3.0L, 99.0L}) {
            const long double product = Power(base, exponent) * Power(base, -exponent);
            EXPECT_NEAR(static_cast<double>(product), 1.0, 1e-15);
        }
    // Powers beyond the double range, which the densities rely on.
    EXPECT_LE(RelativeError(Power(10.0L, 400.0L), 1e400L), 1e-16L);
    EXPECT_TRUE(recorder.texts().empty());
}

TEST(Power, ErrorsShowOneMessageAndGiveZero)
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
        MessageRecorder recorder;
        EXPECT_EQ(Power(c.base, c.exponent), 0.0L) << c.what;
        EXPECT_EQ(recorder.texts(), std::vector<std::string>{PowerMessage}) << c.what;
    }
}

TEST(Power, UnderflowIsSilent)
{
    MessageRecorder recorder;
    EXPECT_EQ(Power(10.0L, -1e6L), 0.0L);
    EXPECT_GT(Power(10.0L, -4940.0L), 0.0L); // a denormal value
    EXPECT_TRUE(recorder.texts().empty());
}

TEST(Power, ErrorsRaisedBeforeTheCallAreNotItsOwn)
{
    MessageRecorder recorder;
    std::feraiseexcept(FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW);
    EXPECT_NEAR(static_cast<double>(Power(2.0L, 0.5L)), 1.4142135623730950488, 1e-18);
    EXPECT_TRUE(recorder.texts().empty());
    // ... and an error of one call does not linger into the next.
    EXPECT_EQ(Power(0.0L, 1.0L), 0.0L);
    EXPECT_NEAR(static_cast<double>(Power(3.0L, 2.0L)), 9.0, 1e-15);
    EXPECT_EQ(recorder.texts().size(), 1u);
}

} // namespace
