#pragma once
// The values one analysis of a data file produces, step by step: the sample
// read from the file, its description, its classes and the test of the
// normal curve against them. The report and the pictures are made from
// these alone.
//
// Classes: class j runs from bounds[j] (included) to bounds[j + 1]
// (excluded); the last class is closed above (rightClosed turns this round).
// The first bound is at or below the minimum and the last at or above the
// maximum, so every value lies in exactly one class.

#include "core/analysis/analysisrequest.h"
#include "core/analysis/shape.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A token of the data file that is not a number, as the note about the
// tokens left out shows it: the token and the piece of its line (both with
// their invisible characters written out) and the column of the token in
// that piece, from 0.
struct LeftOutToken
{
    std::size_t line = 0;
    std::string token;
    std::string piece;
    std::size_t column = 0;
};

struct Sample
{
    // The data file, and the column analysed when the file has columns
    // (empty for a free list of numbers).
    std::string dataFileName;
    std::string columnName;
    // In file order while reading, ascending after SortData. A value with a
    // count stands here as often as its count says.
    std::vector<double> values;
    // The most decimal places found among the file's numbers; the report
    // prints with this many.
    int decimals = 0;
    // The file has commas between digits and no decimal point at all, so
    // they may be decimal signs (found when they were not read as such).
    bool commaDecimalsSeen = false;
    // How many tokens of the file are not numbers and were left out of the
    // values, and the first few of them (see SampleNotes).
    std::size_t skippedTokens = 0;
    // How many cells of the chosen column were missing (empty, NA, ., NaN)
    // or stood in a row whose count was missing.
    std::size_t missingValues = 0;
    std::vector<LeftOutToken> leftOut;

    std::size_t n() const { return values.size(); }
};

struct Description
{
    std::size_t n = 0;
    double mean = 0.0;
    double variance = 0.0; // with n - 1
    double stdDev = 0.0;
    double stdError = 0.0;
    double minimum = 0.0;
    double maximum = 0.0;
    double range = 0.0; // maximum minus minimum
    double median = 0.0;
    // The decimals that show the median exactly (see MedianDecimals).
    int medianDecimals = 0;
    // The smallest of the values that occur most often, how often that is
    // (1: no value repeats, and there is no mode) and how many values share
    // that count.
    double mode = 0.0;
    std::size_t modeFrequency = 0;
    std::size_t modeTies = 0;
    // The quartiles, skewness and kurtosis.
    Shape shape;
};

struct Classes
{
    std::vector<double> bounds;      // count + 1 of them
    std::vector<std::size_t> counts; // count of them
    double width = 0.0;
    // The classes shown, and the number the entry gave (or the width made):
    // centred classes can need one more or one fewer.
    std::int32_t count = 0;
    std::int32_t asked = 0;
    // The rule they were made by: bounds at anchor plus whole widths (none:
    // from the minimum, or centred on the mean), and classes closed at the
    // right end, (lower, upper], the first closed below as well.
    std::optional<double> anchor;
    bool rightClosed = false;

    std::size_t size() const { return counts.size(); }
};

// How well the normal curve of the sample's mean and standard deviation fits
// the classes: the count each class would hold under it and Pearson's
// chi-squared test of the counts found against those expected.
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

// Everything the report and the pictures are made from, and the y axis the
// histogram picture was asked for.
struct AnalysisResult
{
    Sample sample;
    Description description;
    Classes classes;
    GoodnessOfFit fit;
    HistogramScale scale = HistogramScale::Counts;
};
