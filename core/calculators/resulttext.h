#pragma once
// The parts that the calculators' reports share. A report's lines are joined
// by CR LF; there is no final line break.

#include "core/numeric/translation.h"

#include <cstdint>
#include <string>

// The first four lines of a t or chi-squared report, each ending in CR LF;
// title is marked in the context "Calculator".
std::string AlphaDegreesHeading(const char *title, double alpha, std::int32_t v,
                                const Translator &translator = {});

// alpha with as many decimals as it needs to show the number typed: three at
// least, six at most ("0.050", "0.0001", "0.999999").
std::string AlphaText(double alpha);

// x with digits significant digits (4..10): fixed notation from 0.0001 up,
// as many integer digits as it has; m.mmm...e-XX below. No grouping, "."
// as the decimal point.
std::string SignificantText(long double x, int digits);

// The shortest text that reads back as x: a whole number without decimals,
// short plain decimals ("0.00001"), the shortest exact form otherwise.
std::string ShortestText(double x);
