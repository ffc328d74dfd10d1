#pragma once
// Student's t distribution: the critical value t with P(T > t) = alpha for v
// degrees of freedom, found by Romberg integration of the density and a
// bisection search, and the report text of the t calculator.

#include <cstdint>
#include <string>

// The probability and degrees of freedom of the latest accepted t request.
extern std::int32_t TDegrees;

// The density of the distribution set up by the running TQuantile.
long double TDensity(long double x);

// For 0.5 <= p < 1: the t with F(t) = p for v degrees of freedom.
long double TQuantile(std::uint16_t v, long double p);

// The value that the distribution exceeds with probability alpha
// (0 < alpha < 1); alpha = 0.5 gives 0.
long double TCriticalValue(double alpha, std::uint16_t v);

// The five-line report of a t request.
std::string TReportText(double alpha, std::int32_t v, long double t);
