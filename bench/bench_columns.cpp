// One column of a large CSV file: 1,000,000 rows of 5 columns under a
// header, the third column read and described (n, mean, standard deviation,
// quartiles).
//
//   bench_columns [runs] [rows]
//
// Each run is a process of its own, so that its processor time and peak
// memory are the reading's alone. When Rscript is on the PATH, R does the
// same in the same run (read.csv, then length, mean, sd and quantile), and
// its processor time for that work (proc.time, R's start-up left out) and
// its process's peak memory are printed beside ours.

#include "benchclock.h"
#include "core/analysis/columnreader.h"
#include "core/analysis/shape.h"

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

void WriteCsv(const std::string &path, long rows)
{
    std::mt19937_64 random(20261208);
    std::normal_distribution<double> height(170.0, 9.0);
    std::normal_distribution<double> weight(70.0, 12.0);
    std::uniform_int_distribution<int> age(18, 80);
    std::uniform_real_distribution<double> score(0.0, 100.0);
    std::ofstream out(path, std::ios::binary);
    std::string text = "id,height,weight,age,score\n";
    char buffer[128];
    for (long i = 1; i <= rows; ++i) {
        const int length
            = std::snprintf(buffer, sizeof buffer, "%ld,%.1f,%.2f,%d,%.3f\n", i, height(random),
                            weight(random), age(random), score(random));
        text.append(buffer, static_cast<std::size_t>(length));
        if (text.size() > (1 << 20)) {
            out << text;
            text.clear();
        }
    }
    out << text;
}

// What a run found, sent from the child to the parent.
struct Result
{
    double n = 0, mean = 0, sd = 0, q1 = 0, median = 0, q3 = 0;
};

bool Analyse(const std::string &path, Result &result)
{
    DataLayout layout;
    ColumnProblem problem;
    if (!DetectFileLayout(path, {}, layout, problem))
        return false;
    const ColumnRead read = ReadColumnFile(path, layout, {"weight", ""});
    if (!read.ok()) {
        std::fprintf(stderr, "%s\n", ColumnProblemText(read.problem).c_str());
        return false;
    }
    const Shape s = DescribeShape(SortSample(read.data.values));
    result = {double(s.n),  double(s.mean),   double(s.stdDev),
              double(s.q1), double(s.median), double(s.q3)};
    return true;
}

double CpuSeconds(const rusage &usage)
{
    return usage.ru_utime.tv_sec + usage.ru_utime.tv_usec / 1e6 + usage.ru_stime.tv_sec
        + usage.ru_stime.tv_usec / 1e6;
}

// One run in a process of its own: its processor time and peak memory.
bool RunInChild(const std::string &path, Result &result, double &cpu, long &peakKiB)
{
    int channel[2];
    if (::pipe(channel) != 0)
        return false;
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        Result found;
        const bool done = Analyse(path, found);
        const bool sent = ::write(channel[1], &found, sizeof found) == sizeof found;
        ::_exit(done && sent ? 0 : 1);
    }
    ::close(channel[1]);
    const bool received = child > 0 && ::read(channel[0], &result, sizeof result) == sizeof result;
    ::close(channel[0]);
    int status = 0;
    rusage usage{};
    if (child <= 0 || ::wait4(child, &status, 0, &usage) != child)
        return false;
    cpu = CpuSeconds(usage);
    peakKiB = usage.ru_maxrss;
    return received && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// R's processor time for the work and its process's peak memory, with what
// it found; false when R is not there or failed.
bool RunR(const std::string &path, const std::string &folder, double &cpu, long &peakKiB,
          std::string &found)
{
    if (std::system("command -v Rscript >/dev/null 2>&1") != 0)
        return false;
    const std::string script = folder + "/bench.R";
    const std::string out = folder + "/r.txt";
    std::ofstream(script) << "t0 <- proc.time()\n"
                          << "x <- read.csv('" << path << "')$weight\n"
                          << "r <- c(length(x), mean(x), sd(x), quantile(x, c(.25, .5, .75)))\n"
                          << "t <- proc.time() - t0\n"
                          << "cat(t[['user.self']] + t[['sys.self']], sprintf('%.10g', r), "
                          << "file = '" << out << "')\n";
    const pid_t child = ::fork();
    if (child == 0) {
        ::execlp("Rscript", "Rscript", "--vanilla", script.c_str(), static_cast<char *>(nullptr));
        ::_exit(127);
    }
    int status = 0;
    rusage usage{};
    if (child <= 0 || ::wait4(child, &status, 0, &usage) != child || !WIFEXITED(status)
        || WEXITSTATUS(status) != 0)
        return false;
    peakKiB = usage.ru_maxrss;
    std::ifstream in(out);
    if (!(in >> cpu))
        return false;
    std::getline(in, found);
    return true;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    const long rows = argc > 2 ? std::max(1L, std::atol(argv[2])) : 1000000L;
    const std::string folder = MakeBenchFolder();
    if (folder.empty())
        return 1;
    const std::string path = folder + "/columns.csv";
    WriteCsv(path, rows);
    std::printf("data file: %ld rows, 5 columns with a header, %ju bytes; column \"weight\"\n",
                rows, static_cast<std::uintmax_t>(std::filesystem::file_size(path)));

    std::vector<double> cpus;
    long peak = 0;
    Result result;
    for (int i = 0; i < runs; ++i) {
        double cpu = 0;
        long runPeak = 0;
        if (!RunInChild(path, result, cpu, runPeak)) {
            std::fprintf(stderr, "the reading failed\n");
            return 1;
        }
        cpus.push_back(cpu);
        peak = std::max(peak, runPeak);
    }
    const double ours = Median(cpus);
    std::printf("ours: read + n, mean, sd, quartiles: median %.3f s cpu over %d runs, peak memory"
                " %.1f MiB (the column alone: %.1f MiB)\n",
                ours, runs, peak / 1024.0, rows * 8.0 / (1 << 20));
    std::printf("  n %.0f  mean %.10g  sd %.10g  quartiles %.10g %.10g %.10g\n", result.n,
                result.mean, result.sd, result.q1, result.median, result.q3);

    std::vector<double> rCpus;
    long rPeak = 0;
    std::string rFound;
    for (int i = 0; i < runs; ++i) {
        double cpu = 0;
        long runPeak = 0;
        if (!RunR(path, folder, cpu, runPeak, rFound))
            break;
        rCpus.push_back(cpu);
        rPeak = std::max(rPeak, runPeak);
    }
    if (rCpus.empty()) {
        std::printf("R: Rscript not found or failed, no comparison\n");
    } else {
        const double r = Median(rCpus);
        std::printf("R: read.csv + the same: median %.3f s cpu, peak memory %.1f MiB\n", r,
                    rPeak / 1024.0);
        std::printf("  n, mean, sd, quartiles:%s\n", rFound.c_str());
        std::printf("  ours: %.3f of R's cpu time (aim: under 0.2), %.3f of its memory (aim: "
                    "under 1)\n",
                    ours / r, static_cast<double>(peak) / rPeak);
    }
    std::filesystem::remove_all(folder);
    return 0;
}
