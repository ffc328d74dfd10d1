#pragma once
// The analysis report: a fixed-column text file beside the data file, named
// after it with the extension ".OUT", in UTF-8 with LF line ends (the
// plus-minus sign is U+00B1, the two bytes C2 B1).

#include "core/analysis/analysiserror.h"
#include "core/analysis/analysisvalues.h"
#include "core/analysis/reportformat.h"
#include "core/files/safewrite.h"

#include <optional>
#include <string>

// The data file's name with its extension (from the last "." of the name
// part, after the last "/", "\" or ":") replaced by ".OUT"; a name without an
// extension gets ".OUT" appended.
std::string ReportFileName(const std::string &dataFileName);

// The error to show when the report of dataFileName would be written over
// the data file itself (a data file named with the extension ".OUT", or a
// link to the report's place); none when the report has a place of its own.
// Asked before a file is read, so that the user is not taken through its
// read errors and its picture for a report that cannot be written.
std::optional<AnalysisError> ReportReplacesDataFile(const std::string &dataFileName);

// The whole report of the analysis, as WriteReport writes it: its texts in
// English unless translator translates, its numbers with a decimal point.
std::string ReportText(const AnalysisResult &analysis, const Translator &translator = {});

// Writes the report of the analysis at reportName (beside the data file:
// ReportFileName of its name). The report is written completely or not
// at all: an existing report is only replaced once the new one is complete.
// Refuses to write over the data file itself (a data file whose name already
// ends in ".OUT", or a link between the two), to replace a read-only report
// or anything but a regular file, and to write into a read-only folder. A
// replaced report keeps its owner and permissions; a run killed while
// writing leaves nothing behind (see WriteWholeFile). Fails with the error
// naming the file and the reason when the report cannot be written.
std::optional<AnalysisError> WriteReport(const AnalysisResult &analysis,
                                         const std::string &reportName,
                                         const Translator &translator = {});
