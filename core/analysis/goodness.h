#pragma once
// How well the normal curve of the sample's mean and standard deviation fits
// the classes of the histogram (see GoodnessOfFit), and the report's lines
// about it.

#include "core/analysis/analysisvalues.h"
#include "core/numeric/translation.h"

#include <string>

GoodnessOfFit TestGoodnessOfFit(const Description &description, const Classes &classes);

// The report's lines about fit, the test of classes whose bounds are shown
// with decimals, each ending in LF and none longer than ReportWidth,
// starting with an empty line; empty when there are no classes.
// Its texts in English unless translator translates.
std::string GoodnessOfFitText(const GoodnessOfFit &fit, const Classes &classes, int decimals,
                              const Translator &translator = {});
