// The histogram analysis of a large data file, from reading to the written
// report: 1,000,000 numbers with two decimals, ten per line, 20 classes.
//
//   bench_analysis [runs]
//
// Prints the median time of the runs, the time of each step in the fastest
// run, and the peak memory of the process. When Rscript is on the PATH, the
// same computations in R (scan, mean, sd, median, the mode by counting, 20
// class counts, the normal ordinates) are timed on the same file for
// comparison.

#include "benchclock.h"
#include "core/analysis/analysisstate.h"
#include "core/analysis/classes.h"
#include "core/analysis/report.h"
#include "core/analysis/statistics.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace {

// Seconds between two wall-clock readings (WallMilliseconds).
double Seconds(double from, double to)
{
    return (to - from) / 1000.0;
}

constexpr int ValueCount = 1000000;

void WriteDataFile(const std::string &path)
{
    std::mt19937_64 random(1000003);
    std::normal_distribution<double> values(500.0, 100.0);
    std::string text;
    text.reserve(ValueCount * 8);
    char buffer[32];
    for (int i = 0; i < ValueCount; ++i) {
        const int length = std::snprintf(buffer, sizeof buffer, "%.2f", values(random));
        text.append(buffer, static_cast<std::size_t>(length));
        text += (i % 10 == 9) ? '\n' : ' ';
    }
    std::ofstream(path, std::ios::binary) << text;
}

struct Steps
{
    double read = 0, statistics = 0, classes = 0, report = 0, total = 0;
};

bool RunOnce(const std::string &data, Steps &steps, AnalysisState &s)
{
    std::string error;
    const auto t0 = WallMilliseconds();
    ResetAnalysis(s);
    s.ClassCount = 20;
    s.CenterData = true;
    if (!ReadDataFile(s, data, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return false;
    }
    const auto t1 = WallMilliseconds();
    SortData(s);
    if (!ComputeStatistics(s, error))
        return false;
    FindMedian(s);
    FindMode(s);
    ComputeResiduals(s);
    const auto t2 = WallMilliseconds();
    if (!BuildClasses(s, error))
        return false;
    ComputeOrdinates(s);
    const auto t3 = WallMilliseconds();
    if (!WriteReport(s, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return false;
    }
    const auto t4 = WallMilliseconds();
    steps = {Seconds(t0, t1), Seconds(t1, t2), Seconds(t2, t3), Seconds(t3, t4), Seconds(t0, t4)};
    return true;
}

// The median of R's own timings of the same work, or a negative number when
// R is not available.
double TimeInR(const std::string &data, const std::string &folder, int runs)
{
    if (std::system("command -v Rscript >/dev/null 2>&1") != 0)
        return -1;
    const std::string script = folder + "/bench.R";
    const std::string result = folder + "/r-time.txt";
    std::ofstream(script)
        << "f <- '" << data << "'\n"
        << "times <- numeric(0)\n"
        << "for (i in 1:" << runs << ") {\n"
        << "  t0 <- proc.time()[['elapsed']]\n"
        << "  x <- scan(f, quiet = TRUE)\n"
        << "  m <- mean(x); s <- sd(x); med <- median(x)\n"
        << "  r <- rle(sort(x)); mode <- r$values[which.max(r$lengths)]\n"
        << "  br <- seq(min(x), max(x), length.out = 21)\n"
        << "  counts <- tabulate(findInterval(x, br, rightmost.closed = TRUE), 20)\n"
        << "  ord <- dnorm(x - m, 0, s)\n"
        << "  times <- c(times, proc.time()[['elapsed']] - t0)\n"
        << "}\n"
        << "cat(median(times), file = '" << result << "')\n";
    if (std::system(("Rscript '" + script + "' >/dev/null 2>&1").c_str()) != 0)
        return -1;
    double seconds = -1;
    std::ifstream(result) >> seconds;
    return seconds;
}

} // namespace

int main(int argc, char **argv)
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    std::string folder = (std::filesystem::temp_directory_path() / "mervan-bench-XXXXXX").string();
    if (::mkdtemp(folder.data()) == nullptr) {
        std::perror("mkdtemp");
        return 1;
    }
    const std::string data = folder + "/million.dat";
    WriteDataFile(data);
    std::printf("data file: %d values, %ju bytes\n", ValueCount,
                static_cast<std::uintmax_t>(std::filesystem::file_size(data)));

    AnalysisState analysis;
    std::vector<Steps> timings;
    for (int i = 0; i < runs; ++i) {
        Steps steps;
        if (!RunOnce(data, steps, analysis))
            return 1;
        timings.push_back(steps);
    }
    std::sort(timings.begin(), timings.end(),
              [](const Steps &a, const Steps &b) { return a.total < b.total; });
    const Steps &median = timings[timings.size() / 2];
    const Steps &best = timings.front();
    std::printf("analysis, reading to written report: median %.3f s over %d runs\n", median.total,
                runs);
    std::printf(
        "  fastest run: read %.3f s, sort and statistics %.3f s, classes and ordinates %.3f s,"
        " report %.3f s\n",
        best.read, best.statistics, best.classes, best.report);
    std::printf("  report: %ju bytes, %zu read errors\n",
                static_cast<std::uintmax_t>(std::filesystem::file_size(analysis.DataFileName)),
                analysis.ReadErrors.size());

    std::printf("peak memory: %.1f MB (aim: under 200 MB)\n", PeakMemoryKiB() / 1024.0);

    const double r = TimeInR(data, folder, runs);
    if (r < 0)
        std::printf("R: Rscript not found, no comparison\n");
    else {
        // Like for like: R writes no report, so compare our time without it too.
        std::vector<double> computing;
        for (const Steps &steps : timings)
            computing.push_back(steps.total - steps.report);
        std::sort(computing.begin(), computing.end());
        const double ours = computing[computing.size() / 2];
        std::printf("R, same computations without a report: median %.3f s\n", r);
        std::printf("  ours with the report written: %.1f times faster; ours without the report"
                    " (%.3f s): %.1f times faster (aim: at least 3)\n",
                    r / median.total, ours, r / ours);
    }

    std::filesystem::remove_all(folder);
    return 0;
}
