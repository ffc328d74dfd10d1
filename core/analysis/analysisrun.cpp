#include "core/analysis/analysisrun.h"

#include "core/analysis/classes.h"
#include "core/analysis/statistics.h"

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
