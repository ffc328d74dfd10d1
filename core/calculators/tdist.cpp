// Student's t critical values. The density is symmetric, so |T| has the
// density 2 f on (0, infinity), and the critical value for alpha below one
// half is the point with mass 2 alpha of |T| above it, found by the search of
// quantile.h; above one half it is the negative of the value for 1 - alpha.

#include "core/calculators/tdist.h"

#include "core/calculators/resulttext.h"
#include "core/numeric/mutil.h"
#include "core/numeric/strings.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace {

constexpr long double Pi = 3.14159265358979323846264338327950288L;

// The density with its parameters; a failed power appends to messages.
struct TDensityFunction
{
    long double constant;
    long double divisor;
    long double exponent;
    std::vector<std::string> &messages;

    long double operator()(long double x) const
    {
        return constant * PowerOrZero(1.0L + x * x / divisor, -exponent, messages);
    }
};

// The t > 0 with P(T > t) = upper, 0 < upper < 1/2.
QuantileSearch UpperQuantile(std::uint16_t v, long double upper)
{
    QuantileSearch search;
    std::vector<std::string> messages;
    const std::optional<Integrand> density = TDensity(v, messages);
    if (density)
        search = SymmetricQuantile(*density, upper);
    search.messages = std::move(messages);
    return search;
}

} // namespace

std::optional<Integrand> TDensity(std::uint16_t v, std::vector<std::string> &messages)
{
    const long double divisor = v;
    const long double exponent = (v + 1.0L) / 2.0L;
    const std::optional<long double> upper = Gamma(exponent);
    const std::optional<long double> lower = Gamma(v / 2.0L);
    if (!upper || !lower)
        return std::nullopt;
    const long double constant = *upper / (std::sqrt(v * Pi) * *lower);
    return Integrand(TDensityFunction{constant, divisor, exponent, messages});
}

QuantileSearch TQuantile(std::uint16_t v, long double p)
{
    if (p == 0.5L) {
        QuantileSearch search;
        search.found = true;
        return search;
    }
    return UpperQuantile(v, 1.0L - p);
}

QuantileSearch TCriticalValue(double alpha, std::uint16_t v)
{
    if (alpha == 0.5)
        return TQuantile(v, 0.5L);
    if (alpha < 0.5)
        return UpperQuantile(v, alpha);
    QuantileSearch search = UpperQuantile(v, 1.0 - alpha); // exact above one half
    search.value = -search.value;
    return search;
}

std::string TReportText(double alpha, std::int32_t v, long double t, const Translator &translator)
{
    const double shown = static_cast<double>(t);
    return AlphaDegreesHeading(MERVAN_TEXT("Calculator", "Students t distribution:"), alpha, v,
                               translator)
        + "          "
        + Filled(translator("Calculator", MERVAN_TEXT("Calculator", "Critical value = %1")),
                 {FormatNumber(0, t < 0.001L ? 6 : 2, shown)});
}
