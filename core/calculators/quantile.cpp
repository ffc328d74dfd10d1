#include "core/calculators/quantile.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace {

long double Tail(long double p)
{
    return std::min(p, 1.0L - p);
}

// How close F(A) must come to p for a bracket: relative to the smaller tail,
// and never below a few units of rounding of K itself, which would be out of
// reach. The refinement then takes the quantile to the last digit.
long double SearchTolerance(long double p)
{
    return std::max(1e-9L * Tail(p), 32.0L * LDBL_EPSILON * p);
}

// The bisection of the mass beyond the marching search's bracket stops after
// this many steps; a step of the extended type is reached long before.
constexpr int RefiningSteps = 200;
// Times a bracket end may be moved out before the refinement gives up.
constexpr int Widenings = 60;

// Relative tolerance and rows of the Romberg calls of a symmetric search.
constexpr long double IntegrationTolerance = 1e-9L;
constexpr int IntegrationRows = 31;

} // namespace

void FindStartInterval(const Integrand &density, long double &A, long double &B, long double mass)
{
    long double d = B - A;
    long double m = (density(A) + density(B)) * 0.5L;
    // Ends also if B overflows, which only a density that is 0 everywhere
    // could bring about; the search then finds no finite integral and gives up.
    while (mass > m * d && std::isfinite(B)) {
        A = B;
        B = 100.0L * B;
        d = B - A;
        m = (density(A) + density(B)) * 0.5L;
    }
}

QuantileSearch MarchingSearch(const Integrand &density, const Integral &integral, long double p,
                              const std::function<bool()> &stopEarly)
{
    QuantileSearch search;
    const long double tolerance = SearchTolerance(p);

    // The mass below the first A counts in full against a small tail, so the
    // start moves lower for small tails (down to 1e-30 at most).
    long double A = 1e-30L;
    long double B = 100.0L * A;
    FindStartInterval(density, A, B, std::min(StartIntervalMass, 1e-12L * Tail(p)));
    long double d = B - A;
    long double x = (A + B) / 2.0L;
    long double K = 0.0L; // F(A); the mass below the first A is neglected

    while (search.passes < MaxSearchPasses) {
        const long double I = integral(A, x);
        ++search.passes;
        if (stopEarly && stopEarly())
            return search;
        const long double F = K + I;
        if (!std::isfinite(F))
            return search;
        if (F == p) {
            search.value = A;
            search.bracketEnd = x;
            search.found = true;
            return search;
        }
        if (F < p) {
            // Still left of the quantile: move right and widen.
            K = F;
            A = x;
            B = B + 10.0L * d;
        } else {
            B = x;
        }
        x = (A + B) / 2.0L;
        d = x - A;
        // Once the bracket is a single step of the extended type wide, no
        // midpoint is left to try and A is as close as the type allows.
        if (std::fabs(K - p) <= tolerance || !(A < x && x < B)) {
            search.value = A;
            search.bracketEnd = B;
            search.found = true;
            return search;
        }
    }
    return search;
}

QuantileSearch FindQuantile(const Integrand &density, const Integral &integral,
                            const TailMass &tail, long double upper,
                            const std::function<bool()> &stopEarly)
{
    const long double lowerTarget = 1.0L - upper;
    QuantileSearch search = MarchingSearch(density, integral, lowerTarget, stopEarly);
    if (!search.found)
        return search;
    search.found = false;

    // The smaller tail beyond A, and from it the mass between A and the
    // quantile (negative when A already lies beyond the quantile).
    const long double A = search.value;
    const bool above = upper <= 0.5L;
    const TailSum beyond = tail(A, above);
    if (!beyond.found || (stopEarly && stopEarly()))
        return search;
    const long double between = above ? beyond.value - upper : lowerTarget - beyond.value;

    bool failed = false;
    // The integral from A to x less the mass between: <= 0 up to the quantile.
    const auto excess = [&](long double x) {
        ++search.passes;
        const long double value = integral(A, x) - between;
        failed = failed || !std::isfinite(value) || (stopEarly && stopEarly());
        return value;
    };

    long double lo = A;
    long double hi = std::max(search.bracketEnd, A);
    long double step = std::max(hi - lo, 64.0L * LDBL_EPSILON * A);
    for (int i = 0; between < 0.0L && i < Widenings && !failed; ++i, step *= 4.0L) {
        lo = std::max(A - step, A / 2.0L);
        if (excess(lo) <= 0.0L)
            break;
        hi = lo;
    }
    for (int i = 0; excess(hi) < 0.0L && i < Widenings && !failed; ++i, step *= 4.0L) {
        lo = hi;
        hi = hi + step;
    }
    for (int i = 0; i < RefiningSteps && !failed; ++i) {
        const long double m = lo + (hi - lo) / 2.0L;
        if (!(lo < m && m < hi))
            break;
        if (excess(m) <= 0.0L)
            lo = m;
        else
            hi = m;
    }
    if (failed)
        return search;
    search.value = lo;
    search.bracketEnd = hi;
    search.found = true;
    return search;
}

QuantileSearch SymmetricQuantile(const Integrand &density, long double upper)
{
    const Integrand doubled = [&density](long double x) { return 2.0L * density(x); };
    const Integral integral = [&doubled](long double a, long double b) {
        return Romberg(doubled, a, b, IntegrationTolerance, IntegrationRows);
    };
    const TailMass tail = [&doubled](long double x, bool above) {
        return MassBeyond(doubled, RombergPiece{}, x, above);
    };
    return FindQuantile(doubled, integral, tail, 2.0L * upper);
}
