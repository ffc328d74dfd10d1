// Chi-squared critical values by Romberg integration of the density and the
// quantile search of quantile.h.

#include "core/calculators/chidist.h"

#include "core/calculators/resulttext.h"
#include "core/numeric/mutil.h"
#include "core/numeric/strings.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <utility>

namespace {

// Romberg rows of a chi-squared integral: the row test stops after row 31.
constexpr int ChiRows = 31;

constexpr char UnableMessage[] = MERVAN_TEXT("Calculator", "Sorry, unable to compute value.");

// 2 x 11000: exp(-x/2) is a normal extended number well below this.
constexpr long double ExpRangeEnd = 22000.0L;

// The density with its parameters; a failed power appends to messages.
struct ChiDensityFunction
{
    long double exponent;
    long double constant;
    std::vector<std::string> &messages;

    long double operator()(long double x) const
    {
        // Far out, exp(-x/2) alone falls below the extended range (into
        // numbers with few digits) while the power of x keeps the density
        // inside it: there the density is taken through its logarithm.
        if (x > ExpRangeEnd)
            return std::exp(std::log(constant) + exponent * std::log(x) - x / 2.0L);
        return PowerOrZero(x, exponent, messages) * constant * std::exp(-x / 2.0L);
    }
};

// Romberg of the density with the chi-squared calculator's tolerance and rows.
struct ChiIntegralFunction
{
    const Integrand &density;

    long double operator()(long double a, long double b) const
    {
        return Romberg(density, a, b, QuantileEps, ChiRows);
    }
};

// The mass above or below x to full relative precision.
struct ChiTailFunction
{
    const Integrand &density;

    TailSum operator()(long double x, bool above) const
    {
        return MassBeyond(density, RombergPiece{}, x, above);
    }
};

} // namespace

std::optional<Integrand> ChiDensity(std::int32_t v, std::vector<std::string> &messages)
{
    const long double half = v / 2.0L;
    const long double exponent = half - 1.0L;
    const std::optional<long double> gamma = Gamma(half);
    if (!gamma)
        return std::nullopt;
    const long double constant = 1.0L / (*gamma * PowerOrZero(2.0L, half, messages));
    return Integrand(ChiDensityFunction{exponent, constant, messages});
}

long double ChiMode(std::int32_t v)
{
    return std::max(v - 2.0L, 0.0L);
}

QuantileSearch ChiQuantile(std::int32_t v, long double upper)
{
    std::vector<std::string> messages;
    const std::optional<Integrand> density = ChiDensity(v, messages);
    QuantileSearch search;
    if (density) {
        search = FindQuantile(*density, ChiIntegralFunction{*density}, ChiTailFunction{*density},
                              upper);
    }
    search.messages = std::move(messages);
    if (!search.found)
        search.messages.emplace_back(UnableMessage);
    return search;
}

QuantileSearch ChiCriticalValue(double alpha, std::int32_t v)
{
    return ChiQuantile(v, alpha);
}

std::string CriticalValueLine(const QuantileSearch &search, std::uint8_t decimals,
                              const Translator &translator)
{
    if (!search.found)
        return "          "
            + translator("Calculator",
                         MERVAN_TEXT("Calculator", "Critical value could not be computed."));
    return "          "
        + Filled(translator("Calculator", MERVAN_TEXT("Calculator", "Critical value = %1")),
                 {FormatNumber(0, decimals, static_cast<double>(search.value))});
}

std::string ChiReportText(double alpha, std::int32_t v, const QuantileSearch &chi,
                          const Translator &translator)
{
    std::string text = AlphaDegreesHeading(MERVAN_TEXT("Calculator", "Chi-squared distribution:"),
                                           alpha, v, translator);
    text
        += CriticalValueLine(chi, chi.value < 0.001L ? 5 : (chi.value > 10.0L ? 2 : 3), translator);
    return text;
}
