#pragma once
// Describing the sample: mean,
// variance, standard deviation, standard error, median, mode and residuals.

#include "core/analysis/analysisstate.h"
#include "core/analysis/datafile.h"

#include <cstdint>
#include <string>
#include <string_view>

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

// On sorted values: Mode, the smallest of the values that occur most often,
// ModeFrequency, how often it occurs, and ModeTies, how many values occur
// that often.
void FindMode(AnalysisState &state);

// The decimals that show the median exactly: the data's, or one more when it
// is the mean of two middle values whose sum is odd in the data's last
// decimal (31 and 32 give 31.5).
int MedianDecimals(const AnalysisState &state);

// Residuals[i] = DataValues[i] - Mean.
void ComputeResiduals(AnalysisState &state);
