#include "core/analysis/goodness.h"

#include "core/analysis/reportformat.h"
#include "core/calculators/tailprob.h"
#include "core/numeric/showntext.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr long double Sqrt2 = 1.414213562373095048802L;
constexpr long double LogSqrtTwoPi = 0.918938533204672741780L;

// ln Q(z), Q(z) = P(Z > z) for a standard normal Z. erfc keeps a small
// tail's relative precision down to the bottom of long double; beyond z = 100
// (Q below 1e-2173) the asymptotic series takes over, its error there below
// 105 / z^8.
long double LogUpperTail(long double z)
{
    if (z < 100.0L)
        return std::log(std::erfc(z / Sqrt2) / 2);
    const long double r = 1.0L / (z * z);
    return -z * z / 2 - std::log(z) - LogSqrtTwoPi + std::log1p(-r + 3 * r * r - 15 * r * r * r);
}

// ln P(a < Z < b) for a < b, either of them infinite. On one side of 0 the
// difference of two upper tails (the farther one a fraction of the nearer);
// across 0 the sum of two central halves, so nothing cancels.
long double LogClassProbability(long double a, long double b)
{
    if (b <= 0.0L)
        return LogClassProbability(-b, -a);
    if (a >= 0.0L) {
        const long double near = LogUpperTail(a);
        const long double far
            = std::isinf(b) ? -std::numeric_limits<long double>::infinity() : LogUpperTail(b);
        return near + std::log1p(-std::exp(far - near));
    }
    const long double below = std::isinf(a) ? 1.0L : std::erf(-a / Sqrt2);
    const long double above = std::isinf(b) ? 1.0L : std::erf(b / Sqrt2);
    return std::log((below + above) / 2);
}

// ln(e^x + e^y) without leaving the range.
long double LogSum(long double x, long double y)
{
    if (std::isinf(x) && x < 0)
        return y;
    const long double high = std::max(x, y);
    return high + std::log1p(std::exp(std::min(x, y) - high));
}

// text right-justified in width columns (characters, not bytes: a
// translated heading may hold umlauts).
std::string Padded(const std::string &text, std::size_t width)
{
    const std::size_t columns = Columns(text);
    return columns >= width ? text : std::string(width - columns, ' ') + text;
}

} // namespace

GoodnessOfFit TestGoodnessOfFit(const Description &description, const Classes &classes)
{
    GoodnessOfFit fit;
    const std::size_t k = classes.size();
    if (k == 0 || classes.bounds.size() <= k) {
        fit.refusal = MERVAN_TEXT("Goodness", "No goodness-of-fit test: there are no classes.");
        return fit;
    }
    if (!(description.stdDev > 0.0) || !std::isfinite(description.stdDev)) {
        fit.refusal = MERVAN_TEXT("Goodness", "No goodness-of-fit test: the data have no spread.");
        return fit;
    }
    if (k < 4) {
        fit.refusal = MERVAN_TEXT("Goodness",
                                  "No goodness-of-fit test: it needs at least 4 classes"
                                  " (degrees of freedom = classes - 3).");
        return fit;
    }

    const long double n = static_cast<long double>(description.n);
    const long double mean = description.mean;
    const long double sd = description.stdDev;
    const long double infinity = std::numeric_limits<long double>::infinity();
    // Each class's term (count - e)^2 / e is added as a logarithm, so that a
    // class that expects almost nothing still gives a finite statistic.
    long double logStatistic = -infinity;
    for (std::size_t j = 0; j < k; ++j) {
        const long double low = j == 0 ? -infinity : (classes.bounds[j] - mean) / sd;
        const long double high = j + 1 == k ? infinity : (classes.bounds[j + 1] - mean) / sd;
        const long double logE = std::log(n) + LogClassProbability(low, high);
        const long double e = std::exp(logE);
        fit.expected.push_back(static_cast<double>(e));
        if (e < 5.0L)
            ++fit.expectedBelowFive;
        const long double count = static_cast<long double>(classes.counts[j]);
        const long double difference = std::fabs(count - e);
        if (difference > 0.0L)
            logStatistic = LogSum(logStatistic, 2 * std::log(difference) - logE);
    }
    fit.log10Statistic = logStatistic / std::log(10.0L);
    fit.statistic = std::exp(logStatistic);
    fit.degrees = static_cast<int>(k) - 3;
    const TailProbability tail = ChiUpperTail(
        std::min(fit.statistic, std::numeric_limits<long double>::max()), fit.degrees);
    fit.probabilityFound = tail.found;
    fit.probability = tail.value;
    return fit;
}

std::string GoodnessOfFitText(const GoodnessOfFit &fit, const Classes &classes, int decimals,
                              const Translator &translator)
{
    const auto text_
        = [&translator](const char *english) { return translator("Goodness", english); };
    if (classes.size() == 0 || classes.bounds.size() <= classes.size())
        return "";
    constexpr std::size_t Indent = 20;
    const std::string indent(Indent, ' ');
    const std::string heading
        = text_(MERVAN_TEXT("Goodness", "Goodness of Fit to the Normal Curve"));
    std::string text
        = "\n" + indent + heading + "\n" + indent + std::string(Columns(heading), '~') + "\n";
    if (!fit.refusal.empty())
        return text + WrappedLines(Indent, text_(fit.refusal.c_str()));

    const int d = decimals;
    text += indent + Padded(translator("Report", MERVAN_TEXT("Report", "Lower Value")), 15)
        + Padded(translator("Report", MERVAN_TEXT("Report", "Upper Value")), 15) + Padded("#", 10)
        + Padded(text_(MERVAN_TEXT("Goodness", "Expected")), 12) + "\n";
    text += indent + std::string(52, '=') + "\n";
    for (std::size_t j = 0; j < fit.expected.size(); ++j)
        text += indent + ReportNumber(classes.bounds[j], 15, d)
            + ReportNumber(classes.bounds[j + 1], 15, d)
            + Padded(std::to_string(classes.counts[j]), 10) + ReportNumber(fit.expected[j], 12, 2)
            + "\n";
    text += WrappedLines(Indent,
                         text_(MERVAN_TEXT("Goodness",
                                           "(the first and last classes take "
                                           "the tails of the curve)")));
    // The statistic and its P on one line where they fit, else P on the
    // next, so that "P = 1.536e-40" is never cut.
    const std::string statistic
        = Filled(text_(MERVAN_TEXT("Goodness", "Chi-squared = %1 with %2 degrees of freedom,")),
                 {StatisticText(fit.statistic, fit.log10Statistic), std::to_string(fit.degrees)});
    const std::string p = "P = "
        + (fit.probabilityFound ? ProbabilityText(fit.probability)
                                : text_(MERVAN_TEXT("Goodness", "not computed")));
    if (Indent + statistic.size() + 1 + p.size() <= ReportWidth)
        text += indent + statistic + " " + p + "\n";
    else
        text += indent + statistic + "\n" + indent + p + "\n";
    if (fit.expectedBelowFive > 0)
        text += WrappedLines(
            Indent,
            Filled(text_(MERVAN_TEXT("Goodness",
                                     "Note: %1 of %2 expected counts are below "
                                     "5; P is then only approximate.")),
                   {std::to_string(fit.expectedBelowFive), std::to_string(fit.expected.size())}));
    return text;
}
