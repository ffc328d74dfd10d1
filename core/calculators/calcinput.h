#pragma once
// One calculator request without windows: validate what the user typed, in
// the dialog's order, and compute. The dialogs and the console companion share
// these steps.
//
// Messages are returned in the order they are to be shown (a read error from
// ReadReal or ReadInteger first, then the dialog's own message; or a numerical
// routine's failure message) instead of being shown here.
//
// A typed number that cannot be read is reported with the field as typed.

#include <string>
#include <vector>

struct CalcOutcome
{
    bool accepted = false;             // false: show the messages, then the dialog again
    std::vector<std::string> messages; // in order, 8-bit text with CR line breaks
    // Accepted: the critical value (z for the normal), 0 when none was found,
    // and the report, lines joined by CR LF with no final line break.
    long double value = 0.0L;
    std::string report;
    // The fields accepted, in the dialog's order; a refused request stops at
    // the first bad field, so this is also the index of the field in error.
    int fieldsAccepted = 0;
};

CalcOutcome RunTRequest(const std::string &alphaText, const std::string &vText);
CalcOutcome RunChiRequest(const std::string &alphaText, const std::string &vText);
CalcOutcome RunFRequest(const std::string &alphaText, const std::string &v1Text,
                        const std::string &v2Text);
CalcOutcome RunNormalRequest(const std::string &pText);
