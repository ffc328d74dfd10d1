#pragma once
// The box plot and the normal Q-Q plot of an analysed variable, made from its
// values and handed to the results window beside the histogram.

#include "core/analysis/shape.h"

#include <QString>

class AnalysisResultsWindow;

// Draws sample's box plot and normal Q-Q plot under title, their value axes
// labelled with variable, into results' tabs. Needs sample.n >= 1.
void ShowShapePictures(AnalysisResultsWindow &results, const SortedSample &sample,
                       const QString &title, const QString &variable);
