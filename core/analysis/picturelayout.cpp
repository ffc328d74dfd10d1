#include "core/analysis/picturelayout.h"

#include "core/analysis/reportformat.h"
#include "core/numeric/mutil.h"

#include <algorithm>
#include <cmath>

namespace {

// The step of about six ticks up to top: 1, 2 or 5 times a power of ten,
// never less than least.
double CountStep(double top, double least)
{
    const double rough = std::max(least, top / 6.0);
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (double factor : {1.0, 2.0, 5.0}) {
        if (factor * power >= rough)
            return factor * power;
    }
    return 10.0 * power;
}

} // namespace

double NormalExpectedCount(double x, std::size_t n, double classWidth, double mean, double stdDev)
{
    const long double z = (static_cast<long double>(x) - mean) / stdDev;
    const long double density = std::exp(-z * z / 2) / (std::sqrt(TwoPi) * stdDev);
    return static_cast<double>(static_cast<long double>(n) * classWidth * density);
}

HistogramGeometry HistogramPicture(const AnalysisResult &analysis, std::size_t curvePoints)
{
    HistogramGeometry g;
    const Description &s = analysis.description;
    const Classes &classes = analysis.classes;
    g.ValueCount = s.n;
    g.Mean = s.mean;
    g.StdDev = s.stdDev;
    g.Scale = analysis.scale;
    const int d = analysis.sample.decimals;
    g.MeanLabel = ReportNumber(s.mean, 0, d + 1);
    g.StdDevLabel = ReportNumber(s.stdDev, 0, d + 1);
    const std::size_t k = classes.size();
    if (s.n == 0 || k == 0 || classes.bounds.size() <= k)
        return g;

    g.XLow = classes.bounds.front();
    g.XHigh = classes.bounds[k];
    const double width = (g.XHigh - g.XLow) / static_cast<double>(k);
    // Counts to the y axis's units; a class without width (all values
    // equal) has no density and shows its share of n.
    const long double n = static_cast<long double>(s.n);
    const auto scaled = [&](long double count, double classWidth) {
        if (g.Scale == HistogramScale::Percent)
            return static_cast<double>(count * 100 / n);
        if (g.Scale == HistogramScale::Density)
            return static_cast<double>(count / (classWidth > 0.0 ? n * classWidth : n));
        return static_cast<double>(count);
    };
    double fullest = 0.0;
    for (std::size_t j = 0; j < k; ++j) {
        const double low = classes.bounds[j];
        const double high = classes.bounds[j + 1];
        const std::size_t count = classes.counts[j];
        g.Bars.push_back({low, high, count, scaled(count, high - low)});
        g.BoundLabels.push_back(ReportNumber(low, 0, d));
        fullest = std::max(fullest, g.Bars.back().Height);
    }
    g.BoundLabels.push_back(ReportNumber(classes.bounds[k], 0, d));

    double peak = 0.0;
    const bool spread = s.stdDev > 0.0 && std::isfinite(s.stdDev) && width > 0.0;
    if (spread) {
        g.XLow = std::min(g.XLow, s.mean - 3.0 * s.stdDev);
        g.XHigh = std::max(g.XHigh, s.mean + 3.0 * s.stdDev);
        const std::size_t points = std::max<std::size_t>(curvePoints, 2);
        for (std::size_t i = 0; i < points; ++i) {
            const double x = g.XLow + (g.XHigh - g.XLow) * static_cast<double>(i) / (points - 1);
            g.Curve.push_back(
                {x, scaled(NormalExpectedCount(x, s.n, width, s.mean, s.stdDev), width)});
        }
        peak = scaled(NormalExpectedCount(s.mean, s.n, width, s.mean, s.stdDev), width);
    }
    if (!(g.XHigh > g.XLow)) {
        // All the values equal and classes without width: a unit around them.
        g.XLow -= 0.5;
        g.XHigh += 0.5;
    }

    const double step
        = CountStep(std::max(fullest, peak), g.Scale == HistogramScale::Counts ? 1.0 : 1e-300);
    g.CountTicks = {0.0};
    while (g.CountTicks.back() < std::max(fullest, peak) || g.CountTicks.size() < 2)
        g.CountTicks.push_back(step * static_cast<double>(g.CountTicks.size()));
    return g;
}
