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
    // Accepted: the critical value (z for the normal), 0 when none was found;
    // for a probability request the upper-tail probability (the central
    // percentage for the normal); and the report, lines joined by CR LF with no final line break.
    long double value = 0.0L;
    std::string report;
    // The fields accepted, in the dialog's order; a refused request stops at
    // the first bad field, so this is also the index of the field in error.
    int fieldsAccepted = 0;
    // The values of the density that a probability request computed; never
    // more than MaxTailEvaluations (tailsum.h).
    long evaluations = 0;
};

CalcOutcome RunTRequest(const std::string &alphaText, const std::string &vText);
CalcOutcome RunChiRequest(const std::string &alphaText, const std::string &vText);
CalcOutcome RunFRequest(const std::string &alphaText, const std::string &v1Text,
                        const std::string &v2Text);
CalcOutcome RunNormalRequest(const std::string &pText);

// The other direction: the first field holds a statistic instead of alpha
// (z instead of P), and the request finds the probability beyond it.
CalcOutcome RunTProbabilityRequest(const std::string &tText, const std::string &vText);
CalcOutcome RunChiProbabilityRequest(const std::string &chiText, const std::string &vText);
CalcOutcome RunFProbabilityRequest(const std::string &fText, const std::string &v1Text,
                                   const std::string &v2Text);
CalcOutcome RunNormalProbabilityRequest(const std::string &zText);
