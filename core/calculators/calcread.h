#pragma once
// Reading the typed fields of a calculator dialog: the field's text is read
// with ReadReal or ReadInteger as one line, and the read-error message that
// they show is collected instead, so that a request can return its messages in
// the order the user is to see them.

#include "core/numeric/messages.h"

#include <cstdint>
#include <string>
#include <vector>

// True when the text held a number (ReadErrorFlag clear afterwards). A read
// error message is appended to messages.
bool ReadRealField(const std::string &text, double &value, std::vector<std::string> &messages);
bool ReadIntegerField(const std::string &text, std::int32_t &value,
                      std::vector<std::string> &messages);

// A real field that must not be empty (emptyMessage) and must hold a number
// from low to high, compared in extended precision (rangeMessage, after any
// read error).
bool ReadBoundedRealField(const std::string &text, const char *emptyMessage, long double low,
                          long double high, const char *rangeMessage, double &value,
                          std::vector<std::string> &messages);

// The probability field of the t, chi-squared and F dialogs: not empty, and a
// number from 0.0001 to 0.999999 (bounds compared in extended precision). On
// refusal the dialog's message follows any read error in messages. alpha
// holds what was read either way.
bool ReadAlphaField(const std::string &text, double &alpha, std::vector<std::string> &messages);

// A degrees-of-freedom field: not empty (emptyMessage otherwise), and an
// integer from 1 to 200.
bool ReadDegreesField(const std::string &text, const char *emptyMessage, std::int32_t &v,
                      std::vector<std::string> &messages);

// The two fields of the t and chi-squared dialogs, in order: the probability,
// then the degrees of freedom; the first refusal ends the check.
bool ReadAlphaAndDegrees(const std::string &alphaText, const std::string &vText, double &alpha,
                         std::int32_t &v, std::vector<std::string> &messages);

// Runs compute and appends the messages it showed to messages, in order.
template <class Compute>
auto CollectMessages(std::vector<std::string> &messages, Compute compute)
{
    MessageRecorder recorder;
    auto result = compute();
    std::vector<std::string> shown = recorder.take();
    messages.insert(messages.end(), shown.begin(), shown.end());
    return result;
}
