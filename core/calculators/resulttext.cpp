#include "core/calculators/resulttext.h"

#include "core/numeric/strings.h"

#include <cmath>

std::string AlphaDegreesHeading(const char *title, double alpha, std::int32_t v)
{
    return std::string("          ") + title + "\r\n          For alpha = " + AlphaText(alpha)
        + "\r\n          and " + FormatNumber(0, 0, v) + " degrees of freedom\r\n\r\n";
}

std::string AlphaText(double alpha)
{
    // A number typed with d decimals is the double nearest n / 10^d, and so
    // is the quotient computed here: the first d that gives alpha back is
    // the number of decimals typed (or fewer, without trailing zeros).
    int decimals = 3;
    for (double scale = 1000.0; decimals < 6; ++decimals, scale *= 10.0) {
        if (std::round(alpha * scale) / scale == alpha)
            break;
    }
    return FormatNumber(0, static_cast<std::uint8_t>(decimals), alpha);
}
