#pragma once
#include "core/numeric/translation.h"

#include <string>
#include <vector>

// Runs "t", "chi", "f" or "normal" with its arguments as typed on the command
// line, or "p" followed by one of them for the probability of a statistic:
// the same validation and messages as the dialogs (to standard error), the
// report and a line break to standard output, in the translator's language. Returns the exit
// status: 0 done, 2 input refused; -1 for an unknown command (or "p" without a known calculator).
int RunCalculatorCommand(const std::string &command, const std::vector<std::string> &args,
                         const Translator &translator = {});
