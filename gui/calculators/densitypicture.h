#pragma once
// The picture behind a calculator's answer: the density of its distribution
// with the critical value(s) (or the typed values) marked, each with its
// label, and exactly the asked area shaded: a tail, both tails, the band
// between two values; for the calculators' own area the upper tail of t,
// chi-squared and F and the central area between -z and z of the normal.

#include <QList>
#include <QPair>
#include <QString>

#include <optional>

#include "core/calculators/calcinput.h"

#include "gui/common/vectorpicture.h"

class QPainter;
class QRectF;

struct DensityPlot
{
    enum class Kind { T, ChiSquared, F, Normal };
    Kind kind = Kind::Normal;
    int v1 = 1;         // degrees of freedom (numerator for F)
    int v2 = 1;         // denominator degrees of freedom of F
    double value = 0.0; // where the mark stands
    QString valueText;  // the mark's label, such as "t = 1.81"
    QString areaText;   // the shaded area's label, such as "alpha = 0.050"
    CalcArea area = CalcArea::Standard;
    // The other end of two tails or of a band, above value, with its label.
    std::optional<double> second;
    QString secondText;
    // A normal in its own units: the values stay in z, the axis is labelled
    // in mean + sd z.
    double mean = 0.0;
    double sd = 1.0;
};

// Draws plot into area: axis with a few labelled ticks, the density, the
// shaded area, the mark and its labels, and a title naming the distribution.
void DrawDensity(QPainter &painter, const QRectF &area, const DensityPlot &plot);

// Where the picture puts things along its axis: the x range shown, the mark
// (at the value, or at the edge the value lies beyond) and its label (with an
// arrow towards a value beyond the edge), and whether the density is cut at
// the top, where it rises without bound (the cut is then marked).
struct DensityAxis
{
    double low = 0.0;
    double high = 1.0;
    double mark = 0.0;
    QString label;
    bool clipped = false;
    // The second mark and its label, when the plot has a second value.
    std::optional<double> secondMark;
    QString secondLabel;
};
DensityAxis DensityLayout(const DensityPlot &plot);

// The stretches of the axis that the picture shades, in order, each from
// its left end to its right end within the axis.
QList<QPair<double, double>> DensityShading(const DensityPlot &plot);

// DrawDensity as a drawing that a PicturePanel shows, prints and saves.
VectorDrawing DensityDrawing(const DensityPlot &plot);

// The picture's natural size, for copies and files.
QSizeF DensityPictureSize();

// The title the picture shows, naming the distribution.
QString DensityTitle(const DensityPlot &plot);
