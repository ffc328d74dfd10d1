#include "core/analysis/goodness.h"

#include "core/analysis/report.h"
#include "core/calculators/normaldist.h"
#include "core/calculators/tailprob.h"

#include <cmath>

namespace {

// P(Z <= z) for a standard normal Z.
double Phi(double z)
{
    const double half = ErrorFunction(std::fabs(z) / std::sqrt(2.0)) / 2.0;
    return z < 0.0 ? 0.5 - half : 0.5 + half;
}

std::string Padded(const std::string &text, std::size_t width)
{
    return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

} // namespace

GoodnessOfFit TestGoodnessOfFit(const AnalysisState &state)
{
    GoodnessOfFit fit;
    const std::size_t k = ClassesOf(state);
    if (!HasClasses(state) || k == 0) {
        fit.refusal = "No goodness-of-fit test: there are no classes.";
        return fit;
    }
    if (!(state.StdDev > 0.0) || !std::isfinite(state.StdDev)) {
        fit.refusal = "No goodness-of-fit test: the data have no spread.";
        return fit;
    }
    if (k < 4) {
        fit.refusal = "No goodness-of-fit test: it needs at least 4 classes"
                      " (degrees of freedom = classes - 3).";
        return fit;
    }

    const double n = static_cast<double>(state.ValueCount);
    double below = 0.0; // the curve's share below the class's lower bound
    for (std::size_t j = 0; j < k; ++j) {
        const double upper
            = j + 1 == k ? 1.0 : Phi((state.ClassBounds[j + 1] - state.Mean) / state.StdDev);
        const double e = n * (upper - below);
        below = upper;
        fit.expected.push_back(e);
        if (e < 5.0)
            ++fit.expectedBelowFive;
        const double difference = static_cast<double>(state.ClassCounts[j]) - e;
        // An empty expectation with values in it makes the statistic infinite.
        fit.statistic
            += e > 0.0 ? difference * difference / e : (state.ClassCounts[j] > 0 ? INFINITY : 0.0);
    }
    fit.degrees = static_cast<int>(k) - 3;
    if (std::isfinite(fit.statistic)) {
        const TailProbability tail = ChiUpperTail(fit.statistic, fit.degrees);
        fit.probabilityFound = tail.found;
        fit.probability = static_cast<double>(tail.value);
    } else {
        fit.probabilityFound = true; // no normal curve gives these counts
    }
    return fit;
}

std::string GoodnessOfFitText(const AnalysisState &state)
{
    if (!HasClasses(state))
        return "";
    const GoodnessOfFit fit = TestGoodnessOfFit(state);
    const std::string indent(20, ' ');
    std::string text = "\n" + indent + "Goodness of Fit to the Normal Curve\n" + indent
        + std::string(35, '~') + "\n";
    if (!fit.refusal.empty())
        return text + indent + fit.refusal + "\n";

    const int d = state.MaxDecimals;
    text += indent + Padded("Lower Value", 15) + Padded("Upper Value", 15) + Padded("#", 10)
        + Padded("Expected", 12) + "\n";
    text += indent + std::string(52, '=') + "\n";
    for (std::size_t j = 0; j < fit.expected.size(); ++j)
        text += indent + ReportNumber(state.ClassBounds[j], 15, d)
            + ReportNumber(state.ClassBounds[j + 1], 15, d)
            + Padded(std::to_string(state.ClassCounts[j]), 10)
            + ReportNumber(fit.expected[j], 12, 2) + "\n";
    text += indent + "(the first and last classes take the tails of the curve)\n";
    text += indent + "Chi-squared = "
        + (std::isfinite(fit.statistic) ? ReportNumber(fit.statistic, 0, 3) : "infinite") + " with "
        + std::to_string(fit.degrees) + " degrees of freedom, P = "
        + (fit.probabilityFound ? ProbabilityText(fit.probability) : "not computed") + "\n";
    if (fit.expectedBelowFive > 0)
        text += indent + "Note: " + std::to_string(fit.expectedBelowFive) + " of "
            + std::to_string(fit.expected.size())
            + " expected counts are below 5; P is then only approximate.\n";
    return text;
}
