#include "core/calculators/resulttext.h"

#include "core/numeric/strings.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>

std::string AlphaDegreesHeading(const char *title, double alpha, std::int32_t v,
                                const Translator &translator)
{
    const auto say = [&translator](const char *text, const std::string &argument) {
        return Filled(translator("Calculator", text), {argument});
    };
    return "          " + translator("Calculator", title) + "\r\n          "
        + say(MERVAN_TEXT("Calculator", "For alpha = %1"), AlphaText(alpha)) + "\r\n          "
        + say(MERVAN_TEXT("Calculator", "and %1 degrees of freedom"), FormatNumber(0, 0, v))
        + "\r\n\r\n";
}

std::string AlphaText(double alpha)
{
    // A number typed with d decimals is the double nearest n / 10^d, and so
    // is the quotient computed here: the first d that gives alpha back is
    // the number of decimals typed (or fewer, without trailing zeros).
    int decimals = 3;
    for (double scale = 1000.0; decimals < 6; ++decimals, scale *= 10.0) {
        if (std::round(alpha * scale) / scale == alpha)
            break;
    }
    return FormatNumber(0, static_cast<std::uint8_t>(decimals), alpha);
}

std::string SignificantText(long double x, int digits)
{
    const long double size = std::fabs(x);
    const std::string sign = x < 0.0L ? "-" : "";
    if (size == 0.0L)
        return FixedNotation(0, digits - 1, 0.0);
    int exponent = static_cast<int>(std::floor(std::log10(size)));
    if (size >= 0.0001L) {
        // Rounded up to the next power of ten, the number has one digit more.
        int decimals = std::max(digits - 1 - exponent, 0);
        long double scaled = std::round(size * std::pow(10.0L, decimals));
        if (decimals > 0 && scaled >= std::pow(10.0L, digits))
            scaled = std::round(size * std::pow(10.0L, --decimals));
        std::string text = std::to_string(static_cast<std::int64_t>(scaled));
        if (decimals > 0) {
            if (static_cast<int>(text.size()) <= decimals)
                text.insert(0, static_cast<std::size_t>(decimals + 1) - text.size(), '0');
            text.insert(text.size() - static_cast<std::size_t>(decimals), 1, '.');
        }
        return sign + text;
    }
    long double mantissa = size / std::pow(10.0L, exponent);
    if (std::round(mantissa * std::pow(10.0L, digits - 1)) >= std::pow(10.0L, digits)) {
        mantissa /= 10.0L;
        ++exponent;
    }
    const std::string power = std::to_string(-exponent);
    return sign + FixedNotation(0, digits - 1, static_cast<double>(mantissa)) + "e-"
        + (power.size() < 2 ? "0" : "") + power;
}

std::string ShortestText(double x)
{
    if (x == std::floor(x) && std::fabs(x) < 1e15)
        return std::to_string(static_cast<std::int64_t>(x));
    // Plain decimals where they are short enough to read ("0.00001", not
    // "1e-05"); the shortest exact form otherwise.
    char text[64];
    const auto fixed = std::to_chars(text, text + sizeof text, x, std::chars_format::fixed);
    if (fixed.ec == std::errc() && fixed.ptr - text <= 12)
        return std::string(text, fixed.ptr);
    const auto written = std::to_chars(text, text + sizeof text, x);
    return std::string(text, written.ptr);
}
