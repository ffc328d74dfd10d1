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
    g.valueCount = s.n;
    g.mean = s.mean;
    g.stdDev = s.stdDev;
    g.scale = analysis.scale;
    const int d = analysis.sample.decimals;
    g.meanLabel = ReportNumber(s.mean, 0, d + 1);
    g.stdDevLabel = ReportNumber(s.stdDev, 0, d + 1);
    const std::size_t k = classes.size();
    if (s.n == 0 || k == 0 || classes.bounds.size() <= k)
        return g;

    g.xLow = classes.bounds.front();
    g.xHigh = classes.bounds[k];
    const double width = (g.xHigh - g.xLow) / static_cast<double>(k);
    // Counts to the y axis's units; a class without width (all values
    // equal) has no density and shows its share of n.
    const long double n = static_cast<long double>(s.n);
    const auto scaled = [&](long double count, double classWidth) {
        if (g.scale == HistogramScale::Percent)
            return static_cast<double>(count * 100 / n);
        if (g.scale == HistogramScale::Density)
            return static_cast<double>(count / (classWidth > 0.0 ? n * classWidth : n));
        return static_cast<double>(count);
    };
    double fullest = 0.0;
    for (std::size_t j = 0; j < k; ++j) {
        const double low = classes.bounds[j];
        const double high = classes.bounds[j + 1];
        const std::size_t count = classes.counts[j];
        g.bars.push_back({low, high, count, scaled(count, high - low)});
        g.boundLabels.push_back(ReportNumber(low, 0, d));
        fullest = std::max(fullest, g.bars.back().height);
    }
    g.boundLabels.push_back(ReportNumber(classes.bounds[k], 0, d));

    double peak = 0.0;
    const bool spread = s.stdDev > 0.0 && std::isfinite(s.stdDev) && width > 0.0;
    if (spread) {
        g.xLow = std::min(g.xLow, s.mean - 3.0 * s.stdDev);
        g.xHigh = std::max(g.xHigh, s.mean + 3.0 * s.stdDev);
        const std::size_t points = std::max<std::size_t>(curvePoints, 2);
        for (std::size_t i = 0; i < points; ++i) {
            const double x = g.xLow + (g.xHigh - g.xLow) * static_cast<double>(i) / (points - 1);
            g.curve.push_back(
                {x, scaled(NormalExpectedCount(x, s.n, width, s.mean, s.stdDev), width)});
        }
        peak = scaled(NormalExpectedCount(s.mean, s.n, width, s.mean, s.stdDev), width);
    }
    if (!(g.xHigh > g.xLow)) {
        // All the values equal and classes without width: a unit around them.
        g.xLow -= 0.5;
        g.xHigh += 0.5;
    }

    const double step
        = CountStep(std::max(fullest, peak), g.scale == HistogramScale::Counts ? 1.0 : 1e-300);
    g.countTicks = {0.0};
    while (g.countTicks.back() < std::max(fullest, peak) || g.countTicks.size() < 2)
        g.countTicks.push_back(step * static_cast<double>(g.countTicks.size()));
    return g;
}
