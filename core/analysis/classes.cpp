#include "core/analysis/classes.h"

#include "core/numeric/mutil.h"
#include "core/numeric/strings.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

// A centred grid needs at most k + 2 classes to cover the data; this leaves
// room for rounding and stops a grid that cannot grow (a width too small to
// change numbers of this size).
constexpr std::int32_t ExtraCentredBounds = 3;

std::string IntervalRefusal()
{
    return "Interval entry must be integer between 1 and 20.";
}

std::string WidthRefusal()
{
    return "The class width must be greater than 0.";
}

std::string TooManyClasses()
{
    return "This class width gives more than " + std::to_string(MaxClassCount)
        + " classes. Please enter a larger class width.";
}

// The class limits cannot be told apart: the width is lost against values
// of this size. The advice names the entry that was made.
std::string WidthTooFine(bool widthEntered)
{
    return std::string(
               "The class width is too small for values of this size: the class limits cannot be"
               " told apart. Please enter ")
        + (widthEntered ? "a larger class width." : "fewer class intervals.");
}

std::string WidthTooLarge()
{
    return "The class width is too large: the class limits go beyond the largest number."
           " Please enter a smaller class width.";
}

// The class of x: the first j with ClassBounds[j] <= x < ClassBounds[j + 1],
// and the last class when there is none (the maximum, where the last class
// is closed above).
std::size_t ClassOf(const std::vector<double> &bounds, std::size_t k, double x)
{
    const auto first = bounds.begin() + 1;
    const auto last = bounds.begin() + static_cast<std::ptrdiff_t>(k) + 1;
    const auto above = std::upper_bound(first, last, x);
    if (above == last)
        return k - 1;
    const std::size_t j = static_cast<std::size_t>(above - first);
    return bounds[j] <= x ? j : k - 1;
}

// Reads the first token of text with read; the messages of an entry that is
// empty or not a number (its read error, then refusal).
template <class Read>
std::vector<std::string> ReadEntry(const std::string &text, const char *refusal, Read read)
{
    std::vector<std::string> messages;
    if (!text.empty()) {
        std::string line = text;
        const auto result = read(line);
        if (result.ok())
            return messages;
        messages.push_back(result.error->text());
    }
    messages.emplace_back(refusal);
    return messages;
}

} // namespace

std::vector<std::string> ReadIntervalEntry(const std::string &text, std::int32_t &count)
{
    std::vector<std::string> messages
        = ReadEntry(text, "Please enter the number of class intervals.", [&](std::string &line) {
              const ReadResult<std::int32_t> read = ReadIntegerField(line);
              count = read.value;
              return read;
          });
    if (messages.empty() && (count < MinIntervalEntry || count > MaxIntervalEntry))
        messages.push_back(IntervalRefusal());
    return messages;
}

std::vector<std::string> ReadWidthEntry(const std::string &text, double &width)
{
    std::vector<std::string> messages
        = ReadEntry(text, "Please enter the size of class width.", [&](std::string &line) {
              const ReadResult<double> read = ReadRealField(line);
              width = read.value;
              return read;
          });
    if (messages.empty() && !(width > 0.0))
        messages.push_back(WidthRefusal());
    return messages;
}

bool BuildClasses(AnalysisState &state, std::string &error)
{
    if (!HasValues(state, error))
        return false;
    const std::size_t n = state.ValueCount;
    const double min = state.DataValues.front();
    const double max = state.DataValues[n - 1];
    state.Range = static_cast<double>(static_cast<long double>(max) - min);
    if (!std::isfinite(state.Range)) {
        error = TooLargeToAnalyse(state);
        return false;
    }

    std::int32_t k = state.ClassCount;
    double w = state.ClassWidth;
    if (k != 0) {
        if (k < 1 || k > MaxClassCount) {
            error = IntervalRefusal();
            return false;
        }
        w = static_cast<double>(static_cast<long double>(state.Range) / k);
    } else {
        if (!(w > 0.0) || !std::isfinite(w)) {
            error = WidthRefusal();
            return false;
        }
        const long double classes = std::nearbyint(static_cast<long double>(state.Range) / w);
        if (!(classes <= MaxClassCount)) {
            error = TooManyClasses();
            return false;
        }
        // A width wider than twice the range still makes one class.
        k = std::max<std::int32_t>(1, static_cast<std::int32_t>(classes));
    }

    const std::size_t classes = static_cast<std::size_t>(k);
    std::int32_t shown = k;
    std::vector<double> &bounds = state.ClassBounds;
    if (state.CentreData && w > 0.0) {
        // The grid of bounds holds the class from half a width below the mean
        // to half a width above it. Shown are the classes from the one that
        // holds the minimum to the one that holds the maximum.
        long double t = static_cast<long double>(state.Mean) - static_cast<long double>(w) / 2;
        for (std::int32_t steps = 0; t > min && steps <= k + ExtraCentredBounds; ++steps)
            t -= w;
        for (std::int32_t steps = 0; t + w <= min && steps <= k + ExtraCentredBounds; ++steps)
            t += w;
        bounds.assign(1, static_cast<double>(t));
        // The grid needs at most k + 2 classes; one that does not reach the
        // maximum by then cannot grow (see the check below).
        while (bounds.back() < max && bounds.size() <= classes + ExtraCentredBounds) {
            const double next = bounds.back() + w;
            // Rounding can leave the first class wholly below the minimum.
            if (bounds.size() == 1 && next <= min && next > bounds.back())
                bounds.back() = next;
            else
                bounds.push_back(next);
        }
        if (bounds.size() == 1)
            bounds.push_back(bounds.back() + w);
        shown = static_cast<std::int32_t>(bounds.size() - 1);
    } else {
        // Plain classes, and the classes of no width that values all equal
        // give with an entered number of classes.
        bounds.assign(classes + 1, 0.0);
        bounds[0] = min;
        for (std::size_t i = 1; i < classes; ++i)
            bounds[i] = bounds[i - 1] + w;
        bounds[classes] = max;
    }
    if (shown > MaxClassCount) {
        error = TooManyClasses();
        return false;
    }

    // Values so large against the width that adding the width leaves a
    // bound unchanged give classes that cannot be told apart.
    if (!std::all_of(bounds.begin(), bounds.end(), [](double b) { return std::isfinite(b); })) {
        error = state.ClassCount == 0 ? WidthTooLarge() : TooLargeToAnalyse(state);
        return false;
    }
    if ((state.Range > 0.0
         && std::adjacent_find(bounds.begin(), bounds.end(), std::greater_equal<double>())
             != bounds.end())
        || bounds.back() < max) {
        error = WidthTooFine(state.ClassCount == 0);
        return false;
    }

    // The limits now ascend (equal only when all values are), so each value's
    // class can be found by bisection.
    const std::size_t rows = static_cast<std::size_t>(shown);
    state.ClassCounts.assign(rows, 0);
    for (std::size_t i = 0; i < n; ++i)
        ++state.ClassCounts[ClassOf(bounds, rows, state.DataValues[i])];

    state.ClassWidth = w;
    state.ClassesAsked = k;
    state.ClassCount = shown;
    return true;
}

void ComputeOrdinates(AnalysisState &state)
{
    const std::size_t n = state.ValueCount;
    state.Ordinates.clear();
    if (state.DataValues.size() < n)
        return;
    // One ordinate for each distinct value, the report's rows; equal values
    // have equal residuals.
    const std::vector<double> &v = state.DataValues;
    std::size_t rows = 0;
    for (std::size_t i = 0; i < n; ++i)
        rows += i == 0 || v[i] != v[i - 1];
    state.Ordinates.assign(rows, 0.0);
    // A sample without spread has no normal curve to speak of.
    if (!(state.StdDev > 0.0) || !std::isfinite(state.StdDev) || state.Residuals.size() < n)
        return;
    const long double s = state.StdDev;
    const long double s2 = s * s;
    const long double c = 1.0L / (s * std::sqrt(TwoPi));
    std::size_t row = 0;
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && v[i] == v[i - 1])
            continue;
        const long double r = state.Residuals[i];
        state.Ordinates[row++] = static_cast<double>(c * std::exp(-r * r / (2 * s2)));
    }
}
