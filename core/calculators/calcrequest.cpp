// The four calculators' requests in both directions: reading the typed
// fields once, computing, and the report. A critical-value request reads
// alpha (the percentage for the normal) first; a probability request reads
// the statistic in its place. The degrees of freedom follow either way.

#include "core/calculators/calcinput.h"
#include "core/calculators/calcread.h"
#include "core/calculators/chidist.h"
#include "core/calculators/fdist.h"
#include "core/calculators/normaldist.h"
#include "core/calculators/resulttext.h"
#include "core/calculators/tailprob.h"
#include "core/calculators/tdist.h"
#include "core/numeric/strings.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr char ValueEmptyMessage[]
    = MERVAN_TEXT("Calculator", "Please enter the value of the statistic.");
constexpr char Indent[] = "          ";

// A text of the reports with its arguments, in the translator's language.
std::string Say(const Translator &translator, const char *text,
                std::initializer_list<std::string> arguments = {})
{
    return Filled(translator("Calculator", text), arguments);
}

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
            text, MERVAN_TEXT("Calculator", "Please enter the desired percent probability."),
            0.0001L, 99.9999L,
            MERVAN_TEXT("Calculator", "The percent probability must be between 0.0001 and 99.9999"),
            value, outcome);
    }
    switch (kind) {
    case CalcKind::T:
        return ReadBoundedRealField(text, ValueEmptyMessage, -1e6L, 1e6L,
                                    MERVAN_TEXT("Calculator",
                                                "The value of t must be between -1000000 and "
                                                "1000000"),
                                    value, outcome);
    case CalcKind::ChiSquared:
        return ReadBoundedRealField(text, ValueEmptyMessage, 0.0L, 1e6L,
                                    MERVAN_TEXT("Calculator",
                                                "The value of chi-squared must be between 0 and "
                                                "1000000"),
                                    value, outcome);
    case CalcKind::F:
        return ReadBoundedRealField(
            text, ValueEmptyMessage, 0.0L, 1e6L,
            MERVAN_TEXT("Calculator", "The value of F must be between 0 and 1000000"), value,
            outcome);
    default:
        return ReadBoundedRealField(
            text, ValueEmptyMessage, -100.0L, 100.0L,
            MERVAN_TEXT("Calculator", "The value of z must be between -100 and 100"), value,
            outcome);
    }
}

std::size_t FieldCount(CalcKind kind)
{
    return kind == CalcKind::F ? 3 : kind == CalcKind::Normal ? 1 : 2;
}

// The first field of an area other than Standard: alpha for a critical
// value, for every calculator; a value in the data's units for a normal with
// its own mean and sd; the statistic otherwise.
bool ReadAreaValue(const CalcRequest &request, const std::string &text, double &value,
                   CalcOutcome &outcome)
{
    if (request.direction == CalcDirection::CriticalValue)
        return ReadAlphaField(text, value, outcome);
    if (request.mean)
        return ReadBoundedRealField(text, ValueEmptyMessage, -1e9L, 1e9L,
                                    MERVAN_TEXT("Calculator",
                                                "The value must be between -1000000000 and "
                                                "1000000000"),
                                    value, outcome);
    return ReadFirstField(request.kind, CalcDirection::Probability, text, value, outcome);
}

// The normal's mean and standard deviation fields.
bool ReadMeanAndSd(const std::string &meanText, const std::string &sdText, CalcRequest &request,
                   CalcOutcome &outcome)
{
    double mean = 0.0;
    double sd = 1.0;
    if (!ReadBoundedRealField(
            meanText, MERVAN_TEXT("Calculator", "Please enter the mean."), -1e6L, 1e6L,
            MERVAN_TEXT("Calculator", "The mean must be between -1000000 and 1000000"), mean,
            outcome)
        || !ReadBoundedRealField(
            sdText, MERVAN_TEXT("Calculator", "Please enter the standard deviation."), 1e-6L, 1e6L,
            MERVAN_TEXT("Calculator",
                        "The standard deviation must be between 0.000001 and 1000000"),
            sd, outcome))
        return false;
    request.mean = mean;
    request.sd = sd;
    return true;
}

// The shown number of a report line, after its last " = ", again with the
// significant digits asked for.
void ShowDigits(CalcResult &result, long double value, bool probability)
{
    const int digits = result.request.digits;
    const std::size_t at = result.report.rfind(" = ");
    if (digits == 0 || at == std::string::npos || result.status != CalcStatus::Computed)
        return;
    result.report.replace(at + 3, std::string::npos,
                          probability ? ProbabilityText(value, digits)
                                      : SignificantText(value, digits));
}

void TakeMessages(const std::vector<std::string> &messages, CalcResult &result,
                  const Translator &translator)
{
    for (const std::string &message : messages)
        result.errors.push_back(
            {CalcErrorCode::Numerical, {message}, NumericalMessage(message, translator)});
}

void CriticalValue(const CalcRequest &request, CalcResult &result, const Translator &translator)
{
    const double alpha = request.first;
    QuantileSearch search;
    switch (request.kind) {
    case CalcKind::T:
        search = TCriticalValue(alpha, static_cast<std::uint16_t>(request.v1));
        result.report = TReportText(alpha, request.v1, search.value, translator);
        break;
    case CalcKind::ChiSquared:
        search = ChiCriticalValue(alpha, request.v1);
        result.report = ChiReportText(alpha, request.v1, search, translator);
        break;
    case CalcKind::F:
        search = FCriticalValue(alpha, request.v1, request.v2);
        result.report = FReportText(alpha, request.v1, request.v2, search, translator);
        break;
    case CalcKind::Normal: {
        double percent = request.first;
        const double z = NormalCriticalValue(percent);
        result.value = z;
        result.marks = {z};
        result.probability = 1.0L - percent / 100.0L;
        result.report = NormalReportText(percent, z, translator);
        // More digits than the table search's three: the extended search.
        if (request.digits != 0)
            ShowDigits(result, NormalUpperQuantile((1.0L - request.first / 100.0L) / 2.0L).value,
                       false);
        return;
    }
    }
    TakeMessages(search.messages, result, translator);
    result.value = search.value;
    result.marks = {search.value};
    result.probability = alpha;
    if (!search.found)
        result.status = CalcStatus::NotComputed;
    ShowDigits(result, search.value, false);
}

// The last line of a probability report: the probability, or that there is
// none.
std::string ProbabilityLine(const char *label, const TailProbability &tail,
                            const Translator &translator)
{
    if (!tail.found)
        return Indent
            + Say(translator, MERVAN_TEXT("Calculator", "Probability could not be computed."));
    // Too small for the extended type to carry its digits: say how small.
    if (tail.belowRange)
        return std::string("          ") + label + " < " + SmallestProbabilityText();
    return std::string("          ") + label + " = " + ProbabilityText(tail.value);
}

// The probability reports of t, chi-squared and F, in the order of CalcKind:
// the title, the name of the value and the statement of its upper tail.
struct UpperTailReport
{
    const char *title;
    const char *value;
    const char *statement;
};

constexpr UpperTailReport UpperTailReports[] = {
    {MERVAN_TEXT("Calculator", "Students t distribution:"), "t", "P(T > t)"},
    {MERVAN_TEXT("Calculator", "Chi-squared distribution:"),
     MERVAN_TEXT("Calculator", "chi-squared"), MERVAN_TEXT("Calculator", "P(X > chi-squared)")},
    {MERVAN_TEXT("Calculator", "F distribution:"), "F", "P(F > f)"},
};

void Probability(const CalcRequest &request, CalcResult &result, const Translator &translator)
{
    const double x = request.first;
    const std::string value = FormatNumber(0, request.firstDecimals, x);
    if (request.kind == CalcKind::Normal) {
        const long double percent = NormalCentralPercent(x);
        result.value = percent;
        result.marks = {x};
        result.probability = percent / 100.0L;
        result.report = Indent + Say(translator, MERVAN_TEXT("Calculator", "Normal distribution:"))
            + "\r\n" + Indent
            + Say(translator, MERVAN_TEXT("Calculator", "Probability from the value %1 = %2"),
                  {"z", value})
            + "\r\n\r\n" + Indent
            + Say(translator, MERVAN_TEXT("Calculator", "Percent between -z and z = %1"),
                  {FixedNotation(0, 4, static_cast<double>(percent))});
        ShowDigits(result, percent, false);
        return;
    }
    const std::string v1 = FormatNumber(0, 0, request.v1);
    const TailProbability tail = request.kind == CalcKind::T ? TUpperTail(x, request.v1)
        : request.kind == CalcKind::ChiSquared               ? ChiUpperTail(x, request.v1)
                                               : FUpperTail(x, request.v1, request.v2);
    const UpperTailReport &text = UpperTailReports[static_cast<int>(request.kind)];
    const std::string name = translator("Calculator", text.value);
    // F names both degrees of freedom on the value's line.
    const std::string valueLine = request.kind == CalcKind::F
        ? Say(translator,
              MERVAN_TEXT("Calculator",
                          "Probability from the value %1 = %2 with v1 = %3 and v2 = %4"),
              {name, value, v1, FormatNumber(0, 0, request.v2)})
        : Say(translator, MERVAN_TEXT("Calculator", "Probability from the value %1 = %2"),
              {name, value})
            + "\r\n" + Indent
            + Say(translator, MERVAN_TEXT("Calculator", "and %1 degrees of freedom"), {v1});
    const std::string statement = translator("Calculator", text.statement);
    result.report = Indent + translator("Calculator", text.title) + "\r\n" + Indent + valueLine
        + "\r\n\r\n" + ProbabilityLine(statement.c_str(), tail, translator);
    TakeMessages(tail.messages, result, translator);
    result.value = tail.value;
    result.marks = {x};
    result.probability = tail.value;
    result.evaluations = tail.evaluations;
    if (!tail.found)
        result.status = CalcStatus::NotComputed;
    else if (!tail.belowRange)
        ShowDigits(result, tail.value, true);
}

} // namespace

std::string NumericalMessage(const std::string &message, const Translator &translator)
{
    return translator("Calculator", message.c_str());
}

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
    return ReadCalcRequest(kind, direction, CalcArea::Standard, fields, decimalSign);
}

CalcResult ReadCalcRequest(CalcKind kind, CalcDirection direction, CalcArea area,
                           const std::vector<std::string> &fields, char decimalSign, int digits,
                           const Translator &translator)
{
    CalcResult result;
    CalcRequest &request = result.request;
    request.kind = kind;
    request.direction = direction;
    request.area = area;
    CalcOutcome outcome;
    outcome.decimalSign = decimalSign;
    outcome.translator = translator;
    const bool between = area == CalcArea::Between;
    const std::size_t values = between ? 2 : 1;
    const std::size_t needed = FieldCount(kind) + values - 1;
    // The normal's own mean and sd are two fields more, or none.
    const bool ownNormal
        = kind == CalcKind::Normal && area != CalcArea::Standard && fields.size() == needed + 2;
    if (ownNormal) {
        request.mean = 0.0L;
        request.sd = 1.0L;
    }
    const std::string &meanText = ownNormal ? fields[needed] : std::string();
    const std::string &sdText = ownNormal ? fields[needed + 1] : std::string();
    const auto readValues = [&] {
        if (!ReadAreaValue(request, fields[0], request.first, outcome))
            return false;
        if (!between)
            return true;
        if (!ReadAreaValue(request, fields[1], request.second, outcome))
            return false;
        if (request.second >= request.first)
            return true;
        Refuse(outcome, CalcErrorCode::OutOfRange, {fields[1], fields[0], fields[1]},
               Say(translator,
                   MERVAN_TEXT("Calculator", "The second value must not be less than the first.")));
        return false;
    };
    const auto readDegrees = [&] {
        return kind == CalcKind::Normal
            || (kind == CalcKind::F ? ReadDegreePair(fields[values], fields[values + 1], request.v1,
                                                     request.v2, outcome)
                                    : ReadDegreesField(fields[values], request.v1, outcome));
    };
    if (fields.size() != needed && !ownNormal) {
        Refuse(outcome, CalcErrorCode::FieldCount, {std::to_string(needed)},
               Say(translator, MERVAN_TEXT("Calculator", "The request needs %1 fields."),
                   {std::to_string(needed)}));
    } else if (between && direction == CalcDirection::CriticalValue) {
        Refuse(outcome, CalcErrorCode::OutOfRange, {},
               Say(translator,
                   MERVAN_TEXT("Calculator",
                               "The area between two values is found "
                               "from the values, not from alpha.")));
    } else if (area == CalcArea::Standard
                   ? ReadFirstField(kind, direction, fields[0], request.first, outcome)
                   : readValues()) {
        if (readDegrees() && (!ownNormal || ReadMeanAndSd(meanText, sdText, request, outcome))) {
            if (digits != 0 && (digits < 4 || digits > 10)) {
                Refuse(outcome, CalcErrorCode::OutOfRange, {std::to_string(digits), "4", "10"},
                       Say(translator, MERVAN_TEXT("Calculator", "Digits must be from 4 to 10")));
                outcome.fieldsAccepted = static_cast<int>(fields.size());
            } else {
                // The values are shown with the decimals typed, as the numbers taken.
                const auto shown = [decimalSign](const std::string &field) {
                    return ShownDecimals(FieldNumberText(field, decimalSign).value_or(field));
                };
                request.firstDecimals = shown(fields[0]);
                request.secondDecimals = between ? shown(fields[1]) : 3;
                request.digits = digits;
                result.status = CalcStatus::Computed;
                return result;
            }
        }
    }
    result.errors = std::move(outcome.errors);
    result.fieldInError = outcome.fieldsAccepted;
    return result;
}

CalcResult ComputeCalc(const CalcRequest &request, const Translator &translator)
{
    CalcResult result;
    result.status = CalcStatus::Computed;
    result.request = request;
    if (request.area != CalcArea::Standard)
        ComputeCalcArea(request, result, translator);
    else if (request.direction == CalcDirection::CriticalValue)
        CriticalValue(request, result, translator);
    else
        Probability(request, result, translator);
    return result;
}

CalcResult RunCalcRequest(CalcKind kind, CalcDirection direction,
                          const std::vector<std::string> &fields, char decimalSign)
{
    return RunCalcRequest(kind, direction, CalcArea::Standard, fields, decimalSign);
}

CalcResult RunCalcRequest(CalcKind kind, CalcDirection direction, CalcArea area,
                          const std::vector<std::string> &fields, char decimalSign, int digits,
                          const Translator &translator)
{
    const CalcResult read
        = ReadCalcRequest(kind, direction, area, fields, decimalSign, digits, translator);
    return read.accepted() ? ComputeCalc(read.request, translator) : read;
}
