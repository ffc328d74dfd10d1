// The histogram analysis of a large data file, from reading to the written
// report: 10,000,000 numbers with two decimals, ten per line, 20 classes.
//
//   bench_analysis [runs] [values]
//
// Each run is a process of its own, so that the peak memory printed is the
// analysis's alone. Prints the median time of the runs, the time of each step
// in the fastest run, and the peak memory. When a python3 with numpy is
// found, and when Rscript is on the PATH, the same computations there (read,
// mean, sd, median, the mode by counting, 20 class counts, the normal
// ordinates) are timed on the same file, with numpy's peak memory, for
// comparison.

#include "benchclock.h"
#include "core/analysis/classes.h"
#include "core/analysis/datafile.h"
#include "core/analysis/goodness.h"
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

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Seconds between two wall-clock readings (WallMilliseconds).
double Seconds(double from, double to)
{
    return (to - from) / 1000.0;
}

void WriteDataFile(const std::string &path, long count)
{
    std::mt19937_64 random(1000003);
    std::normal_distribution<double> values(500.0, 100.0);
    std::ofstream out(path, std::ios::binary);
    std::string text;
    char buffer[32];
    for (long i = 0; i < count; ++i) {
        const int length = std::snprintf(buffer, sizeof buffer, "%.2f", values(random));
        text.append(buffer, static_cast<std::size_t>(length));
        text += (i % 10 == 9) ? '\n' : ' ';
        if (text.size() > (1 << 20)) {
            out << text;
            text.clear();
        }
    }
    out << text;
}

struct Steps
{
    double read = 0, statistics = 0, classes = 0, report = 0, total = 0;
};

bool RunOnce(const std::string &data, Steps &steps, AnalysisResult &s)
{
    AnalysisRequest request;
    request.dataFileName = data;
    request.classCount = 20;
    request.centred = true;
    const auto t0 = WallMilliseconds();
    Checked<Sample> read = ReadDataFile(data);
    if (read.error) {
        std::fprintf(stderr, "%s\n", read.error->text().c_str());
        return false;
    }
    s.sample = std::move(read.value);
    const auto t1 = WallMilliseconds();
    SortData(s.sample);
    Checked<Description> described = DescribeSample(s.sample);
    if (described.error)
        return false;
    s.description = std::move(described.value);
    const auto t2 = WallMilliseconds();
    Checked<Classes> classes = BuildClasses(s.sample, s.description, request);
    if (classes.error)
        return false;
    s.classes = std::move(classes.value);
    s.fit = TestGoodnessOfFit(s.description, s.classes);
    const auto t3 = WallMilliseconds();
    if (const std::optional<AnalysisError> error = WriteReport(s, ReportFileName(data))) {
        std::fprintf(stderr, "%s\n", error->text().c_str());
        return false;
    }
    const auto t4 = WallMilliseconds();
    steps = {Seconds(t0, t1), Seconds(t1, t2), Seconds(t2, t3), Seconds(t3, t4), Seconds(t0, t4)};
    return true;
}

// One run in a process of its own; peakKiB is that process's peak memory.
bool RunInChild(const std::string &data, Steps &steps, long &peakKiB)
{
    int channel[2];
    if (::pipe(channel) != 0)
        return false;
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        AnalysisResult s;
        Steps measured;
        const bool done = RunOnce(data, measured, s);
        const bool sent = ::write(channel[1], &measured, sizeof measured) == sizeof measured;
        ::_exit(done && sent ? 0 : 1);
    }
    ::close(channel[1]);
    const bool received = child > 0 && ::read(channel[0], &steps, sizeof steps) == sizeof steps;
    ::close(channel[0]);
    int status = 0;
    rusage usage{};
    if (child <= 0 || ::wait4(child, &status, 0, &usage) != child)
        return false;
    peakKiB = usage.ru_maxrss;
    return received && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// numpy's median time and peak memory in KiB (and that of the interpreter
// with numpy loaded, before any work) for the same computations, or false
// when no python3 with numpy is found.
bool TimeInNumpy(const std::string &data, const std::string &folder, int runs, double &seconds,
                 long &peakKiB, long &idleKiB)
{
    std::string python;
    for (const char *candidate : {"python3", "/usr/bin/python3"}) {
        if (std::system((std::string(candidate) + " -c 'import numpy' >/dev/null 2>&1").c_str())
            == 0) {
            python = candidate;
            break;
        }
    }
    if (python.empty())
        return false;
    const std::string script = folder + "/bench.py";
    const std::string result = folder + "/numpy.txt";
    std::ofstream(script)
        << "import resource, time, numpy as np\n"
        << "idle = resource.getrusage(resource.RUSAGE_SELF).ru_maxrss\n"
        << "times = []\n"
        << "for i in range(" << runs << "):\n"
        << "    t0 = time.perf_counter()\n"
        << "    x = np.fromfile('" << data << "', sep=' ')\n"
        << "    m = x.mean(); s = x.std(ddof=1); med = np.median(x)\n"
        << "    u, c = np.unique(x, return_counts=True); mode = u[c.argmax()]\n"
        << "    counts, br = np.histogram(x, bins=20)\n"
        << "    ords = np.exp(-((u - m) / s) ** 2 / 2) / (s * np.sqrt(2 * np.pi))\n"
        << "    times.append(time.perf_counter() - t0)\n"
        << "    del x, u, c, ords\n"
        << "peak = resource.getrusage(resource.RUSAGE_SELF).ru_maxrss\n"
        << "open('" << result << "', 'w').write('%f %d %d' % (sorted(times)[len(times) // 2],"
        << " peak, idle))\n";
    if (std::system((python + " '" + script + "' >/dev/null 2>&1").c_str()) != 0)
        return false;
    std::ifstream in(result);
    return static_cast<bool>(in >> seconds >> peakKiB >> idleKiB);
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
    const long count = argc > 2 ? std::max(1L, std::atol(argv[2])) : 10000000L;
    const std::string folder = MakeBenchFolder();
    if (folder.empty())
        return 1;
    const std::string data = folder + "/values.dat";
    WriteDataFile(data, count);
    double width = 0.0;
    std::int32_t intervals = 0;
    std::printf("data file: %ld values, %ju bytes\n", count,
                static_cast<std::uintmax_t>(std::filesystem::file_size(data)));

    std::vector<Steps> timings;
    long peak = 0;
    for (int i = 0; i < runs; ++i) {
        Steps steps;
        long runPeak = 0;
        if (!RunInChild(data, steps, runPeak)) {
            std::fprintf(stderr, "the analysis failed\n");
            return 1;
        }
        timings.push_back(steps);
        peak = std::max(peak, runPeak);
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
    std::printf("  report: %ju bytes\n",
                static_cast<std::uintmax_t>(std::filesystem::file_size(ReportFileName(data))));
    std::printf("  peak memory of a run: %.1f MiB (the values alone: %.1f MiB)\n", peak / 1024.0,
                count * 8.0 / (1 << 20));

    // Like for like: numpy and R write no report, so compare our time without it.
    std::vector<double> computing;
    for (const Steps &steps : timings)
        computing.push_back(steps.total - steps.report);
    std::sort(computing.begin(), computing.end());
    const double ours = computing[computing.size() / 2];
    std::printf("ours without the report: median %.3f s\n", ours);

    double numpySeconds = 0;
    long numpyPeak = 0;
    long numpyIdle = 0;
    if (!TimeInNumpy(data, folder, runs, numpySeconds, numpyPeak, numpyIdle))
        std::printf("numpy: no python3 with numpy found, no comparison\n");
    else {
        std::printf("numpy, same computations: median %.3f s, peak memory %.1f MiB"
                    " (%.1f MiB of it before any work)\n",
                    numpySeconds, numpyPeak / 1024.0, numpyIdle / 1024.0);
        std::printf("  ours: %.2f of numpy's time, %.2f of its peak memory (aim: under 0.5 and"
                    " under 1)\n",
                    ours / numpySeconds, static_cast<double>(peak) / numpyPeak);
    }

    const double r = TimeInR(data, folder, runs);
    if (r < 0)
        std::printf("R: Rscript not found, no comparison\n");
    else
        std::printf("R, same computations: median %.3f s; ours %.1f times faster\n", r, r / ours);

    // Long entries are refused in one pass over their characters.
    for (const std::size_t length : {1000u, 10000u, 100000u}) {
        const std::string digits(length, '7');
        const double start = ProcessMilliseconds();
        const bool refused = !ReadWidthEntry(digits, width).empty()
            && !ReadWidthEntry(digits + "x", width).empty()
            && !ReadIntervalEntry(digits, intervals).empty();
        std::printf("entries of %zu characters refused: %s, %.2f ms of processor time\n", length,
                    refused ? "yes" : "NO", ProcessMilliseconds() - start);
    }

    std::filesystem::remove_all(folder);
    return 0;
}
