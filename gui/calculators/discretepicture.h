#pragma once
// The picture behind a binomial or Poisson answer: the probabilities as bars,
// the bars of the asked values coloured, and, when asked for, the normal
// approximation's density over them (each bar stands for k - 0.5 .. k + 0.5,
// the continuity correction).

#include <QString>

#include "core/calculators/discrete.h"
#include "gui/common/vectorpicture.h"

#include <cstdint>

struct DiscretePlot
{
    DiscreteRequest request;
    // The asked values: first..last (for a quantile 0..k).
    std::int64_t first = 0;
    std::int64_t last = 0;
    bool normalOverlay = false;
    QString answerText; // written on the picture, such as "P(X >= 15) = 0.020695"
};

// The plot of an accepted result.
DiscretePlot PlotOf(const DiscreteResult &result, bool normalOverlay);

void DrawDiscrete(QPainter &painter, const QRectF &area, const DiscretePlot &plot);
VectorDrawing DiscreteDrawing(const DiscretePlot &plot);

// The title the picture shows, naming the distribution.
QString DiscreteTitle(const DiscreteRequest &request);
