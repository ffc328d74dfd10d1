#pragma once
// The analysis state: the record of one data analysis. The histogram run
// resets it, the reader fills the values, the
// statistics, the classes and the normal curve complete it, and the picture
// and the report read it.
//
// Every vector is indexed from 0:
//   DataValues[i], Residuals[i]                 i = 0 .. ValueCount - 1
//   Ordinates[r]                                r = 0 .. distinct values - 1
//   ClassBounds[j]                              j = 0 .. ClassCount
//   ClassCounts[j]                              j = 0 .. ClassCount - 1
// Class j runs from ClassBounds[j] (included) to ClassBounds[j + 1]
// (excluded); the last class is closed above. RightClosed turns this round:
// (lower, upper], the first class closed below as well. The first bound is at or below
// the minimum and the last at or above the maximum, so every value lies in
// exactly one class.
//
// Values are stored as double; formulas are evaluated in long double and
// rounded when stored.

#include "core/analysis/analysisrequest.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct AnalysisState
{
    // The data file, and the column analysed when the file has columns
    // (empty for a free list of numbers).
    std::string DataFileName;
    std::string ColumnName;
    // Classes are centred on the mean.
    bool CentreData = false;
    // Exactly one of these two comes from the user; the other is derived by
    // BuildClasses. Centred classes can need one class more or fewer than
    // that: BuildClasses then leaves the number of classes shown in
    // ClassCount and the number the entry gave in ClassesAsked.
    std::int32_t ClassCount = 0;
    double ClassWidth = 0.0;
    std::int32_t ClassesAsked = 0;
    // Class bounds at Anchor plus whole class widths (none: from the minimum,
    // or centred on the mean), classes closed at the right end, and the y
    // axis of the picture.
    std::optional<double> Anchor;
    bool RightClosed = false;
    HistogramScale Scale = HistogramScale::Counts;

    std::size_t ValueCount = 0;
    // In file order while reading, ascending after SortData.
    std::vector<double> DataValues;
    double Mean = 0.0;
    double Variance = 0.0;
    double StdDev = 0.0;
    double StdError = 0.0;
    double Median = 0.0;
    // The smallest of the values that occur most often, how often that is
    // (1: no value repeats, and there is no mode) and how many values share
    // that count.
    double Mode = 0.0;
    std::size_t ModeFrequency = 0;
    std::size_t ModeTies = 0;
    // Maximum minus minimum.
    double Range = 0.0;

    // Value minus mean, in sorted order (so they ascend too). Until they are
    // computed, the sort of a large sample uses their storage as its spare.
    std::vector<double> Residuals;
    // The normal density with the sample's standard deviation at the
    // residual of each distinct value, in ascending order.
    std::vector<double> Ordinates;

    std::vector<double> ClassBounds;
    std::vector<std::size_t> ClassCounts;

    // The most decimal places found among the file's numbers; the report
    // prints with this many.
    std::uint8_t MaxDecimals = 0;

    // Set before reading: a comma between two digits is a decimal sign.
    bool DecimalComma = false;
    // Found by reading without DecimalComma: the file has commas between
    // digits and no decimal point at all, so they may be decimal signs.
    bool CommaDecimalsSeen = false;
    // The tokens of the file that are not numbers, left out of the values.
    std::size_t SkippedTokens = 0;
    // The message about the tokens left out (one for the file), or none.
    std::vector<std::string> ReadErrors;
};

// Empties the file name and sets every count, flag and real to 0 and every
// list to empty.
void ResetAnalysis(AnalysisState &state);

// For the steps after reading: true when state holds ValueCount values;
// otherwise false with the message for the user in error.
bool HasValues(const AnalysisState &state, std::string &error);

// The message of a step whose results would not be finite numbers.
std::string TooLargeToAnalyse(const AnalysisState &state);

// ClassCount as a size (0 when not positive), and whether the state holds
// the bounds and counts of that many classes.
std::size_t ClassesOf(const AnalysisState &state);
bool HasClasses(const AnalysisState &state);
