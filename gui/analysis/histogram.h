#pragma once
// The "Histogram data" command: the histogram dialog, the data file, the
// analysis, the picture, the report file and the report in the output viewer.

class QString;
class QWidget;

// proposedDataFile is offered in the file dialog.
void RunHistogramAnalysis(const QString &proposedDataFile, QWidget *parent);
