#include "core/analysis/analysisrun.h"

#include "core/analysis/classes.h"
#include "core/analysis/report.h"
#include "core/analysis/statistics.h"

#include <algorithm>
#include <functional>
#include <new>
#include <numeric>
#include <vector>

namespace {

using ReadStep = std::function<bool(AnalysisState &state, std::string &error)>;

bool Analyse(AnalysisState &state, const ReadStep &read, std::string &error, bool *classesRefused)
{
    if (!read(state, error))
        return false;
    SortData(state);
    if (!ComputeStatistics(state, error))
        return false;
    FindMedian(state);
    FindMode(state);
    ComputeResiduals(state);
    if (!BuildClasses(state, error)) {
        if (classesRefused)
            *classesRefused = true;
        return false;
    }
    ComputeOrdinates(state);
    return true;
}

bool ReadColumnSample(AnalysisState &state, const std::string &fileName, const DataLayout &layout,
                      const ColumnRequest &request, std::string &error)
{
    state.DataFileName = fileName;
    ColumnRead read = ReadColumnFile(fileName, layout, request);
    if (!read.ok()) {
        error = ColumnProblemText(read.problem);
        return false;
    }
    ColumnData &data = read.data;
    state.ColumnName = data.columnName;
    state.MaxDecimals = static_cast<std::uint8_t>(std::min(data.decimals, 15));
    if (data.counts.empty()) {
        state.DataValues = std::move(data.values);
    } else {
        // The counts are whole numbers below 2^53; a sum beyond what memory
        // can hold ends as a shortage of memory.
        const long double total = std::accumulate(data.counts.begin(), data.counts.end(), 0.0L);
        if (total > static_cast<long double>(state.DataValues.max_size()))
            throw std::bad_alloc();
        state.DataValues.clear();
        state.DataValues.reserve(static_cast<std::size_t>(total));
        for (std::size_t i = 0; i < data.values.size(); ++i)
            state.DataValues.insert(state.DataValues.end(),
                                    static_cast<std::size_t>(data.counts[i]), data.values[i]);
    }
    state.ValueCount = state.DataValues.size();
    if (state.ValueCount == 0) {
        error = "The counts in the column \"" + data.weightsName + "\" add up to 0.";
        return false;
    }
    return true;
}

bool Guarded(AnalysisState &state, const ReadStep &read, std::string &error, bool *classesRefused)
{
    if (classesRefused)
        *classesRefused = false;
    try {
        return Analyse(state, read, error, classesRefused);
    } catch (const std::bad_alloc &) {
        // Give back what the analysis held, so that the program can go on.
        std::vector<double>().swap(state.DataValues);
        std::vector<double>().swap(state.Residuals);
        std::vector<double>().swap(state.Ordinates);
        std::vector<double>().swap(state.ClassBounds);
        std::vector<std::size_t>().swap(state.ClassCounts);
        state.ValueCount = 0;
        error = NotEnoughMemory();
        return false;
    }
}

} // namespace

bool AnalyseDataFile(AnalysisState &state, const std::string &fileName, std::string &error,
                     bool *classesRefused)
{
    return Guarded(
        state,
        [&fileName](AnalysisState &s, std::string &why) { return ReadDataFile(s, fileName, why); },
        error, classesRefused);
}

bool AnalyseColumn(AnalysisState &state, const std::string &fileName, const DataLayout &layout,
                   const ColumnRequest &request, std::string &error, bool *classesRefused)
{
    return Guarded(
        state,
        [&](AnalysisState &s, std::string &why) {
            return ReadColumnSample(s, fileName, layout, request, why);
        },
        error, classesRefused);
}

std::string NotEnoughMemory()
{
    return "Not enough memory to analyse this file.";
}

AnalysisOutputs FinishAnalysis(const AnalysisState &state, const PictureStep &picture)
{
    AnalysisOutputs outputs;
    if (picture && !picture(state, outputs.pictureError) && outputs.pictureError.empty())
        outputs.pictureError = "the picture could not be made.";
    if (WriteReport(state, outputs.reportError))
        outputs.reportName = ReportFileName(state.DataFileName);
    return outputs;
}
