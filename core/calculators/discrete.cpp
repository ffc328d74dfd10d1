// The binomial and Poisson probabilities, their sums and the quantile search.

#include "core/calculators/discrete.h"
#include "core/calculators/discretemath.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>

namespace {

constexpr long double Infinity = std::numeric_limits<long double>::infinity();
constexpr long double LogTwoPi = 1.837877066409345483560659472811235279723L;
// A term below this share of the sum cannot change it in long double.
constexpr long double Negligible = 1e-25L;
// Poisson sums run up to here; long before it their terms stop counting.
constexpr std::int64_t PoissonLimit = std::int64_t{1} << 40;

// log(n!) - log(sqrt(2 pi n) (n/e)^n), Stirling's error. Below 30 from the
// log-gamma function directly; above, by its asymptotic series, whose first
// omitted term is below 1e-21 there.
long double StirlingError(long double n)
{
    if (n <= 30.0L)
        return std::lgamma(n + 1.0L) - (n + 0.5L) * std::log(n) + n - 0.5L * LogTwoPi;
    static constexpr long double Terms[] = {
        1.0L / 12.0L,   -1.0L / 360.0L,      1.0L / 1260.0L, -1.0L / 1680.0L,
        1.0L / 1188.0L, -691.0L / 360360.0L, 1.0L / 156.0L,  -3617.0L / 122400.0L,
    };
    const long double inverseSquare = 1.0L / (n * n);
    long double sum = 0.0L;
    for (int i = std::size(Terms) - 1; i >= 0; --i)
        sum = sum * inverseSquare + Terms[i];
    return sum / n;
}

// x log(x/m) + m - x without the cancellation when x is near m: with
// v = (x-m)/(x+m) it is (x-m) v + 2x (v^3/3 + v^5/5 + ...).
long double Deviance(long double x, long double m)
{
    if (std::fabs(x - m) >= 0.1L * (x + m))
        return x * std::log(x / m) + m - x;
    const long double v = (x - m) / (x + m);
    long double sum = (x - m) * v;
    long double term = 2.0L * x * v;
    const long double square = v * v;
    for (int j = 1; j < 1000; ++j) {
        term *= square;
        const long double next = sum + term / (2 * j + 1);
        if (next == sum)
            break;
        sum = next;
    }
    return sum;
}

} // namespace

DiscreteModel::DiscreteModel(bool isBinomial, std::int64_t trials, long double success,
                             long double mean)
    : binomial(isBinomial)
    , n(trials)
    , p(success)
    , q(1.0L - success)
    , lambda(mean)
{
    end = binomial ? n : PoissonLimit;
    const long double centre = binomial ? (n + 1) * p : lambda;
    mode = std::clamp<std::int64_t>(static_cast<std::int64_t>(std::floor(centre)), 0, end);
}

long double DiscreteModel::logPmf(std::int64_t k) const
{
    if (k < 0 || k > end)
        return -Infinity;
    if (!binomial) {
        if (k == 0)
            return -lambda;
        return -StirlingError(k) - Deviance(k, lambda)
            - 0.5L * (LogTwoPi + std::log((long double)k));
    }
    if (p == 0.0L || q == 0.0L)
        return k == (p == 0.0L ? 0 : n) ? 0.0L : -Infinity;
    if (k == 0)
        return n * std::log1p(-p);
    if (k == n)
        return n * std::log(p);
    const long double kk = k;
    const long double nn = n;
    const long double lc = StirlingError(nn) - StirlingError(kk) - StirlingError(nn - kk)
        - Deviance(kk, nn * p) - Deviance(nn - kk, nn * q);
    const long double lf = LogTwoPi + std::log(kk) + std::log1p(-kk / nn);
    return lc - 0.5L * lf;
}

long double DiscreteModel::ratioUp(std::int64_t k) const
{
    return binomial ? (static_cast<long double>(n - k) / (k + 1)) * (p / q) : lambda / (k + 1);
}

long double DiscreteModel::ratioDown(std::int64_t k) const
{
    return binomial ? (static_cast<long double>(k) / (n - k + 1)) * (q / p) : k / lambda;
}

long double DiscreteModel::logSum(std::int64_t low, std::int64_t high) const
{
    low = std::max<std::int64_t>(low, 0);
    high = std::min(high, end);
    if (low > high)
        return -Infinity;
    // The largest term of the range: the terms rise to the mode and fall after it.
    const std::int64_t start = std::clamp(mode, low, high);
    const long double logStart = logPmf(start);
    if (logStart == -Infinity)
        return -Infinity;
    long double sum = 1.0L;
    long double term = 1.0L;
    for (std::int64_t k = start; k < high; ++k) {
        term *= ratioUp(k);
        sum += term;
        if (term <= Negligible * sum)
            break;
    }
    term = 1.0L;
    for (std::int64_t k = start; k > low; --k) {
        term *= ratioDown(k);
        sum += term;
        if (term <= Negligible * sum)
            break;
    }
    return logStart + std::log(sum);
}

std::int64_t DiscreteModel::quantile(long double probability) const
{
    if (binomial && probability >= 1.0L)
        return n;
    // The rule of the usual statistics packages: a fuzz of 64 double epsilons
    // keeps a P that equals a cumulative probability on that k.
    const long double target = probability * (1.0L - 64.0L * DBL_EPSILON);
    if (target <= 0.0L)
        return 0;
    const auto reaches = [&](std::int64_t k) { return std::exp(logSum(0, k)) >= target; };
    std::int64_t low = -1; // P(X <= low) < target
    std::int64_t high = binomial ? end : PoissonPlotEnd(lambda);
    while (high - low > 1) {
        const std::int64_t middle = low + (high - low) / 2;
        (reaches(middle) ? high : low) = middle;
    }
    return high;
}

std::int64_t PoissonPlotEnd(long double lambda)
{
    return static_cast<std::int64_t>(lambda + 40.0L * std::sqrt(lambda) + 100.0L);
}

long double UpperNormal(long double z)
{
    return 0.5L * std::erfc(z / std::sqrt(2.0L));
}

long double NormalBetween(long double from, long double to)
{
    // The tail nearer to 0 would lose the small difference; take the outer ones.
    if (from > 0.0L)
        return UpperNormal(from) - UpperNormal(to);
    return UpperNormal(-to) - UpperNormal(-from);
}

long double InverseNormal(long double probability)
{
    long double low = -80.0L;
    long double high = 80.0L;
    for (int i = 0; i < 200 && high - low > 1e-18L; ++i) {
        const long double middle = 0.5L * (low + high);
        (UpperNormal(-middle) < probability ? low : high) = middle;
    }
    return 0.5L * (low + high);
}

namespace {

// The digits of scaled with a point before the last decimals of them.
std::string PointedDigits(std::int64_t scaled, int decimals)
{
    std::string digits = std::to_string(scaled);
    if (decimals <= 0)
        return digits;
    if (static_cast<int>(digits.size()) <= decimals)
        digits.insert(0, static_cast<std::size_t>(decimals + 1) - digits.size(), '0');
    digits.insert(digits.size() - static_cast<std::size_t>(decimals), 1, '.');
    return digits;
}

std::int64_t PowerOfTen(int exponent)
{
    std::int64_t power = 1;
    while (exponent-- > 0)
        power *= 10;
    return power;
}

} // namespace

std::string DiscreteProbabilityText(long double logP, int digits)
{
    if (logP == -Infinity)
        return digits == 0 ? "0.000000" : "0";
    const long double value = std::exp(logP);
    const long double log10P = logP / std::log(10.0L);
    if (value >= 0.0001L) {
        int decimals = digits == 0 ? 6 : digits - 1 - static_cast<int>(std::floor(log10P));
        std::int64_t scaled = std::llround(value * PowerOfTen(decimals));
        // Rounded up to the next power of ten: one significant digit too many.
        if (digits != 0 && decimals > 0 && scaled >= PowerOfTen(digits) && scaled % 10 == 0) {
            scaled /= 10;
            --decimals;
        }
        return PointedDigits(scaled, decimals);
    }
    // m.mmm...e-XX: the mantissa from the value while long double holds it,
    // from the logarithm below that.
    const int significant = digits == 0 ? 4 : digits;
    std::int64_t exponent = static_cast<std::int64_t>(std::floor(log10P));
    long double mantissa
        = value > 1e-4900L ? value / std::pow(10.0L, exponent) : std::pow(10.0L, log10P - exponent);
    if (mantissa < 1.0L) {
        mantissa *= 10.0L;
        --exponent;
    }
    std::int64_t scaled = std::llround(mantissa * PowerOfTen(significant - 1));
    if (scaled >= PowerOfTen(significant)) {
        scaled /= 10;
        ++exponent;
    }
    const std::string power = std::to_string(-exponent);
    return PointedDigits(scaled, significant - 1) + "e-" + (power.size() < 2 ? "0" : "") + power;
}
