// Chi-squared critical values by Romberg integration of the density and a
// marching bisection (see chidist.h for the outline).
//
// Precision: the search compares K = F(A) with p and stops when they agree
// to 1e-12 of the smaller tail min(p, 1 - p) instead of to an absolute 1e-10,
// which would leave only six correct digits of the tail at alpha = 0.0001 and
// none to spare for the two or five decimals shown. The result is the lower
// end A of the bracket, the one point whose distribution function is known to
// be that close to p; the midpoint that follows it lies up to several bracket
// widths further right.

#include "core/calculators/chidist.h"

#include "core/calculators/calcinput.h"
#include "core/calculators/calcread.h"
#include "core/calculators/resulttext.h"
#include "core/numeric/messages.h"
#include "core/numeric/mutil.h"
#include "core/numeric/strings.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace {

// Romberg rows of a chi-squared integral: the row test stops after row 31.
constexpr int ChiRows = 31;

// The density's parameters, set by SetChiDegrees.
long double DensityConstant = 0.0L;
long double DensityExponent = 0.0L;

long double Tail(long double p)
{
    return std::min(p, 1.0L - p);
}

// How close F(A) must come to p. Relative to the smaller tail, so that small
// upper tails (p near 1) and small lower tails (p near 0) keep their digits;
// never below a few units of rounding of K itself, which would be out of reach.
long double SearchTolerance(long double p)
{
    return std::max(1e-12L * Tail(p), 32.0L * LDBL_EPSILON * p);
}

long double ChiIntegral(long double a, long double b)
{
    return Romberg(ChiDensity, a, b, QuantileEps, ChiRows);
}

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
            search.value = x;
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
            search.found = true;
            return search;
        }
    }
    return search;
}

void SetChiDegrees(std::int32_t v)
{
    const long double half = v / 2.0L;
    DensityExponent = half - 1.0L;
    DensityConstant = 1.0L / (Gamma(half) * Power(2.0L, half));
}

long double ChiDensity(long double x)
{
    return Power(x, DensityExponent) * DensityConstant * std::exp(-x / 2.0L);
}

QuantileSearch ChiQuantile(std::int32_t v, long double p)
{
    SetChiDegrees(v);
    const QuantileSearch search = MarchingSearch(ChiDensity, ChiIntegral, p);
    if (!search.found)
        ShowMessage("Sorry, unable to compute value.");
    return search;
}

QuantileSearch ChiCriticalValue(double alpha, std::int32_t v)
{
    return ChiQuantile(v, 1.0L - alpha);
}

std::string CriticalValueLine(const QuantileSearch &search, std::uint8_t decimals)
{
    if (!search.found)
        return NotComputedLine;
    return "          Critical value = "
        + FormatNumber(0, decimals, static_cast<double>(search.value));
}

std::string ChiReportText(double alpha, std::int32_t v, const QuantileSearch &chi)
{
    std::string text = AlphaDegreesHeading("Chi-squared distribution:", alpha, v);
    text += CriticalValueLine(chi, chi.value < 0.001L ? 5 : (chi.value > 10.0L ? 2 : 3));
    return text;
}

CalcOutcome RunChiRequest(const std::string &alphaText, const std::string &vText)
{
    CalcOutcome outcome;
    double alpha = 0.0;
    std::int32_t v = 0;
    if (!ReadAlphaAndDegrees(alphaText, vText, alpha, v, outcome.messages))
        return outcome;

    const QuantileSearch chi
        = CollectMessages(outcome.messages, [&] { return ChiCriticalValue(alpha, v); });
    ResultText = ChiReportText(alpha, v, chi);
    outcome.accepted = true;
    return outcome;
}
