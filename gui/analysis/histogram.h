#pragma once
// The "Histogram data" command: the histogram dialog, the data file, the
// analysis, the report file, and the picture and the report in a results window.

#include <functional>

class QString;
class QWidget;

// Asked with the chosen data file before it is read: a window editing that
// file may offer to save it. false cancels the run.
using DataFileCheck = std::function<bool(const QString &path)>;

// proposedDataFile is offered in the file dialog.
void RunHistogramAnalysis(const QString &proposedDataFile, QWidget *parent,
                          const DataFileCheck &beforeReading = {});
