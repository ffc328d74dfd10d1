#pragma once
// The calculators' pictures in words, for screen readers and "Describe
// picture": the distribution, the area shaded or the bars coloured, and the
// probability that goes with them.

#include "gui/calculators/densitypicture.h"
#include "gui/calculators/discretepicture.h"

#include <QString>

QString DensityText(const DensityPlot &plot);
QString DiscreteText(const DiscretePlot &plot);
