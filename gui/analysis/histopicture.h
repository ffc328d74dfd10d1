#pragma once
// Painting the histogram picture: the strokes that LayoutHistogram places,
// drawn with QPainter, for the graphics viewer and for the console
// companion's picture file.

#include "core/analysis/analysisstate.h"
#include "core/analysis/picturelayout.h"

#include <QFont>
#include <string>

class QImage;

// The font the program's name is written in below the picture.
QFont PictureFont();

// Paints layout onto image, which the caller has cleared: the curve first,
// the bars over it, the name below the baseline.
void PaintHistogramPicture(QImage &image, const PictureLayout &layout);

// Writes the analysed sample's picture, 450 by 450 pixels as the graphics
// viewer shows it, as a PNG file at path; complete or not at all. Works with
// or without an application object (the console companion has none). Returns
// false with the reason in error.
bool WriteHistogramPicture(const AnalysisState &state, const std::string &path, std::string &error);
