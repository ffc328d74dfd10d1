#include "core/analysis/analysisstate.h"

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
