#include "core/analysis/analysisrun.h"

#include "core/analysis/classes.h"
#include "core/analysis/report.h"
#include "core/analysis/statistics.h"

#include <new>
#include <vector>

namespace {

bool Analyse(AnalysisState &state, const std::string &fileName, std::string &error,
             bool *classesRefused)
{
    if (!ReadDataFile(state, fileName, error))
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

} // namespace

bool AnalyseDataFile(AnalysisState &state, const std::string &fileName, std::string &error,
                     bool *classesRefused)
{
    if (classesRefused)
        *classesRefused = false;
    try {
        return Analyse(state, fileName, error, classesRefused);
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
