#include "core/analysis/report.h"

#include "core/analysis/goodness.h"
#include "core/analysis/reportformat.h"
#include "core/analysis/statistics.h"

#include "core/numeric/mutil.h"
#include "core/numeric/strings.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <functional>
#include <new>
#include <string>

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char *const LineEnd = "\n";
// The plus-minus sign, U+00B1 in UTF-8.
const char *const PlusMinus = "\xC2\xB1";

// Above this many values in a class, one asterisk stands for several values,
// so that a histogram line (15 columns and "|" before the asterisks) stays
// within the report's width.
constexpr std::size_t MaxAsterisks = ReportWidth - 16;

// The report is composed in pieces of about this size and handed on.
constexpr std::size_t SpillSize = 1 << 18;

void Blanks(std::string &out, int count)
{
    if (count > 0)
        out.append(static_cast<std::size_t>(count), ' ');
}

// Text right-justified in width columns; a longer text is written whole.
void Right(std::string &out, const std::string &text, int width)
{
    Blanks(out, width - static_cast<int>(text.size()));
    out += text;
}

void Fixed(std::string &out, double x, int width, int decimals)
{
    AppendFixed(out, x, width, decimals);
}

void Integer(std::string &out, std::size_t n, int width)
{
    char buffer[32];
    const char *end = std::to_chars(buffer, buffer + sizeof buffer, n).ptr;
    Blanks(out, width - static_cast<int>(end - buffer));
    out.append(buffer, static_cast<std::size_t>(end - buffer));
}

void End(std::string &out)
{
    out += LineEnd;
}

void Line(std::string &out, int indent, const std::string &text)
{
    Blanks(out, indent);
    out += text;
    End(out);
}

// One line: indent blanks, the label and x with the given decimals.
void LabelledNumber(std::string &out, int indent, const std::string &label, double x, int decimals)
{
    Blanks(out, indent);
    out += label;
    Fixed(out, x, 0, decimals);
    End(out);
}

// Appends the asterisk histogram, the report's last section, to out.
void WriteHistogramText(const AnalysisState &s, std::string &out)
{
    const int d = s.MaxDecimals;
    const int indent = 13 - d;
    End(out);
    Line(out, indent, "---------");
    Line(out, indent, "Histogram");
    Line(out, indent, "---------");

    const std::size_t k = ClassesOf(s);
    if (!HasClasses(s)) {
        End(out);
        return;
    }
    // One asterisk per value; when the largest class has more values than a
    // line can sensibly show, each asterisk stands for several values and a
    // note says how many.
    const std::size_t largest = k > 0
        ? *std::max_element(s.ClassCounts.begin(),
                            s.ClassCounts.begin() + static_cast<std::ptrdiff_t>(k))
        : 0;
    const std::size_t perAsterisk
        = largest > MaxAsterisks ? (largest + MaxAsterisks - 1) / MaxAsterisks : 1;
    if (perAsterisk > 1)
        Line(out, indent, "(one * for every " + std::to_string(perAsterisk) + " values)");
    End(out);

    for (std::size_t j = 0; j < k; ++j) {
        Fixed(out, s.ClassBounds[j], 15, d + 1);
        out += '|';
        End(out);
        Blanks(out, 15);
        out += '|';
        out.append((s.ClassCounts[j] + perAsterisk - 1) / perAsterisk, '*');
        End(out);
    }
    Fixed(out, s.ClassBounds[k], 15, d + 1);
    out += '|';
    End(out);
}

// "Mode = " and the mode, with how many values share its count when more
// than one does; no mode when no value repeats.
std::string ModeText(const AnalysisState &s)
{
    if (s.ModeFrequency < 2)
        return "Mode = none (no value occurs more than once)";
    std::string text = "Mode = " + ReportNumber(s.Mode, 0, s.MaxDecimals);
    if (s.ModeTies > 1)
        text += " (" + std::to_string(s.ModeTies) + " values tie, each "
            + std::to_string(s.ModeFrequency) + " times)";
    return text;
}

using Spill = std::function<bool(std::string &text)>;

// Composes the whole report into text, handing it to spill whenever it has
// grown large (spill empties it). Returns false when spill failed.
bool ComposeReport(const AnalysisState &s, std::string &out, const Spill &spill)
{
    const std::size_t n = s.ValueCount;
    const int d = s.MaxDecimals;
    const std::vector<double> &v = s.DataValues;
    const double squaredResiduals = SquaredResiduals(s);

    Line(out, 28, "Random Error Distribution");
    Line(out, 28, std::string(25, '~'));
    End(out);
    End(out);
    Line(out, 20, "Data Analysis");
    Line(out, 20, "-------------");
    Blanks(out, 20);
    out += "Number of data elements: ";
    Integer(out, n, 0);
    End(out);
    if (s.SkippedTokens > 0) {
        Blanks(out, 20);
        out += "Tokens left out (not numbers): ";
        Integer(out, s.SkippedTokens, 0);
        End(out);
    }
    End(out);

    const double minimum = n > 0 ? v.front() : 0.0;
    const double maximum = n > 0 ? v[n - 1] : 0.0;
    LabelledNumber(out, 20, "Minimum data = ", minimum, d);
    LabelledNumber(out, 20, "Maximum data = ", maximum, d);
    LabelledNumber(out, 20, "       Range = ", s.Range, d);
    End(out);

    Blanks(out, 20);
    out += "Arithmetic mean = ";
    Fixed(out, s.Mean, 0, d + 1);
    out += ' ';
    out += PlusMinus;
    Fixed(out, s.StdDev, 0, d + 1);
    End(out);
    LabelledNumber(out, 20, std::string("Standard Error in the mean ") + PlusMinus, s.StdError,
                   d + 1);
    LabelledNumber(out, 20, "Summation of Residuals Squared = ", squaredResiduals, d + 2);
    End(out);

    LabelledNumber(out, 29, "Median = ", s.Median, MedianDecimals(s));
    out += WrappedLines(31, ModeText(s));
    End(out);

    Line(out, 14, "Data, Residuals, and Normal Distribution Curve Point");
    Line(out, 14, std::string(52, '~'));
    End(out);
    Blanks(out, 8);
    Right(out, "Data Value", 15);
    Right(out, "Frequency", 13);
    Right(out, "Residual", 14);
    Right(out, "f(x)", 13);
    End(out);
    Line(out, 8, std::string(64, '='));

    // One row per distinct value with the number of times it occurs.
    for (std::size_t i = 0, row = 0; i < n; ++row) {
        std::size_t r = 1;
        while (i + r < n && v[i + r] == v[i])
            ++r;
        Blanks(out, 8);
        Fixed(out, v[i], 15, d);
        Integer(out, r, 8);
        Fixed(out, i < s.Residuals.size() ? s.Residuals[i] : 0.0, 19, d + 1);
        Fixed(out, row < s.Ordinates.size() ? s.Ordinates[row] : 0.0, 13, 5);
        End(out);
        i += r;
        if (out.size() >= SpillSize && !spill(out))
            return false;
    }
    End(out);
    End(out);

    Line(out, 20, "Histogram Information");
    Line(out, 20, std::string(21, '~'));
    LabelledNumber(out, 20, "Selected Class Interval: ", s.ClassWidth, d + 1);
    // Centred classes may need one more class than the entry gave, or one
    // fewer: the reader is told how many there are.
    if (s.ClassesAsked > 0 && s.ClassCount != s.ClassesAsked) {
        Blanks(out, 20);
        out += "Number of classes: ";
        Integer(out, ClassesOf(s), 0);
        out += " (centred on the mean)";
        End(out);
    }
    End(out);
    Blanks(out, 20);
    Right(out, "Lower Value", 15);
    Right(out, "Upper Value", 15);
    Right(out, "#", 10);
    End(out);
    Line(out, 20, std::string(41, '='));
    const std::size_t k = ClassesOf(s);
    const bool classesComplete = HasClasses(s);
    for (std::size_t j = 0; classesComplete && j < k; ++j) {
        Blanks(out, 20);
        Fixed(out, s.ClassBounds[j], 15, d);
        Fixed(out, s.ClassBounds[j + 1], 15, d);
        Integer(out, s.ClassCounts[j], 10);
        End(out);
    }
    out += GoodnessOfFitText(s);

    WriteHistogramText(s, out);
    return spill(out);
}

} // namespace

std::string ReportText(const AnalysisState &state)
{
    std::string text;
    std::string piece;
    ComposeReport(state, piece, [&text](std::string &more) {
        text += more;
        more.clear();
        return true;
    });
    return text;
}

namespace {

bool WriteAll(int fd, const std::string &text)
{
    const char *p = text.data();
    std::size_t left = text.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, p, left);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        p += written;
        left -= static_cast<std::size_t>(written);
    }
    return true;
}

// The name of the temporary file that a run with process id pid writes the
// report into before renaming it.
std::string TemporaryName(const std::string &reportName, long pid, int attempt)
{
    return reportName + "." + std::to_string(pid) + "-" + std::to_string(attempt) + ".tmp";
}

// A run that was killed while writing leaves its temporary file behind; the
// next run of the same report removes those of processes that are gone.
void RemoveLeftovers(const std::string &reportName)
{
    const std::filesystem::path report(reportName);
    const std::string prefix = report.filename().string() + ".";
    std::filesystem::path folder = report.parent_path();
    if (folder.empty())
        folder = ".";
    std::error_code failed;
    for (std::filesystem::directory_iterator it(folder, failed), end; !failed && it != end;
         it.increment(failed)) {
        const std::string name = it->path().filename().string();
        if (name.size() <= prefix.size() + 4 || name.compare(0, prefix.size(), prefix) != 0
            || name.compare(name.size() - 4, 4, ".tmp") != 0)
            continue;
        long pid = 0;
        int attempt = 0;
        const char *first = name.data() + prefix.size();
        const char *last = name.data() + name.size() - 4;
        const auto [dash, pidFailed] = std::from_chars(first, last, pid);
        if (pidFailed != std::errc() || dash == last || *dash != '-')
            continue;
        const auto [end2, attemptFailed] = std::from_chars(dash + 1, last, attempt);
        if (attemptFailed != std::errc() || end2 != last
            || name != TemporaryName(report.filename().string(), pid, attempt))
            continue;
        if (pid > 0 && ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH)
            ::unlink(it->path().c_str());
    }
}

// The report exists and may not be written: it is left as it is.
bool ReadOnly(const std::string &reportName)
{
    struct stat info;
    if (::stat(reportName.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return false;
    // A report without any write permission counts as read-only also for
    // the superuser, whom the permissions do not stop.
    return (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0
        || (::access(reportName.c_str(), W_OK) != 0 && errno == EACCES);
}

} // namespace

// Writes a composed piece of the report to fd and empties it; keeps errno of
// a failure in failure. A named type outside the anonymous namespace, so that
// its type information is shared read-only data rather than data of this file.
struct ReportSpill
{
    int fd;
    int &failure;

    bool operator()(std::string &piece) const
    {
        if (!WriteAll(fd, piece)) {
            failure = errno;
            return false;
        }
        piece.clear();
        return true;
    }
};

std::string ReportFileName(const std::string &dataFileName)
{
    const std::size_t separator = dataFileName.find_last_of("/\\:");
    const std::size_t nameStart = separator == std::string::npos ? 0 : separator + 1;
    const std::size_t dot = dataFileName.rfind('.');
    if (dot != std::string::npos && dot >= nameStart)
        return dataFileName.substr(0, dot) + ".OUT";
    return dataFileName + ".OUT";
}

bool SameFile(const std::string &a, const std::string &b)
{
    if (a == b)
        return true;
    // Names of files that do not exist yet are compared spelled out in full
    // ("./x.OUT" and "x.OUT" are one place); existing files by identity.
    std::error_code failed;
    const std::filesystem::path fullA = std::filesystem::weakly_canonical(a, failed);
    if (!failed) {
        const std::filesystem::path fullB = std::filesystem::weakly_canonical(b, failed);
        if (!failed && fullA == fullB)
            return true;
    }
    struct stat sa;
    struct stat sb;
    if (::stat(a.c_str(), &sa) != 0 || ::stat(b.c_str(), &sb) != 0)
        return false;
    return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

std::string ReportReplacesDataFile(const std::string &dataFileName)
{
    const std::string reportName = ReportFileName(dataFileName);
    if (!SameFile(reportName, dataFileName))
        return std::string();
    return "The report \"" + reportName
        + "\" would replace the data file. Please give the data file an extension other than \".OUT\".";
}

bool WriteReport(const AnalysisState &state, std::string &error)
{
    const std::string reportName = ReportFileName(state.DataFileName);
    error = ReportReplacesDataFile(state.DataFileName);
    if (!error.empty())
        return false;
    if (ReadOnly(reportName)) {
        error = "The report file \"" + reportName
            + "\" is read-only and was not replaced. Please make it writable or remove it.";
        return false;
    }
    RemoveLeftovers(reportName);

    // The report goes to a new file beside its final place and is renamed
    // over it only when complete, so a failure never leaves half a report
    // or destroys the previous one.
    std::string temporaryName;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporaryName = TemporaryName(reportName, ::getpid(), attempt);
        fd = ::open(temporaryName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0) {
        error
            = "Cannot write the report file \"" + reportName + "\": " + std::strerror(errno) + ".";
        return false;
    }

    int failure = 0;
    bool written = false;
    try {
        std::string text;
        text.reserve(SpillSize + 4096);
        written = ComposeReport(state, text, ReportSpill{fd, failure});
    } catch (const std::bad_alloc &) {
        failure = ENOMEM;
    }
    if (written && ::fdatasync(fd) != 0 && errno != EINVAL)
        failure = errno;
    if (::close(fd) != 0 && failure == 0)
        failure = errno;
    if (!written && failure == 0)
        failure = EIO;
    if (failure == 0 && ::rename(temporaryName.c_str(), reportName.c_str()) != 0)
        failure = errno;
    if (failure != 0) {
        ::unlink(temporaryName.c_str());
        error = "Cannot write the report file \"" + reportName + "\": " + std::strerror(failure)
            + ".";
        return false;
    }
    return true;
}
