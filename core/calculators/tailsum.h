#pragma once
// The mass of a density on (0, infinity) above or below a point x, summed
// over pieces in the variable s of t = x e^s (above) or t = x e^-s (below):
//
//     integral of f(t) dt from x to infinity = integral of f(x e^s) x e^s ds
//     from 0 to infinity,
//
// and likewise towards 0. A power-law tail t^-(1+a) (t with one degree of
// freedom, F with one denominator degree of freedom) or a power-law rise
// t^(k) near 0 (chi-squared or F with one degree of freedom) becomes an
// exponential e^(-a s) or e^(-(k+1) s) in s, which Romberg integrates in a
// few rows over pieces a few units wide; an exponential tail (chi-squared)
// falls steeply in s, and its pieces are narrowed until the integrand
// changes by at most SteepestChange over each. The sum ends once a piece is
// negligible against it while the integrand falls: what is left is then of
// the order of that piece.
//
// The work is bounded: every value of the integrand is counted, and a sum
// that would need more than MaxTailEvaluations gives up.

#include "core/calculators/romberg.h"

#include <algorithm>
#include <cmath>
#include <functional>

struct TailSum
{
    long double value = 0.0L;
    bool found = false;   // false: a piece was not a finite number or the work ran out
    long evaluations = 0; // values of the density computed
};

// The smallest tail that is computed to its full precision; a smaller one is
// known only to be smaller.
inline constexpr long double TinyTail = 1e-4900L;
// A piece smaller than this part of the sum ends it.
inline constexpr long double NegligiblePart = 1e-15L;
// The largest factor by which the integrand may change over one piece.
inline constexpr long double SteepestChange = 1e4L;
// The widest piece in s (a factor of e^4 in t).
inline constexpr long double WidestPiece = 4.0L;
// The narrowest piece in s: far narrower than any accepted request needs.
inline constexpr long double NarrowestPiece = 1e-12L;
// Values of the integrand below this end the sum: they are far below
// anything a tail of TinyTail or more is made of, and just above the
// numbers that the extended type holds only with fewer digits (and computes
// slowly).
inline constexpr long double IntegrandFloor = 1e-4920L;
// Far more than any accepted tail needs (about 4,000 for the steepest).
inline constexpr long MaxTailEvaluations = 200000;
inline constexpr int MaxTailPieces = 2000;

// Relative tolerance and rows of the Romberg calls over the pieces of a tail
// (in the variable s, where every piece is smooth and at most a few units
// wide, so that few rows suffice).
inline constexpr long double PieceTolerance = 1e-16L;
inline constexpr int PieceRows = 12;

// The plain Romberg integral of one piece.
struct RombergPiece
{
    long double operator()(const Integrand &g, long double a, long double b) const
    {
        return Romberg(g, a, b, PieceTolerance, PieceRows);
    }
};

namespace tailsum_detail {

// Thrown by the counted integrand when the work allowed is used up.
struct WorkExhausted
{ };

// f(x e^(direction s)) x e^(direction s), counted.
struct LogSubstituted
{
    const Integrand &density;
    long double x;
    long double direction;
    long &evaluations;

    long double operator()(long double s) const
    {
        if (++evaluations > MaxTailEvaluations)
            throw WorkExhausted{};
        const long double t = x * std::exp(direction * s);
        return density(t) * t;
    }
};

} // namespace tailsum_detail

// PieceIntegral: long double (const Integrand &g, long double a, long double
// b), the integral of g over one piece.
template <class PieceIntegral>
TailSum MassBeyond(const Integrand &density, const PieceIntegral &integral, long double x,
                   bool above)
{
    TailSum result;
    const Integrand g
        = tailsum_detail::LogSubstituted{density, x, above ? 1.0L : -1.0L, result.evaluations};
    try {
        long double s = 0.0L;
        long double width = 1.0L;
        long double sum = 0.0L;
        long double ga = g(s);
        for (int piece = 0; piece < MaxTailPieces; ++piece) {
            if (ga < IntegrandFloor) {
                // Nothing left that a tail of TinyTail or more would notice.
                result.value = sum;
                result.found = std::isfinite(sum);
                return result;
            }
            width = std::min(width, WidestPiece);
            long double gb = g(s + width);
            while (width > NarrowestPiece
                   && !(gb >= ga / SteepestChange && gb <= ga * SteepestChange)) {
                width /= 2.0L;
                gb = g(s + width);
            }
            const long double part = integral(g, s, s + width);
            if (!std::isfinite(part))
                return result;
            sum += part;
            s += width;
            if (part <= NegligiblePart * sum && gb <= ga) {
                result.value = sum;
                result.found = true;
                return result;
            }
            ga = gb;
            width *= 2.0L;
        }
    } catch (const tailsum_detail::WorkExhausted &) { }
    return result;
}
