// Upper-tail probabilities by Romberg integration of the calculators'
// densities.
//
// The tail above x is summed over the pieces [x, 2x], [2x, 4x], ... (starting
// with a width of at least MinimumWidth, and narrower where the density rises
// or falls steeply), each integrated to a relative tolerance. The sum ends
// once the density falls beyond the piece just added and that piece is
// negligible against the sum: past the mode every tail of these densities
// shrinks at least geometrically from piece to piece, so what is left is of
// the order of the last piece. Heavy tails (t with one degree of freedom, F
// with one denominator degree of freedom) need some dozens of pieces, light
// ones a handful. Below the mode of the chi-squared and F densities the lower
// tail is summed instead, downwards to 0, and taken from 1.

#include "core/calculators/tailprob.h"

#include "core/calculators/chidist.h"
#include "core/calculators/fdist.h"
#include "core/calculators/tdist.h"
#include "core/numeric/mutil.h"
#include "core/numeric/strings.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>
#include <utility>

namespace {

// A piece smaller than this part of the sum ends it.
constexpr long double NegligiblePart = 1e-15L;
// The first piece is at least this wide.
constexpr long double MinimumWidth = 1e-3L;
// The largest factor by which the density may change over one piece.
constexpr long double SteepestChange = 1e4L;
// Far more than any tail needs (a width of 2^MaxPieces).
constexpr int MaxPieces = 400;
// Relative tolerance and rows of the Romberg calls of the t, chi-squared and
// normal tails (the F tail uses the guarded integral of its quantile search).
constexpr long double PieceTolerance = 1e-11L;
constexpr int PieceRows = 24;

constexpr char UnableMessage[] = "Sorry, unable to compute value.";

// PieceIntegral: long double (long double a, long double b), the integral of
// the density over one piece. A template parameter, so that the pieces'
// integrals need no type-erased (and RTTI-carrying) wrapper.

// The integral of density from x to infinity; nothing when a piece is not a
// finite number or the sum does not settle.
template <class PieceIntegral>
std::optional<long double> UpperIntegral(const Integrand &density, const PieceIntegral &integral,
                                         long double x)
{
    long double a = x;
    long double width = std::max(std::fabs(x), MinimumWidth);
    long double sum = 0.0L;
    for (int piece = 0; piece < MaxPieces; ++piece) {
        // A piece over which the density changes by more than SteepestChange
        // is halved: Romberg would need thousands of points for it.
        long double b = a + width;
        const long double fa = density(a);
        for (long double fb = density(b);
             width > MinimumWidth && (fb < fa / SteepestChange || fb > fa * SteepestChange);
             fb = density(b)) {
            width /= 2.0L;
            b = a + width;
        }
        const long double part = integral(a, b);
        if (!std::isfinite(part) || !std::isfinite(b))
            return std::nullopt;
        sum += part;
        if (part <= NegligiblePart * sum && density(b) <= density(a))
            return sum;
        a = b;
        width *= 2.0L;
    }
    return std::nullopt;
}

// The integral of density from 0 to x, for x below the mode where the
// density rises: pieces [x/2, x], [x/4, x/2], ... (narrower where it rises
// steeply), until one is negligible against the sum.
template <class PieceIntegral>
std::optional<long double> LowerIntegral(const Integrand &density, const PieceIntegral &integral,
                                         long double x)
{
    long double b = x;
    long double sum = 0.0L;
    for (int piece = 0; piece < MaxPieces && b > 0.0L; ++piece) {
        long double width = b / 2.0L;
        long double a = b - width;
        const long double fb = density(b);
        while (width > 1e-6L * b && density(a) < fb / SteepestChange) {
            width /= 2.0L;
            a = b - width;
        }
        const long double part = integral(a, b);
        if (!std::isfinite(part))
            return std::nullopt;
        sum += part;
        if (part <= NegligiblePart * sum)
            return sum;
        b = a;
    }
    return sum;
}

// P(X > x) for a density on (0, infinity) with its mode at mode: the upper
// integral at or above the mode, 1 less the lower one below it (where the
// upper tail is large and the lower one small).
template <class PieceIntegral>
std::optional<long double> PositiveTail(const Integrand &density, const PieceIntegral &integral,
                                        long double x, long double mode)
{
    if (x >= mode)
        return UpperIntegral(density, integral, x);
    const std::optional<long double> lower = LowerIntegral(density, integral, x);
    if (!lower)
        return std::nullopt;
    return 1.0L - *lower;
}

struct RombergPiece
{
    const Integrand &density;

    long double operator()(long double a, long double b) const
    {
        return Romberg(density, a, b, PieceTolerance, PieceRows);
    }
};

struct GuardedPiece
{
    const Integrand &density;
    FGuard &guard;

    long double operator()(long double a, long double b) const
    {
        return GuardedRomberg(density, a, b, guard);
    }
};

TailProbability Finish(std::optional<long double> tail, std::vector<std::string> messages)
{
    TailProbability result;
    result.messages = std::move(messages);
    if (tail) {
        result.value = std::min(std::max(*tail, 0.0L), 1.0L);
        result.found = true;
    } else {
        result.messages.emplace_back(UnableMessage);
    }
    return result;
}

long double NormalDensity(long double x)
{
    return std::exp(-x * x / 2.0L) / std::sqrt(TwoPi);
}

} // namespace

TailProbability TUpperTail(long double t, std::int32_t v)
{
    if (t == 0.0L) {
        TailProbability half;
        half.value = 0.5L;
        half.found = true;
        return half;
    }
    std::vector<std::string> messages;
    const std::optional<Integrand> density = TDensity(static_cast<std::uint16_t>(v), messages);
    std::optional<long double> tail;
    if (density)
        tail = UpperIntegral(*density, RombergPiece{*density}, std::fabs(t));
    // The density is symmetric: below 0 the upper tail is 1 less the tail above |t|.
    if (tail && t < 0.0L)
        tail = 1.0L - *tail;
    return Finish(tail, std::move(messages));
}

TailProbability ChiUpperTail(long double x, std::int32_t v)
{
    std::vector<std::string> messages;
    if (x <= 0.0L)
        return Finish(1.0L, std::move(messages));
    const std::optional<Integrand> density = ChiDensity(v, messages);
    std::optional<long double> tail;
    if (density)
        tail = PositiveTail(*density, RombergPiece{*density}, x, std::max(v - 2.0L, 0.0L));
    return Finish(tail, std::move(messages));
}

TailProbability FUpperTail(long double x, std::int32_t v1, std::int32_t v2)
{
    FGuard guard;
    if (x <= 0.0L)
        return Finish(1.0L, std::move(guard.messages));
    const std::optional<Integrand> density = FDensity(v1, v2, guard);
    std::optional<long double> tail;
    if (density) {
        const long double mode = v1 > 2 ? (v1 - 2.0L) / v1 * v2 / (v2 + 2.0L) : 0.0L;
        tail = PositiveTail(*density, GuardedPiece{*density, guard}, x, mode);
    }
    // A failed density or integral has given its message already.
    if (guard.densityFailed || guard.integralFailed) {
        TailProbability failed;
        failed.messages = std::move(guard.messages);
        return failed;
    }
    return Finish(tail, std::move(guard.messages));
}

long double NormalCentralPercent(long double z)
{
    // Twice the integral from 0 to |z|, over pieces of unit width at most; the
    // density is negligible long before the 40th.
    const Integrand density = NormalDensity;
    const long double end = std::min(std::fabs(z), 40.0L);
    long double sum = 0.0L;
    for (long double a = 0.0L; a < end; a += 1.0L)
        sum += Romberg(density, a, std::min(a + 1.0L, end), PieceTolerance, PieceRows);
    return std::min(200.0L * sum, 100.0L);
}

std::string ProbabilityText(long double p)
{
    if (p >= 0.0001L || p <= 0.0L)
        return FixedNotation(0, 6, static_cast<double>(p));
    // m.mmme-XX, written without the C library so that the locale's decimal
    // mark never enters it.
    int exponent = static_cast<int>(std::floor(std::log10(p)));
    long double mantissa = p / std::pow(10.0L, exponent);
    if (std::round(mantissa * 1000.0L) >= 10000.0L) {
        mantissa /= 10.0L;
        ++exponent;
    }
    const std::string digits = std::to_string(-exponent);
    return FixedNotation(0, 3, static_cast<double>(mantissa)) + "e-"
        + (digits.size() < 2 ? "0" + digits : digits);
}
