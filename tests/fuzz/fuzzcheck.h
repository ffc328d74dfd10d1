#pragma once
// What the fuzz targets share: a check that stops the run with the failed
// condition (libFuzzer then saves the input), and the oracle the readers are
// held to, the C library's own conversion.

#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

[[noreturn]] inline void FuzzFailure(const char *condition, const char *file, int line)
{
    std::fprintf(stderr, "%s:%d: check failed: %s\n", file, line, condition);
    std::abort();
}

#define FUZZ_CHECK(condition) \
    ((condition) ? static_cast<void>(0) : FuzzFailure(#condition, __FILE__, __LINE__))

// What strtold makes of the whole of text, when text is a number in the
// syntax the program reads (sign, digits, a point only between two digits,
// an exponent) whose value a double can hold. The program runs in the C
// locale, so strtold's decimal point is ".".
inline bool OracleReal(const std::string &text, double &value)
{
    if (text.empty() || text.find_first_not_of("0123456789+-.eE") != std::string::npos)
        return false;
    for (std::size_t k = text.find('.'); k != std::string::npos; k = text.find('.', k + 1)) {
        const auto digit = [&](std::size_t i) { return text[i] >= '0' && text[i] <= '9'; };
        if (k == 0 || k + 1 == text.size() || !digit(k - 1) || !digit(k + 1))
            return false;
    }
    char *end = nullptr;
    const long double x = std::strtold(text.c_str(), &end);
    if (end != text.c_str() + text.size() || !std::isfinite(static_cast<double>(x)))
        return false;
    value = static_cast<double>(x);
    return true;
}

inline bool SameDouble(double a, double b)
{
    return a == b && std::signbit(a) == std::signbit(b);
}
