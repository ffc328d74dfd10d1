#pragma once
// Describing the sample: mean, variance, standard deviation, standard error,
// range, median, mode, and the quartiles, skewness and kurtosis.

#include "core/analysis/analysiserror.h"
#include "core/analysis/analysisvalues.h"

#include <optional>

// values ascending. Large samples are sorted by the bits of their values.
void SortData(Sample &sample);

// mean, variance (sample variance), stdDev, stdError, minimum, maximum and
// range of the sample into description. Needs at least one value. Fails
// when the values are too large for the statistics (the summation of
// residuals squared included) to be finite.
std::optional<AnalysisError> ComputeStatistics(const Sample &sample, Description &description);

// The summation of residuals squared as the report shows it: stdDev squared
// times (n - 1).
double SquaredResiduals(const Description &description);

// On sorted values: the middle value, or the mean of the two middle values,
// and the decimals that show it (see MedianDecimals).
void FindMedian(const Sample &sample, Description &description);

// On sorted values: mode, the smallest of the values that occur most often,
// modeFrequency, how often it occurs, and modeTies, how many values occur
// that often.
void FindMode(const Sample &sample, Description &description);

// The decimals that show the median exactly: the data's, or one more when it
// is the mean of two middle values whose sum is odd in the data's last
// decimal (31 and 32 give 31.5).
int MedianDecimals(const Sample &sample);

// The whole description of a sorted sample: ComputeStatistics, FindMedian,
// FindMode and the shape.
Checked<Description> DescribeSample(const Sample &sample);

// The residual of a value, value - mean, as the report shows it.
double Residual(double value, const Description &description);

// The normal density with mean 0 and the sample's standard deviation at
// residual; 0 when the sample has no spread.
double NormalOrdinate(double residual, const Description &description);
