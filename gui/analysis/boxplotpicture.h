#pragma once
// The box plot of one variable: the box from Q1 to Q3 with the median across
// it, whiskers to the furthest values within 1.5 IQR of the box, each value
// beyond them marked on its own (with its number of observations when there
// are several), on a labelled axis in the variable's units. Drawn as vectors
// for the screen, the printer, the clipboard and the picture files.

#include "core/analysis/shape.h"
#include "gui/common/vectorpicture.h"

#include <QSizeF>
#include <QString>
#include <string>

// The picture's natural size: pixels of a PNG file, points of SVG and PDF.
QSizeF BoxPlotPictureSize();

// The drawing of box under title, its axis labelled with variable. The
// drawing keeps its own copy of the numbers.
VectorDrawing BoxPlotDrawing(const BoxPlotNumbers &box, const QString &title,
                             const QString &variable);

// Writes the drawing at path as PNG, SVG or PDF by its extension, with or
// without an application object; false with the reason in error.
bool WriteBoxPlotPicture(const BoxPlotNumbers &box, const QString &title, const QString &variable,
                         const std::string &path, std::string &error);
