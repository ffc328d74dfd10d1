// Student's t critical values.
//
// F(t) = 1/2 + integral of the density from 0 to t is built up by Romberg
// integration over the points 0.05, 0.5, 5, 50, 500, 5000, 10000 (and further
// decades when the requested probability lies beyond them), and the quantile
// is then found by bisection inside the first interval whose upper end
// reaches p. Every integral of the bisection starts at the lower end of that
// interval, so only one table value enters the result.
//
// Precision: negative critical values are shown with six decimals, also for
// alpha near 1 where the tail 1 - p is as small as 1e-6. The search therefore
// compares the integral with p - F(lower end) (never 0.5 + integral with p,
// which would lose the small differences near p = 1/2) and stops on a
// tolerance relative to the smaller of the two tails rather than on an
// absolute one; the integrals are computed to a matching relative tolerance.
// There is no lower cut-off on the midpoint: alpha just below 1/2 gives
// critical values far below 1e-6, and they are searched like any other.

#include "core/calculators/tdist.h"

#include "core/calculators/calcinput.h"
#include "core/calculators/calcread.h"
#include "core/calculators/resulttext.h"
#include "core/numeric/mutil.h"
#include "core/numeric/strings.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace {

constexpr long double Pi = 3.14159265358979323846264338327950288L;

// Relative tolerance of every integral. The table's integrals add up to F at
// the start of the search interval, and their errors enter a tail as small
// as 1e-6 whole: 1e-13 left the last of six decimals wrong (alpha 0.999999,
// v 2 gave -707.105720 for -707.1057205).
constexpr long double IntegrationTolerance = 1e-15L;
// 22 rows (256 table values, over two million samples): an integral that has
// not settled by then would only spend time.
constexpr int IntegrationRows = 22;
// The bisection ends when F(m) is this close to p, relative to the smaller
// tail min(p - 1/2, 1 - p) ...
constexpr long double SearchTolerance = 1e-13L;
// ... or after this many midpoints, or when the bracket cannot be halved any
// further in extended precision.
constexpr int SearchSteps = 100;

// Decades added beyond 10000 before giving up on finding a bracket; the
// largest accepted p (0.999999 with one degree of freedom) needs one.
constexpr int ExtraDecades = 20;

} // namespace

// The function objects below are named types outside the anonymous
// namespace, so that their type information is shared read-only data rather
// than data of this file.

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
    QuantileSearch search;
    if (p == 0.5L) {
        search.found = true;
        return search;
    }
    const std::optional<Integrand> density = TDensity(v, search.messages);
    if (!density)
        return search;
    const auto integral = [&density](long double a, long double b) {
        return Romberg(*density, a, b, IntegrationTolerance, IntegrationRows);
    };

    // Points t0..t7 = 0.005 ... 10000 and their distribution function values
    // K1..K7 (K0 is never needed: the first interval starts at 0).
    std::vector<long double> points(8);
    points[7] = 10000.0L;
    points[6] = 5000.0L;
    for (int i = 5; i >= 0; --i)
        points[i] = points[i + 1] / 10.0L;
    std::vector<long double> cumulative(8, 0.0L);

    cumulative[1] = 0.5L + integral(0.0L, points[1]);
    std::size_t last = 1;
    for (std::size_t i = 2; i <= 7; ++i) {
        cumulative[i] = cumulative[i - 1] + integral(points[i - 1], points[i]);
        last = i;
        if (cumulative[i] > 0.9999L || cumulative[i - 1] > cumulative[i])
            break;
    }

    std::size_t j = 1;
    while (j <= last && cumulative[j] < p)
        ++j;
    // Beyond the table (p close to 1 with few degrees of freedom): go on by
    // decades until the distribution function reaches p.
    while (j > last && last < 7 + ExtraDecades) {
        const long double next = last < 7 ? points[last + 1] : 10.0L * points[last];
        if (last + 1 >= points.size()) {
            points.push_back(next);
            cumulative.push_back(0.0L);
        }
        cumulative[last + 1] = cumulative[last] + integral(points[last], next);
        ++last;
        j = cumulative[last] >= p ? last : last + 1;
    }
    j = std::min(j, last);

    const long double start = j == 1 ? 0.0L : points[j - 1];
    const long double base = j == 1 ? 0.5L : cumulative[j - 1];
    const long double target = p - base; // the integral from start that gives p
    const long double tolerance = SearchTolerance * std::min(p - 0.5L, 1.0L - p);

    long double lower = start;
    long double upper = points[j];
    long double m = lower;
    for (int n = 1;; ++n) {
        m = (lower + upper) / 2.0L;
        const long double difference = integral(start, m) - target; // F(m) - p
        if (difference <= 0.0L)
            lower = m;
        else
            upper = m;
        if (std::fabs(difference) < tolerance || n >= SearchSteps + 1)
            break;
        const long double next = (lower + upper) / 2.0L;
        if (!(next > lower && next < upper))
            break;
    }
    search.value = m;
    search.found = true;
    return search;
}

QuantileSearch TCriticalValue(double alpha, std::uint16_t v)
{
    if (alpha < 0.5)
        return TQuantile(v, 1.0L - alpha);
    QuantileSearch search = TQuantile(v, alpha);
    search.value = search.value == 0.0L ? 0.0L : -search.value; // alpha = 1/2 shows 0, not -0
    return search;
}

std::string TReportText(double alpha, std::int32_t v, long double t)
{
    const double shown = static_cast<double>(t);
    return AlphaDegreesHeading("Students t distribution:", alpha, v)
        + "          Critical value = " + FormatNumber(0, t < 0.001L ? 6 : 2, shown);
}

CalcOutcome RunTRequest(const std::string &alphaText, const std::string &vText)
{
    CalcOutcome outcome;
    double alpha = 0.0;
    std::int32_t v = 0;
    if (!ReadAlphaAndDegrees(alphaText, vText, alpha, v, outcome))
        return outcome;

    QuantileSearch t = TCriticalValue(alpha, static_cast<std::uint16_t>(v));
    outcome.messages.insert(outcome.messages.end(), t.messages.begin(), t.messages.end());
    outcome.value = t.value;
    outcome.report = TReportText(alpha, v, t.value);
    outcome.accepted = true;
    return outcome;
}
