#pragma once
// The exact sum of doubles: the running total is kept as a few long doubles
// that do not overlap in their bits (Shewchuk's partials, the method behind
// Python's math.fsum), so terms that cancel lose nothing: 1e20 + 7 - 1e20
// is 7. The partials are long doubles: they hold every double exactly, and
// their wider exponent keeps a total such as 1e308 + 1e308 from overflowing.

#include <vector>

class ExactSum
{
public:
    void add(double x);
    // The exact total rounded once to long double.
    long double value() const;

private:
    // Ascending in magnitude, none overlapping the next.
    std::vector<long double> m_partials;
};
