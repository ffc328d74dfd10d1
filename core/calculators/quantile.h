#pragma once
// The one quantile search of the t, chi-squared and F calculators, for a
// density on (0, infinity).
//
// A marching bisection brackets the quantile: it starts at the first interval
// [A, 100 A] above 1e-30 that carries noticeable mass, and while the
// distribution function at the midpoint is still below the target it moves
// the bracket to the right and widens it; once past the target it halves the
// bracket. The running value K = F(A) is the sum of the integrals over the
// pieces passed, so every pass integrates only over [A, x]. K is a sum of
// absolute errors, too coarse for a small tail; so the search then takes the
// smaller tail beyond A to its full relative precision (tailsum.h) and finds
// the rest, the mass between A and the quantile, by bisection of the
// integral from A, down to a single step of the extended type.

#include "core/calculators/romberg.h"
#include "core/calculators/tailsum.h"

#include <functional>
#include <string>
#include <vector>

// What a critical-value search of the t, chi-squared and F calculators found.
struct QuantileSearch
{
    long double value = 0.0L; // the abscissa; meaningful only when found
    bool found = false;       // false: the search gave up and there is nothing to show
    int passes = 0;           // integrals computed by the search
    // The right end of the bracket when the marching search stopped.
    long double bracketEnd = 0.0L;
    // What the computation has to tell the user, in the order it is to be
    // shown (a failed power function, a failed density or integral, a search
    // that gave up).
    std::vector<std::string> messages;
};

// The integral of the density from a to b.
using Integral = std::function<long double(long double a, long double b)>;

// The mass of the density above x (above true) or below it, to full
// relative precision.
using TailMass = std::function<TailSum(long double x, bool above)>;

// The mass that the first interval of a search must carry.
inline constexpr long double StartIntervalMass = 1e-13L;

// More than any search that converges needs (about 150 for the hardest
// accepted requests); reaching it means the search is going nowhere.
inline constexpr int MaxSearchPasses = 1000;

// Moves [A, B] = [A, 100 A] to the right by factors of 100 until the trapezoid
// estimate of the mass of density over it is at least mass. Called with
// A = 1e-30 and B = 100 A. For a density that behaves like a power of x near
// 0, the mass below the A it returns is of the order of mass or less.
void FindStartInterval(const Integrand &density, long double &A, long double &B,
                       long double mass = StartIntervalMass);

// The bracket of the x with F(x) = p, where F is the integral of density from
// 0, for 0 < p < 1. The search ends when F at the lower end of the bracket
// agrees with p to about 1e-9 of the smaller tail, min(p, 1 - p), and
// returns that lower end (bracketEnd the upper one). It gives up (found
// false) when an integral is not a finite number or after MaxSearchPasses
// passes; stopEarly, when given, is asked after every integral and ends the
// search without a result when it says so.
QuantileSearch MarchingSearch(const Integrand &density, const Integral &integral, long double p,
                              const std::function<bool()> &stopEarly = {});

// The x with mass upper of the density above it, 0 < upper < 1: the marching
// search's bracket, refined to the last step of the extended type.
QuantileSearch FindQuantile(const Integrand &density, const Integral &integral,
                            const TailMass &tail, long double upper,
                            const std::function<bool()> &stopEarly = {});

// The x > 0 with mass upper above it of a density symmetric about 0,
// 0 < upper < 1/2: |X| has the density 2 f on (0, infinity), and x is its
// point with mass 2 upper above.
QuantileSearch SymmetricQuantile(const Integrand &density, long double upper);
