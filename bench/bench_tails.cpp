// CPU time of a request of every area of the continuous calculators, in
// both directions, beside R's functions for the same question in the same
// run (Rscript, when it is installed). The aim is below 50 ms a request.

#include "core/calculators/calcinput.h"

#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

namespace {

struct Case
{
    const char *name;
    CalcKind kind;
    CalcDirection direction;
    CalcArea area;
    std::vector<std::string> fields;
    const char *r; // the same question in R
};

double CpuMilliseconds(const Case &c, int repeats)
{
    const std::clock_t start = std::clock();
    for (int i = 0; i < repeats; ++i)
        if (RunCalcRequest(c.kind, c.direction, c.area, c.fields).status != CalcStatus::Computed)
            return -1.0;
    return 1000.0 * static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC / repeats;
}

// R's CPU milliseconds for one evaluation of expression, or -1 without R.
double RMilliseconds(const std::string &expression, int repeats)
{
    const std::string command = "Rscript -e 'n <- " + std::to_string(repeats)
        + "; t <- system.time(for (i in 1:n) " + expression
        + "); cat(1000 * (t[[1]] + t[[2]]) / n)' 2>/dev/null";
    std::FILE *pipe = popen(command.c_str(), "r");
    if (!pipe)
        return -1.0;
    double ms = -1.0;
    if (std::fscanf(pipe, "%lf", &ms) != 1)
        ms = -1.0;
    pclose(pipe);
    return ms;
}

} // namespace

int main()
{
    using K = CalcKind;
    using A = CalcArea;
    const CalcDirection P = CalcDirection::Probability;
    const CalcDirection C = CalcDirection::CriticalValue;
    const Case cases[] = {
        {"t lower P, 12 df", K::T, P, A::Lower, {"-1.5", "12"}, "pt(-1.5, 12)"},
        {"t two tails P, 1 df", K::T, P, A::TwoSided, {"300", "1"}, "2 * pt(-300, 1)"},
        {"t between P, 200 df", K::T, P, A::Between, {"-1", "2", "200"}, "diff(pt(c(-1, 2), 200))"},
        {"t two tails alpha 0.0001, 1 df",
         K::T,
         C,
         A::TwoSided,
         {"0.0001", "1"},
         "qt(c(5e-5, 1 - 5e-5), 1)"},
        {"chi lower P 0.02, 200 df",
         K::ChiSquared,
         P,
         A::Lower,
         {"0.02", "200"},
         "pchisq(0.02, 200)"},
        {"chi two tails P, 10 df",
         K::ChiSquared,
         P,
         A::TwoSided,
         {"3", "10"},
         "2 * min(pchisq(3, 10), pchisq(3, 10, lower.tail = FALSE))"},
        {"chi between P, 50 df",
         K::ChiSquared,
         P,
         A::Between,
         {"30", "70", "50"},
         "diff(pchisq(c(30, 70), 50))"},
        {"chi two tails alpha 0.0001, 200 df",
         K::ChiSquared,
         C,
         A::TwoSided,
         {"0.0001", "200"},
         "qchisq(c(5e-5, 1 - 5e-5), 200)"},
        {"chi lower alpha 0.0001, 1 df",
         K::ChiSquared,
         C,
         A::Lower,
         {"0.0001", "1"},
         "qchisq(1e-4, 1)"},
        {"F upper P 300, 1 and 1 df",
         K::F,
         P,
         A::Upper,
         {"300", "1", "1"},
         "pf(300, 1, 1, lower.tail = FALSE)"},
        {"F two tails P, 2 and 30 df",
         K::F,
         P,
         A::TwoSided,
         {"10", "2", "30"},
         "2 * min(pf(10, 2, 30), pf(10, 2, 30, lower.tail = FALSE))"},
        {"F between P, 200 and 200 df",
         K::F,
         P,
         A::Between,
         {"0.5", "1.5", "200", "200"},
         "diff(pf(c(0.5, 1.5), 200, 200))"},
        {"F two tails alpha 0.0001, 1 and 1 df",
         K::F,
         C,
         A::TwoSided,
         {"0.0001", "1", "1"},
         "qf(c(5e-5, 1 - 5e-5), 1, 1)"},
        {"F lower alpha 0.0001, 200 and 3 df",
         K::F,
         C,
         A::Lower,
         {"0.0001", "200", "3"},
         "qf(1e-4, 200, 3)"},
        {"normal upper P, mean 170 sd 8",
         K::Normal,
         P,
         A::Upper,
         {"185", "170", "8"},
         "pnorm(185, 170, 8, lower.tail = FALSE)"},
        {"normal between P", K::Normal, P, A::Between, {"-1", "2"}, "diff(pnorm(c(-1, 2)))"},
        {"normal two tails alpha 0.0001",
         K::Normal,
         C,
         A::TwoSided,
         {"0.0001"},
         "qnorm(c(5e-5, 1 - 5e-5))"},
    };
    std::printf("%-40s %12s %12s\n", "request", "CPU ms", "R CPU ms");
    for (const Case &c : cases)
        std::printf("%-40s %12.4f %12.4f\n", c.name, CpuMilliseconds(c, 5),
                    RMilliseconds(c.r, 2000));
    return 0;
}
