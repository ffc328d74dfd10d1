#pragma once
// The way back from a statistic to its probability: the upper-tail
// probability P(X > x) of a typed t, chi-squared or F statistic, and the
// central percentage of a standard normal distribution between -z and z.
//
// Each is the Romberg integral of the calculator's own density. A tail is
// integrated outwards from the statistic over pieces that double in width
// until a piece no longer adds to the sum, so a small upper tail keeps its
// relative precision instead of being the difference 1 - F(x).

#include <cstdint>
#include <string>
#include <vector>

struct TailProbability
{
    long double value = 0.0L; // the probability (0..1); meaningful only when found
    bool found = false;
    // What the computation has to tell the user, in order (a failed power
    // function, a failed density or integral, a sum that never settled).
    std::vector<std::string> messages;
};

// P(T > t) for Student's t with v degrees of freedom (1..200).
TailProbability TUpperTail(long double t, std::int32_t v);

// P(X > x) for the chi-squared distribution with v degrees of freedom.
TailProbability ChiUpperTail(long double x, std::int32_t v);

// P(F > x) for the F distribution with v1 and v2 degrees of freedom.
TailProbability FUpperTail(long double x, std::int32_t v1, std::int32_t v2);

// 100 P(-z < Z < z) for a standard normal Z.
long double NormalCentralPercent(long double z);

// A probability as the reports show it: six decimals, or four significant
// digits in scientific form below 0.0001.
std::string ProbabilityText(long double p);
