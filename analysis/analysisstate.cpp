#include "analysis/analysisstate.h"

#include "analysis/classes.h"
#include "analysis/statistics.h"

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

bool AnalyseDataFile(AnalysisState &state, const std::string &fileName, std::string &error)
{
    if (!ReadDataFile(state, fileName, error))
        return false;
    SortData(state);
    if (!ComputeStatistics(state, error))
        return false;
    FindMedian(state);
    FindMode(state);
    ComputeResiduals(state);
    if (!BuildClasses(state, error))
        return false;
    ComputeOrdinates(state);
    return true;
}
