// Time per chi-squared and F request over the accepted range of alpha and the
// degrees of freedom: the median and the worst request, and which request
// was the worst. Every request runs the whole computation (set-up, start
// interval, marching search) as the calculator does it.
//
// Times are taken twice: on the wall clock and as the CPU time of this thread,
// which stays meaningful when other work shares the machine.
//
// Usage: bench_chif [quick]   (quick: a coarser grid)

#include "benchclock.h"
#include "core/calculators/chidist.h"
#include "core/calculators/fdist.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

// The requests of one calculator: their times, and how their searches went.
struct Requests
{
    std::vector<Timing> timings;
    int notFound = 0;
    int maxPasses = 0;
    std::size_t messages = 0;

    template <class Compute>
    void measure(const std::string &request, Compute compute)
    {
        const QuantileSearch search = Timed(timings, request, compute);
        notFound += search.found ? 0 : 1;
        maxPasses = std::max(maxPasses, search.passes);
        messages += search.messages.size();
    }

    void report(const char *name) const
    {
        std::printf("%s: %zu requests, %d without a value, at most %d passes\n", name,
                    timings.size(), notFound, maxPasses);
        PrintMedianAndWorst(timings);
    }
};

} // namespace

int main(int argc, char **argv)
{
    const bool quick = argc > 1 && std::strcmp(argv[1], "quick") == 0;
    // Failure messages are counted, not shown.

    const std::vector<double> alphas
        = {0.0001, 0.0002, 0.0005, 0.001, 0.002, 0.005,  0.01,   0.025,   0.05,
           0.1,    0.2,    0.3,    0.4,   0.5,   0.6,    0.7,    0.8,     0.9,
           0.95,   0.975,  0.99,   0.995, 0.999, 0.9995, 0.9999, 0.99999, 0.999999};

    Requests chi;
    for (double alpha : alphas)
        for (int v = 1; v <= 200; v += quick ? 9 : 1)
            chi.measure("alpha " + std::to_string(alpha) + " v " + std::to_string(v),
                        [&] { return ChiCriticalValue(alpha, v); });
    chi.report("chi-squared");

    const std::vector<int> degrees = quick
        ? std::vector<int>{1, 3, 10, 40, 200}
        : std::vector<int>{1, 2, 3, 4, 5, 6, 8, 10, 12, 15, 20, 24, 30, 40, 60, 90, 120, 160, 200};
    Requests f;
    for (double alpha : alphas)
        for (int v1 : degrees)
            for (int v2 : degrees)
                f.measure("alpha " + std::to_string(alpha) + " v1 " + std::to_string(v1) + " v2 "
                              + std::to_string(v2),
                          [&] { return FCriticalValue(alpha, v1, v2); });
    f.report("F");

    std::printf("messages: %zu\n", chi.messages + f.messages);
    return 0;
}
