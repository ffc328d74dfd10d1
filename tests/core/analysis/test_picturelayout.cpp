// Where the histogram picture's curve points and bars land.

#include "analysistest.h"
#include "core/analysis/picturelayout.h"

namespace {

class PictureLayoutTest : public AnalysisTest
{ };

// One coordinate of each point or bar.
template <class Item, class Coordinate>
std::vector<int> Each(const std::vector<Item> &items, Coordinate coordinate)
{
    std::vector<int> values;
    for (const Item &item : items)
        values.push_back(coordinate(item));
    return values;
}

std::vector<int> Xs(const std::vector<PicturePoint> &points)
{
    return Each(points, [](const PicturePoint &p) { return p.x; });
}

std::vector<int> Ys(const std::vector<PicturePoint> &points)
{
    return Each(points, [](const PicturePoint &p) { return p.y; });
}

std::vector<int> BarXs(const std::vector<PictureBar> &bars)
{
    return Each(bars, [](const PictureBar &b) { return b.x; });
}

std::vector<int> BarHeights(const std::vector<PictureBar> &bars)
{
    return Each(bars, [](const PictureBar &b) { return b.baseline - b.top; });
}

struct LayoutCase
{
    const char *name;
    const char *values;
    std::int32_t count;
    bool center;
    int width;
    int height;
    std::vector<int> curveX;
    std::vector<int> curveY;
    std::vector<int> barX;
    std::vector<int> barHeight;
};

TEST_F(PictureLayoutTest, CurvePointsAndBars)
{
    const std::vector<LayoutCase> cases = {
        // 430 exp(-0.675) = 218.9 and 430 exp(-0.075) = 398.9 pixels above the
        // baseline at y = 430.
        {"one two three four",
         "1 2 3 4",
         3,
         false,
         450,
         450,
         {10, 153, 297, 440},
         {211, 31, 31, 211},
         {82, 225, 368},
         {200, 200, 400}},
        {"one class: one full bar in the middle",
         "1 2 3",
         1,
         false,
         450,
         450,
         {10, 225, 440},
         {},
         {225},
         {400}},
        {"repeated values add no points",
         "1 1 1 1 2 2 3 5",
         2,
         false,
         450,
         450,
         {10, 118, 225, 440},
         {},
         {118, 332},
         {400, 133}},
        // The bars start at the lowest bound, half a class below the minimum,
        // so they stand (1 - 0.5) * 107.5 pixels right of the curve.
        {"centred classes",
         "1 2 3 4 5",
         4,
         true,
         450,
         450,
         {10, 118, 225, 332, 440},
         {},
         {64, 171, 279, 386, 494},
         {400, 400, 400, 400, 400}},
        // Pixel positions that fall on a half go to the even neighbour.
        {"halves to even",
         "1 2 3 4",
         3,
         false,
         23,
         100,
         {10, 11, 12, 13},
         {},
         {10, 12, 12},
         {25, 25, 50}},
        {"another canvas",
         "1 2 3 4",
         3,
         false,
         600,
         300,
         {10, 203, 397, 590},
         {},
         {107, 300, 493},
         {125, 125, 250}},
        {"no spread: no curve, bars in the middle",
         "5 5 5",
         2,
         false,
         450,
         450,
         {},
         {},
         {225, 225},
         {0, 400}},
        {"a single value", "5", 1, true, 450, 450, {}, {}, {225}, {400}},
    };
    for (const LayoutCase &c : cases) {
        SCOPED_TRACE(c.name);
        const AnalysisState s = analyse(c.values, c.count, 0, c.center);
        const PictureLayout layout = LayoutHistogram(s, c.width, c.height);
        EXPECT_EQ(Xs(layout.Curve), c.curveX);
        if (!c.curveY.empty()) {
            EXPECT_EQ(Ys(layout.Curve), c.curveY);
        }
        EXPECT_EQ(BarXs(layout.Bars), c.barX);
        EXPECT_EQ(BarHeights(layout.Bars), c.barHeight);
        for (const PictureBar &bar : layout.Bars)
            EXPECT_EQ(bar.baseline, c.height - 2 * PictureMargin);
        EXPECT_EQ(layout.NamePosition.x, 200);
        EXPECT_EQ(layout.NamePosition.y, 435);
        EXPECT_EQ(layout.Name, "Mervan");
    }
}

TEST_F(PictureLayoutTest, CurvePeaksAtTheMean)
{
    // A symmetric sample with a value at its mean: the peak point stands the
    // full drawing width (W - 2M) above the baseline.
    const AnalysisState s = analyse("1 2 2 3 3 3 4 4 5", 5);
    const PictureLayout layout = LayoutHistogram(s, 450, 450);
    ASSERT_EQ(layout.Curve.size(), 5u);
    EXPECT_EQ(layout.Curve[2].x, 225);
    EXPECT_EQ(layout.Curve[2].y, 450 - 2 * PictureMargin - 430);
    EXPECT_EQ(layout.Curve[1].y, layout.Curve[3].y);
}

TEST_F(PictureLayoutTest, NothingToDrawWithoutAnAnalysis)
{
    const PictureLayout layout = LayoutHistogram(AnalysisState(), 450, 450);
    EXPECT_TRUE(layout.Curve.empty());
    EXPECT_TRUE(layout.Bars.empty());
    EXPECT_EQ(layout.Width, 450);
    EXPECT_EQ(layout.Height, 450);
}

} // namespace
