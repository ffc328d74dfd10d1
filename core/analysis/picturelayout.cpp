#include "core/analysis/picturelayout.h"

#include "core/analysis/reportformat.h"
#include "core/numeric/mutil.h"

#include <algorithm>
#include <cmath>

namespace {

// The step of about six ticks up to top: 1, 2 or 5 times a power of ten,
// never less than one count.
double CountStep(double top)
{
    const double rough = std::max(1.0, top / 6.0);
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
    const int d = analysis.sample.decimals;
    g.MeanLabel = ReportNumber(s.mean, 0, d + 1);
    g.StdDevLabel = ReportNumber(s.stdDev, 0, d + 1);
    const std::size_t k = classes.size();
    if (s.n == 0 || k == 0 || classes.bounds.size() <= k)
        return g;

    double fullest = 0.0;
    for (std::size_t j = 0; j < k; ++j) {
        g.Bars.push_back({classes.bounds[j], classes.bounds[j + 1], classes.counts[j]});
        g.BoundLabels.push_back(ReportNumber(classes.bounds[j], 0, d));
        fullest = std::max(fullest, static_cast<double>(classes.counts[j]));
    }
    g.BoundLabels.push_back(ReportNumber(classes.bounds[k], 0, d));
    g.XLow = g.Bars.front().Low;
    g.XHigh = g.Bars.back().High;
    const double width = (g.XHigh - g.XLow) / static_cast<double>(k);

    double peak = 0.0;
    const bool spread = s.stdDev > 0.0 && std::isfinite(s.stdDev) && width > 0.0;
    if (spread) {
        g.XLow = std::min(g.XLow, s.mean - 3.0 * s.stdDev);
        g.XHigh = std::max(g.XHigh, s.mean + 3.0 * s.stdDev);
        const std::size_t points = std::max<std::size_t>(curvePoints, 2);
        for (std::size_t i = 0; i < points; ++i) {
            const double x = g.XLow + (g.XHigh - g.XLow) * static_cast<double>(i) / (points - 1);
            g.Curve.push_back({x, NormalExpectedCount(x, s.n, width, s.mean, s.stdDev)});
        }
        peak = NormalExpectedCount(s.mean, s.n, width, s.mean, s.stdDev);
    }
    if (!(g.XHigh > g.XLow)) {
        // All the values equal and classes without width: a unit around them.
        g.XLow -= 0.5;
        g.XHigh += 0.5;
    }

    const double step = CountStep(std::max(fullest, peak));
    g.CountTicks = {0.0};
    while (g.CountTicks.back() < std::max(fullest, peak) || g.CountTicks.size() < 2)
        g.CountTicks.push_back(g.CountTicks.back() + step);
    return g;
}
