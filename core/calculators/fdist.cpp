// F critical values by Romberg integration of the density and the marching
// bisection shared with the chi-squared calculator. Like the chi-squared
// value, the result is the lower end of the final bracket, the point whose
// distribution function is known to match p; the upper end may still lie a
// whole bracket width away when the search stops.
//
// Floating-point errors are detected, never trapped: the integral and the
// search clear the status flags, do their work and test the flags and the
// finiteness of their result afterwards; the density tests its values.

#include "core/calculators/fdist.h"

#include "core/calculators/calcinput.h"
#include "core/calculators/calcread.h"
#include "core/calculators/resulttext.h"
#include "core/numeric/messages.h"
#include "core/numeric/mutil.h"
#include "core/numeric/strings.h"

#include <cfenv>
#include <cmath>

namespace {

// The density's parameters, set by SetFDegrees.
long double Numerator = 1.0L;
long double Denominator = 1.0L;
long double DensityConstant = 0.0L;
long double NumeratorExponent = 0.0L;   // (n1 - 2)/2
long double DenominatorExponent = 0.0L; // (n1 + n2)/2

// Failures since SetFDegrees. A density that fails once usually fails at
// every point of the integral, so it is reported once and the search ends
// after that integral.
bool DensityFailed = false;
bool IntegralFailed = false;

void CheckFloatingPoint(const char *where)
{
    if (std::fetestexcept(FloatingPointErrors))
        throw FloatingPointError(where);
}

long double FIntegral(long double a, long double b)
{
    return GuardedRomberg(FDensity, a, b);
}

} // namespace

void SetFDegrees(std::int32_t n1, std::int32_t n2)
{
    DensityFailed = false;
    IntegralFailed = false;
    Numerator = n1;
    Denominator = n2;
    NumeratorExponent = (n1 - 2) / 2.0L;
    DenominatorExponent = (n1 + n2) / 2.0L;

    const long double gammaBoth = Gamma((n1 + n2) / 2.0L);
    const long double gamma1 = Gamma(n1 / 2.0L);
    const long double gamma2 = Gamma(n2 / 2.0L);
    const long double scale = Power(Numerator / Denominator, n1 / 2.0L);
    std::feclearexcept(FloatingPointErrors);
    DensityConstant = Settle(scale * gammaBoth / (gamma1 * gamma2));
    CheckFloatingPoint("F density constant");
}

long double FDensity(long double x)
{
    // Every error of the density's own arithmetic (an overflow, a division by
    // zero, an invalid operation) leaves a value that is not finite, which is
    // cheaper to test than the status flags at each of the thousands of points
    // of a search; Power deals with its own errors.
    const long double power1 = Power(x, NumeratorExponent);
    const long double base = 1.0L + Numerator * x / Denominator;
    if (std::isfinite(base)) {
        const long double value = DensityConstant * power1 / Power(base, DenominatorExponent);
        if (std::isfinite(value))
            return value;
    }
    std::feclearexcept(FloatingPointErrors);
    if (!DensityFailed)
        ShowMessage("Sorry, error in computations.");
    DensityFailed = true;
    return 0.0L;
}

long double GuardedRomberg(const Integrand &f, long double a, long double b)
{
    // An integrand value that is not a finite number ends the integral at
    // once: no row test can pass after it, and the rows would go on doubling
    // to the last one.
    const Integrand checked = [&f](long double x) {
        const long double value = f(x);
        if (!std::isfinite(value))
            throw FloatingPointError("F integrand");
        return value;
    };
    try {
        std::feclearexcept(FloatingPointErrors);
        const long double value = Settle(Romberg(checked, a, b, QuantileEps, FRows));
        CheckFloatingPoint("F integral");
        if (!std::isfinite(value))
            throw FloatingPointError("F integral");
        return value;
    } catch (...) {
        std::feclearexcept(FloatingPointErrors);
        ShowMessage("Sorry, unable to compute value.");
        IntegralFailed = true;
        return 0.0L;
    }
}

QuantileSearch FQuantile(std::int32_t n1, std::int32_t n2, double p)
{
    try {
        SetFDegrees(n1, n2);
        const QuantileSearch search = MarchingSearch(
            FDensity, FIntegral, p, [] { return DensityFailed || IntegralFailed; });
        // A failed density or integral has shown its message already.
        if (!search.found && !DensityFailed && !IntegralFailed)
            ShowMessage("Sorry, unable to compute value.");
        return search;
    } catch (...) {
        std::feclearexcept(FloatingPointErrors);
        ShowMessage("Sorry, unable to compute value.");
        return QuantileSearch{};
    }
}

QuantileSearch FCriticalValue(double alpha, std::int32_t v1, std::int32_t v2)
{
    if (alpha <= 0.5)
        return FQuantile(v1, v2, 1.0 - alpha);

    // 1/F has the F(v2, v1) distribution, so the upper alpha point of
    // F(v1, v2) is the reciprocal of the alpha-quantile of F(v2, v1).
    QuantileSearch search = FQuantile(v2, v1, alpha);
    if (search.found)
        search.value = 1.0L / search.value;
    return search;
}

std::string FReportText(double alpha, std::int32_t v1, std::int32_t v2, const QuantileSearch &f)
{
    std::string text = "          F distribution:\r\n          Alpha = ";
    text += FormatNumber(0, 3, alpha);
    text += " with v1 = ";
    text += FormatNumber(0, 0, v1);
    text += " and v2 = ";
    text += FormatNumber(0, 0, v2);
    text += "\r\n";
    text += "\r\n";
    text += CriticalValueLine(f, f.value < 0.001L ? 5 : 2);
    return text;
}

CalcOutcome RunFRequest(const std::string &alphaText, const std::string &v1Text,
                        const std::string &v2Text)
{
    CalcOutcome outcome;
    double alpha = 0.0;
    std::int32_t v1 = 0;
    std::int32_t v2 = 0;
    if (!ReadAlphaField(alphaText, alpha, outcome.messages)
        || !ReadDegreesField(v1Text, "Please enter the numerator degrees of freedom.", v1,
                             outcome.messages)
        || !ReadDegreesField(v2Text, "Please enter the denominator degrees of freedom.", v2,
                             outcome.messages))
        return outcome;

    const QuantileSearch f
        = CollectMessages(outcome.messages, [&] { return FCriticalValue(alpha, v1, v2); });
    ResultText = FReportText(alpha, v1, v2, f);
    outcome.accepted = true;
    return outcome;
}
