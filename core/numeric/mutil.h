#pragma once
// MUtil: the power and gamma functions behind the densities of the t,
// chi-squared and F calculators, and exact powers of ten. All work in
// extended precision (80-bit long double) and keep no state.

#include <cfenv>
#include <stdexcept>

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
// a routine does not handle itself and passes on to its caller.
class FloatingPointError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// 2 pi in extended precision, for the normal density.
inline constexpr long double TwoPi = 6.283185307179586477L;

// base raised to exponent, computed as exp(exponent * ln(base)). A
// floating-point error on the way (base 0, a negative base, overflow) shows
// "Exception raised in Power function. Solution is incorrect." and gives 0.
// A result too small for the extended range becomes 0 silently.
long double Power(long double base, long double exponent);

// The gamma function, with a relative error below 1e-16 for arguments up to
// 200 (finer than a double, though some hundreds of units in the last place
// of the extended type near 200).
// Gamma(0) throws FloatingPointError (division by zero), as does an argument
// that is not a number or a result that overflows. Negative arguments use the
// downward recurrence Gamma(x) = Gamma(x + n) / (x (x + 1) ... (x + n - 1));
// at a negative integer the one division by zero is skipped, so the value is
// finite but not the gamma function (which has a pole there).
long double Gamma(long double x);

// The powers of ten that the extended type holds exactly (5^27 < 2^64).
inline constexpr int ExactPowersOfTen = 27;

// 10^e for 0 <= e <= ExactPowersOfTen, exact.
long double PowerOfTen(int e);
