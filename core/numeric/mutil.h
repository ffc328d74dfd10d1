#pragma once
// MUtil: the power and gamma functions behind the densities of the t,
// chi-squared and F calculators, and exact powers of ten. All work in
// extended precision (80-bit long double) and keep no state.

#include "core/numeric/translation.h"

#include <cfenv>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

// The status flags that count as a floating-point error.
inline constexpr int FloatingPointErrors = FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW;

// Passes the result of a floating-point operation through a volatile so that
// the compiler cannot move the operation past a test of the status flags.
inline long double Settle(long double value)
{
    volatile long double settled = value;
    return settled;
}

// A floating-point error (division by zero, invalid operation, overflow) that
// a routine passes on to the guard around it.
class FloatingPointError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// 2 pi in extended precision, for the normal density.
inline constexpr long double TwoPi = 6.283185307179586477L;

// The message that a caller shows for each failure of Power.
inline constexpr const char *PowerFailureMessage
    = MERVAN_TEXT("Calculator", "Exception raised in Power function. Solution is incorrect.");

// base raised to exponent, computed as exp(exponent * ln(base)); nothing on a
// floating-point error on the way (base 0, a negative base, overflow). A
// result too small for the extended range becomes 0 silently.
std::optional<long double> Power(long double base, long double exponent);

// Power, or 0 after appending PowerFailureMessage to messages: what the
// densities use.
long double PowerOrZero(long double base, long double exponent, std::vector<std::string> &messages);

// The gamma function, with a relative error below 1e-16 for arguments up to
// 200 (finer than a double, though some hundreds of units in the last place
// of the extended type near 200).
// Nothing for 0 (division by zero), for an argument that is not a number and
// for a result that overflows. Negative arguments use the downward recurrence
// Gamma(x) = Gamma(x + n) / (x (x + 1) ... (x + n - 1)); at a negative integer
// the one division by zero is skipped, so the value is finite but not the
// gamma function (which has a pole there).
std::optional<long double> Gamma(long double x);

// The powers of ten that the extended type holds exactly (5^27 < 2^64).
inline constexpr int ExactPowersOfTen = 27;

// 10^e for 0 <= e <= ExactPowersOfTen, exact.
long double PowerOfTen(int e);
