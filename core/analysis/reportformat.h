#pragma once
// The report's numbers and lines: fixed notation as the C library rounds it,
// large statistics in scientific form, and text wrapped to the report's width.

#include <string>

// The widest line of a report, so that it reads whole in an 80-column window.
inline constexpr std::size_t ReportWidth = 80;

// Appends x in fixed notation with the given decimals ("-" before a negative
// number, rounded as the C library rounds), right-justified in width
// columns; a longer text is written whole, width 0 gives no padding.
void AppendFixed(std::string &out, double x, int width, int decimals);

// AppendFixed into a string of its own.
std::string ReportNumber(double x, int width, int decimals);

// A statistic with three decimals, or from 1e9 on in scientific form with
// four significant digits ("9.214e+11"). log10Value is the statistic's
// decimal logarithm, which tells a value beyond the range of long double.
std::string StatisticText(long double value, long double log10Value);

// text after indent blanks, broken at blanks into lines of at most
// ReportWidth characters (a word longer than that stands alone); every
// line, the first included, is indented and ends in LF.
std::string WrappedLines(std::size_t indent, const std::string &text);
