// The number readers against strtold. Each input is read three ways: as one
// real entry field, as one integer entry field, and as a line of a data file
// whose tokens ReadReal takes one by one and TokenValue converts. Whatever a
// reader accepts must be the value strtold gives for the same text, and what
// it refuses must be outside the number syntax.

#include "fuzzcheck.h"

#include "core/analysis/datafile.h"
#include "core/analysis/statistics.h"
#include "core/numeric/strings.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::string Trimmed(const std::string &text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return std::string();
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The message of a refused field shows the field as typed, and under it a
// caret no further right than just past its end.
void CheckFieldMessage(const std::string &text, const std::string &message)
{
    const std::string shown = "Processing Line : \n" + text + "\n";
    const std::size_t at = message.find(shown);
    FUZZ_CHECK(at != std::string::npos);
    const std::size_t caret = message.find('^', at + shown.size());
    FUZZ_CHECK(caret != std::string::npos);
    const std::size_t column = caret - (at + shown.size());
    FUZZ_CHECK(column <= text.size());
    FUZZ_CHECK(message.find_first_not_of(' ', at + shown.size()) == caret);
}

void CheckRealField(const std::string &text)
{
    // A comma between two digits is the field's decimal sign.
    std::string token = Trimmed(text);
    const std::string typed = token;
    for (std::size_t k = 1; k + 1 < token.size(); ++k) {
        if (typed[k] == ',' && IsDigit(typed[k - 1]) && IsDigit(typed[k + 1]))
            token[k] = '.';
    }
    double expected = 0.0;
    const bool number = OracleReal(token, expected);
    const ReadResult<double> read = ReadRealField(text);
    FUZZ_CHECK(read.ok() == number);
    if (number)
        FUZZ_CHECK(SameDouble(read.value, expected));
    else if (read.error->code == NumberErrorCode::TooLarge) // not misspelt
        FUZZ_CHECK(std::fabs(std::strtold(token.c_str(), nullptr)) > DBL_MAX);
    else
        CheckFieldMessage(text, read.error->text());
}

// Decimal digits, or hexadecimal after "$", "x", "X", "0x" or "0X", with a
// sign, within the 32-bit range.
bool OracleInteger(const std::string &token, std::int32_t &value)
{
    std::size_t i = 0;
    bool negative = false;
    if (i < token.size() && (token[i] == '+' || token[i] == '-'))
        negative = token[i++] == '-';
    int base = 10;
    if (token.compare(i, 2, "0x") == 0 || token.compare(i, 2, "0X") == 0) {
        if (i + 2 < token.size()) {
            base = 16;
            i += 2;
        }
    } else if (i < token.size() && (token[i] == '$' || token[i] == 'x' || token[i] == 'X')) {
        base = 16;
        ++i;
    }
    const std::string digits = token.substr(i);
    const char *allowed = base == 16 ? "0123456789abcdefABCDEF" : "0123456789";
    if (digits.empty() || digits.find_first_not_of(allowed) != std::string::npos)
        return false;
    errno = 0;
    const unsigned long long magnitude = std::strtoull(digits.c_str(), nullptr, base);
    if (errno == ERANGE || magnitude > (negative ? 2147483648ULL : 2147483647ULL))
        return false;
    value = static_cast<std::int32_t>(negative ? -static_cast<long long>(magnitude)
                                               : static_cast<long long>(magnitude));
    return true;
}

void CheckIntegerField(const std::string &text)
{
    std::int32_t expected = 0;
    const bool number = OracleInteger(Trimmed(text), expected);
    const ReadResult<std::int32_t> read = ReadIntegerField(text);
    FUZZ_CHECK(read.ok() == number);
    if (number)
        FUZZ_CHECK(read.value == expected);
    else
        CheckFieldMessage(text, read.error->text());
}

// A data line: tokens are the runs between TAB, blank and comma.
void CheckDataLine(std::string line)
{
    std::vector<std::string> tokens;
    std::string current;
    for (char c : line + ' ') {
        if (c == ' ' || c == '\t' || c == ',') {
            if (!current.empty())
                tokens.push_back(current);
            current.clear();
        } else {
            current += c;
        }
    }
    const std::string original = line;
    for (const std::string &token : tokens) {
        double expected = 0.0;
        const bool number = OracleReal(token, expected);

        std::string shown = original;
        const ReadResult<double> read = ReadReal(line, Delimiters, shown);
        FUZZ_CHECK(read.ok() == number);
        if (number)
            FUZZ_CHECK(SameDouble(read.value, expected));
        else
            FUZZ_CHECK(read.value == 0.0 && read.error->text().find('^') != std::string::npos);

        double converted = 0.0;
        FUZZ_CHECK(TokenValue(token, converted) == number);
        if (number)
            FUZZ_CHECK(SameDouble(converted, expected));
    }
    FUZZ_CHECK(line.find_first_not_of(" \t,") == std::string::npos);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // Entry fields are short; the reader of a data line keeps its lengths in
    // 8 bits and is held to lines shorter than 255 characters.
    const std::string text(reinterpret_cast<const char *>(data), size);
    const std::string field = text.substr(0, 64);
    CheckRealField(field);
    CheckIntegerField(field);
    CheckDataLine(text.substr(0, 250));
    return 0;
}
