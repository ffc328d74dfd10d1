#include "core/analysis/classes.h"

#include "core/analysis/reportformat.h"
#include "core/numeric/mutil.h"
#include "core/numeric/strings.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
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
// is closed above). Right-closed: the first j with x <= ClassBounds[j + 1].
std::size_t ClassOf(const std::vector<double> &bounds, std::size_t k, double x, bool rightClosed)
{
    const auto first = bounds.begin() + 1;
    const auto last = bounds.begin() + static_cast<std::ptrdiff_t>(k) + 1;
    const auto above
        = rightClosed ? std::lower_bound(first, last, x) : std::upper_bound(first, last, x);
    if (above == last)
        return k - 1;
    const std::size_t j = static_cast<std::size_t>(above - first);
    return rightClosed || bounds[j] <= x ? j : k - 1;
}

std::string AnchorWithCentre()
{
    return "Centred classes are placed around the mean and have no start of their own."
           " Please leave the start of the first class empty or do not center the data.";
}

std::string AnchorAboveMinimum(const AnalysisState &state)
{
    return "The start of the first class lies above the smallest value, "
        + ReportNumber(state.DataValues.front(), 0, state.MaxDecimals)
        + ". Please enter a start at or below it.";
}

// The bounds a + j * w for whole j from the largest at or below min to the
// smallest at or above max, at least one class. The quotients are rounded;
// one step either way puts the ends right.
void AnchoredBounds(double a, double w, double min, double max, std::vector<double> &bounds)
{
    const auto bound
        = [&](long double j) { return static_cast<double>(static_cast<long double>(a) + j * w); };
    long double low = std::floor((static_cast<long double>(min) - a) / w);
    long double high = std::ceil((static_cast<long double>(max) - a) / w);
    if (bound(low) > min)
        --low;
    else if (bound(low + 1) <= min)
        ++low;
    if (bound(high) < max)
        ++high;
    else if (high - 1 > low && bound(high - 1) >= max)
        --high;
    high = std::max(high, low + 1);
    bounds.clear();
    // A grid of too many classes is refused by the caller after one more.
    for (long double j = low; j <= high && bounds.size() <= MaxClassCount + 1; ++j)
        bounds.push_back(bound(j));
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
        messages.push_back(*result.error);
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

    const std::optional<double> anchor = state.Anchor;
    if (anchor && state.CentreData) {
        error = AnchorWithCentre();
        return false;
    }
    if (anchor && !std::isfinite(*anchor)) {
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
        if (anchor && *anchor > min) {
            error = AnchorAboveMinimum(state);
            return false;
        }
        const double start = anchor.value_or(min);
        w = static_cast<double>((static_cast<long double>(max) - start) / k);
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
    } else if (anchor && state.ClassCount == 0) {
        AnchoredBounds(*anchor, w, min, max, bounds);
        shown = static_cast<std::int32_t>(bounds.size() - 1);
        k = shown;
    } else {
        // Plain classes, and the classes of no width that values all equal
        // give with an entered number of classes.
        bounds.assign(classes + 1, 0.0);
        bounds[0] = anchor.value_or(min);
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
    // An anchored grid of one class must have width too.
    const bool ascending = state.Range > 0.0 || (anchor && state.ClassCount == 0);
    if ((ascending
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
        ++state.ClassCounts[ClassOf(bounds, rows, state.DataValues[i], state.RightClosed)];

    state.ClassWidth = w;
    state.ClassesAsked = k;
    state.ClassCount = shown;
    return true;
}

std::vector<std::string> ClassRuleLines(const AnalysisState &state)
{
    std::vector<std::string> lines;
    if (state.Anchor) {
        char text[32];
        std::snprintf(text, sizeof text, "%.15g", *state.Anchor);
        lines.push_back(std::string("Class bounds anchored at ") + text);
    }
    if (state.RightClosed)
        lines.emplace_back("Classes closed at the right: (lower, upper]");
    return lines;
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
