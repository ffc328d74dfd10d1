#include "core/numeric/strings.h"

#include "core/numeric/showntext.h"

#include <algorithm>
#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <locale.h>
#include <type_traits>

namespace {

// Columns and lengths of the token routines wrap at 256, as they did when the
// program kept them in one byte.
std::uint8_t Length8(const std::string &text)
{
    return static_cast<std::uint8_t>(text.size() % 256);
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsHexDigit(char c)
{
    return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

int HexValue(char c)
{
    if (IsDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return c - 'A' + 10;
}

// The C locale, so that "." is the decimal point whatever the user's settings.
// Made once when the program starts and only read afterwards; nothing of the
// core runs before that.
const locale_t CLocaleObject = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));

locale_t CLocale()
{
    return CLocaleObject;
}

// Formats in the C locale for the lifetime of the object.
class CLocaleScope
{
public:
    CLocaleScope()
        : m_previous(uselocale(CLocale()))
    { }
    ~CLocaleScope() { uselocale(m_previous); }
    CLocaleScope(const CLocaleScope &) = delete;
    CLocaleScope &operator=(const CLocaleScope &) = delete;

private:
    locale_t m_previous;
};

std::size_t SkipBlanks(const std::string &text, std::size_t i)
{
    while (i < text.size() && text[i] == ' ')
        ++i;
    return i;
}

std::size_t SkipDigits(const std::string &text, std::size_t i)
{
    while (i < text.size() && IsDigit(text[i]))
        ++i;
    return i;
}

// The plain decimal syntax: [blanks] [+|-] digits [. digits] [(E|e) [+|-] digits].
bool IsPlainDecimal(const std::string &token)
{
    std::size_t i = SkipBlanks(token, 0);
    if (i < token.size() && (token[i] == '+' || token[i] == '-'))
        ++i;
    std::size_t end = SkipDigits(token, i);
    if (end == i)
        return false;
    i = end;
    if (i < token.size() && token[i] == '.') {
        end = SkipDigits(token, i + 1);
        if (end == i + 1)
            return false;
        i = end;
    }
    if (i < token.size() && (token[i] == 'E' || token[i] == 'e')) {
        ++i;
        if (i < token.size() && (token[i] == '+' || token[i] == '-'))
            ++i;
        end = SkipDigits(token, i);
        if (end == i)
            return false;
        i = end;
    }
    return i == token.size();
}

// How far an integer reads: [blanks] [+|-] [$|x|X|0x|0X] digits of its
// base, up to the first character that is no digit of the base or the digit
// that takes it out of the 32-bit range.
struct IntegerScan
{
    std::size_t firstDigit = 0; // after the blanks, the sign and the base's mark
    std::size_t end = 0;
    bool hexadecimal = false;
    std::int64_t value = 0; // of the digits up to end, with the sign
};

IntegerScan ScanInteger(const std::string &token)
{
    IntegerScan scan;
    std::size_t i = SkipBlanks(token, 0);
    const bool negative = i < token.size() && token[i] == '-';
    if (i < token.size() && (token[i] == '+' || token[i] == '-'))
        ++i;
    if (i < token.size() && (token[i] == '$' || token[i] == 'x' || token[i] == 'X')) {
        scan.hexadecimal = true;
        ++i;
    } else if (i + 1 < token.size() && token[i] == '0'
               && (token[i + 1] == 'x' || token[i + 1] == 'X')) {
        scan.hexadecimal = true;
        i += 2;
    }
    const std::int64_t limit = negative ? std::int64_t{2147483648} : std::int64_t{2147483647};
    const int base = scan.hexadecimal ? 16 : 10;
    std::int64_t magnitude = 0;
    scan.firstDigit = i;
    for (; i < token.size() && (scan.hexadecimal ? IsHexDigit(token[i]) : IsDigit(token[i])); ++i) {
        if (magnitude * base + HexValue(token[i]) > limit)
            break;
        magnitude = magnitude * base + HexValue(token[i]);
    }
    scan.end = i;
    scan.value = negative ? -magnitude : magnitude;
    return scan;
}

} // namespace

CharSet MakeCharSet(std::string_view members)
{
    CharSet set;
    for (char c : members)
        set.set(static_cast<unsigned char>(c));
    return set;
}

bool InSet(const CharSet &set, char c)
{
    return set.test(static_cast<unsigned char>(c));
}

std::uint8_t CountWords(std::string text, CharSet set)
{
    const std::size_t length = Length8(text);
    std::size_t i = 0;
    std::uint8_t count = 0;
    while (i < length) {
        while (i < length && InSet(set, text[i]))
            ++i;
        if (i < length)
            ++count;
        while (i < length && !InSet(set, text[i]))
            ++i;
    }
    return count;
}

void StripLeading(std::string &text, CharSet set)
{
    std::size_t i = 0;
    while (i < text.size() && InSet(set, text[i]))
        ++i;
    text.erase(0, i);
}

void StripTrailing(std::string &text, CharSet set)
{
    std::size_t length = text.size();
    while (length > 0 && InSet(set, text[length - 1]))
        --length;
    text.resize(length);
}

void SplitToken(std::string &text, CharSet set, std::string &token)
{
    if (text.empty()) {
        token.clear();
        return;
    }
    const std::size_t length = Length8(text);
    // i is the 1-based position of the first delimiter, or length when no
    // delimiter comes before the last character.
    std::size_t i = 1;
    while (!InSet(set, text[i - 1]) && i < length)
        ++i;
    if (i == length) {
        StripTrailing(text, set);
        token = text;
        text.clear();
    } else {
        token = text.substr(0, i - 1);
        text.erase(0, i);
    }
}

bool NextToken(std::string &line, CharSet set, std::string &token)
{
    if (line.empty()) {
        token.clear();
        return false;
    }
    if (line.back() != ' ')
        line += ' ';
    StripLeading(line, set);
    if (line.empty())
        token.clear();
    else
        SplitToken(line, set, token);
    return true;
}

bool ConvertReal(const std::string &token, long double &value)
{
    if (!IsPlainDecimal(token))
        return false;
    errno = 0;
    char *end = nullptr;
    const long double converted = strtold_l(token.c_str(), &end, CLocale());
    if (end != token.c_str() + token.size())
        return false;
    // A value beyond the range of a double is not a number the program can
    // store; an underflow to 0 or a denormal is accepted.
    if (!std::isfinite(converted) || std::fabs(static_cast<double>(converted)) > DBL_MAX)
        return false;
    value = converted;
    return true;
}

bool ConvertInteger(const std::string &token, std::int32_t &value)
{
    const IntegerScan scan = ScanInteger(token);
    if (scan.end != token.size() || scan.end == scan.firstDigit)
        return false;
    value = static_cast<std::int32_t>(scan.value);
    return true;
}

ReadResult<double> ReadReal(std::string &line, CharSet set, std::string &shownLine)
{
    std::string token;
    NextToken(line, set, token);
    long double value = 0;
    if (token.empty() || !ConvertReal(token, value))
        return {0.0, ReadErrorMessage('R', token, shownLine)};
    return {static_cast<double>(value), std::nullopt};
}

ReadResult<std::int32_t> ReadInteger(std::string &line, CharSet set, std::string &shownLine)
{
    std::string token;
    NextToken(line, set, token);
    std::int32_t value = 0;
    if (token.empty() || !ConvertInteger(token, value))
        return {0, ReadErrorMessage('I', token, shownLine)};
    return {value, std::nullopt};
}

ReadResult<double> ReadReal(std::string &line, CharSet set)
{
    std::string noLine;
    return ReadReal(line, set, noLine);
}

ReadResult<std::int32_t> ReadInteger(std::string &line, CharSet set)
{
    std::string noLine;
    return ReadInteger(line, set, noLine);
}

NumberError ReadErrorMessage(char kind, const std::string &token, std::string &shownLine)
{
    const std::string kindName = kind == 'I' ? MERVAN_TEXT("NumberError", "Integer")
        : kind == 'R'                        ? MERVAN_TEXT("NumberError", "Double")
                                             : "";
    if (Length8(shownLine) == 0)
        return {NumberErrorCode::NoLine, {kindName}};
    const std::size_t found = token.empty() ? std::string::npos : shownLine.find(token);
    const std::size_t position = found == std::string::npos ? 0 : found + 1;
    std::uint8_t column = static_cast<std::uint8_t>((position + 1) % 256);
    if (column == 0)
        column = 2;
    if (column <= 60)
        return {NumberErrorCode::NotANumber, {kindName, shownLine, std::to_string(column)}};
    std::string head = shownLine.substr(0, 60);
    shownLine.erase(0, 60);
    column -= 60;
    return {NumberErrorCode::NotANumber,
            {kindName, shownLine, std::to_string(column), std::move(head)}};
}

std::string NumberErrorText(const NumberError &error, const Translator &translator)
{
    const std::vector<std::string> &a = error.arguments;
    const auto argument = [&a](std::size_t i) { return i < a.size() ? a[i] : std::string(); };
    const auto say
        = [&translator](const char *english) { return translator("NumberError", english); };
    if (error.code == NumberErrorCode::TooLarge)
        return Filled(
            say(MERVAN_TEXT("NumberError",
                            "The number %1 is too large: numbers must lie between -%2 and%3.")),
            {argument(0), FormatNumber(255, 0, DBL_MAX).substr(1), FormatNumber(255, 0, DBL_MAX)});
    std::string text = argument(0).empty()
        ? say(MERVAN_TEXT("NumberError", "Unknown error occurred during read"))
        : Filled(say(MERVAN_TEXT("NumberError", "%1 expected in read")),
                 {say(argument(0).c_str())});
    text += "\n\n" + say(MERVAN_TEXT("NumberError", "Processing Line : ")) + "\n";
    if (error.code == NumberErrorCode::NoLine)
        return text + say(MERVAN_TEXT("NumberError", "No line read in file"));
    if (a.size() > 3)
        text += a[3] + "\n";
    const long column = std::strtol(argument(2).c_str(), nullptr, 10);
    text += argument(1) + "\n"
        + std::string(static_cast<std::size_t>(std::max(column, 1L) - 1), ' ') + "^";
    if (error.code == NumberErrorCode::NotOneNumber)
        text += "\n\n" + say(MERVAN_TEXT("NumberError", "Please enter one number only."));
    return text;
}

std::string NumberError::text(const Translator &translator) const
{
    return NumberErrorText(*this, translator);
}

std::string RepeatChar(char c, std::uint8_t count)
{
    return std::string(count, c);
}

namespace {

// " 1.50000000000000E+0000": sign position, one digit, ".", 14 digits, "E",
// the exponent's sign and four digits.
std::string ScientificForm(double x)
{
    if (!std::isfinite(x)) {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%23s",
                      std::isnan(x) ? "NAN" : (x < 0 ? "-INF" : "+INF"));
        return buffer;
    }
    char buffer[64];
    {
        const CLocaleScope cLocale;
        std::snprintf(buffer, sizeof buffer, "%.14E", std::fabs(x));
    }
    const std::string digits(buffer);
    const std::size_t e = digits.find('E');
    const int exponent = std::atoi(digits.c_str() + e + 1);
    char exponentText[16];
    std::snprintf(exponentText, sizeof exponentText, "%c%04d", exponent < 0 ? '-' : '+',
                  std::abs(exponent));
    return std::string(1, std::signbit(x) && x != 0 ? '-' : ' ') + digits.substr(0, e) + 'E'
        + exponentText;
}

} // namespace

std::string FixedNotation(int width, int decimals, double x)
{
    const CLocaleScope cLocale;
    const int size = std::snprintf(nullptr, 0, "%*.*f", width, decimals, x);
    std::string text(static_cast<std::size_t>(size) + 1, '\0');
    std::snprintf(text.data(), text.size(), "%*.*f", width, decimals, x);
    text.resize(static_cast<std::size_t>(size));
    return text;
}

std::string FormatNumber(std::uint8_t width, std::uint8_t decimals, double x)
{
    std::string s;
    if (width == 255)
        s = ScientificForm(x);
    else
        s = FixedNotation(width, decimals, x);

    // Group the integer digits by threes from the right. first and last are
    // the 0-based indices of the first and last integer digit.
    const std::size_t first = s.find_first_not_of(" -");
    if (first != std::string::npos) {
        const std::size_t point = s.find('.');
        const std::size_t last = (point == std::string::npos ? s.size() : point) - 1;
        if (last != std::string::npos && last >= first) {
            for (std::size_t digits = 3; digits <= last - first; digits += 3)
                s.insert(last + 1 - digits, 1, ',');
        }
    }

    while (!s.empty() && s.front() == ' ' && s.size() > width)
        s.erase(0, 1);
    return s;
}

std::int64_t TokenDecimals(std::string_view token)
{
    // Positions are counted from 1 here, 0 meaning "none".
    const std::size_t point = token.find('.');
    const std::int64_t p
        = point == std::string_view::npos ? 0 : static_cast<std::int64_t>(point) + 1;
    const std::int64_t length = static_cast<std::int64_t>(token.size());
    // "1.5e-5" and "1.5E-5" are the same number and need the same places; a
    // lower-case e that no exponent follows is a letter like any other.
    std::size_t e = token.find('E');
    std::int32_t ignored = 0;
    if (e == std::string_view::npos) {
        e = token.find('e');
        if (e != std::string_view::npos
            && !ConvertInteger(std::string(token.substr(e + 1)), ignored))
            e = std::string_view::npos;
    }
    if (e != std::string_view::npos) {
        // The position of the first "0" from the point on (searching on into
        // the exponent), less the exponent, less 3: the places of a number
        // written like 1.2300E+02 once its trailing zeros are dropped.
        std::int64_t i = p == 0 ? 1 : p;
        while (i < length && token[static_cast<std::size_t>(i - 1)] != '0')
            ++i;
        std::int32_t exponent = 0;
        if (!ConvertInteger(std::string(token.substr(e + 1)), exponent))
            return 0;
        return i - exponent - 3;
    }
    if (p > 0)
        return length - p;
    return 0;
}

void TrackDecimals(std::string line, CharSet set, std::uint8_t &maximum)
{
    if (line.empty())
        return;
    std::string token;
    StripLeading(line, set);
    SplitToken(line, set, token);

    const std::int64_t decimals = TokenDecimals(token);
    if (decimals > maximum)
        maximum = static_cast<std::uint8_t>(decimals % 256);
}

namespace {

// value holds the number that the whole of token writes, in the field's
// syntax: for a real, a comma between two digits is the decimal sign.
template <class T>
bool FieldNumber(std::string token, T &value)
{
    if constexpr (std::is_same_v<T, double>) {
        for (std::size_t k = 1; k + 1 < token.size(); ++k) {
            if (token[k] == ',' && IsDigit(token[k - 1]) && IsDigit(token[k + 1]))
                token[k] = '.';
        }
        long double x = 0.0L;
        if (!ConvertReal(token, x))
            return false;
        value = static_cast<double>(x);
        return true;
    } else {
        return ConvertInteger(token, value);
    }
}

// The length of the longest beginning of token that FieldNumber reads as a
// number of kind ('R' or 'I'), found in one pass: each shorter beginning
// tried in turn would cost time in the square of the length. A real's
// beginning counts by its syntax; one too large for a double counts too.
std::size_t NumberPrefix(const std::string &token, char kind)
{
    std::size_t i = 0;
    if (i < token.size() && (token[i] == '+' || token[i] == '-'))
        ++i;
    if (kind == 'R') {
        const auto digitsFrom = [&](std::size_t k) { return SkipDigits(token, k); };
        std::size_t end = digitsFrom(i);
        if (end == i)
            return 0;
        // Commas between digits are decimal signs here, as FieldNumber reads them.
        if (end + 1 < token.size() && (token[end] == '.' || token[end] == ',')
            && IsDigit(token[end + 1]))
            end = digitsFrom(end + 1);
        if (end < token.size() && (token[end] == 'E' || token[end] == 'e')) {
            std::size_t k = end + 1;
            if (k < token.size() && (token[k] == '+' || token[k] == '-'))
                ++k;
            if (digitsFrom(k) > k)
                end = digitsFrom(k);
        }
        return end;
    }
    // An integer as ConvertInteger reads it; of "0x" with no digit after it,
    // the "0" alone is a number.
    const IntegerScan scan = ScanInteger(token);
    if (scan.end > scan.firstDigit)
        return scan.end;
    return scan.hexadecimal && scan.firstDigit >= i + 2 ? i + 1 : 0;
}

template <class T>
ReadResult<T> ReadField(const std::string &text, char kind)
{
    const std::size_t first = text.find_first_not_of(" \t");
    const std::size_t last = text.find_last_not_of(" \t");
    const std::string token
        = first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
    T value = 0;
    if (!token.empty() && FieldNumber(token, value))
        return {value, std::nullopt};

    // The longest beginning that is a number: the caret goes under what
    // follows it.
    const std::size_t good = NumberPrefix(token, kind);
    if (kind == 'R' && good > 0 && good == token.size())
        return {0, NumberError{NumberErrorCode::TooLarge, {ShownText(token, ShownTokenLength)}}};
    const std::size_t caret = (first == std::string::npos ? text.size() : first) + good + 1;
    const bool more = good > 0 && !IsDigit(token[good]);
    return {0,
            NumberError{more ? NumberErrorCode::NotOneNumber : NumberErrorCode::NotANumber,
                        {kind == 'I' ? MERVAN_TEXT("NumberError", "Integer")
                                     : MERVAN_TEXT("NumberError", "Double"),
                         text, std::to_string(caret)}}};
}

} // namespace

ReadResult<double> ReadRealField(const std::string &text)
{
    return ReadField<double>(text, 'R');
}

ReadResult<std::int32_t> ReadIntegerField(const std::string &text)
{
    return ReadField<std::int32_t>(text, 'I');
}
