#include "core/numeric/mutil.h"

#include <array>
#include <cfenv>
#include <cmath>
#include <iterator>

namespace {

// ln(sqrt(2 pi))
constexpr long double LogSqrtTwoPi = 0.918938533204672741780329736405617639861L;

// Below this the argument is shifted up by the recurrence before the
// asymptotic series is used. At 20 the first omitted term of the series below
// is about 1e-21, well under the extended type's rounding.
constexpr long double SeriesStart = 20.0L;

// B(2k) / (2k (2k - 1)) for k = 1..8: the coefficients of Stirling's series
//   ln Gamma(z) = (z - 1/2) ln z - z + ln sqrt(2 pi) + sum c_k / z^(2k - 1).
constexpr long double StirlingCoefficients[] = {
    1.0L / 12.0L,   -1.0L / 360.0L,      1.0L / 1260.0L, -1.0L / 1680.0L,
    1.0L / 1188.0L, -691.0L / 360360.0L, 1.0L / 156.0L,  -3617.0L / 122400.0L,
};

long double LogGammaSeries(long double z)
{
    const long double inverse = 1.0L / z;
    const long double inverseSquared = inverse * inverse;
    // Horner form of sum c_k / z^(2k-1), from the smallest term up.
    long double sum = 0.0L;
    for (int k = static_cast<int>(std::size(StirlingCoefficients)) - 1; k >= 0; --k)
        sum = sum * inverseSquared + StirlingCoefficients[k];
    sum *= inverse;
    return (z - 0.5L) * std::log(z) - z + LogSqrtTwoPi + sum;
}

// Gamma for x >= 0: shift to z = x + n >= SeriesStart, use the series there and
// divide by x (x + 1) ... (x + n - 1). At x = 0 that division is by zero.
std::optional<long double> GammaNonNegative(long double x)
{
    long double z = x;
    long double divisor = 1.0L;
    while (z < SeriesStart) {
        divisor *= z;
        z += 1.0L;
    }
    std::feclearexcept(FloatingPointErrors);
    const long double result = Settle(std::exp(LogGammaSeries(z)) / divisor);
    if (std::fetestexcept(FloatingPointErrors) || !std::isfinite(result))
        return std::nullopt;
    return result;
}

// 10^0 .. 10^ExactPowersOfTen, each exact.
constexpr std::array<long double, ExactPowersOfTen + 1> PowersOfTen = [] {
    std::array<long double, ExactPowersOfTen + 1> p{};
    p[0] = 1.0L;
    for (int i = 1; i <= ExactPowersOfTen; ++i)
        p[i] = p[i - 1] * 10.0L;
    return p;
}();

// Clearing the status flags costs several times more than testing them, and
// Power runs in the innermost loop of every calculator: clear only when set.
void ClearErrorFlags()
{
    if (std::fetestexcept(FloatingPointErrors))
        std::feclearexcept(FloatingPointErrors);
}

} // namespace

std::optional<long double> Power(long double base, long double exponent)
{
    ClearErrorFlags();
    const long double l = Settle(std::log(base));
    const long double result = Settle(std::exp(exponent * l));
    if (std::fetestexcept(FloatingPointErrors)) {
        std::feclearexcept(FloatingPointErrors);
        return std::nullopt;
    }
    return result;
}

long double PowerOrZero(long double base, long double exponent, std::vector<std::string> &messages)
{
    const std::optional<long double> result = Power(base, exponent);
    if (result)
        return *result;
    messages.emplace_back(PowerFailureMessage);
    return 0.0L;
}

std::optional<long double> Gamma(long double x)
{
    if (std::isnan(x))
        return std::nullopt;
    if (x >= 0.0L)
        return GammaNonNegative(x);

    // Below about -1760 every value of the recurrence is too small for the
    // extended range; stepping up one by one from there would only take long
    // (or forever, once x + 1 rounds back to x).
    if (x < -1800.0L)
        return 0.0L;

    int n = 0;
    long double y = x;
    do {
        ++n;
        y += 1.0L;
    } while (!(y > 0.0L));

    const std::optional<long double> start = GammaNonNegative(y);
    if (!start)
        return std::nullopt;
    long double r = *start;
    for (int k = 0; k < n; ++k) {
        std::feclearexcept(FloatingPointErrors);
        const long double next = Settle(r / (x + k));
        // Only a negative integer makes x + k zero; that one step is left out.
        if (!std::fetestexcept(FloatingPointErrors))
            r = next;
    }
    std::feclearexcept(FloatingPointErrors);
    return r;
}

long double PowerOfTen(int e)
{
    return PowersOfTen[static_cast<std::size_t>(e)];
}
