#pragma once
// What the calculators' pictures share along their axes.

#include <QString>

#include <algorithm>
#include <cmath>

// A round step, 1, 2 or 5 times a power of ten, for about ticks ticks over
// span, and never below smallest.
inline double RoundTickStep(double span, double ticks, double smallest = 0.0)
{
    const double raw = std::max(span / ticks, smallest);
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double factor : {1.0, 2.0, 5.0})
        if (raw <= factor * power)
            return factor * power;
    return 10.0 * power;
}

// text with an arrow pointing on beyond the axis: before it past the left
// end (side < 0), after it past the right end (side > 0), none otherwise.
inline QString EdgeArrowText(const QString &text, int side)
{
    if (side < 0)
        return QStringLiteral("\u2190 ") + text;
    return side > 0 ? text + QStringLiteral(" \u2192") : text;
}
