// The binomial and Poisson requests: reading the typed fields, the answer and
// its normal approximation, and the report.

#include "core/calculators/calcinput.h"
#include "core/calculators/calcread.h"
#include "core/calculators/discrete.h"
#include "core/calculators/discretemath.h"
#include "core/calculators/resulttext.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace {

constexpr long double NaN = std::numeric_limits<long double>::quiet_NaN();
constexpr char Indent[] = "          ";
constexpr char LineBreak[] = "\r\n";

// A text of the binomial and Poisson calculators with its arguments, in the
// translator's language.
std::string Say(const Translator &translator, const char *text,
                std::initializer_list<std::string> arguments = {})
{
    return Filled(translator("Calculator", text), arguments);
}

// A whole-number field from low to high, or refused with message (emptyMessage
// is marked, message already in the user's language).
bool ReadCount(const std::string &text, const char *emptyMessage, std::int64_t low,
               std::int64_t high, const std::string &message, std::int64_t &value,
               CalcOutcome &outcome)
{
    if (text.empty()) {
        outcome.messages.push_back(Say(outcome.translator, emptyMessage));
        return false;
    }
    // Only the field's own message is shown: "2.5" is one number, just not
    // a whole one, and the reader's notes about it would say otherwise.
    std::int32_t read = 0;
    CalcOutcome reading;
    const bool ok = ReadIntegerField(text, read, reading);
    value = read;
    if (!ok || value < low || value > high) {
        outcome.messages.push_back(message);
        return false;
    }
    ++outcome.fieldsAccepted;
    return true;
}

bool ReadRequestFields(const std::vector<std::string> &fields, DiscreteRequest &request,
                       CalcOutcome &outcome)
{
    const Translator &tr = outcome.translator;
    const bool binomial = request.family == DiscreteFamily::Binomial;
    const std::size_t needed
        = (binomial ? 2u : 1u) + static_cast<std::size_t>(QuestionFieldCount(request.question));
    if (fields.size() != needed) {
        outcome.messages.push_back(Say(tr,
                                       MERVAN_TEXT("Calculator", "The request needs %1 fields."),
                                       {std::to_string(needed)}));
        return false;
    }
    std::size_t at = 0;
    double real = 0.0;
    if (binomial) {
        std::int64_t n = 0;
        if (!ReadCount(
                fields[at++], MERVAN_TEXT("Calculator", "Please enter the number of trials n."), 1,
                MaxTrials,
                Say(tr, MERVAN_TEXT("Calculator", "n must be a whole number from 1 to 1000000")), n,
                outcome)
            || !ReadBoundedRealField(
                fields[at++],
                MERVAN_TEXT("Calculator", "Please enter the probability of success p."), 0.0L, 1.0L,
                MERVAN_TEXT("Calculator", "p must be a number from 0 to 1"), real, outcome))
            return false;
        request.n = static_cast<std::int32_t>(n);
        request.p = real;
    } else {
        const char *const lambdaRange
            = MERVAN_TEXT("Calculator", "lambda must be greater than 0 and at most 1000000");
        if (!ReadBoundedRealField(fields[at++],
                                  MERVAN_TEXT("Calculator", "Please enter the mean lambda."), 0.0L,
                                  MaxMean, lambdaRange, real, outcome))
            return false;
        if (!(real > 0.0)) {
            outcome.messages.push_back(Say(tr, lambdaRange));
            --outcome.fieldsAccepted;
            return false;
        }
        request.lambda = real;
    }

    const std::int64_t high = binomial ? request.n : std::numeric_limits<std::int32_t>::max();
    // The range of a, b or k.
    const auto range = [&](const char *name) {
        return binomial
            ? Say(tr, MERVAN_TEXT("Calculator", "%1 must be a whole number from 0 to %2"),
                  {name, std::to_string(request.n)})
            : Say(tr, MERVAN_TEXT("Calculator", "%1 must be a whole number from 0 up"), {name});
    };
    switch (request.question) {
    case DiscreteQuestion::Quantile: {
        // A Poisson variable has no largest value to answer P = 1 with.
        const char *message = binomial
            ? MERVAN_TEXT("Calculator", "P must be a number from 0 to 1")
            : MERVAN_TEXT("Calculator", "P must be at least 0 and less than 1");
        if (!ReadBoundedRealField(fields[at],
                                  MERVAN_TEXT("Calculator", "Please enter the probability P."),
                                  0.0L, 1.0L, message, real, outcome))
            return false;
        if (!binomial && real >= 1.0) {
            outcome.messages.push_back(Say(tr, message));
            --outcome.fieldsAccepted;
            return false;
        }
        request.probability = real;
        return true;
    }
    case DiscreteQuestion::Between:
        if (!ReadCount(fields[at], MERVAN_TEXT("Calculator", "Please enter the lower value a."), 0,
                       high, range("a"), request.a, outcome)
            || !ReadCount(fields[at + 1],
                          MERVAN_TEXT("Calculator", "Please enter the upper value b."), 0, high,
                          range("b"), request.b, outcome))
            return false;
        if (request.a > request.b) {
            outcome.messages.push_back(
                Say(tr, MERVAN_TEXT("Calculator", "b must not be smaller than a")));
            --outcome.fieldsAccepted;
            return false;
        }
        return true;
    default:
        return ReadCount(fields[at], MERVAN_TEXT("Calculator", "Please enter the value k."), 0,
                         high, range("k"), request.a, outcome);
    }
}

// The normal approximation with continuity correction of the request's question.
long double NormalApproximation(const DiscreteRequest &request)
{
    const long double mean = DiscreteMean(request);
    const long double sd = DiscreteSd(request);
    if (!(sd > 0.0L))
        return NaN;
    const auto z = [&](long double x) { return (x - mean) / sd; };
    const long double a = static_cast<long double>(request.a);
    switch (request.question) {
    case DiscreteQuestion::Exact:
        return NormalBetween(z(a - 0.5L), z(a + 0.5L));
    case DiscreteQuestion::AtMost:
        return UpperNormal(-z(a + 0.5L));
    case DiscreteQuestion::AtLeast:
        return UpperNormal(z(a - 0.5L));
    case DiscreteQuestion::Between:
        return NormalBetween(z(a - 0.5L), z(static_cast<long double>(request.b) + 0.5L));
    case DiscreteQuestion::Quantile:
        break;
    }
    // The smallest k with Phi((k + 0.5 - mean) / sd) >= P, within the values X takes.
    const long double end = static_cast<long double>(DiscreteSupportEnd(request));
    if (request.probability <= 0.0L)
        return 0.0L;
    if (request.probability >= 1.0L)
        return end;
    const long double k = std::ceil(mean + sd * InverseNormal(request.probability) - 0.5L);
    return std::clamp(k, 0.0L, end);
}

std::string QuestionText(const DiscreteRequest &request, const Translator &translator)
{
    const std::string k = std::to_string(request.a);
    switch (request.question) {
    case DiscreteQuestion::Exact:
        return "P(X = " + k + ")";
    case DiscreteQuestion::AtMost:
        return "P(X <= " + k + ")";
    case DiscreteQuestion::AtLeast:
        return "P(X >= " + k + ")";
    case DiscreteQuestion::Between:
        return "P(" + k + " <= X <= " + std::to_string(request.b) + ")";
    case DiscreteQuestion::Quantile:
        break;
    }
    return Say(translator, MERVAN_TEXT("Calculator", "Smallest k with P(X <= k) >= %1"),
               {ShortestText(static_cast<double>(request.probability))});
}

DiscreteModel ModelOf(const DiscreteRequest &request)
{
    return DiscreteModel(request.family == DiscreteFamily::Binomial, request.n, request.p,
                         request.lambda);
}

} // namespace

int QuestionFieldCount(DiscreteQuestion question)
{
    return question == DiscreteQuestion::Between ? 2 : 1;
}

DiscreteResult ReadDiscreteRequest(DiscreteFamily family, DiscreteQuestion question,
                                   const std::vector<std::string> &fields, int digits,
                                   const Translator &translator)
{
    DiscreteResult result;
    result.request.family = family;
    result.request.question = question;
    CalcOutcome outcome;
    outcome.translator = translator;
    const bool read = ReadRequestFields(fields, result.request, outcome);
    result.messages = std::move(outcome.messages);
    if (!read) {
        result.fieldInError = outcome.fieldsAccepted;
        return result;
    }
    if (digits != 0 && (digits < 4 || digits > 10)) {
        result.messages.push_back(
            Say(translator, MERVAN_TEXT("Calculator", "Digits must be from 4 to 10")));
        result.fieldInError = static_cast<int>(fields.size());
        return result;
    }
    result.request.digits = digits;
    result.accepted = true;
    return result;
}

DiscreteResult ComputeDiscrete(const DiscreteRequest &request, const Translator &translator)
{
    DiscreteResult result;
    result.request = request;
    result.accepted = true;
    const DiscreteModel model = ModelOf(request);
    std::string answer;
    if (request.question == DiscreteQuestion::Quantile) {
        const std::int64_t k = model.quantile(request.probability);
        result.value = static_cast<long double>(k);
        result.logValue = model.logSum(0, k);
        result.valueText = std::to_string(k);
        answer = QuestionText(request, translator) + ": k = " + result.valueText + LineBreak
            + Indent + "P(X <= " + result.valueText
            + ") = " + DiscreteProbabilityText(result.logValue, request.digits);
    } else {
        const std::int64_t a = request.a;
        switch (request.question) {
        case DiscreteQuestion::Exact:
            result.logValue = model.logPmf(a);
            break;
        case DiscreteQuestion::AtMost:
            result.logValue = model.logSum(0, a);
            break;
        case DiscreteQuestion::AtLeast:
            result.logValue = model.logSum(a, model.end);
            break;
        default:
            result.logValue = model.logSum(a, request.b);
            break;
        }
        result.value = std::exp(result.logValue);
        result.valueText = DiscreteProbabilityText(result.logValue, request.digits);
        answer = QuestionText(request, translator) + " = " + result.valueText;
    }

    result.normal = NormalApproximation(request);
    // The approximation's name, and where the comparison line may be cut.
    const std::string approximation
        = Say(translator, MERVAN_TEXT("Calculator", "Normal approximation"));
    std::string normalLine = approximation + " "
        + Say(translator, MERVAN_TEXT("Calculator", "with continuity correction"));
    if (std::isnan(result.normal))
        normalLine += Say(translator, MERVAN_TEXT("Calculator", ": none (the variance is 0)"));
    else if (request.question == DiscreteQuestion::Quantile)
        normalLine += ": k = " + std::to_string(static_cast<std::int64_t>(result.normal));
    else if (result.normal < 1e-300L)
        normalLine += " < 1e-300";
    else
        normalLine += " = " + DiscreteProbabilityText(std::log(result.normal), request.digits);

    const std::string heading = request.family == DiscreteFamily::Binomial
        ? Say(translator, MERVAN_TEXT("Calculator", "Binomial distribution:")) + LineBreak + Indent
            + Say(translator, MERVAN_TEXT("Calculator", "n = %1 and p = %2"),
                  {std::to_string(request.n), ShortestText(static_cast<double>(request.p))})
        : Say(translator, MERVAN_TEXT("Calculator", "Poisson distribution:")) + LineBreak + Indent
            + "lambda = " + ShortestText(static_cast<double>(request.lambda));
    // The comparison line goes on a line of its own when the digits make it
    // too wide for an 80-column report.
    const std::string joint = Indent + normalLine;
    const std::size_t cut = approximation.size();
    const std::string normalLines = joint.size() <= 80 ? joint
                                                       : Indent + normalLine.substr(0, cut)
            + LineBreak + Indent + "  " + normalLine.substr(cut + 1);
    result.report
        = Indent + heading + LineBreak + LineBreak + Indent + answer + LineBreak + normalLines;
    return result;
}

DiscreteResult RunDiscreteRequest(DiscreteFamily family, DiscreteQuestion question,
                                  const std::vector<std::string> &fields, int digits,
                                  const Translator &translator)
{
    const DiscreteResult read = ReadDiscreteRequest(family, question, fields, digits, translator);
    if (!read.accepted)
        return read;
    DiscreteResult result = ComputeDiscrete(read.request, translator);
    result.messages = read.messages;
    return result;
}

long double DiscreteLogPmf(const DiscreteRequest &request, std::int64_t k)
{
    return ModelOf(request).logPmf(k);
}

long double DiscreteMean(const DiscreteRequest &request)
{
    return request.family == DiscreteFamily::Binomial ? request.n * request.p : request.lambda;
}

long double DiscreteSd(const DiscreteRequest &request)
{
    return std::sqrt(request.family == DiscreteFamily::Binomial
                         ? request.n * request.p * (1.0L - request.p)
                         : request.lambda);
}

std::int64_t DiscreteSupportEnd(const DiscreteRequest &request)
{
    return request.family == DiscreteFamily::Binomial ? request.n : PoissonPlotEnd(request.lambda);
}
