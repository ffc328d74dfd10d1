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
#include "calculators/chidist.h"
#include "calculators/fdist.h"
#include "numeric/messages.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Sample
{
    double wall = 0.0;
    double cpu = 0.0;
    int passes = 0;
    bool found = false;
    std::string request;
};

template <class Compute>
Sample Measure(const std::string &request, Compute compute)
{
    Sample sample;
    sample.request = request;
    const double wall = WallMilliseconds();
    const double cpu = ThreadMilliseconds();
    const QuantileSearch search = compute();
    sample.cpu = ThreadMilliseconds() - cpu;
    sample.wall = WallMilliseconds() - wall;
    sample.passes = search.passes;
    sample.found = search.found;
    return sample;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

void Report(const char *name, const std::vector<Sample> &samples)
{
    std::vector<double> wall, cpu;
    int notFound = 0;
    int maxPasses = 0;
    for (const Sample &s : samples) {
        wall.push_back(s.wall);
        cpu.push_back(s.cpu);
        notFound += s.found ? 0 : 1;
        maxPasses = std::max(maxPasses, s.passes);
    }
    const auto worstWall = std::max_element(samples.begin(), samples.end(),
                                            [](const Sample &a, const Sample &b) { return a.wall < b.wall; });
    const auto worstCpu = std::max_element(samples.begin(), samples.end(),
                                           [](const Sample &a, const Sample &b) { return a.cpu < b.cpu; });
    std::printf("%s: %zu requests, %d without a value, at most %d passes\n", name, samples.size(),
                notFound, maxPasses);
    std::printf("  wall clock: median %.3f ms, worst %.3f ms (%s)\n", Median(wall), worstWall->wall,
                worstWall->request.c_str());
    std::printf("  thread CPU: median %.3f ms, worst %.3f ms (%s)\n", Median(cpu), worstCpu->cpu,
                worstCpu->request.c_str());
}

} // namespace

int main(int argc, char **argv)
{
    const bool quick = argc > 1 && std::strcmp(argv[1], "quick") == 0;
    // Failure messages would go to standard error one by one; count instead.
    MessageRecorder recorder;

    const std::vector<double> alphas = {0.0001, 0.0002, 0.0005, 0.001, 0.002, 0.005, 0.01,
                                        0.025,  0.05,   0.1,    0.2,   0.3,   0.4,   0.5,
                                        0.6,    0.7,    0.8,    0.9,   0.95,  0.975, 0.99,
                                        0.995,  0.999,  0.9995, 0.9999, 0.99999, 0.999999};

    std::vector<Sample> chi;
    for (double alpha : alphas)
        for (int v = 1; v <= 200; v += quick ? 9 : 1)
            chi.push_back(Measure("alpha " + std::to_string(alpha) + " v " + std::to_string(v),
                                  [&] { return ChiCriticalValue(alpha, v); }));
    Report("chi-squared", chi);

    const std::vector<int> degrees = quick ? std::vector<int>{1, 3, 10, 40, 200}
                                           : std::vector<int>{1, 2, 3, 4, 5, 6, 8, 10, 12, 15, 20,
                                                              24, 30, 40, 60, 90, 120, 160, 200};
    std::vector<Sample> f;
    for (double alpha : alphas)
        for (int v1 : degrees)
            for (int v2 : degrees)
                f.push_back(Measure("alpha " + std::to_string(alpha) + " v1 " + std::to_string(v1)
                                        + " v2 " + std::to_string(v2),
                                    [&] { return FCriticalValue(alpha, v1, v2); }));
    Report("F", f);

    std::printf("messages shown: %zu\n", recorder.texts().size());
    return 0;
}
