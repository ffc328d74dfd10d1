#pragma once
// Reading the typed fields of a calculator dialog: each field holds one
// number, read with ::ReadRealField or ::ReadIntegerField (read errors show
// the field as typed), and every message is appended to the outcome's
// messages, so that a request returns them in the order the user is to see
// them. Messages are in the outcome's language; the message texts passed in
// are English, marked with MERVAN_TEXT in the context "Calculator".

#include "core/calculators/calcinput.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Appends message to outcome, and the error as a value (its text with "\n"
// line breaks).
void Refuse(CalcOutcome &outcome, CalcErrorCode code, std::vector<std::string> arguments,
            const std::string &message);

// The typed text as the number reader takes it, given the user's decimal
// sign ('.' or ','). The other sign followed by groups of exactly three
// digits is a thousands separator ("1,000" is one thousand where the decimal
// sign is a point, "1.000" where it is a comma) and is dropped; once, and
// not grouping ("0,05", "12345,678"), it is a decimal sign either way. An
// entry where it stands before three digits more than once without grouping
// ("1,000,5" where the decimal sign is a point) can mean two numbers:
// nothing. Any other text is returned as typed, for the reader to judge.
std::optional<std::string> FieldNumberText(const std::string &text, char decimalSign);

// True when the text held a number; otherwise the read error message is
// appended. The outcome's decimal sign decides what a comma or point means.
bool ReadRealField(const std::string &text, double &value, CalcOutcome &outcome);
bool ReadIntegerField(const std::string &text, std::int32_t &value, CalcOutcome &outcome);

// A real field that must not be empty (emptyMessage) and must hold a number
// from low to high, compared in extended precision (rangeMessage, after any
// read error).
bool ReadBoundedRealField(const std::string &text, const char *emptyMessage, long double low,
                          long double high, const char *rangeMessage, double &value,
                          CalcOutcome &outcome);

// The probability field of the t, chi-squared and F dialogs: not empty, and a
// number from 0.0001 to 0.999999 (bounds compared in extended precision). On
// refusal the dialog's message follows any read error. alpha holds what was
// read either way.
bool ReadAlphaField(const std::string &text, double &alpha, CalcOutcome &outcome);

// A degrees-of-freedom field: not empty (emptyMessage otherwise), and an
// integer from 1 to 200.
bool ReadDegreesField(const std::string &text, const char *emptyMessage, std::int32_t &v,
                      CalcOutcome &outcome);

// The one degrees-of-freedom field of the t and chi-squared dialogs.
bool ReadDegreesField(const std::string &text, std::int32_t &v, CalcOutcome &outcome);

// The F dialogs' numerator and denominator fields, in order; the first
// refusal ends the check.
bool ReadDegreePair(const std::string &v1Text, const std::string &v2Text, std::int32_t &v1,
                    std::int32_t &v2, CalcOutcome &outcome);

// The two fields of the t and chi-squared dialogs, in order: the probability,
// then the degrees of freedom; the first refusal ends the check.
bool ReadAlphaAndDegrees(const std::string &alphaText, const std::string &vText, double &alpha,
                         std::int32_t &v, CalcOutcome &outcome);
