#include "core/analysis/shape.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

std::uint64_t CountOf(const SortedSample &sample, std::size_t i)
{
    if (sample.cumulative.empty())
        return 1;
    return sample.cumulative[i] - (i == 0 ? 0 : sample.cumulative[i - 1]);
}

// Quantile type 7 of the observations as transform maps them; transform
// must keep their order.
template <class Transform>
long double QuantileOf(const SortedSample &sample, long double p, Transform transform)
{
    const long double h = static_cast<long double>(sample.n - 1) * p;
    const long double low = std::floor(h);
    const auto rank = static_cast<std::uint64_t>(low);
    const long double x = transform(OrderStatistic(sample, rank));
    if (h == low || rank + 1 >= sample.n)
        return x;
    const long double next = transform(OrderStatistic(sample, rank + 1));
    // Between the two observations, also where far apart values round the step.
    return std::clamp(x + (h - low) * (next - x), x, next);
}

// R's signif(x, digits).
long double Significant(long double x, int digits)
{
    if (x == 0 || !std::isfinite(x))
        return x;
    const int magnitude = static_cast<int>(std::floor(std::log10(std::fabs(x))));
    const long double scale = std::pow(10.0L, digits - 1 - magnitude);
    return std::round(x * scale) / scale;
}

// A number of classes; absurd ones (a huge range over a tiny spread) stop at 10^15.
long long Ceiling(long double x)
{
    return static_cast<long long>(std::ceil(std::min(x, 1e15L)));
}

} // namespace

SortedSample SortSample(std::vector<double> values, const std::vector<double> &counts)
{
    SortedSample sample;
    if (counts.empty()) {
        std::sort(values.begin(), values.end());
        sample.n = values.size();
        sample.values = std::move(values);
        return sample;
    }
    std::vector<std::size_t> order(values.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(),
              [&](std::size_t a, std::size_t b) { return values[a] < values[b]; });
    for (std::size_t i : order) {
        if (!(counts[i] > 0))
            continue;
        sample.n += static_cast<std::uint64_t>(counts[i]);
        sample.values.push_back(values[i]);
        sample.cumulative.push_back(sample.n);
    }
    return sample;
}

double OrderStatistic(const SortedSample &sample, std::uint64_t rank)
{
    if (sample.cumulative.empty())
        return sample.values[rank];
    const auto at = std::upper_bound(sample.cumulative.begin(), sample.cumulative.end(), rank);
    return sample.values[static_cast<std::size_t>(at - sample.cumulative.begin())];
}

long double Quantile(const SortedSample &sample, long double p)
{
    return QuantileOf(sample, p, [](double x) { return static_cast<long double>(x); });
}

Shape DescribeShape(const SortedSample &sample)
{
    Shape s;
    s.n = sample.n;
    const auto n = static_cast<long double>(sample.n);
    long double sum = 0;
    for (std::size_t i = 0; i < sample.values.size(); ++i)
        sum += static_cast<long double>(CountOf(sample, i)) * sample.values[i];
    s.mean = sum / n;
    // Central sums about the mean, in a second pass so that a large mean
    // does not swallow the spread.
    long double m2 = 0;
    long double m3 = 0;
    long double m4 = 0;
    for (std::size_t i = 0; i < sample.values.size(); ++i) {
        const long double d = sample.values[i] - s.mean;
        const auto c = static_cast<long double>(CountOf(sample, i));
        m2 += c * d * d;
        m3 += c * d * d * d;
        m4 += c * d * d * d * d;
    }
    s.stdDev = sample.n > 1 ? std::sqrt(m2 / (n - 1)) : 0;
    s.minimum = sample.values.front();
    s.maximum = sample.values.back();
    s.q1 = Quantile(sample, 0.25L);
    s.median = Quantile(sample, 0.5L);
    s.q3 = Quantile(sample, 0.75L);
    s.iqr = s.q3 - s.q1;
    if (m2 > 0) {
        m2 /= n;
        m3 /= n;
        m4 /= n;
        if (sample.n > 2) {
            const long double g1 = m3 / std::pow(m2, 1.5L);
            s.skewness = g1 * std::sqrt(n * (n - 1)) / (n - 2);
            s.hasSkewness = true;
        }
        if (sample.n > 3) {
            const long double g2 = m4 / (m2 * m2) - 3;
            s.kurtosis = ((n + 1) * g2 + 6) * (n - 1) / ((n - 2) * (n - 3));
            s.hasKurtosis = true;
        }
    }
    return s;
}

ClassSuggestions SuggestClasses(const SortedSample &sample, const Shape &shape)
{
    ClassSuggestions k;
    const auto n = static_cast<long double>(sample.n);
    k.sturges = Ceiling(std::log2(n) + 1);
    const long double range = shape.maximum - shape.minimum;
    const long double scott = 3.5L * shape.stdDev * std::pow(n, -1.0L / 3);
    k.scott = scott > 0 ? std::max(1LL, Ceiling(range / scott)) : 1;

    const auto rounded = [](double x) { return Significant(x, 5); };
    long double h = 2 * (QuantileOf(sample, 0.75L, rounded) - QuantileOf(sample, 0.25L, rounded));
    // Coinciding quartiles: the central 75 %, 87.5 %, ... up to 1/512 from each end.
    for (long double a = 0.125L; h == 0 && a >= 1.0L / 512; a /= 2)
        h = (QuantileOf(sample, 1 - a, rounded) - QuantileOf(sample, a, rounded)) / (1 - 2 * a);
    if (h == 0)
        h = 3.5L * shape.stdDev;
    k.freedmanDiaconis = h > 0 ? Ceiling(range / h * std::cbrt(n)) : 1;
    return k;
}

BoxPlotNumbers BoxPlot(const SortedSample &sample, const Shape &shape)
{
    BoxPlotNumbers box{shape.q1, shape.median, shape.q3, 0, 0, {}};
    const long double lowFence = shape.q1 - 1.5L * shape.iqr;
    const long double highFence = shape.q3 + 1.5L * shape.iqr;
    const std::vector<double> &v = sample.values;
    // The median lies within the fences, so both whiskers exist.
    const auto low = std::find_if(v.begin(), v.end(), [&](double x) { return x >= lowFence; });
    const auto high = std::find_if(v.rbegin(), v.rend(), [&](double x) { return x <= highFence; });
    box.lowerWhisker = *low;
    box.upperWhisker = *high;
    for (std::size_t i = 0; i < v.size(); ++i) {
        if (v[i] >= lowFence && v[i] <= highFence)
            continue;
        if (!box.outliers.empty() && box.outliers.back().first == v[i])
            box.outliers.back().second += CountOf(sample, i);
        else
            box.outliers.emplace_back(v[i], CountOf(sample, i));
    }
    return box;
}

QQPlot NormalQQ(const SortedSample &sample, std::size_t maxPoints)
{
    QQPlot plot;
    const std::uint64_t n = sample.n;
    const long double a = n <= 10 ? 3.0L / 8 : 0.5L;
    const std::uint64_t shown = std::max<std::uint64_t>(2, std::min<std::uint64_t>(n, maxPoints));
    for (std::uint64_t k = 0; k < shown && n > 0; ++k) {
        const std::uint64_t rank = shown >= n
            ? k
            : static_cast<std::uint64_t>(
                std::llround(static_cast<long double>(k) * (n - 1) / (shown - 1)));
        if (rank >= n)
            break;
        const long double p = (static_cast<long double>(rank + 1) - a) / (n + 1 - 2 * a);
        plot.points.push_back({NormalQuantile(p), OrderStatistic(sample, rank)});
    }
    const long double x1 = NormalQuantile(0.25L);
    const long double x3 = NormalQuantile(0.75L);
    const long double y1 = Quantile(sample, 0.25L);
    plot.slope = (Quantile(sample, 0.75L) - y1) / (x3 - x1);
    plot.intercept = y1 - plot.slope * x1;
    return plot;
}

long double NormalQuantile(long double p)
{
    // A rational first guess (relative error below 1.2e-9), then Halley steps
    // on Phi(x) = p with erfc, each of which roughly triples the correct digits.
    static constexpr long double A[]
        = {-3.969683028665376e+01L, 2.209460984245205e+02L,  -2.759285104469687e+02L,
           1.383577518672690e+02L,  -3.066479806614716e+01L, 2.506628277459239e+00L};
    static constexpr long double B[]
        = {-5.447609879822406e+01L, 1.615858368580409e+02L, -1.556989798598866e+02L,
           6.680131188771972e+01L, -1.328068155288572e+01L};
    static constexpr long double C[]
        = {-7.784894002430293e-03L, -3.223964580411365e-01L, -2.400758277161838e+00L,
           -2.549732539343734e+00L, 4.374664141464968e+00L,  2.938163982698783e+00L};
    static constexpr long double D[] = {7.784695709041462e-03L, 3.224671290700398e-01L,
                                        2.445134137142996e+00L, 3.754408661907416e+00L};
    const long double tail = 0.02425L;
    long double x = 0;
    const auto outer = [&](long double q) {
        return (((((C[0] * q + C[1]) * q + C[2]) * q + C[3]) * q + C[4]) * q + C[5])
            / ((((D[0] * q + D[1]) * q + D[2]) * q + D[3]) * q + 1);
    };
    if (p < tail) {
        x = outer(std::sqrt(-2 * std::log(p)));
    } else if (p > 1 - tail) {
        x = -outer(std::sqrt(-2 * std::log1p(-p)));
    } else {
        const long double q = p - 0.5L;
        const long double r = q * q;
        x = (((((A[0] * r + A[1]) * r + A[2]) * r + A[3]) * r + A[4]) * r + A[5]) * q
            / (((((B[0] * r + B[1]) * r + B[2]) * r + B[3]) * r + B[4]) * r + 1);
    }
    const long double rootTwo = std::sqrt(2.0L);
    const long double rootTwoPi = std::sqrt(2 * 3.14159265358979323846264338327950288L);
    for (int step = 0; step < 2; ++step) {
        // Above the median the error is taken from the upper tail, which keeps its digits.
        const long double e
            = x > 0 ? (1 - p) - 0.5L * std::erfc(x / rootTwo) : 0.5L * std::erfc(-x / rootTwo) - p;
        const long double u = e * rootTwoPi * std::exp(x * x / 2);
        x -= u / (1 + x * u / 2);
    }
    return x;
}
