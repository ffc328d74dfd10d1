#pragma once
// One request of the t, chi-squared, F and normal calculators, without
// windows. The typed fields are read once into a CalcRequest (or refused,
// with the field and the reason), and an accepted request is computed into a
// CalcResult: the value, whether it could be computed, and the report. The
// dialogs and the console companion share these steps. The refusals and the
// report are in the language of the translator passed (English by default).

#include "core/numeric/translation.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

enum class CalcKind { T, ChiSquared, F, Normal };

// From alpha (or the normal's percentage) to the critical value, or from a
// typed statistic to the probability beyond it.
enum class CalcDirection { CriticalValue, Probability };

// The area that alpha or the probability measures. Standard is each
// calculator's own, with its own report: the upper tail of t, chi-squared
// and F, the central area between -z and z of the normal. Two tails hold
// alpha/2 each (outside -a..a for t and the normal); Between, from two values
// to the probability between them, has no critical-value direction.
enum class CalcArea { Standard, Lower, Upper, TwoSided, Between };

struct CalcRequest
{
    CalcKind kind = CalcKind::T;
    CalcDirection direction = CalcDirection::CriticalValue;
    CalcArea area = CalcArea::Standard;
    // alpha, the normal's percentage, or the statistic, as taken from the
    // field, and the decimals the report shows of a statistic (those typed,
    // three at least and eight at most).
    double first = 0.0;
    std::uint8_t firstDecimals = 3;
    // Between: the upper value, shown with its own typed decimals.
    double second = 0.0;
    std::uint8_t secondDecimals = 3;
    std::int32_t v1 = 0; // degrees of freedom (numerator of F); 0 for the normal
    std::int32_t v2 = 0; // denominator degrees of freedom of F
    // The normal distribution's own mean and standard deviation (areas other
    // than Standard only); absent: the standard normal, in z.
    std::optional<long double> mean;
    std::optional<long double> sd;
    int digits = 0; // 0: the reports' standard form; 4..10: significant digits
};

enum class CalcStatus {
    Computed,   // value and report hold the answer
    Refused,    // a field was refused: fieldInError and errors say which and why
    NotComputed // accepted, but the numerical routine found no value; the report says so
};

enum class CalcErrorCode {
    Empty,      // the field is empty; arguments: the field's name
    NotANumber, // arguments: the field as typed
    TooLarge,   // beyond the range of a double; arguments: the field as typed
    NotWhole,   // a whole number was asked for; arguments: the field as typed
    Ambiguous,  // can be read as two numbers; arguments: the field, the decimal sign
    OutOfRange, // arguments: the field's name, the lowest and the highest value
    FieldCount, // arguments: the number of fields needed
    Numerical   // a numerical routine's failure; arguments: its English text
};

// An error as a value: the code and its arguments, and the text made from
// them in the user's language (plain text, lines separated by "\n").
struct CalcError
{
    CalcErrorCode code = CalcErrorCode::NotANumber;
    std::vector<std::string> arguments;
    std::string text;
};

struct CalcResult
{
    CalcStatus status = CalcStatus::Refused;
    // Refused: the index of the field in error in the typed fields' order.
    int fieldInError = -1;
    // To be shown in order: a refusal's reasons, or what a computation had to
    // tell the user.
    std::vector<CalcError> errors;
    CalcRequest request;
    // Computed: the critical value (z for the normal), or the upper-tail
    // probability (the central percentage for the normal). The report's
    // lines are joined by CR LF with no final line break.
    long double value = 0.0L;
    // The values the picture marks, in the distribution's own scale (z for
    // the normal), in order: the critical value(s) or the typed value(s).
    std::vector<long double> marks;
    // The probability of the asked area (alpha for a critical value, 0..1).
    long double probability = 0.0L;
    std::string report;
    // The values of the density that a probability request computed; never
    // more than MaxTailEvaluations (tailsum.h).
    long evaluations = 0;

    bool accepted() const { return status != CalcStatus::Refused; }
    std::vector<std::string> messages() const;
};

// Reads the typed fields in the dialog's order: alpha (or P, or the
// statistic; Between: the lower and the upper value), then the degrees of
// freedom (two for F, none for the normal), then for the normal in an area
// other than Standard its mean and standard deviation when given (two fields
// more, or none). decimalSign is the user's: '.' or ','. digits is 0 or
// 4..10, refused as the field after the last. An accepted request has status
// Computed and no value yet.
CalcResult ReadCalcRequest(CalcKind kind, CalcDirection direction,
                           const std::vector<std::string> &fields, char decimalSign = '.');
CalcResult ReadCalcRequest(CalcKind kind, CalcDirection direction, CalcArea area,
                           const std::vector<std::string> &fields, char decimalSign = '.',
                           int digits = 0, const Translator &translator = {});

// Computes an accepted request.
CalcResult ComputeCalc(const CalcRequest &request, const Translator &translator = {});

// ReadCalcRequest, then ComputeCalc when the fields were accepted.
CalcResult RunCalcRequest(CalcKind kind, CalcDirection direction,
                          const std::vector<std::string> &fields, char decimalSign = '.');
CalcResult RunCalcRequest(CalcKind kind, CalcDirection direction, CalcArea area,
                          const std::vector<std::string> &fields, char decimalSign = '.',
                          int digits = 0, const Translator &translator = {});

// The request of an area other than Standard, computed into result (the
// report, value, marks and probability); calcrequest.cpp hands it over.
void ComputeCalcArea(const CalcRequest &request, CalcResult &result,
                     const Translator &translator = {});

// A numerical routine's message (marked in the context "Calculator") in the
// translator's language.
std::string NumericalMessage(const std::string &message, const Translator &translator);

// What the field readers of calcread.h gather while reading one request's
// fields (the binomial and Poisson requests read theirs with it too).
struct CalcOutcome
{
    std::vector<std::string> messages; // in order, lines separated by "\n"
    std::vector<CalcError> errors;     // the same as values, for the four calculators
    // The fields accepted, in the dialog's order; a refused request stops at
    // the first bad field, so this is also the index of the field in error.
    int fieldsAccepted = 0;
    char decimalSign = '.';
    // The language of the messages.
    Translator translator;
};
