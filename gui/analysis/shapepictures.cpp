#include "gui/analysis/shapepictures.h"

#include "gui/analysis/boxplotpicture.h"
#include "gui/analysis/qqpicture.h"
#include "gui/viewers/analysisresults.h"

void ShowShapePictures(AnalysisResultsWindow &results, const SortedSample &sample,
                       const QString &title, const QString &variable)
{
    const Shape shape = DescribeShape(sample);
    results.setShapePictures(BoxPlotDrawing(BoxPlot(sample, shape), title, variable),
                             BoxPlotPictureSize(), QQDrawing(NormalQQ(sample), title, variable),
                             QQPictureSize());
}
