#pragma once
#include "core/numeric/translation.h"

#include <string>
#include <vector>

// The console's binomial and Poisson commands, the arguments as typed after
// the command ("p" or "q"):
//   p binom [--exact|--lower|--upper] K N P     p binom --between A B N P
//   p poisson [--exact|--lower|--upper] K LAMBDA p poisson --between A B LAMBDA
//   q binom PROB N P                            q poisson PROB LAMBDA
// --exact: P(X = K), --lower (the default): P(X <= K), --upper: P(X >= K),
// --between: P(A <= X <= B); q: the smallest k with P(X <= k) >= PROB.
// Writes the report and a line break to standard output, a refusal's messages
// to standard error, in the translator's language. Returns 0 done, 2 input refused, 1 failure, and
// -1 when the arguments name no binomial or Poisson command.
int RunDiscreteCommand(const std::string &command, const std::vector<std::string> &args,
                       const Translator &translator = {});
