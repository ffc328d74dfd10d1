#pragma once
// The F distribution: the critical value f with P(F > f) = alpha for v1
// numerator and v2 denominator degrees of freedom, and the report text of the
// F calculator.
//
// The quantile is found by the search of quantile.h over the Romberg integral
// of the F density. For alpha above one
// half the lower-tail quantile of the swapped distribution is searched and
// its reciprocal taken, so that every search looks for p >= 1/2.
//
// Three levels are guarded against floating-point and other errors: the
// density ("Sorry, error in computations.", value 0), each integral ("Sorry,
// unable to compute value.", value 0) and the whole quantile search ("Sorry,
// unable to compute value."). After a failure at any level the search ends
// without a value, and the report says so instead of showing a number.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/calculators/chidist.h"
#include "core/calculators/tailsum.h"

// Romberg rows of an F integral: the row test stops after row 51.
inline constexpr int FRows = 51;

// What the guards of one F search have met: the messages in order, and
// whether the density or an integral has failed.
struct FGuard
{
    std::vector<std::string> messages;
    bool densityFailed = false;
    bool integralFailed = false;
};

// C x^((n1 - 2)/2) / (1 + n1 x / n2)^((n1 + n2)/2) with
// C = (n1/n2)^(n1/2) Gamma((n1 + n2)/2) / (Gamma(n1/2) Gamma(n2/2)), for
// numerator n1 and denominator n2 (both >= 1). Nothing when C cannot be
// computed (a pole of the gamma function, an overflow). An error inside the
// density gives 0; the first one for guard also appends "Sorry, error in
// computations." and marks the density failed. guard must outlive the density.
std::optional<Integrand> FDensity(std::int32_t n1, std::int32_t n2, FGuard &guard);

// Romberg of f from a to b with the F calculator's row limit and tolerance eps.
// An error inside, or a result that is not a finite number, appends "Sorry,
// unable to compute value.", marks the integral failed and gives 0.
long double GuardedRomberg(const Integrand &f, long double a, long double b, FGuard &guard,
                           long double eps = QuantileEps);

// GuardedRomberg over one piece of a tail (tailsum.h).
struct GuardedPiece
{
    FGuard &guard;

    long double operator()(const Integrand &g, long double a, long double b) const
    {
        return GuardedRomberg(g, a, b, guard, PieceTolerance);
    }
};

// The mode of the F density (0 for v1 <= 2).
long double FMode(std::int32_t v1, std::int32_t v2);

// The x with P(F > x) = upper for (n1, n2) degrees of freedom, 0 < upper <
// 1. Any failure ends the search with found false, after its message.
QuantileSearch FQuantile(std::int32_t n1, std::int32_t n2, long double upper);

// The value that the distribution exceeds with probability alpha: for alpha
// above one half the reciprocal of the alpha-quantile of F(v2, v1), and not
// found when that search fails.
QuantileSearch FCriticalValue(double alpha, std::int32_t v1, std::int32_t v2);

// The four-line report of an F request.
std::string FReportText(double alpha, std::int32_t v1, std::int32_t v2, const QuantileSearch &f,
                        const Translator &translator = {});
