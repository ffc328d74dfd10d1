#include "calculators/resulttext.h"

std::string ResultText;
