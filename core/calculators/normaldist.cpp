// The normal calculator's computation.
//
// The one-sided probability q = (P/100 + 1)/2 is located in a table of
// Phi(z) = (erf(z / sqrt 2) + 1) / 2 at steps of 0.1 from 0 to 5, and then z is
// refined one decimal at a time: ten points at steps of 0.01, 0.001, ...,
// moving each time to the last point below q, until Phi(z) is close enough to
// q. The result is thus z truncated to the last decimal examined.
//
// Precision: the value is shown with three decimals up to z = 4.89, where the
// density is only 2.5e-6; an absolute match of 1e-10 on Phi leaves z uncertain
// in the fourth decimal there. The series therefore runs to full double
// precision, the match is relative to the tail 1 - q, and the refinement stops
// once the step is far below the decimals shown.

#include "core/calculators/normaldist.h"

#include "core/calculators/resulttext.h"
#include "core/numeric/mutil.h"
#include "core/numeric/strings.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

constexpr double SqrtPi = 1.7724538509055160273;
constexpr double InverseSqrtTwo = 0.70710678118654752440;

// The series stops when a term no longer changes the sum in double precision.
constexpr double SeriesTolerance = 1e-17;
// The search ends when |q - Phi(z)| is below this fraction of 1 - q ...
constexpr double SearchTolerance = 1e-10;
// ... or once the step has come down to this (z is then known to about ten
// decimals, far more than the three shown).
constexpr double SmallestStep = 1e-10;

double Phi(double z)
{
    return (ErrorFunction(z * InverseSqrtTwo) + 1.0) / 2.0;
}

} // namespace

double ErrorFunction(double x)
{
    if (x == 0.0)
        return 0.0;
    if (x > 4.0)
        return 1.0;
    // erf(x) = 2/sqrt(pi) exp(-x^2) sum 2^n x^(2n+1) / (1 3 5 ... (2n+1)); every
    // term is positive, so the sum carries no cancellation.
    const double q = x * x;
    double term = x;
    double sum = x;
    int n = 0;
    do {
        ++n;
        term = term * q * 2.0 / (2.0 * n + 1.0);
        sum = sum + term;
    } while (!(SeriesTolerance * sum > term));
    return std::exp(-q) * sum * 2.0 / SqrtPi;
}

double NormalCriticalValue(double &percent)
{
    double table[51];
    double z = 0.0;
    for (double &value : table) {
        value = Phi(z);
        z = z + 0.1;
    }

    const double q = (percent / 100.0 + 1.0) / 2.0;
    int k = 1;
    while (k <= 50 && table[k] < q)
        ++k;

    const double tolerance = SearchTolerance * (1.0 - q);
    z = (k - 1) * 0.1;
    double h = 0.01;
    double difference = std::fabs(q - Phi(z));
    while (difference > tolerance && h >= SmallestStep) {
        int i = 0;
        while (i <= 9 && Phi(z + i * h) < q)
            ++i;
        z = z + (i - 1) * h;
        h = 0.1 * h;
        difference = std::fabs(q - Phi(z));
    }

    percent = (2.0 * q - 1.0) * 100.0;
    return z;
}

std::string NormalReportText(double percent, double z, const Translator &translator)
{
    const auto say = [&translator](const char *text, const std::string &argument) {
        return Filled(translator("Calculator", text), {argument});
    };
    return "          "
        + translator("Calculator", MERVAN_TEXT("Calculator", "Normal distribution:"))
        + "\r\n          "
        + say(MERVAN_TEXT("Calculator", "For probable error = %1%"), FormatNumber(0, 1, percent))
        + "\r\n" + "\r\n" + "          "
        + say(MERVAN_TEXT("Calculator", "z-value = %1"), FormatNumber(0, 3, z));
}

long double NormalDensity(long double z)
{
    return std::exp(-z * z / 2.0L) / std::sqrt(TwoPi);
}

QuantileSearch NormalUpperQuantile(long double upper)
{
    QuantileSearch search;
    if (upper == 0.5L) {
        search.found = true;
        return search;
    }
    const Integrand density = NormalDensity;
    search = SymmetricQuantile(density, std::min(upper, 1.0L - upper));
    if (upper > 0.5L)
        search.value = -search.value;
    if (!search.found)
        search.messages.emplace_back(MERVAN_TEXT("Calculator", "Sorry, unable to compute value."));
    return search;
}
