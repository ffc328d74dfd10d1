// The four calculators' requests in both directions: reading the typed
// fields once, computing, and the report. A critical-value request reads
// alpha (the percentage for the normal) first; a probability request reads
// the statistic in its place. The degrees of freedom follow either way.

#include "core/calculators/calcinput.h"
#include "core/calculators/calcread.h"
#include "core/calculators/chidist.h"
#include "core/calculators/fdist.h"
#include "core/calculators/normaldist.h"
#include "core/calculators/tailprob.h"
#include "core/calculators/tdist.h"
#include "core/numeric/strings.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr char ValueEmptyMessage[] = "Please enter the value of the statistic.";
constexpr char ProbabilityNotComputedLine[] = "          Probability could not be computed.";

// The decimals that the report shows of a typed value: those typed, three at
// least and eight at most.
std::uint8_t ShownDecimals(const std::string &number)
{
    std::string token = number;
    StripLeading(token, Delimiters);
    StripTrailing(token, Delimiters);
    return static_cast<std::uint8_t>(std::clamp<std::int64_t>(TokenDecimals(token), 3, 8));
}

// The first field: alpha, the percentage or the statistic, by kind and
// direction.
bool ReadFirstField(CalcKind kind, CalcDirection direction, const std::string &text, double &value,
                    CalcOutcome &outcome)
{
    if (direction == CalcDirection::CriticalValue) {
        if (kind != CalcKind::Normal)
            return ReadAlphaField(text, value, outcome);
        return ReadBoundedRealField(
            text, "Please enter the desired percent probability.", 0.0001L, 99.9999L,
            "The percent probability must be between 0.0001 and 99.9999", value, outcome);
    }
    switch (kind) {
    case CalcKind::T:
        return ReadBoundedRealField(text, ValueEmptyMessage, -1e6L, 1e6L,
                                    "The value of t must be between -1000000 and 1000000", value,
                                    outcome);
    case CalcKind::ChiSquared:
        return ReadBoundedRealField(text, ValueEmptyMessage, 0.0L, 1e6L,
                                    "The value of chi-squared must be between 0 and 1000000", value,
                                    outcome);
    case CalcKind::F:
        return ReadBoundedRealField(text, ValueEmptyMessage, 0.0L, 1e6L,
                                    "The value of F must be between 0 and 1000000", value, outcome);
    default:
        return ReadBoundedRealField(text, ValueEmptyMessage, -100.0L, 100.0L,
                                    "The value of z must be between -100 and 100", value, outcome);
    }
}

std::size_t FieldCount(CalcKind kind)
{
    return kind == CalcKind::F ? 3 : kind == CalcKind::Normal ? 1 : 2;
}

void TakeMessages(const std::vector<std::string> &messages, CalcResult &result)
{
    for (const std::string &message : messages)
        result.errors.push_back({CalcErrorCode::Numerical, {message}, message});
}

void CriticalValue(const CalcRequest &request, CalcResult &result)
{
    const double alpha = request.first;
    QuantileSearch search;
    switch (request.kind) {
    case CalcKind::T:
        search = TCriticalValue(alpha, static_cast<std::uint16_t>(request.v1));
        result.report = TReportText(alpha, request.v1, search.value);
        break;
    case CalcKind::ChiSquared:
        search = ChiCriticalValue(alpha, request.v1);
        result.report = ChiReportText(alpha, request.v1, search);
        break;
    case CalcKind::F:
        search = FCriticalValue(alpha, request.v1, request.v2);
        result.report = FReportText(alpha, request.v1, request.v2, search);
        break;
    case CalcKind::Normal: {
        double percent = request.first;
        const double z = NormalCriticalValue(percent);
        result.value = z;
        result.report = NormalReportText(percent, z);
        return;
    }
    }
    TakeMessages(search.messages, result);
    result.value = search.value;
    if (!search.found)
        result.status = CalcStatus::NotComputed;
}

// The last line of a probability report: the probability, or that there is
// none.
std::string ProbabilityLine(const char *label, const TailProbability &tail)
{
    if (!tail.found)
        return ProbabilityNotComputedLine;
    // Too small for the extended type to carry its digits: say how small.
    if (tail.belowRange)
        return std::string("          ") + label + " < " + SmallestProbabilityText();
    return std::string("          ") + label + " = " + ProbabilityText(tail.value);
}

void Probability(const CalcRequest &request, CalcResult &result)
{
    const double x = request.first;
    const std::string value = FormatNumber(0, request.firstDecimals, x);
    const std::string v1 = FormatNumber(0, 0, request.v1);
    const std::string degrees = "\r\n          and " + v1 + " degrees of freedom\r\n\r\n";
    TailProbability tail;
    switch (request.kind) {
    case CalcKind::T:
        tail = TUpperTail(x, request.v1);
        result.report = "          Students t distribution:\r\n          Probability from the "
                        "value t = "
            + value + degrees + ProbabilityLine("P(T > t)", tail);
        break;
    case CalcKind::ChiSquared:
        tail = ChiUpperTail(x, request.v1);
        result.report = "          Chi-squared distribution:\r\n          Probability from the "
                        "value chi-squared = "
            + value + degrees + ProbabilityLine("P(X > chi-squared)", tail);
        break;
    case CalcKind::F:
        tail = FUpperTail(x, request.v1, request.v2);
        result.report = "          F distribution:\r\n          Probability from the value F = "
            + value + " with v1 = " + v1 + " and v2 = " + FormatNumber(0, 0, request.v2)
            + "\r\n\r\n" + ProbabilityLine("P(F > f)", tail);
        break;
    case CalcKind::Normal: {
        const long double percent = NormalCentralPercent(x);
        result.value = percent;
        result.report = "          Normal distribution:\r\n          Probability from the value "
                        "z = "
            + value + "\r\n\r\n          Percent between -z and z = "
            + FixedNotation(0, 4, static_cast<double>(percent));
        return;
    }
    }
    TakeMessages(tail.messages, result);
    result.value = tail.value;
    result.evaluations = tail.evaluations;
    if (!tail.found)
        result.status = CalcStatus::NotComputed;
}

} // namespace

std::vector<std::string> CalcResult::messages() const
{
    std::vector<std::string> texts;
    for (const CalcError &error : errors)
        texts.push_back(error.text);
    return texts;
}

CalcResult ReadCalcRequest(CalcKind kind, CalcDirection direction,
                           const std::vector<std::string> &fields, char decimalSign)
{
    CalcResult result;
    result.request.kind = kind;
    result.request.direction = direction;
    CalcOutcome outcome;
    outcome.decimalSign = decimalSign;
    const std::size_t needed = FieldCount(kind);
    if (fields.size() != needed) {
        Refuse(outcome, CalcErrorCode::FieldCount, {std::to_string(needed)},
               "The request needs " + std::to_string(needed) + " fields.");
    } else if (ReadFirstField(kind, direction, fields[0], result.request.first, outcome)
               && (kind == CalcKind::Normal
                   || (kind == CalcKind::F
                           ? ReadDegreePair(fields[1], fields[2], result.request.v1,
                                            result.request.v2, outcome)
                           : ReadDegreesField(fields[1], result.request.v1, outcome)))) {
        // The statistic is shown with the decimals typed, as the number taken.
        const std::optional<std::string> number = FieldNumberText(fields[0], decimalSign);
        result.request.firstDecimals = ShownDecimals(number.value_or(fields[0]));
        result.status = CalcStatus::Computed;
        return result;
    }
    result.errors = std::move(outcome.errors);
    result.fieldInError = outcome.fieldsAccepted;
    return result;
}

CalcResult ComputeCalc(const CalcRequest &request)
{
    CalcResult result;
    result.status = CalcStatus::Computed;
    result.request = request;
    if (request.direction == CalcDirection::CriticalValue)
        CriticalValue(request, result);
    else
        Probability(request, result);
    return result;
}

CalcResult RunCalcRequest(CalcKind kind, CalcDirection direction,
                          const std::vector<std::string> &fields, char decimalSign)
{
    const CalcResult read = ReadCalcRequest(kind, direction, fields, decimalSign);
    return read.accepted() ? ComputeCalc(read.request) : read;
}
