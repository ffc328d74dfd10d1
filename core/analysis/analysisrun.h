#pragma once
// The analysis part of a histogram run.

#include "core/analysis/analysisstate.h"
#include "core/analysis/columnreader.h"

#include <functional>
#include <string>

// In its order: ReadDataFile, SortData, ComputeStatistics, FindMedian,
// FindMode, ComputeResiduals, BuildClasses, ComputeOrdinates. CentreData,
// ClassCount or ClassWidth (and DecimalComma) must be set beforehand. On failure
// returns false with a message for the user in error (a file that cannot be
// opened, is not text or holds no numbers; a class width that cannot be
// used); the picture and the report must then not be made. Tokens that are
// not numbers leave one message in ReadErrors, to be shown before error, and
// do not stop the analysis.
// Running out of memory frees what the analysis held and fails with
// NotEnoughMemory.
// classesRefused, when given, tells whether the failure came from the classes
// (the entered width or count does not suit the data) rather than the file.
bool AnalyseDataFile(AnalysisState &state, const std::string &fileName, std::string &error,
                     bool *classesRefused = nullptr);

// AnalyseDataFile of one column of a file with columns (see ReadColumnFile).
// With counts, each value stands in the sample as often as its count says,
// so that n, the statistics, the classes, the fit test and the pictures all
// follow the counts. Every problem of the reading fails with its text.
bool AnalyseColumn(AnalysisState &state, const std::string &fileName, const DataLayout &layout,
                   const ColumnRequest &request, std::string &error,
                   bool *classesRefused = nullptr);

// The message of an analysis or a report that ran out of memory.
std::string NotEnoughMemory();

// Makes the picture of an analysed sample: a file, or a drawing kept by the
// caller. false with the reason in error.
using PictureStep = std::function<bool(const AnalysisState &state, std::string &error)>;

// What the steps after the analysis left: the reason a step failed (empty
// when it did not), and the report's name once it is written.
struct AnalysisOutputs
{
    std::string pictureError;
    std::string reportError;
    std::string reportName;
};

// The steps after AnalyseDataFile, in the order of every histogram run,
// windowed or not: the picture (none without picture), then the report
// beside the data file. A picture that fails does not cost the report.
AnalysisOutputs FinishAnalysis(const AnalysisState &state, const PictureStep &picture);
