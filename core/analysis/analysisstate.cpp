#include "core/analysis/analysisstate.h"

#include "core/analysis/classes.h"
#include "core/analysis/statistics.h"

AnalysisState Analysis;

void ResetAnalysis(AnalysisState &state)
{
    state = AnalysisState();
}

bool HasValues(const AnalysisState &state, std::string &error)
{
    if (state.ValueCount == 0 || state.DataValues.size() < state.ValueCount) {
        error = "There are no values to analyse.";
        return false;
    }
    return true;
}

std::string TooLargeToAnalyse(const AnalysisState &state)
{
    return "The values of \"" + state.DataFileName + "\" are too large to analyse.";
}

std::size_t ClassesOf(const AnalysisState &state)
{
    return state.ClassCount > 0 ? static_cast<std::size_t>(state.ClassCount) : 0;
}

bool HasClasses(const AnalysisState &state)
{
    const std::size_t k = ClassesOf(state);
    return state.ClassBounds.size() > k && state.ClassCounts.size() >= k;
}

bool AnalyseDataFile(AnalysisState &state, const std::string &fileName, std::string &error,
                     bool *classesRefused)
{
    if (classesRefused)
        *classesRefused = false;
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
