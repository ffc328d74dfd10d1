#include "core/analysis/picturelayout.h"

#include "core/numeric/mutil.h"

#include <algorithm>
#include <cmath>

namespace {

// Far outside any canvas; keeps a wild coordinate a valid int.
constexpr long double PixelLimit = 1.0e6L;

int Pixel(long double v)
{
    if (std::isnan(v))
        return 0;
    return static_cast<int>(std::nearbyint(std::clamp(v, -PixelLimit, PixelLimit)));
}

} // namespace

PictureLayout LayoutHistogram(const AnalysisState &s, int width, int height)
{
    PictureLayout layout;
    layout.Width = width;
    layout.Height = height;
    const std::size_t n = s.ValueCount;
    const int M = PictureMargin;
    if (n == 0 || s.Residuals.size() < n || width <= 2 * M || height <= 5 * M)
        return layout;

    const auto [low, high] = std::minmax_element(
        s.Residuals.begin(), s.Residuals.begin() + static_cast<std::ptrdiff_t>(n));
    const long double lo = *low;
    const long double hi = *high;
    const long double span = width - 2 * M;
    const int baseline = height - 2 * M;

    // Pixels per data unit across; a sample without spread stands in the
    // middle.
    const bool flat = !(hi > lo) || !std::isfinite(static_cast<double>(hi - lo));
    const long double sx = flat ? 0.0L : span / (hi - lo);
    const int middle = Pixel(span / 2) + M;

    // The curve: its peak (at residual 0) stands span pixels above the
    // baseline.
    if (s.StdDev > 0.0 && std::isfinite(s.StdDev)) {
        const long double sy = span * std::sqrt(TwoPi);
        const long double deviation = s.StdDev;
        for (std::size_t i = 0; i < n; ++i) {
            const double r = s.Residuals[i];
            if (i > 0 && r == s.Residuals[i - 1])
                continue;
            const long double z = r / deviation;
            const long double phi = std::exp(-z * z / 2) / std::sqrt(TwoPi);
            const int x = flat ? middle : Pixel((r - lo) * sx) + M;
            const int y = height - Pixel(sy * phi) - 2 * M;
            layout.Curve.push_back({x, y});
        }
    }

    // The bars: over the middle of each class, the fullest class 5M below
    // the top.
    const std::size_t k = ClassesOf(s);
    if (k == 0 || !HasClasses(s))
        return layout;
    const std::size_t fullest = *std::max_element(
        s.ClassCounts.begin(), s.ClassCounts.begin() + static_cast<std::ptrdiff_t>(k));
    if (fullest == 0)
        return layout;
    const long double by = static_cast<long double>(height - 5 * M) / fullest;
    const long double origin = s.ClassBounds[0];
    for (std::size_t j = 0; j < k; ++j) {
        const long double mid
            = (static_cast<long double>(s.ClassBounds[j]) + s.ClassBounds[j + 1]) / 2;
        const int x = flat ? middle : Pixel((mid - origin) * sx) + M;
        layout.Bars.push_back({x, baseline, baseline - Pixel(s.ClassCounts[j] * by)});
    }
    return layout;
}
