// The analysis of a data file and its report. The first three bytes choose
// the options (bit 0 of the first: classes centred on the mean; bit 1: a
// decimal comma; bit 2: a class width rather than a number of classes, made
// from the next two bytes), the rest is the file. An analysis that succeeds
// must describe its values consistently and write a report that says so.

#include "fuzzcheck.h"

#include "core/analysis/analysisrun.h"
#include "core/analysis/report.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <numeric>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

std::string Folder;

// Tokens of the report that printf writes for a number that is not finite.
bool ShowsNonFinite(const std::string &report)
{
    std::istringstream words(report);
    std::string word;
    while (words >> word) {
        if (word == "nan" || word == "-nan" || word == "inf" || word == "-inf")
            return true;
    }
    return false;
}

void CheckAnalysis(const AnalysisState &s, bool widthEntered)
{
    const std::size_t n = s.ValueCount;
    FUZZ_CHECK(n > 0 && s.DataValues.size() == n);
    FUZZ_CHECK(std::is_sorted(s.DataValues.begin(), s.DataValues.end()));
    const double low = s.DataValues.front();
    const double high = s.DataValues.back();
    FUZZ_CHECK(s.ReadErrors.size() == (s.SkippedTokens > 0 ? 1U : 0U));

    // The mean may round a little beyond the values, never further.
    const double scale = std::max(std::fabs(low), std::fabs(high));
    FUZZ_CHECK(std::isfinite(s.Mean));
    FUZZ_CHECK(s.Mean >= low - 1e-12 * scale && s.Mean <= high + 1e-12 * scale);
    FUZZ_CHECK(s.Median >= low && s.Median <= high);
    FUZZ_CHECK(std::binary_search(s.DataValues.begin(), s.DataValues.end(), s.Mode));
    FUZZ_CHECK(std::isfinite(s.StdDev) && s.StdDev >= 0 && s.Variance >= 0);
    FUZZ_CHECK(std::isfinite(s.Range) && s.Range >= 0);

    FUZZ_CHECK(s.ClassCount >= 1 && HasClasses(s));
    // Classes have a width, except over values that are all equal: counted
    // out, every class lies on that value, and a plain class ends at the
    // maximum.
    FUZZ_CHECK(widthEntered || s.Range > 0 ? s.ClassWidth > 0 : s.ClassWidth == 0);
    const std::size_t k = ClassesOf(s);
    const std::vector<double> &b = s.ClassBounds;
    // One value under an entered width too small to tell apart from it
    // gives one class lying on that value.
    const bool widthLost = s.CentreData && widthEntered && s.Range == 0 && b[0] == b[k];
    const bool spread = s.Range > 0 || (widthEntered && s.CentreData && !widthLost);
    for (std::size_t j = 0; j < k; ++j)
        FUZZ_CHECK(spread ? b[j] < b[j + 1] : b[j] == b[j + 1]);
    FUZZ_CHECK(std::accumulate(s.ClassCounts.begin(), s.ClassCounts.begin() + k, std::size_t{0})
               == n);
    // Every class holds exactly the values from its lower bound to below its
    // upper one, the last one closed; plain classes run from the minimum to
    // the maximum, centred ones cover both.
    FUZZ_CHECK(s.CentreData ? b[0] <= low && b[k] >= high : b[0] == low && b[k] == high);
    const auto &v = s.DataValues;
    for (std::size_t j = 0; j < k; ++j) {
        const auto from = std::lower_bound(v.begin(), v.end(), b[j]);
        const auto to = j + 1 == k ? std::upper_bound(v.begin(), v.end(), b[k])
                                   : std::lower_bound(v.begin(), v.end(), b[j + 1]);
        FUZZ_CHECK(s.ClassCounts[j]
                   == static_cast<std::size_t>(std::max<std::ptrdiff_t>(to - from, 0)));
    }

    // One ordinate for each distinct value, a row of the report.
    std::size_t distinct = 0;
    for (std::size_t i = 0; i < v.size(); ++i)
        distinct += i == 0 || v[i] != v[i - 1];
    FUZZ_CHECK(s.Ordinates.size() == distinct);
    for (double y : s.Ordinates)
        FUZZ_CHECK(std::isfinite(y) && y >= 0);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // Every run writes and renames a report; memory-backed when possible.
    const char *base = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    std::string pattern = std::string(base) + "/mervan-fuzz-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) {
        std::perror("mkdtemp");
        std::abort();
    }
    Folder = pattern;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 3)
        return 0;
    const std::string dataFile = Folder + "/data.txt";
    std::ofstream(dataFile, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char *>(data + 3), static_cast<std::streamsize>(size - 3));

    AnalysisState state;
    state.CentreData = (data[0] & 1) != 0;
    state.DecimalComma = (data[0] & 2) != 0;
    const bool widthEntered = (data[0] & 4) != 0;
    if (widthEntered)
        state.ClassWidth = (1 + data[1]) / 16.0 * std::pow(10.0, data[2] % 16 - 8);
    else
        state.ClassCount = 1 + data[1] % 20;

    std::string error;
    bool classesRefused = false;
    if (!AnalyseDataFile(state, dataFile, error, &classesRefused)) {
        FUZZ_CHECK(!error.empty());
        // Any number of classes from 1 to 20 can be laid over any data.
        FUZZ_CHECK(widthEntered || !classesRefused);
        return 0;
    }
    CheckAnalysis(state, widthEntered);

    const std::size_t n = state.ValueCount;
    FUZZ_CHECK(WriteReport(state, error));
    std::ifstream in(ReportFileName(state.DataFileName), std::ios::binary);
    const std::string report{std::istreambuf_iterator<char>(in), {}};
    FUZZ_CHECK(report.find("Number of data elements: " + std::to_string(n) + "\n")
               != std::string::npos);
    FUZZ_CHECK(!ShowsNonFinite(report));
    return 0;
}
