#include "analysis/analysisstate.h"

#include "analysis/classes.h"
#include "analysis/statistics.h"

AnalysisState Analysis;

void ResetAnalysis(AnalysisState &state)
{
    state = AnalysisState();
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
