// Time per t request and per normal request over the accepted range, and
// of the probability requests with the hardest tails: the median and the
// worst request, and which request was the worst. Each request
// goes through RunCalcRequest as the dialogs call it
// (reading the typed text, computing, building the report).
//
// Times are taken on the wall clock and as the CPU time of this thread, which
// stays meaningful when other work shares the machine.
//
// Usage: bench_calculators [quick]   (quick: every fifth degree of freedom)

#include "benchclock.h"
#include "core/calculators/calcinput.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

template <class Request>
void Time(std::vector<Timing> &timings, const std::string &name, Request request)
{
    if (!Timed(timings, name, request).accepted())
        std::fprintf(stderr, "refused: %s\n", name.c_str());
}

void Report(const char *name, const std::vector<Timing> &timings)
{
    std::printf("%s: %zu requests\n", name, timings.size());
    PrintMedianAndWorst(timings);
}

std::string Text(double value)
{
    char text[40];
    std::snprintf(text, sizeof text, "%.10g", value);
    return text;
}

} // namespace

int main(int argc, char **argv)
{
    const bool quick = argc > 1 && std::strcmp(argv[1], "quick") == 0;

    // alpha: logarithmic towards both ends, linear in between, and close to
    // one half where the search starts from 0.
    std::vector<double> alphas;
    for (int i = 0; i <= 16; ++i)
        alphas.push_back(0.0001 * std::pow(10.0, i / 8.0));
    for (int i = 1; i <= 19; ++i)
        alphas.push_back(0.05 * i);
    for (double offset : {-1e-3, -1e-6, 1e-6, 1e-3})
        alphas.push_back(0.5 + offset);
    for (int i = 0; i <= 16; ++i)
        alphas.push_back(1.0 - 0.01 * std::pow(10.0, -i / 4.0));

    std::vector<Timing> t;
    for (double alpha : alphas)
        for (int v = 1; v <= 200; v += quick ? 5 : 1) {
            const std::string a = Text(alpha), d = std::to_string(v);
            Time(t, "t " + a + " " + d, [&] {
                return RunCalcRequest(CalcKind::T, CalcDirection::CriticalValue, {a, d});
            });
        }
    Report("t", t);

    std::vector<Timing> normal;
    const int steps = quick ? 2000 : 10000;
    for (int i = 0; i <= steps; ++i) {
        const double linear = 0.0001 + (99.9999 - 0.0001) * i / steps;
        const double tail = 100.0 - std::pow(10.0, -4.0 + 5.0 * i / steps); // up to 99.9999
        for (double p : {linear, tail}) {
            const std::string text = Text(p);
            Time(normal, "normal " + text, [&] {
                return RunCalcRequest(CalcKind::Normal, CalcDirection::CriticalValue, {text});
            });
        }
    }
    Report("normal", normal);

    // The probability requests with the hardest tails: tiny statistics with
    // one degree of freedom (a pole at 0), and statistics far out.
    const char *const hard[][4] = {
        {"f", "1e-9", "1", "1"},       {"f", "1e-300", "1", "1"}, {"f", "1e-50", "200", "1"},
        {"chi", "22697.985", "8", ""}, {"chi", "1e-10", "1", ""}, {"chi", "22700", "28", ""},
        {"t", "1e-200", "199", ""},    {"t", "1000000", "1", ""},
    };
    std::vector<Timing> probability;
    for (const auto &r : hard) {
        const std::string name = std::string("p ") + r[0] + " " + r[1] + " " + r[2] + " " + r[3];
        const long evaluations
            = Timed(probability, name, [&] {
                  const CalcKind kind = r[0][0] == 'f' ? CalcKind::F
                      : r[0][0] == 'c'                 ? CalcKind::ChiSquared
                                                       : CalcKind::T;
                  std::vector<std::string> fields{r[1], r[2], r[3]};
                  fields.resize(kind == CalcKind::F ? 3 : 2);
                  return RunCalcRequest(kind, CalcDirection::Probability, fields);
              }).evaluations;
        std::printf("%s: %8.3f ms cpu, %ld density values\n", name.c_str(), probability.back().cpu,
                    evaluations);
    }
    Report("hard probabilities", probability);
    return 0;
}
