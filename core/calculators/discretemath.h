#pragma once
// The arithmetic behind the binomial and Poisson calculators, shared by the
// requests and the pictures.

#include <cstdint>

// One distribution, its probabilities in logarithms and their sums.
struct DiscreteModel
{
    // A binomial of trials with success probability success, or a Poisson of
    // the mean.
    DiscreteModel(bool isBinomial, std::int64_t trials, long double success, long double mean);

    // log P(X = k); -infinity where X cannot be k.
    long double logPmf(std::int64_t k) const;
    // P(X = k+1) / P(X = k) and P(X = k-1) / P(X = k).
    long double ratioUp(std::int64_t k) const;
    long double ratioDown(std::int64_t k) const;
    // log P(low <= X <= high).
    long double logSum(std::int64_t low, std::int64_t high) const;
    // The smallest k with P(X <= k) >= probability (0..1; below 1 for Poisson).
    std::int64_t quantile(long double probability) const;

    bool binomial;
    std::int64_t n;
    long double p;
    long double q;
    long double lambda;
    std::int64_t end;  // the largest value a sum reaches
    std::int64_t mode; // where the probabilities are largest
};

// A value above which a Poisson distribution of mean lambda has no mass that
// a probability of a double could see.
std::int64_t PoissonPlotEnd(long double lambda);

// P(Z > z) of a standard normal Z; P(from < Z < to); the z with P(Z <= z) = probability.
long double UpperNormal(long double z);
long double NormalBetween(long double from, long double to);
long double InverseNormal(long double probability);
