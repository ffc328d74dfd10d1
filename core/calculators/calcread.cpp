#include "core/calculators/calcread.h"

#include "core/numeric/strings.h"

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

template <class Result>
bool Accept(const Result &read, CalcOutcome &outcome)
{
    if (read.ok())
        return true;
    outcome.messages.push_back(*read.error);
    return false;
}

} // namespace

bool ReadRealField(const std::string &text, double &value, CalcOutcome &outcome)
{
    const ReadResult<double> read = ReadRealField(text);
    value = read.value;
    if (!read.ok() && TooLarge(text)) {
        outcome.messages.push_back("The number " + text + " is too large.");
        return false;
    }
    return Accept(read, outcome);
}

bool ReadIntegerField(const std::string &text, std::int32_t &value, CalcOutcome &outcome)
{
    const ReadResult<std::int32_t> read = ReadIntegerField(text);
    value = read.value;
    // "2.5" is one number, just not a whole one: say that, not that the
    // field holds more than one.
    const ReadResult<double> real = read.ok() ? ReadResult<double>{} : ReadRealField(text);
    if (!read.ok() && real.ok() && real.value != std::floor(real.value)) {
        outcome.messages.push_back("Please enter a whole number.");
        return false;
    }
    return Accept(read, outcome);
}

bool ReadBoundedRealField(const std::string &text, const char *emptyMessage, long double low,
                          long double high, const char *rangeMessage, double &value,
                          CalcOutcome &outcome)
{
    if (text.empty()) {
        outcome.messages.push_back(emptyMessage);
        return false;
    }
    const bool read = ReadRealField(text, value, outcome);
    const long double a = value;
    if (!read || !(a >= low && a <= high)) {
        outcome.messages.push_back(rangeMessage);
        return false;
    }
    ++outcome.fieldsAccepted;
    return true;
}

bool ReadAlphaField(const std::string &text, double &alpha, CalcOutcome &outcome)
{
    return ReadBoundedRealField(text, "Please enter the desired probability in percentage points.",
                                0.0001L, 0.999999L, "Alpha must be between 0.0001 and 0.999999",
                                alpha, outcome);
}

bool ReadDegreesField(const std::string &text, const char *emptyMessage, std::int32_t &v,
                      CalcOutcome &outcome)
{
    if (text.empty()) {
        outcome.messages.push_back(emptyMessage);
        return false;
    }
    const bool read = ReadIntegerField(text, v, outcome);
    if (v < 1 || v > 200 || !read) {
        outcome.messages.push_back("The degrees of freedom must be between 1 and 200.");
        return false;
    }
    ++outcome.fieldsAccepted;
    return true;
}

bool ReadDegreesField(const std::string &text, std::int32_t &v, CalcOutcome &outcome)
{
    return ReadDegreesField(text, "Please enter the degrees of freedom.", v, outcome);
}

bool ReadDegreePair(const std::string &v1Text, const std::string &v2Text, std::int32_t &v1,
                    std::int32_t &v2, CalcOutcome &outcome)
{
    return ReadDegreesField(v1Text, "Please enter the numerator degrees of freedom.", v1, outcome)
        && ReadDegreesField(v2Text, "Please enter the denominator degrees of freedom.", v2,
                            outcome);
}

bool ReadAlphaAndDegrees(const std::string &alphaText, const std::string &vText, double &alpha,
                         std::int32_t &v, CalcOutcome &outcome)
{
    return ReadAlphaField(alphaText, alpha, outcome) && ReadDegreesField(vText, v, outcome);
}
