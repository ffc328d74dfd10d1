// F critical values by Romberg integration of the density and the marching
// bisection shared with the chi-squared calculator. Like the chi-squared
// value, the result is the lower end of the final bracket, the point whose
// distribution function is known to match p; the upper end may still lie a
// whole bracket width away when the search stops.
//
// Floating-point errors are detected, never trapped: the integral and the
// search clear the status flags, do their work and test the flags and the
// finiteness of their result afterwards; the density tests its values.

#include "core/calculators/fdist.h"

#include "core/calculators/resulttext.h"
#include "core/numeric/mutil.h"
#include "core/numeric/strings.h"

#include <cfenv>
#include <cmath>
#include <utility>

namespace {

// ln of a number safely inside the normal range of the extended type.
constexpr long double LogSmallestPower = -11000.0L;

constexpr char DensityMessage[] = MERVAN_TEXT("Calculator", "Sorry, error in computations.");
constexpr char UnableMessage[] = MERVAN_TEXT("Calculator", "Sorry, unable to compute value.");

void CheckFloatingPoint(const char *where)
{
    if (std::fetestexcept(FloatingPointErrors))
        throw FloatingPointError(where);
}

// The density with its parameters. A density that fails once usually fails
// at every point of the integral, so its failure is reported once and the
// search ends after that integral.
struct FDensityFunction
{
    long double numerator;
    long double denominator;
    long double constant;
    long double numeratorExponent;
    long double denominatorExponent;
    FGuard &guard;

    long double operator()(long double x) const
    {
        // Every error of the density's own arithmetic (an overflow, a
        // division by zero, an invalid operation) leaves a value that is not
        // finite, which is cheaper to test than the status flags at each of
        // the thousands of points of a search; Power deals with its own
        // errors.
        // Near 0 a large numerator's power of x alone falls below the
        // extended range (into numbers with few digits, or 0) while the
        // density, with its large constant, does not: there the density is
        // taken through its logarithm.
        if (x > 0.0L && x < 1.0L && numeratorExponent * std::log(x) < LogSmallestPower)
            return std::exp(std::log(constant) + numeratorExponent * std::log(x)
                            - denominatorExponent * std::log1p(numerator * x / denominator));
        const long double power1 = PowerOrZero(x, numeratorExponent, guard.messages);
        const long double base = 1.0L + numerator * x / denominator;
        if (std::isfinite(base)) {
            const long double value
                = constant * power1 / PowerOrZero(base, denominatorExponent, guard.messages);
            if (std::isfinite(value))
                return value;
        }
        std::feclearexcept(FloatingPointErrors);
        if (!guard.densityFailed)
            guard.messages.emplace_back(DensityMessage);
        guard.densityFailed = true;
        return 0.0L;
    }
};

// An integrand that ends the integral by an exception at its first value that
// is not a finite number.
struct FiniteIntegrand
{
    const Integrand &f;

    long double operator()(long double x) const
    {
        const long double value = f(x);
        if (!std::isfinite(value))
            throw FloatingPointError("F integrand");
        return value;
    }
};

// The guarded integral of one F search.
struct FIntegralFunction
{
    const Integrand &density;
    FGuard &guard;

    long double operator()(long double a, long double b) const
    {
        return GuardedRomberg(density, a, b, guard);
    }
};

// Whether a failure of the density or of an integral ends the search.
struct FSearchFailed
{
    const FGuard &guard;

    bool operator()() const { return guard.densityFailed || guard.integralFailed; }
};

// The mass above or below x to full relative precision, guarded.
struct FTailFunction
{
    const Integrand &density;
    FGuard &guard;

    TailSum operator()(long double x, bool above) const
    {
        return MassBeyond(density, GuardedPiece{guard}, x, above);
    }
};

} // namespace

std::optional<Integrand> FDensity(std::int32_t n1, std::int32_t n2, FGuard &guard)
{
    const long double numerator = n1;
    const long double denominator = n2;
    const long double numeratorExponent = (n1 - 2) / 2.0L;
    const long double denominatorExponent = (n1 + n2) / 2.0L;

    const std::optional<long double> gammaBoth = Gamma((n1 + n2) / 2.0L);
    if (!gammaBoth)
        return std::nullopt;
    const std::optional<long double> gamma1 = Gamma(n1 / 2.0L);
    if (!gamma1)
        return std::nullopt;
    const std::optional<long double> gamma2 = Gamma(n2 / 2.0L);
    if (!gamma2)
        return std::nullopt;
    const long double scale = PowerOrZero(numerator / denominator, n1 / 2.0L, guard.messages);
    std::feclearexcept(FloatingPointErrors);
    const long double constant = Settle(scale * *gammaBoth / (*gamma1 * *gamma2));
    if (std::fetestexcept(FloatingPointErrors))
        return std::nullopt;

    return Integrand(FDensityFunction{numerator, denominator, constant, numeratorExponent,
                                      denominatorExponent, guard});
}

long double FMode(std::int32_t v1, std::int32_t v2)
{
    return v1 > 2 ? (v1 - 2.0L) / v1 * v2 / (v2 + 2.0L) : 0.0L;
}

long double GuardedRomberg(const Integrand &f, long double a, long double b, FGuard &guard,
                           long double eps)
{
    // An integrand value that is not a finite number ends the integral at
    // once: no row test can pass after it, and the rows would go on doubling
    // to the last one.
    const Integrand checked = FiniteIntegrand{f};
    try {
        std::feclearexcept(FloatingPointErrors);
        const long double value = Settle(Romberg(checked, a, b, eps, FRows));
        CheckFloatingPoint("F integral");
        if (!std::isfinite(value))
            throw FloatingPointError("F integral");
        return value;
    } catch (...) {
        std::feclearexcept(FloatingPointErrors);
        guard.messages.emplace_back(UnableMessage);
        guard.integralFailed = true;
        return 0.0L;
    }
}

QuantileSearch FQuantile(std::int32_t n1, std::int32_t n2, long double upper)
{
    FGuard guard;
    QuantileSearch search;
    const std::optional<Integrand> density = FDensity(n1, n2, guard);
    if (density) {
        search = FindQuantile(*density, FIntegralFunction{*density, guard},
                              FTailFunction{*density, guard}, upper, FSearchFailed{guard});
    } else {
        std::feclearexcept(FloatingPointErrors);
    }
    // A failed density or integral has given its message already.
    if (!search.found && !guard.densityFailed && !guard.integralFailed)
        guard.messages.emplace_back(UnableMessage);
    search.messages = std::move(guard.messages);
    return search;
}

QuantileSearch FCriticalValue(double alpha, std::int32_t v1, std::int32_t v2)
{
    if (alpha <= 0.5)
        return FQuantile(v1, v2, alpha);

    // 1/F has the F(v2, v1) distribution, so the upper alpha point of
    // F(v1, v2) is the reciprocal of the alpha-quantile of F(v2, v1).
    QuantileSearch search = FQuantile(v2, v1, 1.0 - alpha); // exact above one half
    if (search.found)
        search.value = 1.0L / search.value;
    return search;
}

std::string FReportText(double alpha, std::int32_t v1, std::int32_t v2, const QuantileSearch &f,
                        const Translator &translator)
{
    std::string text
        = "          " + translator("Calculator", MERVAN_TEXT("Calculator", "F distribution:"));
    text += "\r\n          ";
    text += Filled(
        translator("Calculator", MERVAN_TEXT("Calculator", "Alpha = %1 with v1 = %2 and v2 = %3")),
        {AlphaText(alpha), FormatNumber(0, 0, v1), FormatNumber(0, 0, v2)});
    text += "\r\n";
    text += "\r\n";
    text += CriticalValueLine(f, f.value < 0.001L ? 5 : 2, translator);
    return text;
}
