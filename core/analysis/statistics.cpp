#include "core/analysis/statistics.h"

#include "core/numeric/exactsum.h"
#include "core/numeric/mutil.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace {

// The bits of a double as an unsigned key that sorts in the order of the
// values: negative numbers have all bits flipped, others only the sign bit.
std::uint64_t SortKey(double x)
{
    std::uint64_t bits;
    std::memcpy(&bits, &x, sizeof bits);
    return (bits & 0x8000000000000000ULL) ? ~bits : bits | 0x8000000000000000ULL;
}

double FromSortKey(std::uint64_t key)
{
    const std::uint64_t bits = (key & 0x8000000000000000ULL) ? key & ~0x8000000000000000ULL : ~key;
    double x;
    std::memcpy(&x, &bits, sizeof x);
    return x;
}

// The bits of a double in memory, and bits stored in its place.
std::uint64_t Load(const double *p)
{
    std::uint64_t bits;
    std::memcpy(&bits, p, sizeof bits);
    return bits;
}
void Store(double *p, std::uint64_t bits)
{
    std::memcpy(p, &bits, sizeof bits);
}

// Sorts the values by their keys, 11 bits at a time from the lowest (few
// enough buckets for the scattering to stay in the cache); a pass over a
// digit that all keys share is skipped. The keys are kept in the values' own
// storage and spare, of the same size, takes every other pass; the sorted
// values end in values, and spare holds nothing of use.
void RadixSort(std::vector<double> &values, std::vector<double> &spare)
{
    constexpr int DigitBits = 11;
    constexpr int Passes = (64 + DigitBits - 1) / DigitBits;
    constexpr std::size_t Buckets = std::size_t(1) << DigitBits;
    constexpr std::uint64_t Mask = Buckets - 1;
    const std::size_t n = values.size();
    spare.resize(n);
    std::vector<std::size_t> counts(Passes * Buckets, 0);
    for (std::size_t i = 0; i < n; ++i) {
        const std::uint64_t key = SortKey(values[i]);
        Store(&values[i], key);
        for (int pass = 0; pass < Passes; ++pass)
            ++counts[pass * Buckets + ((key >> (pass * DigitBits)) & Mask)];
    }
    for (int pass = 0; pass < Passes; ++pass) {
        std::size_t *count = counts.data() + pass * Buckets;
        const int shift = pass * DigitBits;
        if (count[(Load(values.data()) >> shift) & Mask] == n)
            continue;
        std::size_t total = 0;
        for (std::size_t b = 0; b < Buckets; ++b) {
            const std::size_t here = count[b];
            count[b] = total;
            total += here;
        }
        const double *from = values.data();
        double *to = spare.data();
        for (std::size_t i = 0; i < n; ++i) {
            const std::uint64_t key = Load(from + i);
            Store(to + count[(key >> shift) & Mask]++, key);
        }
        values.swap(spare);
    }
    for (std::size_t i = 0; i < n; ++i)
        values[i] = FromSortKey(Load(&values[i]));
}

// Below this many values a comparison sort is quicker than the passes.
constexpr std::size_t RadixSortFrom = 4096;

} // namespace

void SortData(Sample &sample)
{
    std::vector<double> &values = sample.values;
    if (values.size() < RadixSortFrom) {
        std::sort(values.begin(), values.end());
    } else {
        std::vector<double> spare;
        RadixSort(values, spare);
    }
}

std::optional<AnalysisError> ComputeStatistics(const Sample &sample, Description &d)
{
    const std::size_t n = sample.n();
    d.n = n;
    d.mean = d.variance = d.stdDev = d.stdError = 0.0;
    if (n == 0)
        return AnalysisError{AnalysisErrorCode::NoValues, {}, {}};
    const AnalysisError tooLarge{AnalysisErrorCode::TooLarge, {sample.dataFileName}, {}};
    const std::vector<double> &v = sample.values;
    const auto [low, high] = std::minmax_element(v.begin(), v.end());
    d.minimum = *low;
    d.maximum = *high;
    d.range = static_cast<double>(static_cast<long double>(*high) - *low);
    if (*low == *high) {
        // All values equal: the mean is that value and there is no spread.
        d.mean = *low;
        return std::nullopt;
    }
    // The exact sum keeps every digit of values that cancel (1E20 7 -1E20),
    // so the mean is the true one rounded once.
    ExactSum total;
    for (double x : v)
        total.add(x);
    const long double mean = total.value() / n;
    long double sum = 0.0L;
    long double squares = 0.0L;
    for (double x : v) {
        const long double r = x - mean;
        sum += r;
        squares += r * r;
    }
    d.mean = static_cast<double>(mean);
    // The residuals keep every digit where the values lie far from 0
    // compared with their spread; the second term allows for the rounding
    // of the mean, which the residuals about it then sum to.
    if (n > 1)
        d.variance = static_cast<double>((squares - sum * sum / n) / (n - 1));
    if (!std::isfinite(d.mean) || !std::isfinite(d.variance) || !std::isfinite(d.range)) {
        d.mean = d.variance = 0.0;
        return tooLarge;
    }
    if (d.variance > 0.0) {
        d.stdError = static_cast<double>(std::sqrt(static_cast<long double>(d.variance) / n));
        d.stdDev = static_cast<double>(std::sqrt(static_cast<long double>(d.variance)));
    }
    // A variance just inside the range of a double can still give a
    // summation of squares beyond it.
    if (!std::isfinite(SquaredResiduals(d))) {
        d.mean = d.variance = d.stdDev = d.stdError = 0.0;
        return tooLarge;
    }
    return std::nullopt;
}

double SquaredResiduals(const Description &d)
{
    const long double deviation = d.stdDev;
    return d.n > 0 ? static_cast<double>(deviation * deviation * (d.n - 1)) : 0.0;
}

void FindMedian(const Sample &sample, Description &d)
{
    const std::size_t n = sample.n();
    if (n == 0)
        return;
    const std::vector<double> &v = sample.values;
    if (n % 2 == 1)
        d.median = v[n / 2];
    else
        d.median = static_cast<double>((static_cast<long double>(v[n / 2 - 1]) + v[n / 2]) / 2);
    d.medianDecimals = MedianDecimals(sample);
}

int MedianDecimals(const Sample &sample)
{
    const std::size_t n = sample.n();
    const int d = sample.decimals;
    if (n == 0 || n % 2 == 1)
        return d;
    // Two values of d decimals have a sum of d decimals; half of it needs
    // one more exactly when that sum, in units of the last decimal, is odd.
    const long double a = sample.values[n / 2 - 1];
    const long double b = sample.values[n / 2];
    if (a == b)
        return d;
    if (d > ExactPowersOfTen)
        return d + 1;
    const long double units = (a + b) * PowerOfTen(d);
    const long double whole = std::nearbyint(units);
    const bool onGrid = std::fabs(units - whole) <= 1e-6L * std::max(1.0L, std::fabs(whole));
    return onGrid && std::fmod(whole, 2.0L) == 0.0L ? d : d + 1;
}

void FindMode(const Sample &sample, Description &d)
{
    const std::size_t n = sample.n();
    if (n == 0)
        return;
    const std::vector<double> &v = sample.values;
    // A later run must be strictly longer to win, so ties go to the smaller
    // value; the runs as long as the best are counted.
    d.mode = v[0];
    std::size_t best = 0;
    std::size_t ties = 0;
    std::size_t c = 0;
    while (c < n) {
        std::size_t r = 1;
        while (c + r < n && v[c + r] == v[c])
            ++r;
        if (r > best) {
            d.mode = v[c];
            best = r;
            ties = 1;
        } else if (r == best) {
            ++ties;
        }
        c += r;
    }
    d.modeFrequency = best;
    d.modeTies = ties;
}

Checked<Description> DescribeSample(const Sample &sample)
{
    Checked<Description> described;
    Description &d = described.value;
    described.error = ComputeStatistics(sample, d);
    if (described.error)
        return described;
    FindMedian(sample, d);
    FindMode(sample, d);
    SortedSample sorted;
    sorted.values = sample.values;
    sorted.n = sample.n();
    d.shape = DescribeShape(sorted);
    return described;
}

double Residual(double value, const Description &d)
{
    return static_cast<double>(static_cast<long double>(value) - d.mean);
}

double NormalOrdinate(double residual, const Description &d)
{
    if (!(d.stdDev > 0.0) || !std::isfinite(d.stdDev))
        return 0.0;
    const long double s = d.stdDev;
    const long double c = 1.0L / (s * std::sqrt(TwoPi));
    const long double r = residual;
    return static_cast<double>(c * std::exp(-r * r / (2 * (s * s))));
}
