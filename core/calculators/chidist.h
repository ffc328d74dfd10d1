#pragma once
// The chi-squared distribution: the critical value chi2 with P(X > chi2) =
// alpha for v degrees of freedom, and the report text of the chi-squared
// calculator.
//
// The distribution function is the Romberg integral of the density. The
// quantile is found by a marching bisection: it starts at the first interval
// [A, 100 A] above 1e-30 that carries noticeable mass, and while the
// distribution function at the midpoint is still below the target it moves
// the bracket to the right and widens it; once past the target it halves the
// bracket. The running value K = F(A) is the sum of the integrals over the
// pieces passed, so every pass integrates only over [A, x].
//
// FindStartInterval and the marching search are shared with the F calculator.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/calculators/quantile.h"
#include "core/calculators/romberg.h"

// The integral of the density from a to b. The chi-squared search uses
// Romberg directly; the F search passes its guarded version.
using Integral = std::function<long double(long double a, long double b)>;

// Relative tolerance of every Romberg call of the chi-squared and F searches.
// With 1e-10 the pieces of the bulk leave errors of some 1e-12 in K, which is
// a relative error of 1e-8 in a tail of 1e-4 and, for the heavy right tail of
// F with one denominator degree of freedom, 1e-7 in the critical value.
inline constexpr double QuantileEps = 1e-12;

// The mass that the first interval of a search must carry.
inline constexpr long double StartIntervalMass = 1e-13L;

// The last report line of the chi-squared and F calculators when the search
// found no value: a failure is never shown as a number.
inline constexpr const char *NotComputedLine = "          Critical value could not be computed.";

// The last report line of the chi-squared and F calculators: the value with
// the given decimals, or NotComputedLine when the search found none.
std::string CriticalValueLine(const QuantileSearch &search, std::uint8_t decimals);

// More than any search that converges needs (about 150 for the hardest
// accepted requests); reaching it means the search is going nowhere.
inline constexpr int MaxSearchPasses = 1000;

// Moves [A, B] = [A, 100 A] to the right by factors of 100 until the trapezoid
// estimate of the mass of density over it is at least mass. Called with
// A = 1e-30 and B = 100 A. For a density that behaves like a power of x near
// 0, the mass below the A it returns is of the order of mass or less.
void FindStartInterval(const Integrand &density, long double &A, long double &B,
                       long double mass = StartIntervalMass);

// The x with F(x) = p, where F is the integral of density from 0, for
// 0 < p < 1. The search ends when F at the lower end of the bracket agrees
// with p to about 1e-12 of the smaller tail, min(p, 1 - p), and returns that
// lower end. The mass below the start is neglected, so the start is chosen
// with a mass threshold that is no larger than that. It gives up (found
// false) when an integral is not a finite number or after MaxSearchPasses
// passes; stopEarly, when given, is asked after every integral and ends the
// search without a result when it says so.
QuantileSearch MarchingSearch(const Integrand &density, const Integral &integral, long double p,
                              const std::function<bool()> &stopEarly = {});

// x^(v/2 - 1) exp(-x/2) / (Gamma(v/2) 2^(v/2)) for v degrees of freedom
// (v >= 1; nothing when the constant cannot be computed). A failure of the
// power function appends its message to messages, which must outlive the
// density.
std::optional<Integrand> ChiDensity(std::int32_t v, std::vector<std::string> &messages);

// The x with P(X <= x) = p for v degrees of freedom, 0 < p < 1. A search that
// fails ends with the message "Sorry, unable to compute value." and found
// false.
QuantileSearch ChiQuantile(std::int32_t v, long double p);

// The value that the distribution exceeds with probability alpha.
QuantileSearch ChiCriticalValue(double alpha, std::int32_t v);

// The five-line report of a chi-squared request; a failed search shows that
// the value could not be computed instead of a number.
std::string ChiReportText(double alpha, std::int32_t v, const QuantileSearch &chi);
