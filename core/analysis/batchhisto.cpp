#include "core/analysis/batchhisto.h"

#include "core/analysis/analysisrun.h"
#include "core/analysis/classes.h"
#include "core/analysis/datafile.h"
#include "core/analysis/report.h"
#include "core/numeric/messages.h"

#include "core/numeric/strings.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <optional>
#include <tuple>
#include <utility>

namespace {

const char *const Usage
    = MERVAN_TEXT("BatchHistogram",
                  "usage: mervan-batch histogram (--intervals K | --width W) [--no-center]\n"
                  "         [--column NAME|N [--weights NAME|N]] [--delimiter C]\n"
                  "         [--anchor X] [--right-closed] [--scale counts|percent|density]\n"
                  "         [--decimal-comma | --decimal-point] [--picture FILE] [--boxplot FILE]\n"
                  "         [--qq FILE] DATAFILE   (pictures as .png, .svg or .pdf)");

// The run ended with status after the message.
HistogramRun End(HistogramRun &run, int status, const std::string &message)
{
    run.messages.push_back(message);
    run.status = status;
    return std::move(run);
}

HistogramRun Refuse(const Translator &translator, HistogramRun &run, const std::string &why)
{
    return End(run, 2,
               "mervan-batch histogram: " + why + "\n" + translator("BatchHistogram", Usage));
}

// A message of the console histogram with its arguments.
std::string Say(const Translator &translator, const char *english,
                std::initializer_list<std::string> arguments = {})
{
    return Filled(translator("BatchHistogram", english), arguments);
}

// The delimiter given to --delimiter: one character of ",;" or a TAB or a
// blank, or the words "tab" and "blank".
std::optional<char> DelimiterOption(const std::string &text)
{
    if (text == "tab" || text == "\t")
        return '\t';
    if (text == "blank" || text == "space" || text == " ")
        return ' ';
    if (text == "," || text == ";")
        return text[0];
    return std::nullopt;
}

// The file's layout as detected and as the options correct it; a message
// (with status 2 for a refusal of the input) when it cannot be used.
struct LayoutChoice
{
    DataLayout layout;
    int status = 0;
    std::string message;
};

LayoutChoice ChooseLayout(const std::string &dataFile, const LayoutOverrides &overrides,
                          std::string &column, const std::string &weights,
                          const Translator &translator)
{
    LayoutChoice choice;
    ColumnProblem problem;
    if (!DetectFileLayout(dataFile, overrides, choice.layout, problem))
        return choice; // the free list's reader says why the file cannot be read
    DataLayout &layout = choice.layout;
    if (column.empty() && IsPooledBlankList(layout, overrides))
        layout.columnar = false;
    if (!layout.columnar) {
        if (!column.empty() || !weights.empty()) {
            choice.status = 2;
            choice.message = Say(translator,
                                 MERVAN_TEXT("BatchHistogram",
                                             "\"%1\" is a list of numbers without columns; leave "
                                             "out --column and --weights"),
                                 {dataFile});
        }
        return choice;
    }
    // One column leaves nothing to choose.
    if (column.empty() && layout.fieldCount == 1)
        column = "1";
    if (column.empty()) {
        std::string names;
        for (const std::string &name : layout.columnNames)
            names += (names.empty() ? "\"" : ", \"") + name + "\"";
        choice.status = 2;
        choice.message = Say(translator,
                             MERVAN_TEXT("BatchHistogram",
                                         "\"%1\" has the columns %2; choose one with --column "
                                         "NAME or --column N"),
                             {dataFile, names});
        return choice;
    }
    for (const std::string &name : {column, weights}) {
        if (!name.empty() && !FindColumn(layout, name)) {
            problem = {ColumnError::NoSuchColumn, 0, 0, 0, {}, name, layout.columnNames};
            choice.status = 2;
            choice.message = ColumnProblemText(problem, translator);
            return choice;
        }
    }
    return choice;
}

} // namespace

HistogramRun RunHistogram(const std::vector<std::string> &args, const PictureWriters &writers,
                          const Translator &translator)
{
    HistogramRun run;
    AnalysisRequest request;
    std::optional<std::string> intervals;
    std::optional<std::string> width;
    std::optional<std::string> picture;
    std::optional<std::string> boxPlot;
    std::optional<std::string> qq;
    std::optional<std::string> dataFile;
    std::optional<std::string> column;
    std::optional<std::string> weights;
    std::optional<std::string> delimiter;
    std::optional<std::string> anchor;
    std::optional<std::string> scale;
    LayoutOverrides overrides;
    bool centre = true;

    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &arg = args[i];
        auto value = [&](std::optional<std::string> &target) {
            if (target)
                return Say(translator,
                           MERVAN_TEXT("BatchHistogram", "the option %1 is given twice"), {arg});
            if (i + 1 >= args.size())
                return Say(translator, MERVAN_TEXT("BatchHistogram", "the option %1 needs a value"),
                           {arg});
            target = args[++i];
            return std::string();
        };
        std::string problem;
        if (arg == "--intervals")
            problem = value(intervals);
        else if (arg == "--width")
            problem = value(width);
        else if (arg == "--picture")
            problem = value(picture);
        else if (arg == "--boxplot")
            problem = value(boxPlot);
        else if (arg == "--qq")
            problem = value(qq);
        else if (arg == "--no-center")
            centre = false;
        else if (arg == "--anchor")
            problem = value(anchor);
        else if (arg == "--right-closed")
            request.rightClosed = true;
        else if (arg == "--scale")
            problem = value(scale);
        else if (arg == "--column")
            problem = value(column);
        else if (arg == "--weights")
            problem = value(weights);
        else if (arg == "--delimiter")
            problem = value(delimiter);
        else if (arg == "--decimal-comma" || arg == "--decimal-point") {
            const char sign = arg == "--decimal-comma" ? ',' : '.';
            if (overrides.decimalSign && *overrides.decimalSign != sign)
                problem = Say(translator,
                              MERVAN_TEXT("BatchHistogram",
                                          "give only one of --decimal-comma and "
                                          "--decimal-point"));
            overrides.decimalSign = sign;
            request.decimalComma = sign == ',';
        } else if (arg.size() > 1 && arg[0] == '-')
            problem = Say(translator, MERVAN_TEXT("BatchHistogram", "unknown option %1"), {arg});
        else if (dataFile)
            problem = Say(translator,
                          MERVAN_TEXT("BatchHistogram", "only one data file can be analysed"));
        else
            dataFile = arg;
        if (!problem.empty())
            return Refuse(translator, run, problem);
    }
    if (intervals.has_value() == width.has_value())
        return Refuse(
            translator, run,
            Say(translator, MERVAN_TEXT("BatchHistogram", "give either --intervals or --width")));
    if (!dataFile)
        return Refuse(translator, run,
                      Say(translator, MERVAN_TEXT("BatchHistogram", "the data file is missing")));
    if (weights && !column)
        return Refuse(translator, run,
                      Say(translator, MERVAN_TEXT("BatchHistogram", "--weights needs --column")));
    if (delimiter) {
        overrides.delimiter = DelimiterOption(*delimiter);
        if (!overrides.delimiter)
            return Refuse(
                translator, run,
                Say(translator,
                    MERVAN_TEXT("BatchHistogram",
                                "the delimiter \"%1\" is not one of \",\", \";\", tab, blank"),
                    {*delimiter}));
    }
    if (anchor) {
        long double start = 0;
        if (!ConvertReal(*anchor, start) || !std::isfinite(static_cast<double>(start)))
            return Refuse(translator, run,
                          Say(translator,
                              MERVAN_TEXT("BatchHistogram", "the anchor \"%1\" is not a number"),
                              {*anchor}));
        // Centred classes take their place from the mean.
        if (centre)
            return Refuse(translator, run,
                          Say(translator,
                              MERVAN_TEXT("BatchHistogram",
                                          "--anchor places plain classes; give "
                                          "--no-center with it")));
        request.anchor = static_cast<double>(start);
    }
    if (scale) {
        const char *const names[] = {"counts", "percent", "density"};
        const auto *found = std::find(std::begin(names), std::end(names), *scale);
        if (found == std::end(names))
            return Refuse(translator, run,
                          Say(translator,
                              MERVAN_TEXT("BatchHistogram",
                                          "the scale \"%1\" is not counts, percent or density"),
                              {*scale}));
        request.scale = static_cast<HistogramScale>(found - std::begin(names));
    }
    // Each picture asked for, with the writer that draws it.
    const std::vector<std::tuple<const char *, std::optional<std::string> &, const PictureWriter &>>
        pictures = {{"--picture", picture, writers.histogram},
                    {"--boxplot", boxPlot, writers.boxPlot},
                    {"--qq", qq, writers.qq}};
    for (const auto &[option, path, writer] : pictures)
        if (path && !writer)
            return Refuse(
                translator, run,
                Say(translator,
                    MERVAN_TEXT("BatchHistogram", "this build cannot write pictures (%1)"),
                    {option}));

    // The entry is read and checked exactly as the histogram dialog does.
    std::optional<EntryError> entryError;
    if (intervals) {
        const EntryRead<std::int32_t> read = ReadIntervalEntry(*intervals);
        request.classCount = read.value;
        entryError = read.error;
    } else {
        const EntryRead<double> read = ReadWidthEntry(*width);
        request.classWidth = read.value;
        entryError = read.error;
    }
    if (entryError) {
        run.messages = entryError->texts(translator);
        run.status = 2;
        return run;
    }
    request.centred = centre;
    request.dataFileName = *dataFile;

    // A data file that its own report would replace is refused before it
    // is read.
    if (const std::optional<AnalysisError> refusal = ReportReplacesDataFile(*dataFile))
        return End(run, 1, refusal->text(translator));
    // Nor may a picture take the place of the data file or of its report.
    for (const auto &[option, path, writer] : pictures) {
        if (path && (SameFile(*path, *dataFile) || SameFile(*path, ReportFileName(*dataFile))))
            return End(
                run, 1,
                Filled(translator("BatchHistogram",
                                  MERVAN_TEXT("BatchHistogram",
                                              "The picture \"%1\" would replace the data file or "
                                              "its report. Please give the picture a name of its "
                                              "own.")),
                       {*path}));
    }
    std::string columnName = column.value_or("");
    const LayoutChoice layout
        = ChooseLayout(*dataFile, overrides, columnName, weights.value_or(""), translator);
    if (layout.status != 0)
        return Refuse(translator, run, layout.message);
    request.column = columnName;
    request.weights = weights.value_or("");
    AnalysisRun analysed = AnalyseDataFile(request, &layout.layout);
    run.analysis = std::move(analysed.result);
    const AnalysisResult &analysis = run.analysis;
    run.messages = SampleNotes(analysis.sample, translator);
    if (analysis.sample.commaDecimalsSeen && !overrides.decimalSign) {
        run.messages.push_back(
            "mervan-batch histogram: "
            + Filled(translator(
                         "BatchHistogram",
                         MERVAN_TEXT("BatchHistogram",
                                     "\"%1\" has commas between digits and no decimal point; give "
                                     "--decimal-comma to read them as decimal signs")),
                     {*dataFile}));
    }
    if (analysed.error)
        return End(run, 1, analysed.error->text(translator));

    // One picture that fails costs neither the others nor the report.
    bool picturesFailed = false;
    const PictureStep pictureStep = [&](const AnalysisResult &result, std::string &) {
        for (const auto &[option, path, writer] : pictures) {
            std::string why;
            if (path && !writer(result, *path, why)) {
                picturesFailed = true;
                run.messages.push_back(
                    Filled(translator("BatchHistogram",
                                      MERVAN_TEXT("BatchHistogram",
                                                  "Cannot write the picture \"%1\": %2")),
                           {*path,
                            why.empty() ? translator(
                                "BatchHistogram",
                                MERVAN_TEXT("BatchHistogram", "the picture could not be made."))
                                        : why}));
            }
        }
        return true;
    };
    const AnalysisOutputs outputs = FinishAnalysis(analysis, pictureStep, translator);
    if (outputs.reportError)
        return End(run, 1, outputs.reportError->text(translator));
    run.reportName = outputs.reportName;
    run.status = picturesFailed ? 1 : 0;
    return run;
}

int ShowHistogramRun(const HistogramRun &run)
{
    for (const std::string &message : run.messages)
        WriteToStandardError(message);
    if (!run.reportName.empty()) {
        std::printf("%s\n", run.reportName.c_str());
        std::fflush(stdout);
    }
    return run.status;
}

int RunHistogramCommand(const std::vector<std::string> &args, const PictureWriters &writers,
                        const Translator &translator)
{
    return ShowHistogramRun(RunHistogram(args, writers, translator));
}
