#pragma once
// One analysis of a data file, in the order of every histogram run, windowed
// or not: read, describe, classes, fit; then the picture and the report.

#include "core/analysis/analysiserror.h"
#include "core/analysis/analysisrequest.h"
#include "core/analysis/analysisvalues.h"
#include "core/analysis/datalayout.h"

#include <functional>
#include <optional>
#include <string>

// What the analysis of a request found.
struct AnalysisRun
{
    AnalysisResult result;
    // What stopped the run; none when result is complete.
    std::optional<AnalysisError> error;
    // The error refuses the entered classes (they do not suit the data)
    // rather than the file, so the user can be asked for other classes.
    bool classesRefused = false;

    bool ok() const { return !error.has_value(); }
};

// Reads request.dataFileName, sorts and describes its values, classes them
// and tests the normal curve against the classes. layout, when given and
// columnar, reads request.column (with request.weights) of a file with
// columns (see ReadColumnFile): a value with a count stands in the sample as
// often as its count says, so that n, the statistics, the classes, the fit
// test and the pictures all follow the counts. Otherwise the file is a free
// list of numbers, read with request.decimalComma. Tokens that are not
// numbers are kept in result.sample (see SampleNotes), to be shown before the
// error, and do not stop the analysis. Running out of memory gives back
// what the analysis held and fails with NotEnoughMemory.
AnalysisRun AnalyseDataFile(const AnalysisRequest &request, const DataLayout *layout = nullptr);

// Makes the picture of an analysis: a file, or a drawing kept by the
// caller. false with the reason in error.
using PictureStep = std::function<bool(const AnalysisResult &analysis, std::string &error)>;

// What the steps after the analysis left: the reason the picture failed
// (empty when it did not), what stopped the report, and the report's name
// once it is written.
struct AnalysisOutputs
{
    std::string pictureError;
    std::optional<AnalysisError> reportError;
    std::string reportName;
};

// The steps after AnalyseDataFile: the picture (none without picture), then
// the report beside the data file. A picture that fails does not cost the
// report.
// The report's texts come in the language of translator.
AnalysisOutputs FinishAnalysis(const AnalysisResult &analysis, const PictureStep &picture,
                               const Translator &translator = {});
