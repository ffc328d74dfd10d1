#pragma once
// What the pictures of one variable beside the histogram share: axes with
// round ticks in the data's units, numbers written as text (so that an SVG
// file carries them), a title, and writing a drawing to a picture file with
// or without an application object.

#include "gui/common/vectorpicture.h"

#include <QRectF>
#include <QString>

#include <string>
#include <vector>

class QPainter;

// Round tick values (1, 2 or 5 times a power of ten apart), about count of
// them, within low..high; high > low. Where no two such values fit (a range
// too wide for a double, or too narrow for the values' magnitude), low and high.
std::vector<double> RoundTicks(double low, double high, int count = 5);

// A tick's text with no more decimals than the ticks' step needs.
QString TickLabel(double value, double step);

// low..high widened by a twentieth on each side, or by a unit around a
// single value, so that nothing is drawn on the frame.
void PadRange(double &low, double &high);

// Maps data units to the plot rectangle.
struct PlotAxes
{
    QRectF plot;
    double xLow = 0;
    double xHigh = 1;
    double yLow = 0;
    double yHigh = 1;
    double x(double v) const { return plot.left() + (v - xLow) / (xHigh - xLow) * plot.width(); }
    double y(double v) const { return plot.bottom() - (v - yLow) / (yHigh - yLow) * plot.height(); }
};

// The font the pictures write with, sized for area and enlarged by zoom.
QFont PlotFont(const QRectF &area, double zoom = 1.0);

// The title centred at the top of area, one line high (of line pixels).
void DrawPlotTitle(QPainter &painter, const QRectF &area, const QString &title, double line);

// The x axis along the plot's bottom with ticks and their numbers, and the
// label centred below; the y axis likewise on the left, its label turned.
void DrawXAxis(QPainter &painter, const PlotAxes &axes, const std::vector<double> &ticks,
               const QString &label, double line);
void DrawYAxis(QPainter &painter, const PlotAxes &axes, const std::vector<double> &ticks,
               const QString &label, double line);

// The widest of the ticks' numbers in painter's font.
double TickLabelWidth(const QPainter &painter, const std::vector<double> &ticks);

// Writes drawing at size to path as PNG, SVG or PDF by its extension, as
// SavePicture does; makes a window-less application object for as long as it
// takes when there is none (the console companion). False with the reason.
bool WritePlotFile(const VectorDrawing &drawing, const QSizeF &size, const std::string &path,
                   std::string &error);
