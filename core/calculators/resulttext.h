#pragma once
// ResultText: the report of the latest calculator request. Every calculator
// builds its report into it, the results window shows it, and Print and
// Clipboard take it from here. Lines are joined by CR LF; there is no final
// line break.

#include <cstdint>
#include <string>

extern std::string ResultText;

// The first four lines of a t or chi-squared report, each ending in CR LF.
std::string AlphaDegreesHeading(const char *title, double alpha, std::int32_t v);
