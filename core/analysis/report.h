#pragma once
// The analysis report: a fixed-column text file beside the data file, named
// after it with the extension ".OUT", in UTF-8 with LF line ends (the
// plus-minus sign is U+00B1, the two bytes C2 B1).

#include "core/analysis/analysisstate.h"
#include "core/analysis/reportformat.h"
#include "core/files/safewrite.h"

#include <string>

// The data file's name with its extension (from the last "." of the name
// part, after the last "/", "\" or ":") replaced by ".OUT"; a name without an
// extension gets ".OUT" appended.
std::string ReportFileName(const std::string &dataFileName);

// The message to show when the report of dataFileName would be written over
// the data file itself (a data file named with the extension ".OUT", or a
// link to the report's place); empty when the report has a place of its own.
// Asked before a file is read, so that the user is not taken through its
// read errors and its picture for a report that cannot be written.
std::string ReportReplacesDataFile(const std::string &dataFileName);

// The whole report of the analysed sample, as WriteReport writes it.
std::string ReportText(const AnalysisState &state);

// Writes the report next to the data file, at ReportFileName(DataFileName).
// The report is written completely or not
// at all: an existing report is only replaced once the new one is complete.
// Refuses to write over the data file itself (a data file whose name already
// ends in ".OUT", or a link between the two), to replace a read-only report
// or anything but a regular file, and to write into a read-only folder. A
// replaced report keeps its owner and permissions; a run killed while
// writing leaves nothing behind (see WriteWholeFile). Returns false with a message
// naming the file and the reason when the report cannot be written.
bool WriteReport(const AnalysisState &state, std::string &error);
