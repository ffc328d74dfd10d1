#pragma once
// Measuring for the benchmarks: the wall clock, the CPU time of the calling
// thread or of the whole process (which stays meaningful when other work
// shares the machine), peak memory, and the median and worst of many requests.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <stdlib.h>
#include <string>
#include <sys/resource.h>
#include <vector>

// A new folder under the system's temporary folder for a benchmark's files;
// empty (after a message) when none can be made.
inline std::string MakeBenchFolder()
{
    std::string folder = (std::filesystem::temp_directory_path() / "mervan-bench-XXXXXX").string();
    if (::mkdtemp(folder.data()) == nullptr) {
        std::perror("mkdtemp");
        return {};
    }
    return folder;
}

inline double ThreadMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

inline double ProcessMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// The most memory the process has held so far, in KiB.
inline long PeakMemoryKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

inline double WallMilliseconds()
{
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

// The time one request took, on both clocks, and which request it was.
struct Timing
{
    double wall = 0.0;
    double cpu = 0.0;
    std::string request;
};

// Runs work, recording its time under the request's name; returns its result.
template <class Work>
auto Timed(std::vector<Timing> &timings, const std::string &request, Work work)
{
    const double wall = WallMilliseconds();
    const double cpu = ThreadMilliseconds();
    auto result = work();
    timings.push_back({WallMilliseconds() - wall, ThreadMilliseconds() - cpu, request});
    return result;
}

// Prints the median and the worst time on each clock, with the worst requests.
inline void PrintMedianAndWorst(std::vector<Timing> timings)
{
    if (timings.empty())
        return;
    const auto byCpu = [](const Timing &a, const Timing &b) { return a.cpu < b.cpu; };
    const auto byWall = [](const Timing &a, const Timing &b) { return a.wall < b.wall; };
    const auto worstCpu = *std::max_element(timings.begin(), timings.end(), byCpu);
    const auto worstWall = *std::max_element(timings.begin(), timings.end(), byWall);
    const auto middle = timings.begin() + static_cast<long>(timings.size() / 2);
    std::nth_element(timings.begin(), middle, timings.end(), byCpu);
    const double medianCpu = middle->cpu;
    std::nth_element(timings.begin(), middle, timings.end(), byWall);
    const double medianWall = middle->wall;
    std::printf("  median  %8.3f ms cpu  %8.3f ms wall\n", medianCpu, medianWall);
    std::printf("  worst   %8.3f ms cpu (%s)  %8.3f ms wall (%s)\n", worstCpu.cpu,
                worstCpu.request.c_str(), worstWall.wall, worstWall.request.c_str());
}
