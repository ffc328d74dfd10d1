#include "core/analysis/report.h"

#include "core/analysis/classes.h"
#include "core/analysis/goodness.h"
#include "core/analysis/reportformat.h"
#include "core/analysis/shape.h"
#include "core/analysis/statistics.h"

#include "core/files/safewrite.h"

#include "core/numeric/mutil.h"
#include "core/numeric/strings.h"
#include "core/numeric/translation.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <functional>
#include <string>

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

void Blanks(std::string &out, int count);

// The report's texts: context "Report".
std::string Text(const Translator &translator, const char *english)
{
    return translator("Report", english);
}

// Characters of UTF-8 text, for the rules under headings.
std::size_t Characters(const std::string &text)
{
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

// A heading at indent with its rule of rule characters below it.
void Heading(std::string &out, int indent, const std::string &heading, char rule)
{
    Blanks(out, indent);
    out += heading;
    out += LineEnd;
    Blanks(out, indent);
    out.append(Characters(heading), rule);
    out += LineEnd;
}

void Blanks(std::string &out, int count)
{
    if (count > 0)
        out.append(static_cast<std::size_t>(count), ' ');
}

// Text right-justified in width columns; a longer text is written whole.
void Right(std::string &out, const std::string &text, int width)
{
    Blanks(out, width - static_cast<int>(Characters(text)));
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
void WriteHistogramText(const AnalysisResult &a, std::string &out, const Translator &translator)
{
    const Classes &c = a.classes;
    const int d = a.sample.decimals;
    const int indent = 13 - d;
    End(out);
    const std::string heading = Text(translator, MERVAN_TEXT("Report", "Histogram"));
    Line(out, indent, std::string(Characters(heading), '-'));
    Heading(out, indent, heading, '-');

    const std::size_t k = c.size();
    if (k == 0) {
        End(out);
        return;
    }
    // One asterisk per value; when the largest class has more values than a
    // line can sensibly show, each asterisk stands for several values and a
    // note says how many.
    const std::size_t largest = *std::max_element(c.counts.begin(), c.counts.end());
    const std::size_t perAsterisk
        = largest > MaxAsterisks ? (largest + MaxAsterisks - 1) / MaxAsterisks : 1;
    if (perAsterisk > 1)
        Line(out, indent,
             Filled(Text(translator, MERVAN_TEXT("Report", "(one * for every %1 values)")),
                    {std::to_string(perAsterisk)}));
    End(out);

    for (std::size_t j = 0; j < k; ++j) {
        Fixed(out, c.bounds[j], 15, d + 1);
        out += '|';
        End(out);
        Blanks(out, 15);
        out += '|';
        out.append((c.counts[j] + perAsterisk - 1) / perAsterisk, '*');
        End(out);
    }
    Fixed(out, c.bounds[k], 15, d + 1);
    out += '|';
    End(out);
}

// "Mode = " and the mode, with how many values share its count when more
// than one does; no mode when no value repeats.
std::string ModeText(const Description &s, int decimals, const Translator &translator)
{
    if (s.modeFrequency < 2)
        return Text(translator,
                    MERVAN_TEXT("Report", "Mode = none (no value occurs more than once)"));
    const std::string mode = ReportNumber(s.mode, 0, decimals);
    if (s.modeTies > 1)
        return Filled(
            Text(translator, MERVAN_TEXT("Report", "Mode = %1 (%2 values tie, each %3 times)")),
            {mode, std::to_string(s.modeTies), std::to_string(s.modeFrequency)});
    return Filled(Text(translator, MERVAN_TEXT("Report", "Mode = %1")), {mode});
}

// The file's name after its last "/".
std::string BaseName(const std::string &path)
{
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string ShapeNumber(long double x, int decimals)
{
    return ReportNumber(static_cast<double>(x), 0, decimals);
}

// The quartiles, the interquartile range, skewness, excess kurtosis and the
// five-number summary of the sorted values. A quartile of R's type 7 lies a
// fraction of the way between two values: two more decimals than the data
// show the quarters exactly.
void WriteShape(const AnalysisResult &a, std::string &out, const Translator &translator)
{
    const Shape &shape = a.description.shape;
    const int d = a.sample.decimals;
    const int q = d + 2;
    out += WrappedLines(
        20,
        Filled(Text(translator, MERVAN_TEXT("Report", "Q1 = %1, Q3 = %2 (R's quantile type 7)")),
               {ShapeNumber(shape.q1, q), ShapeNumber(shape.q3, q)}));
    out += WrappedLines(
        20,
        Filled(Text(translator, MERVAN_TEXT("Report", "Interquartile range Q3 - Q1 = %1")),
               {ShapeNumber(shape.iqr, q)}));
    const auto estimate = [&](const char *name, bool known, long double x, const char *none) {
        out += WrappedLines(20,
                            Text(translator, name) + " = "
                                + (known ? ShapeNumber(x, 4) : Text(translator, none)));
    };
    estimate(MERVAN_TEXT("Report", "Skewness (sample estimate G1)"), shape.hasSkewness,
             shape.skewness, MERVAN_TEXT("Report", "none (needs 3 values, not all equal)"));
    estimate(MERVAN_TEXT("Report", "Excess kurtosis (sample estimate G2)"), shape.hasKurtosis,
             shape.kurtosis, MERVAN_TEXT("Report", "none (needs 4 values, not all equal)"));
    out += WrappedLines(
        20,
        Filled(Text(translator, MERVAN_TEXT("Report", "Five-number summary: %1, %2, %3, %4, %5")),
               {ShapeNumber(shape.minimum, d), ShapeNumber(shape.q1, q),
                ShapeNumber(shape.median, a.description.medianDecimals), ShapeNumber(shape.q3, q),
                ShapeNumber(shape.maximum, d)}));
    End(out);
}

using Spill = std::function<bool(std::string &text)>;

// Composes the whole report into text, handing it to spill whenever it has
// grown large (spill empties it). Returns false when spill failed.
bool ComposeReport(const AnalysisResult &a, std::string &out, const Spill &spill,
                   const Translator &translator)
{
    const auto text = [&translator](const char *english) { return Text(translator, english); };
    const Sample &sample = a.sample;
    const Description &s = a.description;
    const Classes &classes = a.classes;
    const std::size_t n = sample.n();
    const int d = sample.decimals;
    const std::vector<double> &v = sample.values;
    const double squaredResiduals = SquaredResiduals(s);

    Heading(out, 28, text(MERVAN_TEXT("Report", "Random Error Distribution")), '~');
    End(out);
    End(out);
    Heading(out, 20, text(MERVAN_TEXT("Report", "Data Analysis")), '-');
    if (!sample.columnName.empty())
        out += WrappedLines(20,
                            Filled(text(MERVAN_TEXT("Report", "Column \"%1\" of %2")),
                                   {sample.columnName, BaseName(sample.dataFileName)}));
    Blanks(out, 20);
    out += text(MERVAN_TEXT("Report", "Number of data elements: "));
    Integer(out, n, 0);
    End(out);
    if (sample.skippedTokens > 0) {
        Blanks(out, 20);
        out += text(MERVAN_TEXT("Report", "Tokens left out (not numbers): "));
        Integer(out, sample.skippedTokens, 0);
        End(out);
    }
    if (sample.missingValues > 0) {
        Blanks(out, 20);
        out += text(MERVAN_TEXT("Report", "Missing values left out: "));
        Integer(out, sample.missingValues, 0);
        End(out);
    }
    End(out);

    const double minimum = n > 0 ? v.front() : 0.0;
    const double maximum = n > 0 ? v[n - 1] : 0.0;
    LabelledNumber(out, 20, text(MERVAN_TEXT("Report", "Minimum data = ")), minimum, d);
    LabelledNumber(out, 20, text(MERVAN_TEXT("Report", "Maximum data = ")), maximum, d);
    LabelledNumber(out, 20, text(MERVAN_TEXT("Report", "       Range = ")), s.range, d);
    End(out);

    Blanks(out, 20);
    out += text(MERVAN_TEXT("Report", "Arithmetic mean = "));
    Fixed(out, s.mean, 0, d + 1);
    out += ' ';
    out += PlusMinus;
    Fixed(out, s.stdDev, 0, d + 1);
    End(out);
    LabelledNumber(out, 20, text(MERVAN_TEXT("Report", "Standard Error in the mean ")) + PlusMinus,
                   s.stdError, d + 1);
    LabelledNumber(out, 20, text(MERVAN_TEXT("Report", "Summation of Residuals Squared = ")),
                   squaredResiduals, d + 2);
    End(out);

    LabelledNumber(out, 29, text(MERVAN_TEXT("Report", "Median = ")), s.median, s.medianDecimals);
    out += WrappedLines(31, ModeText(s, d, translator));
    End(out);
    WriteShape(a, out, translator);

    Heading(out, 14,
            text(MERVAN_TEXT("Report", "Data, Residuals, and Normal Distribution Curve Point")),
            '~');
    End(out);
    Blanks(out, 8);
    Right(out, text(MERVAN_TEXT("Report", "Data Value")), 15);
    Right(out, text(MERVAN_TEXT("Report", "Frequency")), 13);
    Right(out, text(MERVAN_TEXT("Report", "Residual")), 14);
    Right(out, "f(x)", 13);
    End(out);
    Line(out, 8, std::string(64, '='));

    // One row per distinct value with the number of times it occurs.
    for (std::size_t i = 0; i < n;) {
        std::size_t r = 1;
        while (i + r < n && v[i + r] == v[i])
            ++r;
        const double residual = Residual(v[i], s);
        Blanks(out, 8);
        Fixed(out, v[i], 15, d);
        Integer(out, r, 8);
        Fixed(out, residual, 19, d + 1);
        Fixed(out, NormalOrdinate(residual, s), 13, 5);
        End(out);
        i += r;
        if (out.size() >= SpillSize && !spill(out))
            return false;
    }
    End(out);
    End(out);

    Heading(out, 20, text(MERVAN_TEXT("Report", "Histogram Information")), '~');
    LabelledNumber(out, 20, text(MERVAN_TEXT("Report", "Selected Class Interval: ")), classes.width,
                   d + 1);
    // Centred classes may need one more class than the entry gave, or one
    // fewer: the reader is told how many there are.
    if (classes.asked > 0 && classes.count != classes.asked) {
        Blanks(out, 20);
        out += text(MERVAN_TEXT("Report", "Number of classes: "));
        Integer(out, classes.size(), 0);
        out += text(MERVAN_TEXT("Report", " (centred on the mean)"));
        End(out);
    }
    for (const std::string &rule : ClassRuleLines(classes, translator))
        Line(out, 20, rule);
    End(out);
    Blanks(out, 20);
    Right(out, text(MERVAN_TEXT("Report", "Lower Value")), 15);
    Right(out, text(MERVAN_TEXT("Report", "Upper Value")), 15);
    Right(out, "#", 10);
    End(out);
    Line(out, 20, std::string(41, '='));
    for (std::size_t j = 0; j < classes.size(); ++j) {
        Blanks(out, 20);
        Fixed(out, classes.bounds[j], 15, d);
        Fixed(out, classes.bounds[j + 1], 15, d);
        Integer(out, classes.counts[j], 10);
        End(out);
    }
    out += GoodnessOfFitText(a.fit, classes, d, translator);

    WriteHistogramText(a, out, translator);
    return spill(out);
}

// The report at reportName would be written over the data file itself.
std::optional<AnalysisError> ReportReplaces(const std::string &reportName,
                                            const std::string &dataFileName)
{
    if (!SameFile(reportName, dataFileName))
        return std::nullopt;
    // A link makes two names one file: the advice is about the link.
    if (IsLink(reportName))
        return AnalysisError{AnalysisErrorCode::ReportLinksToData, {reportName, dataFileName}, {}};
    if (IsLink(dataFileName))
        return AnalysisError{AnalysisErrorCode::DataLinksToReport, {dataFileName, reportName}, {}};
    return AnalysisError{AnalysisErrorCode::ReportReplacesData, {reportName}, {}};
}

} // namespace

std::string ReportText(const AnalysisResult &analysis, const Translator &translator)
{
    std::string text;
    std::string piece;
    ComposeReport(
        analysis, piece,
        [&text](std::string &more) {
            text += more;
            more.clear();
            return true;
        },
        translator);
    return text;
}

std::string ReportFileName(const std::string &dataFileName)
{
    const std::size_t separator = dataFileName.find_last_of("/\\:");
    const std::size_t nameStart = separator == std::string::npos ? 0 : separator + 1;
    const std::size_t dot = dataFileName.rfind('.');
    if (dot != std::string::npos && dot >= nameStart)
        return dataFileName.substr(0, dot) + ".OUT";
    return dataFileName + ".OUT";
}

std::optional<AnalysisError> ReportReplacesDataFile(const std::string &dataFileName)
{
    return ReportReplaces(ReportFileName(dataFileName), dataFileName);
}

std::optional<AnalysisError> WriteReport(const AnalysisResult &analysis,
                                         const std::string &reportName,
                                         const Translator &translator)
{
    const std::optional<AnalysisError> replaces
        = ReportReplaces(reportName, analysis.sample.dataFileName);
    if (replaces)
        return replaces;
    const FilePlace place = ExaminePlace(reportName);
    if (place.problem == PlaceProblem::ReadOnly && !place.throughLink)
        return AnalysisError{AnalysisErrorCode::ReportReadOnly, {reportName}, {}};
    if (place.problem != PlaceProblem::None)
        return AnalysisError{
            AnalysisErrorCode::ReportPlace, {reportName, PlaceProblemText(place, translator)}, {}};
    const int failure = WriteWholeFile(place, [&analysis, &translator](const PieceSink &sink) {
        std::string text;
        text.reserve(SpillSize + 4096);
        return ComposeReport(analysis, text, sink, translator);
    });
    if (failure != 0)
        return AnalysisError{
            AnalysisErrorCode::CannotWriteReport, {reportName, std::strerror(failure)}, {}};
    return std::nullopt;
}
