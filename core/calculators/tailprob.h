#pragma once
// The way back from a statistic to its probability: the upper-tail
// probability P(X > x) of a typed t, chi-squared or F statistic, and the
// central percentage of a standard normal distribution between -z and z.
//
// Each is the Romberg integral of the calculator's own density. A tail is
// integrated outwards from the statistic until a piece no longer adds to the
// sum, so a small upper tail keeps its relative precision instead of being
// the difference 1 - F(x). The work of every tail is bounded: it counts the
// values of the density it computes and gives up beyond MaxTailEvaluations.

#include <cstdint>
#include <string>
#include <vector>

struct TailProbability
{
    long double value = 0.0L; // the probability (0..1); meaningful only when found
    bool found = false;
    // Found, but below TinyTail (1e-4900, near the smallest numbers that
    // the extended type holds): the report says that the tail is smaller
    // than that instead of showing it.
    bool belowRange = false;
    long evaluations = 0; // values of the density computed
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

// P(X > x) (upper) or P(X < x) of chi-squared and F, each to its full
// relative precision however small.
TailProbability ChiTail(long double x, std::int32_t v, bool upper);
TailProbability FTail(long double x, std::int32_t v1, std::int32_t v2, bool upper);

// P(Z > z) for a standard normal Z, to full relative precision.
TailProbability NormalUpperTail(long double z);

// 100 P(-z < Z < z) for a standard normal Z.
long double NormalCentralPercent(long double z);

// The smallest probability that the reports show as a number.
std::string SmallestProbabilityText();

// A probability as the reports show it: six decimals, or four significant
// digits in scientific form below 0.0001; with digits 4..10, that many
// significant digits in either form.
std::string ProbabilityText(long double p);
std::string ProbabilityText(long double p, int digits);
