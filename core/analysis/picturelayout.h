#pragma once
// What the histogram picture shows, in the data's own units, without any
// drawing library: one bar per class standing on its true bounds with its
// count, and the normal curve with the sample's mean and standard deviation
// scaled to expected counts (n * class width * density), so that bars and
// curve share one count axis. The axis can show percent of n instead
// (counts * 100 / n) or density (counts / (n * class width)), the curve
// scaled alike; density fits the curve to any class width. The window, the printout and the picture
// files all draw exactly this.

#include "core/analysis/analysisvalues.h"

#include <cstddef>
#include <string>
#include <vector>

struct HistogramBar
{
    double Low = 0.0;  // the class's lower bound
    double High = 0.0; // its upper bound
    std::size_t Count = 0;
    double Height = 0.0; // on the y axis's scale
};

struct CurvePoint
{
    double X = 0.0;
    // The expected count of a class of the bars' width centred on X, on the
    // y axis's scale.
    double Count = 0.0;
};

struct HistogramGeometry
{
    std::vector<HistogramBar> Bars;
    // Evenly spaced across the x range; empty when the sample has no spread.
    std::vector<CurvePoint> Curve;
    // The x range holds every bar and the curve to three standard deviations
    // either side of the mean.
    double XLow = 0.0;
    double XHigh = 1.0;
    // The y axis runs from 0 to CountTicks.back() in steps of 1, 2 or 5
    // times a power of ten (at least 1 for counts), above the highest bar and
    // the curve's peak.
    std::vector<double> CountTicks{0.0, 1.0};
    HistogramScale Scale = HistogramScale::Counts;
    std::size_t ValueCount = 0;
    double Mean = 0.0;
    double StdDev = 0.0;
    // The numbers as the report's tables write them: the class bounds (each
    // bar's lower bound, then the last one's upper bound) with the data's
    // decimals, the mean and the standard deviation with one more.
    std::vector<std::string> BoundLabels;
    std::string MeanLabel;
    std::string StdDevLabel;
};

// The expected count of a class of width classWidth centred on x among n
// values from the normal distribution with this mean and standard deviation
// (positive).
double NormalExpectedCount(double x, std::size_t n, double classWidth, double mean, double stdDev);

// The picture of the analysed sample; curvePoints points along the curve.
// Without values or classes there are no bars and no curve.
HistogramGeometry HistogramPicture(const AnalysisResult &analysis, std::size_t curvePoints = 241);
