#include "gui/analysis/histogram.h"

#include "gui/analysis/histoform.h"

void RunHistogramAnalysis(const QString &proposedDataFile, QWidget *parent)
{
    THisto().RunAnalysis(proposedDataFile, parent);
}
