#pragma once
// Where the histogram picture's strokes go, computed without any drawing
// library: a blue normal curve through the residuals and one thick maroon bar
// per class rising from a baseline, with the program's name below. The
// window that shows the picture and the console command both paint exactly
// these coordinates.
//
// Pixels: x to the right, y downwards, origin at the top left of a canvas of
// Width x Height. Every real is rounded to a pixel half to even.

#include "core/analysis/analysisstate.h"

#include <string>
#include <vector>

struct PictureColor
{
    int red;
    int green;
    int blue;
};

constexpr int PictureMargin = 10;
constexpr int CurvePenWidth = 1;
constexpr int BarPenWidth = 10;
constexpr PictureColor CurveColor{0, 0, 255};
constexpr PictureColor BarColor{128, 0, 0};

struct PicturePoint
{
    int x;
    int y;
};

// A bar is a vertical stroke BarPenWidth pixels wide centred on x, from the
// baseline up to top (top == baseline for an empty class). As a filled
// rectangle it covers x - BarPenWidth / 2 .. x + BarPenWidth / 2 - 1 across
// and top .. baseline - 1 down.
struct PictureBar
{
    int x;
    int baseline;
    int top;
};

struct PictureLayout
{
    int Width = 0;
    int Height = 0;
    // Drawn first with CurveColor and CurvePenWidth: move to Curve[0], then a
    // line to each following point. One point per distinct residual; empty
    // when the sample has no spread (nothing to draw).
    std::vector<PicturePoint> Curve;
    // Drawn over the curve with BarColor and BarPenWidth, one per class.
    std::vector<PictureBar> Bars;
    // The name's top left corner, written with pen width 1 in the canvas's
    // current font.
    PicturePoint NamePosition{200, 435};
    std::string Name = "Mervan";
};

// The picture of the analysed sample on a canvas of width x height pixels
// (450 x 450 in the graphics viewer). A sample whose values are all equal
// stands in the middle of the canvas.
PictureLayout LayoutHistogram(const AnalysisState &state, int width, int height);
