// The analysis of a data file and its report. The first three bytes choose
// the options (bit 0 of the first: classes centred on the mean; bit 1: a
// decimal comma; bit 2: a class width rather than a number of classes, made
// from the next two bytes), the rest is the file. An analysis that succeeds
// must describe its values consistently and write a report that says so.

#include "fuzzcheck.h"

#include "core/analysis/analysisrun.h"
#include "core/analysis/report.h"
#include "core/analysis/statistics.h"

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

void CheckAnalysis(const AnalysisResult &a, bool widthEntered, bool centred)
{
    const Sample &sample = a.sample;
    const Description &s = a.description;
    const Classes &c = a.classes;
    const std::size_t n = s.n;
    FUZZ_CHECK(n > 0 && sample.values.size() == n);
    const auto &v = sample.values;
    FUZZ_CHECK(std::is_sorted(v.begin(), v.end()));
    const double low = v.front();
    const double high = v.back();
    FUZZ_CHECK(sample.notes.size() == (sample.skippedTokens > 0 ? 1U : 0U));

    // The mean may round a little beyond the values, never further.
    const double scale = std::max(std::fabs(low), std::fabs(high));
    FUZZ_CHECK(std::isfinite(s.mean));
    FUZZ_CHECK(s.mean >= low - 1e-12 * scale && s.mean <= high + 1e-12 * scale);
    FUZZ_CHECK(s.median >= low && s.median <= high);
    FUZZ_CHECK(std::binary_search(v.begin(), v.end(), s.mode));
    FUZZ_CHECK(std::isfinite(s.stdDev) && s.stdDev >= 0 && s.variance >= 0);
    FUZZ_CHECK(std::isfinite(s.range) && s.range >= 0 && s.range == high - low);

    const std::size_t k = c.size();
    FUZZ_CHECK(c.count >= 1 && k == static_cast<std::size_t>(c.count) && c.bounds.size() == k + 1);
    // Classes have a width, except over values that are all equal: counted
    // out, every class lies on that value, and a plain class ends at the
    // maximum.
    FUZZ_CHECK(widthEntered || s.range > 0 ? c.width > 0 : c.width == 0);
    const std::vector<double> &b = c.bounds;
    // One value under an entered width too small to tell apart from it
    // gives one class lying on that value.
    const bool widthLost = centred && widthEntered && s.range == 0 && b[0] == b[k];
    const bool spread = s.range > 0 || (widthEntered && centred && !widthLost);
    for (std::size_t j = 0; j < k; ++j)
        FUZZ_CHECK(spread ? b[j] < b[j + 1] : b[j] == b[j + 1]);
    FUZZ_CHECK(std::accumulate(c.counts.begin(), c.counts.end(), std::size_t{0}) == n);
    // Every class holds exactly the values from its lower bound to below its
    // upper one, the last one closed; plain classes run from the minimum to
    // the maximum, centred ones cover both.
    FUZZ_CHECK(centred ? b[0] <= low && b[k] >= high : b[0] == low && b[k] == high);
    for (std::size_t j = 0; j < k; ++j) {
        const auto from = std::lower_bound(v.begin(), v.end(), b[j]);
        const auto to = j + 1 == k ? std::upper_bound(v.begin(), v.end(), b[k])
                                   : std::lower_bound(v.begin(), v.end(), b[j + 1]);
        FUZZ_CHECK(c.counts[j] == static_cast<std::size_t>(std::max<std::ptrdiff_t>(to - from, 0)));
    }

    // The normal curve's ordinates of the report's rows.
    for (double x : v) {
        const double y = NormalOrdinate(Residual(x, s), s);
        FUZZ_CHECK(std::isfinite(y) && y >= 0);
    }
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

    AnalysisRequest request;
    request.dataFileName = dataFile;
    request.centred = (data[0] & 1) != 0;
    request.decimalComma = (data[0] & 2) != 0;
    const bool widthEntered = (data[0] & 4) != 0;
    if (widthEntered)
        request.classWidth = (1 + data[1]) / 16.0 * std::pow(10.0, data[2] % 16 - 8);
    else
        request.classCount = 1 + data[1] % 20;

    const AnalysisRun run = AnalyseDataFile(request);
    if (!run.ok()) {
        FUZZ_CHECK(!run.error->text().empty());
        // Any number of classes from 1 to 20 can be laid over any data.
        FUZZ_CHECK(widthEntered || !run.classesRefused);
        return 0;
    }
    CheckAnalysis(run.result, widthEntered, request.centred);

    const std::size_t n = run.result.description.n;
    const std::string reportName = ReportFileName(dataFile);
    FUZZ_CHECK(!WriteReport(run.result, reportName));
    std::ifstream in(reportName, std::ios::binary);
    const std::string report{std::istreambuf_iterator<char>(in), {}};
    FUZZ_CHECK(report.find("Number of data elements: " + std::to_string(n) + "\n")
               != std::string::npos);
    FUZZ_CHECK(!ShowsNonFinite(report));
    return 0;
}
