#pragma once
// Student's t distribution: the critical value t with P(T > t) = alpha for v
// degrees of freedom, found by Romberg integration of the density and a
// bisection search, and the report text of the t calculator.

#include "core/calculators/quantile.h"
#include "core/calculators/romberg.h"
#include "core/numeric/translation.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The density for v degrees of freedom (v >= 1; nothing when its constant
// cannot be computed). A failure of the power function inside appends its
// message to messages, which must outlive the density.
std::optional<Integrand> TDensity(std::uint16_t v, std::vector<std::string> &messages);

// For 0.5 <= p < 1: the t with F(t) = p for v degrees of freedom; not found
// only when the density cannot be set up.
QuantileSearch TQuantile(std::uint16_t v, long double p);

// The value that the distribution exceeds with probability alpha
// (0 < alpha < 1); alpha = 0.5 gives 0.
QuantileSearch TCriticalValue(double alpha, std::uint16_t v);

// The five-line report of a t request.
std::string TReportText(double alpha, std::int32_t v, long double t,
                        const Translator &translator = {});
