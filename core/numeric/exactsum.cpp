#include "core/numeric/exactsum.h"

#include <cmath>
#include <utility>

void ExactSum::add(double x)
{
    long double carry = x;
    std::size_t kept = 0;
    for (long double partial : m_partials) {
        // Two-sum: high + low is exactly carry + partial.
        long double a = carry;
        long double b = partial;
        if (std::fabs(a) < std::fabs(b))
            std::swap(a, b);
        const long double high = a + b;
        const long double low = b - (high - a);
        if (low != 0.0L)
            m_partials[kept++] = low;
        carry = high;
    }
    m_partials.resize(kept);
    m_partials.push_back(carry);
}

long double ExactSum::value() const
{
    // From the largest partial down, stopping where the rest can no longer
    // change the rounding, as fsum does: the first sum that rounds is
    // corrected when the next partial shows a tie.
    if (m_partials.empty())
        return 0.0L;
    std::size_t i = m_partials.size() - 1;
    long double high = m_partials[i];
    long double low = 0.0L;
    while (i > 0) {
        const long double x = high;
        const long double y = m_partials[--i];
        high = x + y;
        low = y - (high - x);
        if (low != 0.0L)
            break;
    }
    if (i > 0
        && ((low < 0.0L && m_partials[i - 1] < 0.0L) || (low > 0.0L && m_partials[i - 1] > 0.0L))) {
        const long double y = low * 2;
        const long double x = high + y;
        if (y == x - high)
            high = x;
    }
    return high;
}
