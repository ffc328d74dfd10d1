#pragma once
// The chi-squared distribution: the critical value chi2 with P(X > chi2) =
// alpha for v degrees of freedom, and the report text of the chi-squared
// calculator. The distribution function is the Romberg integral of the
// density; the quantile is found by the search of quantile.h.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/calculators/quantile.h"
#include "core/calculators/romberg.h"
#include "core/numeric/translation.h"

// Relative tolerance of every Romberg call of the chi-squared and F searches'
// brackets and of the bisection that refines them: the bracket needs no more,
// and the refining integrals run over a bracket so narrow that their error
// is far below this part of the little mass they measure.
inline constexpr double QuantileEps = 1e-9;

// The last report line of the chi-squared and F calculators when the search
// found no value: a failure is never shown as a number.
inline constexpr const char *NotComputedLine = "          Critical value could not be computed.";

// The last report line of the chi-squared and F calculators: the value with
// the given decimals, or NotComputedLine when the search found none.
std::string CriticalValueLine(const QuantileSearch &search, std::uint8_t decimals,
                              const Translator &translator = {});

// x^(v/2 - 1) exp(-x/2) / (Gamma(v/2) 2^(v/2)) for v degrees of freedom
// (v >= 1; nothing when the constant cannot be computed). A failure of the
// power function appends its message to messages, which must outlive the
// density.
std::optional<Integrand> ChiDensity(std::int32_t v, std::vector<std::string> &messages);

// The mode of the density, max(v - 2, 0).
long double ChiMode(std::int32_t v);

// The x with P(X > x) = upper for v degrees of freedom, 0 < upper < 1. A
// search that fails ends with the message "Sorry, unable to compute value."
// and found false.
QuantileSearch ChiQuantile(std::int32_t v, long double upper);

// The value that the distribution exceeds with probability alpha.
QuantileSearch ChiCriticalValue(double alpha, std::int32_t v);

// The five-line report of a chi-squared request; a failed search shows that
// the value could not be computed instead of a number.
std::string ChiReportText(double alpha, std::int32_t v, const QuantileSearch &chi,
                          const Translator &translator = {});
