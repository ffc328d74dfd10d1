#pragma once
// The "Histogram data" command: the histogram dialog, the data file, the
// analysis, the report file, and the picture and the report in a results window.

class QString;
class QWidget;

// proposedDataFile is offered in the file dialog.
void RunHistogramAnalysis(const QString &proposedDataFile, QWidget *parent);
