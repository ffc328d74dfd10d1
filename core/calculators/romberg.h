#pragma once
// Romberg integration: the trapezoidal rule on 1, 2, 4, ... intervals with
// Richardson extrapolation (factors 4, 16, 64, ...). The one integrator of
// the t, chi-squared and F calculators.

#include <functional>

using Integrand = std::function<long double(long double)>;

// The integral of f from a to b with relative tolerance eps, using at most
// maxRows rows of the Romberg table. Returns R(k,k) of the last row computed.
long double Romberg(const Integrand &f, long double a, long double b, long double eps,
                    int maxRows = 31);
