#pragma once
// The normal calculator: the multiplier z of the standard deviation for which
// the central interval -z..z of a standard normal distribution holds a given
// percentage of the probability, found by a decimal table search on the
// distribution function built from the error function's power series.

#include "core/calculators/quantile.h"
#include "core/numeric/translation.h"

#include <string>

// erf(x) for x >= 0 by its power series; 1 for x > 4.
double ErrorFunction(double x);

// The z with Phi(z) = (percent / 100 + 1) / 2. percent comes back as it is
// after its round trip through that one-sided probability.
double NormalCriticalValue(double &percent);

// The four-line report of a normal request.
std::string NormalReportText(double percent, double z, const Translator &translator = {});

// The standard normal density in extended precision.
long double NormalDensity(long double z);

// The z with P(Z > z) = upper, 0 < upper < 1, by the quantile search of the
// other calculators on the density.
QuantileSearch NormalUpperQuantile(long double upper);
