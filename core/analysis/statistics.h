#pragma once
// Reading a data file and describing the sample: count, sums, mean,
// variance, standard deviation, standard error, median, mode and residuals.

#include "core/analysis/analysisstate.h"

#include <cstdint>
#include <string>
#include <string_view>

// Reads every number of the file into DataValues, ValueCount, Sum,
// SumOfSquares, MaxDecimals, SkippedTokens, CommaDecimalsSeen and
// ReadErrors, replacing what they held; sets DataFileName. Numbers are
// separated by TAB, blank or comma (with DecimalComma, a comma between two
// digits is a decimal sign), any number per line, lines of any length; a
// UTF-8 byte order mark at the start is passed over. Tokens that are not
// numbers are left out and counted; one message in ReadErrors shows the
// first few with their line numbers, lines and carets. Returns false with a
// message in error when the file is not a regular file (refused before it
// is opened), cannot be opened or read, is not text (holds a NUL byte) or
// holds no values at all.
bool ReadDataFile(AnalysisState &state, const std::string &fileName, std::string &error);

// DataValues ascending.
void SortData(AnalysisState &state);

// Mean, Variance (sample variance), StdDev and StdError. Needs at least one
// value. Returns false with a message when the values are too large for the
// statistics (the summation of residuals squared included) to be finite.
bool ComputeStatistics(AnalysisState &state, std::string &error);

// The summation of residuals squared as the report shows it: StdDev squared
// times (n - 1).
double SquaredResiduals(const AnalysisState &state);

// On sorted values: the middle value, or the mean of the two middle values.
void FindMedian(AnalysisState &state);

// On sorted values: the smallest of the values that occur most often.
void FindMode(AnalysisState &state);

// Residuals[i] = DataValues[i] - Mean.
void ComputeResiduals(AnalysisState &state);

// The value of a data-file token, exactly as ReadReal converts it (the
// decimal text rounded to extended precision, then to double). Returns false
// for a token that is not a number.
bool TokenValue(std::string_view token, double &value);
