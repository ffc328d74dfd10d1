// The histogram picture in data units: bars on their class bounds, the normal
// curve in expected counts on the same axis.

#include "analysistest.h"
#include "core/analysis/picturelayout.h"

#include <cmath>
#include <cstdio>

namespace {

class PictureLayoutTest : public AnalysisTest
{
protected:
    // n values at the normal quantiles (i - 1/2) / n: a sample as normal as n
    // values can be, with mean 50 and standard deviation 10.
    static std::string NormalQuantiles(int n)
    {
        std::vector<std::string> tokens;
        for (int i = 1; i <= n; ++i) {
            const double p = (i - 0.5) / n;
            double lo = -10.0, hi = 10.0;
            for (int step = 0; step < 80; ++step) {
                const double mid = (lo + hi) / 2;
                (0.5 * std::erfc(-mid / std::sqrt(2.0)) < p ? lo : hi) = mid;
            }
            char text[32];
            std::snprintf(text, sizeof text, "%.6f", 50.0 + 10.0 * (lo + hi) / 2);
            tokens.push_back(text);
        }
        return join(tokens);
    }
};

// The curve's count at x, read off its polyline.
double CurveAt(const HistogramGeometry &g, double x)
{
    for (std::size_t i = 1; i < g.Curve.size(); ++i) {
        const CurvePoint &a = g.Curve[i - 1];
        const CurvePoint &b = g.Curve[i];
        if (x >= a.X && x <= b.X)
            return a.Count + (b.Count - a.Count) * (x - a.X) / (b.X - a.X);
    }
    return NAN;
}

TEST_F(PictureLayoutTest, NormalSampleBarsMeetTheCurveAtTheirCentres)
{
    struct Case
    {
        int n;
        std::int32_t classes;
        bool centred;
        HistogramScale scale;
    };
    for (const Case c : {Case{2000, 20, false, HistogramScale::Counts}, Case{5000, 20, true, {}},
                         Case{400, 10, false, {}}, Case{400, 10, false, HistogramScale::Percent},
                         Case{2000, 20, false, HistogramScale::Density}}) {
        SCOPED_TRACE(c.n);
        AnalysisResult s = analyse(NormalQuantiles(c.n), c.classes, 0.0, c.centred);
        s.scale = c.scale;
        const HistogramGeometry g = HistogramPicture(s);
        // One count in the units of the y axis: percent of n, or density.
        const double unit = c.scale == HistogramScale::Percent ? 100.0 / c.n
            : c.scale == HistogramScale::Density               ? 1 / (c.n * s.classes.width)
                                                               : 1.0;
        ASSERT_EQ(g.Bars.size(), static_cast<std::size_t>(s.classes.count));
        std::size_t total = 0;
        for (std::size_t j = 0; j < g.Bars.size(); ++j) {
            const HistogramBar &bar = g.Bars[j];
            EXPECT_EQ(bar.Low, s.classes.bounds[j]);
            EXPECT_EQ(bar.High, s.classes.bounds[j + 1]);
            const double centre = (bar.Low + bar.High) / 2;
            // Curvature of the density over a class and the rounding of
            // counts: a few counts at most.
            EXPECT_NEAR(bar.Height, CurveAt(g, centre), (c.n / 600.0 + 1.5) * unit)
                << "class " << j << " at " << centre;
            total += bar.Count;
        }
        EXPECT_EQ(total, s.description.n);
        // The count axis holds the fullest bar and the curve's peak.
        EXPECT_GE(g.CountTicks.back(), CurveAt(g, s.description.mean));
        EXPECT_GT(g.CountTicks.size(), 3u); // steps below one for a density
        EXPECT_LE(g.XLow, s.description.mean - 3 * s.description.stdDev);
        EXPECT_GE(g.XHigh, s.description.mean + 3 * s.description.stdDev);
    }
}

TEST_F(PictureLayoutTest, CountTicksAreRoundSteps)
{
    struct Case
    {
        const char *values;
        std::vector<double> ticks;
    };
    const std::vector<Case> cases = {
        {"1 2 3 4", {0, 1, 2}},
        {"1 1 1 1 1 1 1 1 1 1 1 1 2 3", {0, 2, 4, 6, 8, 10, 12}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.values);
        EXPECT_EQ(HistogramPicture(analyse(c.values, 3)).CountTicks, c.ticks);
    }
}

TEST_F(PictureLayoutTest, SamplesWithoutSpreadOrValuesDrawNoCurve)
{
    const HistogramGeometry flat = HistogramPicture(analyse("5 5 5", 2));
    EXPECT_TRUE(flat.Curve.empty());
    EXPECT_LT(flat.XLow, 5.0);
    EXPECT_GT(flat.XHigh, 5.0);
    const HistogramGeometry none = HistogramPicture(AnalysisResult());
    EXPECT_TRUE(none.Bars.empty());
    EXPECT_TRUE(none.Curve.empty());
}

} // namespace
