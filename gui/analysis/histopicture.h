#pragma once
// The histogram picture: the bars of the classes on their bounds, the normal
// curve on the same axes (counts, percent or density, as the state asks), a title with the data
// file's name and a legend, drawn as vectors for the screen, the printer, the clipboard and the
// picture files of the window and the console companion.

#include "core/analysis/picturelayout.h"
#include "gui/common/vectorpicture.h"

#include <QSizeF>
#include <QString>
#include <string>

// The picture's natural size: pixels of a PNG file, points of SVG and PDF.
QSizeF HistogramPictureSize();

// Draws geometry into area under the title.
void DrawHistogram(QPainter &painter, const QRectF &area, const HistogramGeometry &geometry,
                   const QString &title);

// The analysed sample's picture, titled with its data file's name. The
// drawing keeps its own copy of what it shows.
VectorDrawing HistogramDrawing(const AnalysisResult &analysis);

// Writes the analysed sample's picture at path as PNG, SVG or PDF by its
// extension; complete or not at all, an earlier file at path kept when it
// fails. Works with or without an application object (the console companion
// has none). Returns false with the reason in error.
bool WriteHistogramPicture(const AnalysisResult &analysis, const std::string &path,
                           std::string &error);
