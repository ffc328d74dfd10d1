// Upper-tail probabilities by Romberg integration of the calculators'
// densities (see tailsum.h for how a tail is summed). Above the mode of the
// density the tail is summed outwards from x; below it the lower tail is
// summed downwards to 0 and taken from 1, so that a small tail on either
// side keeps its relative precision.

#include "core/calculators/tailprob.h"

#include "core/calculators/chidist.h"
#include "core/calculators/discrete.h"
#include "core/calculators/fdist.h"
#include "core/calculators/normaldist.h"
#include "core/calculators/tailsum.h"
#include "core/calculators/tdist.h"
#include "core/numeric/mutil.h"
#include "core/numeric/strings.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <functional>
#include <optional>
#include <utility>

namespace {

constexpr char UnableMessage[] = MERVAN_TEXT("Calculator", "Sorry, unable to compute value.");

// P(X > x) (upper) or P(X < x) for a density on (0, infinity) with its mode
// at mode: at or above the mode the mass above x is summed, under it the
// mass below x, and the other tail is 1 less the one summed, which is then
// the large one.
template <class PieceIntegral>
TailSum PositiveTail(const Integrand &density, const PieceIntegral &integral, long double x,
                     long double mode, bool upper)
{
    // Below 1 (when the mode is lower) the upper tail is large for every
    // accepted density, and the way down to 0 is the shorter one.
    const bool above = x >= std::max(mode, 1.0L);
    // Near 0 the density rises at most like x^(-1/2), so the mass below x is
    // less than 2 x f(x); below the last digit of 1 it leaves the upper tail
    // at 1 (and summing it would reach the numbers of few digits near 0).
    if (!above && upper && 2.0L * x * density(x) < LDBL_EPSILON / 8.0L)
        return TailSum{1.0L, true, 1};
    TailSum tail = MassBeyond(density, integral, x, above);
    if (above != upper)
        tail.value = 1.0L - tail.value;
    return tail;
}

// P(X > t) for a density symmetric about 0.
TailSum SymmetricUpperTail(const Integrand &density, long double t)
{
    TailSum tail;
    if (t == 0.0L) {
        tail.value = 0.5L;
        tail.found = true;
    } else if (std::fabs(t) < 1.0L) {
        // Near 0 the tail is one half less the mass up to |t|, where the
        // density is smooth and bounded; summing outwards from a tiny t
        // would take hundreds of pieces.
        long &evaluations = tail.evaluations;
        const Integrand counted = [&density, &evaluations](long double x) {
            ++evaluations;
            return density(x);
        };
        tail.value = 0.5L - RombergPiece{}(counted, 0.0L, std::fabs(t));
        tail.found = std::isfinite(tail.value);
    } else {
        tail = MassBeyond(density, RombergPiece{}, std::fabs(t), true);
    }
    // Below 0 the upper tail is 1 less the tail above |t|.
    if (tail.found && t < 0.0L)
        tail.value = 1.0L - tail.value;
    return tail;
}

TailProbability Finish(const TailSum &tail, std::vector<std::string> messages)
{
    TailProbability result;
    result.messages = std::move(messages);
    result.evaluations = tail.evaluations;
    if (tail.found) {
        result.value = std::min(std::max(tail.value, 0.0L), 1.0L);
        result.found = true;
        result.belowRange = result.value < TinyTail;
    } else {
        result.messages.emplace_back(UnableMessage);
    }
    return result;
}

// The tails of a density on (0, infinity) at or below 0: all above, none
// below (exactly 0, which is no tail too small to show).
TailProbability Certain(bool upper, std::vector<std::string> messages)
{
    TailProbability all;
    all.value = upper ? 1.0L : 0.0L;
    all.found = true;
    all.messages = std::move(messages);
    return all;
}

} // namespace

TailProbability TUpperTail(long double t, std::int32_t v)
{
    std::vector<std::string> messages;
    const std::optional<Integrand> density = TDensity(static_cast<std::uint16_t>(v), messages);
    TailSum tail;
    if (density)
        tail = SymmetricUpperTail(*density, t);
    return Finish(tail, std::move(messages));
}

TailProbability NormalUpperTail(long double z)
{
    return Finish(SymmetricUpperTail(NormalDensity, z), {});
}

TailProbability ChiUpperTail(long double x, std::int32_t v)
{
    return ChiTail(x, v, true);
}

TailProbability ChiTail(long double x, std::int32_t v, bool upper)
{
    std::vector<std::string> messages;
    if (x <= 0.0L)
        return Certain(upper, std::move(messages));
    const std::optional<Integrand> density = ChiDensity(v, messages);
    TailSum tail;
    if (density)
        tail = PositiveTail(*density, RombergPiece{}, x, ChiMode(v), upper);
    return Finish(tail, std::move(messages));
}

TailProbability FUpperTail(long double x, std::int32_t v1, std::int32_t v2)
{
    return FTail(x, v1, v2, true);
}

TailProbability FTail(long double x, std::int32_t v1, std::int32_t v2, bool upper)
{
    FGuard guard;
    if (x <= 0.0L)
        return Certain(upper, std::move(guard.messages));
    const std::optional<Integrand> density = FDensity(v1, v2, guard);
    TailSum tail;
    if (density)
        tail = PositiveTail(*density, GuardedPiece{guard}, x, FMode(v1, v2), upper);
    // A failed density or integral has given its message already.
    if (guard.densityFailed || guard.integralFailed) {
        TailProbability failed;
        failed.messages = std::move(guard.messages);
        failed.evaluations = tail.evaluations;
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

std::string SmallestProbabilityText()
{
    return ProbabilityText(TinyTail);
}

std::string ProbabilityText(long double p, int digits)
{
    return digits == 0 ? ProbabilityText(p) : DiscreteProbabilityText(std::log(p), digits);
}
