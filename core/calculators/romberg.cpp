#include "core/calculators/romberg.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

// Row k of the Romberg table holds the trapezoidal value on 2^(k-1) intervals
// followed by k - 1 Richardson extrapolations. Only the previous row is needed
// to build the next one, so two rows of maxRows values are kept.
//
// The loop stops, from row 5 on, when the first extrapolation R(k,2) or the
// diagonal R(k,k) agrees with the row before to the relative tolerance, and
// after row maxRows in any case. An integral whose first extrapolation stays
// exactly 0 in two rows (an interval of zero width, an integrand that is 0 at
// every sample, such as a density that has underflowed) is 0 and ends there.
long double Romberg(const Integrand &f, long double a, long double b, long double eps, int maxRows)
{
    maxRows = std::max(maxRows, 1);
    std::vector<long double> previous(static_cast<std::size_t>(maxRows));
    std::vector<long double> current(static_cast<std::size_t>(maxRows));

    long double h = b - a;
    long double sum = (f(a) + f(b)) / 2.0L;
    current[0] = h * sum;

    long long intervals = 1;
    for (int k = 2; k <= maxRows; ++k) {
        std::swap(previous, current);
        intervals *= 2;
        h = (b - a) / static_cast<long double>(intervals);
        for (long long i = 1; i <= intervals / 2; ++i)
            sum += f(a + static_cast<long double>(2 * i - 1) * h);
        current[0] = h * sum;

        long double q = 4.0L;
        for (int j = 1; j < k; ++j) {
            current[j] = (q * current[j - 1] - previous[j - 1]) / (q - 1.0L);
            q *= 4.0L;
        }

        if (k >= 5) {
            const long double first = current[1];
            const long double diagonal = current[k - 1];
            if (first == 0.0L) {
                if (previous[1] == 0.0L)
                    return diagonal;
            } else if (std::fabs(previous[1] - first) <= std::fabs(eps * first)
                       || std::fabs(previous[k - 2] - diagonal) <= std::fabs(eps * diagonal)) {
                return diagonal;
            }
        }
        if (k == maxRows)
            return current[k - 1];
    }
    return current[0]; // maxRows == 1: the trapezoidal value
}
