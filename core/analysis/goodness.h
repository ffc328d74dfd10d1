#pragma once
// How well the normal curve of the sample's mean and standard deviation fits
// the classes of the histogram: the count each class would hold under it and
// Pearson's chi-squared test of the counts found against those expected.

#include "core/analysis/analysisstate.h"

#include <cstddef>
#include <string>
#include <vector>

struct GoodnessOfFit
{
    // Nothing to test (no classes, no spread, or too few classes): why, in
    // one line; the numbers below are then not set.
    std::string refusal;
    // The expected count of each class. The first and last classes take the
    // tails of the curve beyond them, so the counts add up to the values.
    std::vector<double> expected;
    // Sum of (count - expected)^2 / expected. A class far out in the tail
    // can expect so little that the statistic leaves the range of long
    // double; it is then infinite here and known by its logarithm alone.
    long double statistic = 0.0L;
    long double log10Statistic = 0.0L;
    int degrees = 0; // classes - 3: the mean and standard deviation are fitted
    bool probabilityFound = false;
    long double probability = 0.0L; // P(chi-squared > statistic)
    std::size_t expectedBelowFive = 0;
};

GoodnessOfFit TestGoodnessOfFit(const AnalysisState &state);

// The report's lines about it, each ending in LF and none longer than
// ReportWidth, starting with an empty line; empty when the state holds no
// complete classes.
std::string GoodnessOfFitText(const AnalysisState &state);
