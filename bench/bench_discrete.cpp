// CPU time of the hardest binomial and Poisson requests: the largest n and
// lambda, sums across the whole bulk, far tails and quantiles near 0 and 1.

#include "core/calculators/discrete.h"

#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

namespace {

struct Case
{
    const char *name;
    DiscreteFamily family;
    DiscreteQuestion question;
    std::vector<std::string> fields;
};

double CpuMilliseconds(const Case &c, int repeats)
{
    const std::clock_t start = std::clock();
    for (int i = 0; i < repeats; ++i)
        if (!RunDiscreteRequest(c.family, c.question, c.fields).accepted)
            return -1.0;
    return 1000.0 * static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC / repeats;
}

} // namespace

int main()
{
    using Q = DiscreteQuestion;
    const DiscreteFamily B = DiscreteFamily::Binomial;
    const DiscreteFamily P = DiscreteFamily::Poisson;
    const Case cases[] = {
        {"binomial n=1e6 p=0.5 P(X<=500000)", B, Q::AtMost, {"1000000", "0.5", "500000"}},
        {"binomial n=1e6 p=0.5 P(0<=X<=1e6)", B, Q::Between, {"1000000", "0.5", "0", "1000000"}},
        {"binomial n=1e6 p=0.5 P(X=0)", B, Q::Exact, {"1000000", "0.5", "0"}},
        {"binomial n=1e6 p=0.5 quantile 0.999999", B, Q::Quantile, {"1000000", "0.5", "0.999999"}},
        {"binomial n=1e6 p=0.5 quantile 1e-300", B, Q::Quantile, {"1000000", "0.5", "1e-300"}},
        {"poisson lambda=1e6 P(X>=0)", P, Q::AtLeast, {"1000000", "0"}},
        {"poisson lambda=1e6 P(X<=1000000)", P, Q::AtMost, {"1000000", "1000000"}},
        {"poisson lambda=1e6 quantile 0.999999", P, Q::Quantile, {"1000000", "0.999999"}},
        {"poisson lambda=0.001 P(X>=2e9)", P, Q::AtLeast, {"0.001", "2000000000"}},
    };
    std::printf("%-45s %12s\n", "request", "CPU ms");
    for (const Case &c : cases)
        std::printf("%-45s %12.4f\n", c.name, CpuMilliseconds(c, 20));
    return 0;
}
