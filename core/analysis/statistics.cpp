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

void SortData(AnalysisState &state)
{
    std::vector<double> &values = state.DataValues;
    if (values.size() < RadixSortFrom)
        std::sort(values.begin(), values.end());
    else
        RadixSort(values, state.Residuals);
}

bool ComputeStatistics(AnalysisState &state, std::string &error)
{
    const std::size_t n = state.ValueCount;
    state.Mean = state.Variance = state.StdDev = state.StdError = 0.0;
    if (!HasValues(state, error))
        return false;
    const auto [low, high] = std::minmax_element(
        state.DataValues.begin(), state.DataValues.begin() + static_cast<std::ptrdiff_t>(n));
    if (*low == *high) {
        // All values equal: the mean is that value and there is no spread.
        state.Mean = *low;
        return true;
    }
    // The exact sum keeps every digit of values that cancel (1E20 7 -1E20),
    // so the mean is the true one rounded once.
    ExactSum total;
    for (std::size_t i = 0; i < n; ++i)
        total.add(state.DataValues[i]);
    const long double mean = total.value() / n;
    long double sum = 0.0L;
    long double squares = 0.0L;
    for (std::size_t i = 0; i < n; ++i) {
        const long double d = state.DataValues[i] - mean;
        sum += d;
        squares += d * d;
    }
    state.Mean = static_cast<double>(mean);
    // The residuals keep every digit where the values lie far from 0
    // compared with their spread; the second term allows for the rounding
    // of the mean, which the residuals about it then sum to.
    if (n > 1)
        state.Variance = static_cast<double>((squares - sum * sum / n) / (n - 1));
    if (!std::isfinite(state.Mean) || !std::isfinite(state.Variance)) {
        state.Mean = state.Variance = 0.0;
        error = TooLargeToAnalyse(state);
        return false;
    }
    if (state.Variance > 0.0) {
        state.StdError
            = static_cast<double>(std::sqrt(static_cast<long double>(state.Variance) / n));
        state.StdDev = static_cast<double>(std::sqrt(static_cast<long double>(state.Variance)));
    }
    // A variance just inside the range of a double can still give a
    // summation of squares beyond it.
    if (!std::isfinite(SquaredResiduals(state))) {
        state.Mean = state.Variance = state.StdDev = state.StdError = 0.0;
        error = TooLargeToAnalyse(state);
        return false;
    }
    return true;
}

double SquaredResiduals(const AnalysisState &state)
{
    const std::size_t n = state.ValueCount;
    const long double deviation = state.StdDev;
    return n > 0 ? static_cast<double>(deviation * deviation * (n - 1)) : 0.0;
}

void FindMedian(AnalysisState &state)
{
    const std::size_t n = state.ValueCount;
    if (n == 0)
        return;
    const std::vector<double> &v = state.DataValues;
    if (n % 2 == 1)
        state.Median = v[n / 2];
    else
        state.Median = static_cast<double>((static_cast<long double>(v[n / 2 - 1]) + v[n / 2]) / 2);
}

int MedianDecimals(const AnalysisState &state)
{
    const std::size_t n = state.ValueCount;
    const int d = state.MaxDecimals;
    if (n == 0 || n % 2 == 1 || state.DataValues.size() < n)
        return d;
    // Two values of d decimals have a sum of d decimals; half of it needs
    // one more exactly when that sum, in units of the last decimal, is odd.
    const long double a = state.DataValues[n / 2 - 1];
    const long double b = state.DataValues[n / 2];
    if (a == b)
        return d;
    if (d > ExactPowersOfTen)
        return d + 1;
    const long double units = (a + b) * PowerOfTen(d);
    const long double whole = std::nearbyint(units);
    const bool onGrid = std::fabs(units - whole) <= 1e-6L * std::max(1.0L, std::fabs(whole));
    return onGrid && std::fmod(whole, 2.0L) == 0.0L ? d : d + 1;
}

void FindMode(AnalysisState &state)
{
    const std::size_t n = state.ValueCount;
    if (n == 0)
        return;
    const std::vector<double> &v = state.DataValues;
    // A later run must be strictly longer to win, so ties go to the smaller
    // value; the runs as long as the best are counted.
    state.Mode = v[0];
    std::size_t best = 0;
    std::size_t ties = 0;
    std::size_t c = 0;
    while (c < n) {
        std::size_t r = 1;
        while (c + r < n && v[c + r] == v[c])
            ++r;
        if (r > best) {
            state.Mode = v[c];
            best = r;
            ties = 1;
        } else if (r == best) {
            ++ties;
        }
        c += r;
    }
    state.ModeFrequency = best;
    state.ModeTies = ties;
}

void ComputeResiduals(AnalysisState &state)
{
    const std::size_t n = state.ValueCount;
    state.Residuals.resize(n);
    for (std::size_t i = 0; i < n; ++i)
        state.Residuals[i]
            = static_cast<double>(static_cast<long double>(state.DataValues[i]) - state.Mean);
}
