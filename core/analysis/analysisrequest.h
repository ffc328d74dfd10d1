#pragma once
// What the user asks of one histogram run, from the dialog or the console:
// the data file, how to read it, and how to class it.

#include "core/analysis/datalayout.h"

#include <cstdint>
#include <optional>
#include <string>

// The y axis of the histogram: counts (as the report has them), percent of
// n, or density (percent / 100 / class width), so that the normal curve fits
// any class width.
enum class HistogramScale { Counts, Percent, Density };

struct AnalysisRequest
{
    std::string dataFileName;

    // Exactly one of the two comes from the user: a number of classes
    // (classCount > 0) or a class width (classWidth > 0).
    std::int32_t classCount = 0;
    double classWidth = 0.0;
    // Classes centred on the mean.
    bool centred = false;
    // Where the first class starts (none: as the classes are placed today),
    // and whether a class is closed at its right end instead of its left.
    std::optional<double> anchor;
    bool rightClosed = false;
    HistogramScale scale = HistogramScale::Counts;

    // A free list of numbers: a comma between two digits is a decimal sign.
    bool decimalComma = false;
    // A file with columns: the column to analyse and the column of counts
    // beside it (each a name from the header or a number from 1; weights
    // empty: every value counts once), and the user's corrections of the
    // detected layout.
    std::string column;
    std::string weights;
    LayoutOverrides layout;
};
