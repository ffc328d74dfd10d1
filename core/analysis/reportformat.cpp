#include "core/analysis/reportformat.h"

#include "core/numeric/mutil.h"
#include "core/numeric/strings.h"

#include <cmath>
#include <cstdint>

namespace {

void Blanks(std::string &out, int count)
{
    if (count > 0)
        out.append(static_cast<std::size_t>(count), ' ');
}

} // namespace

void AppendFixed(std::string &out, double x, int width, int decimals)
{
    // Adding 0 turns a negative zero into zero, which is printed without a
    // sign.
    x += 0.0;
    // A report of a large file has hundreds of thousands of numbers, so the
    // usual case is done here: x scaled by 10^decimals in extended precision
    // is within 2^-11 of the exact product while it stays below 2^52, so its
    // rounding to an integer is the library's unless the fraction lies that
    // close to one half. Those and all other numbers go to the library.
    constexpr int FastDecimals = 18;
    constexpr long double FastLimit = 4503599627370496.0L; // 2^52
    if (decimals >= 0 && decimals <= FastDecimals && std::isfinite(x)) {
        const long double scaled = std::fabs(static_cast<long double>(x)) * PowerOfTen(decimals);
        const long double fraction = scaled - std::floor(scaled);
        if (scaled < FastLimit && std::fabs(fraction - 0.5L) > 1.0L / 1024) {
            std::uint64_t units = static_cast<std::uint64_t>(std::nearbyint(scaled));
            char digits[64];
            char *end = digits + sizeof digits;
            char *p = end;
            for (int i = 0; i < decimals; ++i) {
                *--p = static_cast<char>('0' + units % 10);
                units /= 10;
            }
            if (decimals > 0)
                *--p = '.';
            do {
                *--p = static_cast<char>('0' + units % 10);
                units /= 10;
            } while (units != 0);
            if (x < 0)
                *--p = '-';
            Blanks(out, width - static_cast<int>(end - p));
            out.append(p, static_cast<std::size_t>(end - p));
            return;
        }
    }
    // The slow, always exact way: the C library rounds the exact binary value.
    out += FixedNotation(width, decimals, x);
}

std::string ReportNumber(double x, int width, int decimals)
{
    std::string text;
    AppendFixed(text, x, width, decimals);
    return text;
}

std::string StatisticText(long double value, long double log10Value)
{
    if (value < 1e9L)
        return ReportNumber(static_cast<double>(value), 0, 3);
    // m.mmm: the value over its power of ten, or for a value beyond long
    // double the logarithm's fraction; a mantissa that rounds up to 10 moves
    // to the next power.
    long double exponent = std::floor(std::isfinite(value) ? std::log10(value) : log10Value);
    long double mantissa = std::isfinite(value) ? value / std::pow(10.0L, exponent)
                                                : std::pow(10.0L, log10Value - exponent);
    mantissa = std::round(mantissa * 1000.0L);
    if (mantissa >= 10000.0L) {
        mantissa /= 10.0L;
        exponent += 1.0L;
    }
    const std::string digits = std::to_string(static_cast<long long>(mantissa));
    std::string power = std::to_string(static_cast<long long>(exponent));
    if (power.size() < 2)
        power.insert(0, "0");
    return digits.substr(0, 1) + "." + digits.substr(1) + "e+" + power;
}

std::string WrappedLines(std::size_t indent, const std::string &text)
{
    const std::size_t room = ReportWidth > indent ? ReportWidth - indent : 1;
    std::string out;
    std::string line;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t start = text.find_first_not_of(' ', at);
        if (start == std::string::npos)
            break;
        std::size_t end = text.find(' ', start);
        if (end == std::string::npos)
            end = text.size();
        const std::string word = text.substr(start, end - start);
        if (!line.empty() && line.size() + 1 + word.size() > room) {
            out += std::string(indent, ' ') + line + "\n";
            line.clear();
        }
        line += (line.empty() ? "" : " ") + word;
        at = end;
    }
    if (!line.empty() || out.empty())
        out += std::string(indent, ' ') + line + "\n";
    return out;
}
