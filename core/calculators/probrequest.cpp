// The calculators' second direction: from a typed statistic and its degrees
// of freedom to the probability beyond it. The statistic takes the place of
// alpha (or of P for the normal calculator) as the first field; the degrees
// of freedom are read as for a critical value.

#include "core/calculators/calcinput.h"
#include "core/calculators/calcread.h"
#include "core/calculators/tailprob.h"
#include "core/numeric/strings.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr char ValueEmptyMessage[] = "Please enter the value of the statistic.";
constexpr char NotComputedLine[] = "          Probability could not be computed.";

// The decimals that the report shows of a typed value: those typed, three at
// least and eight at most.
std::uint8_t ShownDecimals(const std::string &text)
{
    std::string token = text;
    StripLeading(token, Delimiters);
    StripTrailing(token, Delimiters);
    return static_cast<std::uint8_t>(std::clamp<std::int64_t>(TokenDecimals(token), 3, 8));
}

std::string ValueText(const std::string &typed, double value)
{
    return FormatNumber(0, ShownDecimals(typed), value);
}

std::string DegreesText(std::int32_t v)
{
    return FormatNumber(0, 0, v);
}

// The last line: the probability, or that there is none.
std::string ProbabilityLine(const char *label, const TailProbability &tail)
{
    if (!tail.found)
        return NotComputedLine;
    // Too small for the extended type to carry its digits: say how small.
    if (tail.belowRange)
        return std::string("          ") + label + " < " + SmallestProbabilityText();
    return std::string("          ") + label + " = " + ProbabilityText(tail.value);
}

void Accept(const TailProbability &tail, std::string report, CalcOutcome &outcome)
{
    outcome.messages.insert(outcome.messages.end(), tail.messages.begin(), tail.messages.end());
    outcome.value = tail.value;
    outcome.evaluations = tail.evaluations;
    outcome.report = std::move(report);
    outcome.accepted = true;
}

} // namespace

CalcOutcome RunTProbabilityRequest(const std::string &tText, const std::string &vText)
{
    CalcOutcome outcome;
    double t = 0.0;
    std::int32_t v = 0;
    if (!ReadBoundedRealField(tText, ValueEmptyMessage, -1e6L, 1e6L,
                              "The value of t must be between -1000000 and 1000000", t, outcome)
        || !ReadDegreesField(vText, v, outcome))
        return outcome;

    const TailProbability tail = TUpperTail(t, v);
    Accept(tail,
           "          Students t distribution:\r\n          Probability from the value t = "
               + ValueText(tText, t) + "\r\n          and " + DegreesText(v)
               + " degrees of freedom\r\n\r\n" + ProbabilityLine("P(T > t)", tail),
           outcome);
    return outcome;
}

CalcOutcome RunChiProbabilityRequest(const std::string &chiText, const std::string &vText)
{
    CalcOutcome outcome;
    double chi = 0.0;
    std::int32_t v = 0;
    if (!ReadBoundedRealField(chiText, ValueEmptyMessage, 0.0L, 1e6L,
                              "The value of chi-squared must be between 0 and 1000000", chi,
                              outcome)
        || !ReadDegreesField(vText, v, outcome))
        return outcome;

    const TailProbability tail = ChiUpperTail(chi, v);
    Accept(tail,
           "          Chi-squared distribution:\r\n          Probability from the value "
           "chi-squared = "
               + ValueText(chiText, chi) + "\r\n          and " + DegreesText(v)
               + " degrees of freedom\r\n\r\n" + ProbabilityLine("P(X > chi-squared)", tail),
           outcome);
    return outcome;
}

CalcOutcome RunFProbabilityRequest(const std::string &fText, const std::string &v1Text,
                                   const std::string &v2Text)
{
    CalcOutcome outcome;
    double f = 0.0;
    std::int32_t v1 = 0;
    std::int32_t v2 = 0;
    if (!ReadBoundedRealField(fText, ValueEmptyMessage, 0.0L, 1e6L,
                              "The value of F must be between 0 and 1000000", f, outcome)
        || !ReadDegreePair(v1Text, v2Text, v1, v2, outcome))
        return outcome;

    const TailProbability tail = FUpperTail(f, v1, v2);
    Accept(tail,
           "          F distribution:\r\n          Probability from the value F = "
               + ValueText(fText, f) + " with v1 = " + DegreesText(v1)
               + " and v2 = " + DegreesText(v2) + "\r\n\r\n" + ProbabilityLine("P(F > f)", tail),
           outcome);
    return outcome;
}

CalcOutcome RunNormalProbabilityRequest(const std::string &zText)
{
    CalcOutcome outcome;
    double z = 0.0;
    if (!ReadBoundedRealField(zText, ValueEmptyMessage, -100.0L, 100.0L,
                              "The value of z must be between -100 and 100", z, outcome))
        return outcome;

    const long double percent = NormalCentralPercent(z);
    outcome.value = percent;
    outcome.report = "          Normal distribution:\r\n          Probability from the value z = "
        + ValueText(zText, z) + "\r\n\r\n          Percent between -z and z = "
        + FixedNotation(0, 4, static_cast<double>(percent));
    outcome.accepted = true;
    return outcome;
}
