#include "gui/analysis/shapepictures.h"

#include "gui/analysis/boxplotpicture.h"
#include "gui/analysis/qqpicture.h"
#include "gui/common/picturetext.h"
#include "gui/viewers/analysisresults.h"

void ShowShapePictures(AnalysisResultsWindow &results, const SortedSample &sample,
                       const QString &title, const QString &variable)
{
    const BoxPlotNumbers box = BoxPlot(sample, DescribeShape(sample));
    const QQPlot qq = NormalQQ(sample);
    results.setShapePictures(BoxPlotDrawing(box, title, variable), BoxPlotPictureSize(),
                             QQDrawing(qq, title, variable), QQPictureSize());
    SetPictureText(*results.boxPlot(), BoxPlotText(box, variable));
    SetPictureText(*results.qqPlot(), QQText(qq, variable));
}
