#include "core/calculators/calcread.h"

#include "core/numeric/strings.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>

namespace {

// Whether text, which the field reader refused, is a number written
// correctly but beyond the range of a double ("1e999"): that deserves to be
// called too large rather than not a number.
bool TooLarge(const std::string &text)
{
    std::string token = text;
    StripLeading(token, MakeCharSet(" \t"));
    StripTrailing(token, MakeCharSet(" \t"));
    if (!token.empty() && (token[0] == '+' || token[0] == '-'))
        token.erase(0, 1);
    const std::size_t comma = token.find(',');
    if (comma != std::string::npos)
        token[comma] = '.';
    long double value = 0.0L;
    const char *end = token.data() + token.size();
    const auto [ptr, error] = std::from_chars(token.data(), end, value);
    if (token.empty() || ptr != end)
        return false;
    if (error == std::errc::result_out_of_range) // beyond the extended type too, either way
        return token.find("e-") == std::string::npos && token.find("E-") == std::string::npos;
    return error == std::errc() && std::fabs(value) > DBL_MAX;
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Whether token (blanks stripped) is a number whose integer part is grouped
// by the separator in threes ("12,345,678.5" with ',' and '.'): a sign, one
// to three digits not starting with 0, one or more groups of a separator and
// exactly three digits, then perhaps the decimal sign and digits, and an
// exponent.
bool Grouped(const std::string &token, char separator, char decimalSign)
{
    std::size_t i = (!token.empty() && (token[0] == '+' || token[0] == '-')) ? 1 : 0;
    const std::size_t first = i;
    while (i < token.size() && IsDigit(token[i]))
        ++i;
    if (i == first || i - first > 3 || token[first] == '0')
        return false;
    int groups = 0;
    while (i + 3 < token.size() && token[i] == separator && IsDigit(token[i + 1])
           && IsDigit(token[i + 2]) && IsDigit(token[i + 3])
           && (i + 4 == token.size() || !IsDigit(token[i + 4]))) {
        i += 4;
        ++groups;
    }
    if (groups == 0)
        return false;
    if (i < token.size() && token[i] == decimalSign)
        for (++i; i < token.size() && IsDigit(token[i]);)
            ++i;
    if (i < token.size() && (token[i] == 'e' || token[i] == 'E')) {
        ++i;
        if (i < token.size() && (token[i] == '+' || token[i] == '-'))
            ++i;
        const std::size_t digits = i;
        while (i < token.size() && IsDigit(token[i]))
            ++i;
        if (i == digits)
            return false;
    }
    return i == token.size();
}

// A calculator's message in the outcome's language.
std::string Say(const CalcOutcome &outcome, const char *text,
                std::initializer_list<std::string> arguments = {})
{
    return Filled(outcome.translator("Calculator", text), arguments);
}

// The shortest text that reads back as x, for an error's arguments.
std::string ArgumentText(long double x)
{
    char text[32];
    const auto written = std::to_chars(text, text + sizeof text, static_cast<double>(x));
    return std::string(text, written.ptr);
}

template <class Result>
bool Accept(const Result &read, CalcOutcome &outcome, const std::string &typed)
{
    if (read.ok())
        return true;
    Refuse(outcome, CalcErrorCode::NotANumber, {typed}, read.error->text(outcome.translator));
    return false;
}

} // namespace

void Refuse(CalcOutcome &outcome, CalcErrorCode code, std::vector<std::string> arguments,
            const std::string &message)
{
    outcome.messages.push_back(message);
    outcome.errors.push_back({code, std::move(arguments), message});
}

std::optional<std::string> FieldNumberText(const std::string &text, char decimalSign)
{
    const char separator = decimalSign == ',' ? '.' : ',';
    std::string token = text;
    StripLeading(token, MakeCharSet(" \t"));
    StripTrailing(token, MakeCharSet(" \t"));
    if (token.find(separator) == std::string::npos)
        return text;
    if (Grouped(token, separator, decimalSign)) {
        std::string number;
        for (char c : token) {
            if (c != separator)
                number += c == decimalSign ? '.' : c;
        }
        return number;
    }
    // One separator and no decimal sign cannot be a grouping: it is the
    // decimal sign of the other convention ("0,05" or "1.5"), which the
    // field reader takes either way.
    const auto count = [&token](char c) { return std::count(token.begin(), token.end(), c); };
    if (count(separator) == 1 && count(decimalSign) == 0)
        return text;
    // A separator before exactly three digits may group thousands or not
    // ("1,000,5"): that entry can mean two numbers. Any other is no number,
    // and the reader says so.
    for (std::size_t i = 0; i < token.size(); ++i) {
        std::size_t digits = 0;
        while (token[i] == separator && i + 1 + digits < token.size()
               && IsDigit(token[i + 1 + digits]))
            ++digits;
        if (digits == 3)
            return std::nullopt;
    }
    return text;
}

bool ReadRealField(const std::string &text, double &value, CalcOutcome &outcome)
{
    const std::optional<std::string> number = FieldNumberText(text, outcome.decimalSign);
    if (!number) {
        value = 0.0;
        Refuse(outcome, CalcErrorCode::Ambiguous, {text, std::string(1, outcome.decimalSign)},
               Say(outcome,
                   MERVAN_TEXT("Calculator",
                               "The entry %1 can be read as more than one number. Please type it "
                               "without thousands separators, with \"%2\" as the decimal sign."),
                   {text, std::string(1, outcome.decimalSign)}));
        return false;
    }
    const ReadResult<double> read = ReadRealField(*number);
    value = read.value;
    if (!read.ok() && TooLarge(*number)) {
        Refuse(outcome, CalcErrorCode::TooLarge, {text},
               Say(outcome, MERVAN_TEXT("Calculator", "The number %1 is too large."), {text}));
        return false;
    }
    return Accept(read, outcome, text);
}

bool ReadIntegerField(const std::string &text, std::int32_t &value, CalcOutcome &outcome)
{
    const std::string number = FieldNumberText(text, outcome.decimalSign).value_or(text);
    const ReadResult<std::int32_t> read = ReadIntegerField(number);
    value = read.value;
    // "2.5" is one number, just not a whole one: say that, not that the
    // field holds more than one.
    const ReadResult<double> real = read.ok() ? ReadResult<double>{} : ReadRealField(number);
    if (!read.ok() && real.ok() && real.value != std::floor(real.value)) {
        Refuse(outcome, CalcErrorCode::NotWhole, {text},
               Say(outcome, MERVAN_TEXT("Calculator", "Please enter a whole number.")));
        return false;
    }
    return Accept(read, outcome, text);
}

bool ReadBoundedRealField(const std::string &text, const char *emptyMessage, long double low,
                          long double high, const char *rangeMessage, double &value,
                          CalcOutcome &outcome)
{
    if (text.empty()) {
        Refuse(outcome, CalcErrorCode::Empty, {}, Say(outcome, emptyMessage));
        return false;
    }
    const bool read = ReadRealField(text, value, outcome);
    const long double a = value;
    if (!read || !(a >= low && a <= high)) {
        Refuse(outcome, CalcErrorCode::OutOfRange, {text, ArgumentText(low), ArgumentText(high)},
               Say(outcome, rangeMessage));
        return false;
    }
    ++outcome.fieldsAccepted;
    return true;
}

bool ReadAlphaField(const std::string &text, double &alpha, CalcOutcome &outcome)
{
    return ReadBoundedRealField(
        text,
        MERVAN_TEXT("Calculator", "Please enter the desired probability in percentage points."),
        0.0001L, 0.999999L, MERVAN_TEXT("Calculator", "Alpha must be between 0.0001 and 0.999999"),
        alpha, outcome);
}

bool ReadDegreesField(const std::string &text, const char *emptyMessage, std::int32_t &v,
                      CalcOutcome &outcome)
{
    if (text.empty()) {
        Refuse(outcome, CalcErrorCode::Empty, {}, Say(outcome, emptyMessage));
        return false;
    }
    const bool read = ReadIntegerField(text, v, outcome);
    if (v < 1 || v > 200 || !read) {
        Refuse(outcome, CalcErrorCode::OutOfRange, {text, "1", "200"},
               Say(outcome,
                   MERVAN_TEXT("Calculator", "The degrees of freedom must be between 1 and 200.")));
        return false;
    }
    ++outcome.fieldsAccepted;
    return true;
}
bool ReadDegreesField(const std::string &text, std::int32_t &v, CalcOutcome &outcome)
{
    return ReadDegreesField(text, MERVAN_TEXT("Calculator", "Please enter the degrees of freedom."),
                            v, outcome);
}

bool ReadDegreePair(const std::string &v1Text, const std::string &v2Text, std::int32_t &v1,
                    std::int32_t &v2, CalcOutcome &outcome)
{
    return ReadDegreesField(
               v1Text, MERVAN_TEXT("Calculator", "Please enter the numerator degrees of freedom."),
               v1, outcome)
        && ReadDegreesField(
               v2Text,
               MERVAN_TEXT("Calculator", "Please enter the denominator degrees of freedom."), v2,
               outcome);
}

bool ReadAlphaAndDegrees(const std::string &alphaText, const std::string &vText, double &alpha,
                         std::int32_t &v, CalcOutcome &outcome)
{
    return ReadAlphaField(alphaText, alpha, outcome) && ReadDegreesField(vText, v, outcome);
}
