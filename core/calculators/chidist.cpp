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
#include "core/numeric/mutil.h"
#include "core/numeric/strings.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <utility>

namespace {

// Romberg rows of a chi-squared integral: the row test stops after row 31.
constexpr int ChiRows = 31;

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

constexpr char UnableMessage[] = "Sorry, unable to compute value.";

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

// The function objects below are named types outside the anonymous
// namespace, so that their type information is shared read-only data rather
// than data of this file.

// The density with its parameters; a failed power appends to messages.
struct ChiDensityFunction
{
    long double exponent;
    long double constant;
    std::vector<std::string> &messages;

    long double operator()(long double x) const
    {
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

QuantileSearch ChiQuantile(std::int32_t v, long double p)
{
    std::vector<std::string> messages;
    const std::optional<Integrand> density = ChiDensity(v, messages);
    QuantileSearch search;
    if (density) {
        search = MarchingSearch(*density, ChiIntegralFunction{*density}, p);
    }
    search.messages = std::move(messages);
    if (!search.found)
        search.messages.emplace_back(UnableMessage);
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
    if (!ReadAlphaAndDegrees(alphaText, vText, alpha, v, outcome))
        return outcome;

    const QuantileSearch chi = ChiCriticalValue(alpha, v);
    outcome.messages.insert(outcome.messages.end(), chi.messages.begin(), chi.messages.end());
    outcome.value = chi.value;
    outcome.report = ChiReportText(alpha, v, chi);
    outcome.accepted = true;
    return outcome;
}
