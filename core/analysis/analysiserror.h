#pragma once
// What can stop an analysis, as a value: a code and its arguments, from
// which AnalysisErrorText makes the text, in English or through a Translator.

#include "core/analysis/columnreader.h"
#include "core/numeric/translation.h"

#include <optional>
#include <string>
#include <vector>

enum class AnalysisErrorCode {
    NoValues,          // no arguments
    TooLarge,          // the statistics would not be finite; arguments: the data file
    NotEnoughMemory,   // no arguments
    NotARegularFile,   // a folder, pipe or device; arguments: the data file
    CannotOpen,        // arguments: the data file, the system's reason
    CannotRead,        // arguments: the data file, the system's reason
    NotText,           // the file holds a NUL byte; arguments: the data file
    NoNumbers,         // arguments: the data file
    Column,            // a file with columns that cannot be read so: see column
    CountsAddUpToZero, // arguments: the column of counts
    // The classes' entry: empty or not a number, or out of range.
    IntervalsMissing,    // no arguments
    WidthMissing,        // no arguments
    IntervalsOutOfRange, // no arguments
    WidthNotPositive,    // no arguments
    // The classes: the entry does not suit the data.
    TooManyClasses,     // arguments: the most classes a width may give
    WidthTooFine,       // arguments: the entry made, "width" or "intervals"
    WidthTooLarge,      // no arguments
    AnchorWithCentred,  // centred classes have no start of their own; no arguments
    AnchorAboveMinimum, // arguments: the smallest value as the report shows it
    // The report.
    ReportReplacesData, // arguments: the report
    ReportLinksToData,  // arguments: the report, the data file
    DataLinksToReport,  // arguments: the data file, the report
    ReportReadOnly,     // arguments: the report
    ReportPlace,        // the report's place is unusable; arguments: the report, why
    CannotWriteReport   // arguments: the report, the system's reason
};

struct AnalysisError
{
    AnalysisErrorCode code = AnalysisErrorCode::NoValues;
    std::vector<std::string> arguments;
    // Column: what the column reader found.
    ColumnProblem column;

    std::string text(const Translator &translator = {}) const;
};

// The text of error (plain text, lines separated by "\n"), in English unless
// translator translates.
std::string AnalysisErrorText(const AnalysisError &error, const Translator &translator = {});

// A step's value, or what stopped it. The value keeps what the step found
// before it stopped (the tokens left out of a file that holds no numbers).
template <class T>
struct Checked
{
    T value;
    std::optional<AnalysisError> error;

    bool ok() const { return !error.has_value(); }
};
