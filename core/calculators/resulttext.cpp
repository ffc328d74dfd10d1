#include "core/calculators/resulttext.h"

#include "core/numeric/strings.h"

std::string AlphaDegreesHeading(const char *title, double alpha, std::int32_t v)
{
    return std::string("          ") + title
        + "\r\n          For alpha = " + FormatNumber(0, 3, alpha) + "\r\n          and "
        + FormatNumber(0, 0, v) + " degrees of freedom\r\n\r\n";
}
