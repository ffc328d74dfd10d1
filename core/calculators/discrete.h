#pragma once
// The binomial and Poisson calculators: P(X = k), P(X <= k), P(X >= k),
// P(a <= X <= b) and the smallest k with P(X <= k) >= P, computed exactly by
// summing the probabilities in long double, with the normal approximation
// (continuity correction) beside each answer for comparison.
//
// A sum starts at the largest term of its range (the mode, or the end of the
// range nearest to it) and runs outwards by the ratio of neighbouring terms
// until a term can no longer change the sum, so a request costs a few
// standard deviations' worth of multiplications whatever n or lambda is. The
// starting term comes from Loader's saddle-point form in logarithms, so a far
// tail keeps its digits below the smallest long double.

#include "core/numeric/translation.h"

#include <cstdint>
#include <string>
#include <vector>

enum class DiscreteFamily { Binomial, Poisson };

enum class DiscreteQuestion {
    Exact,   // P(X = k)
    AtMost,  // P(X <= k)
    AtLeast, // P(X >= k)
    Between, // P(a <= X <= b)
    Quantile // the smallest k with P(X <= k) >= P
};

// The largest n and lambda the calculators take.
inline constexpr std::int32_t MaxTrials = 1000000;
inline constexpr long double MaxMean = 1000000.0L;

// A request whose fields have been read and accepted.
struct DiscreteRequest
{
    DiscreteFamily family = DiscreteFamily::Binomial;
    DiscreteQuestion question = DiscreteQuestion::Exact;
    std::int32_t n = 1;          // binomial: trials
    long double p = 0.5L;        // binomial: probability of success
    long double lambda = 1.0L;   // Poisson: mean
    std::int64_t a = 0;          // k, or the lower end of Between
    std::int64_t b = 0;          // the upper end of Between
    long double probability = 0; // Quantile: P
    int digits = 0;              // 0: the default form; 4..10: significant digits
};

struct DiscreteResult
{
    bool accepted = false;
    // Refused: the index of the field in error in the typed fields' order
    // (the number of fields for the digits setting); messages say why.
    int fieldInError = -1;
    std::vector<std::string> messages;
    DiscreteRequest request;
    // Accepted: the probability (0 below the long double range) or the
    // quantile k; logValue is the natural logarithm of the probability
    // (-infinity for an impossible event), kept where value underflows.
    long double value = 0.0L;
    long double logValue = 0.0L;
    // The normal approximation with continuity correction of the same
    // question (a probability, or the quantile); NaN when the variance is 0.
    long double normal = 0.0L;
    std::string valueText; // the answer as the report shows it
    std::string report;    // lines joined by CR LF, no final line break
};

// The typed fields in the dialog's order: n and p (binomial) or lambda
// (Poisson), then k (Exact, AtMost, AtLeast), a and b (Between) or P
// (Quantile). digits is 0 or 4..10.
DiscreteResult ReadDiscreteRequest(DiscreteFamily family, DiscreteQuestion question,
                                   const std::vector<std::string> &fields, int digits = 0,
                                   const Translator &translator = {});

// Computes an accepted request: value, approximation and report.
DiscreteResult ComputeDiscrete(const DiscreteRequest &request, const Translator &translator = {});

// ReadDiscreteRequest, then ComputeDiscrete when the fields were accepted.
DiscreteResult RunDiscreteRequest(DiscreteFamily family, DiscreteQuestion question,
                                  const std::vector<std::string> &fields, int digits = 0,
                                  const Translator &translator = {});

// The number of typed fields of a question after the distribution's own.
int QuestionFieldCount(DiscreteQuestion question);

// log P(X = k) of the request's distribution; -infinity off the support.
long double DiscreteLogPmf(const DiscreteRequest &request, std::int64_t k);
long double DiscreteMean(const DiscreteRequest &request);
long double DiscreteSd(const DiscreteRequest &request);
// The largest value X can take (n, or a bound far beyond any Poisson mass).
std::int64_t DiscreteSupportEnd(const DiscreteRequest &request);

// A probability given by its natural logarithm as the reports show it: six
// decimals, or four significant digits in scientific form below 0.0001; with
// digits 4..10 that many significant digits in either form.
std::string DiscreteProbabilityText(long double logP, int digits = 0);
