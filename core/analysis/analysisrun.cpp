#include "core/analysis/analysisrun.h"

#include "core/analysis/classes.h"
#include "core/analysis/columnreader.h"
#include "core/analysis/datafile.h"
#include "core/analysis/goodness.h"
#include "core/analysis/report.h"
#include "core/analysis/statistics.h"

#include <algorithm>
#include <new>
#include <numeric>
#include <utility>
#include <vector>

namespace {

Checked<Sample> ReadColumnSample(const std::string &fileName, const DataLayout &layout,
                                 const ColumnRequest &request)
{
    Checked<Sample> checked;
    Sample &sample = checked.value;
    sample.dataFileName = fileName;
    ColumnRead read = ReadColumnFile(fileName, layout, request);
    if (!read.ok()) {
        checked.error = AnalysisError{AnalysisErrorCode::Column, {}, read.problem};
        return checked;
    }
    ColumnData &data = read.data;
    sample.columnName = data.columnName;
    sample.missingValues = data.missing;
    sample.decimals = std::min(data.decimals, 15);
    if (data.counts.empty()) {
        sample.values = std::move(data.values);
    } else {
        // The counts are whole numbers below 2^53; a sum beyond what memory
        // can hold ends as a shortage of memory.
        const long double total = std::accumulate(data.counts.begin(), data.counts.end(), 0.0L);
        if (total > static_cast<long double>(sample.values.max_size()))
            throw std::bad_alloc();
        sample.values.reserve(static_cast<std::size_t>(total));
        for (std::size_t i = 0; i < data.values.size(); ++i)
            sample.values.insert(sample.values.end(), static_cast<std::size_t>(data.counts[i]),
                                 data.values[i]);
    }
    if (sample.values.empty())
        checked.error = AnalysisError{AnalysisErrorCode::CountsAddUpToZero, {data.weightsName}, {}};
    return checked;
}

// The run's steps in their order; the first that fails ends it.
void Analyse(const AnalysisRequest &request, const DataLayout *layout, AnalysisRun &run)
{
    AnalysisResult &result = run.result;
    result.scale = request.scale;
    Checked<Sample> read = layout && layout->columnar
        ? ReadColumnSample(request.dataFileName, *layout,
                           ColumnRequest{request.column, request.weights})
        : ReadDataFile(request.dataFileName, request.decimalComma);
    result.sample = std::move(read.value);
    if ((run.error = std::move(read.error)))
        return;
    SortData(result.sample);
    Checked<Description> described = DescribeSample(result.sample);
    result.description = std::move(described.value);
    if ((run.error = std::move(described.error)))
        return;
    Checked<Classes> classes = BuildClasses(result.sample, result.description, request);
    result.classes = std::move(classes.value);
    if ((run.error = std::move(classes.error))) {
        run.classesRefused = true;
        return;
    }
    result.fit = TestGoodnessOfFit(result.description, result.classes);
}

} // namespace

AnalysisRun AnalyseDataFile(const AnalysisRequest &request, const DataLayout *layout)
{
    AnalysisRun run;
    try {
        Analyse(request, layout, run);
    } catch (const std::bad_alloc &) {
        // Give back what the analysis held, so that the program can go on;
        // what was found about the file stays.
        AnalysisResult &result = run.result;
        std::vector<double>().swap(result.sample.values);
        result.sample.dataFileName = request.dataFileName;
        result.description = Description();
        result.classes = Classes();
        result.fit = GoodnessOfFit();
        run.classesRefused = false;
        run.error = AnalysisError{AnalysisErrorCode::NotEnoughMemory, {}, {}};
    }
    return run;
}

AnalysisOutputs FinishAnalysis(const AnalysisResult &analysis, const PictureStep &picture,
                               const Translator &translator)
{
    AnalysisOutputs outputs;
    if (picture && !picture(analysis, outputs.pictureError) && outputs.pictureError.empty())
        outputs.pictureError = translator(
            "BatchHistogram", MERVAN_TEXT("BatchHistogram", "the picture could not be made."));
    const std::string reportName = ReportFileName(analysis.sample.dataFileName);
    outputs.reportError = WriteReport(analysis, reportName, translator);
    if (!outputs.reportError)
        outputs.reportName = reportName;
    return outputs;
}
