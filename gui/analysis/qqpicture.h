#pragma once
// The normal Q-Q plot of one variable: its sorted values up the y axis
// against the normal quantiles along x, with the line through the quartiles,
// both axes labelled with numbers. Drawn as vectors for the screen, the
// printer, the clipboard and the picture files.

#include "core/analysis/shape.h"
#include "gui/common/vectorpicture.h"

#include <QSizeF>
#include <QString>
#include <string>

// The picture's natural size: pixels of a PNG file, points of SVG and PDF.
QSizeF QQPictureSize();

// The drawing of plot under title, the y axis labelled with variable. The
// drawing keeps its own copy of the points.
VectorDrawing QQDrawing(const QQPlot &plot, const QString &title, const QString &variable);

// Writes the drawing at path as PNG, SVG or PDF by its extension, with or
// without an application object; false with the reason in error.
bool WriteQQPicture(const QQPlot &plot, const QString &title, const QString &variable,
                    const std::string &path, std::string &error);
