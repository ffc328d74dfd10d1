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

AnalysisError ClassError(AnalysisErrorCode code, std::vector<std::string> arguments = {})
{
    return {code, std::move(arguments), {}};
}

AnalysisError TooManyClasses()
{
    return ClassError(AnalysisErrorCode::TooManyClasses, {std::to_string(MaxClassCount)});
}

// The class limits cannot be told apart: the width is lost against values
// of this size. The advice names the entry that was made.
AnalysisError WidthTooFine(bool widthEntered)
{
    return ClassError(AnalysisErrorCode::WidthTooFine, {widthEntered ? "width" : "intervals"});
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

// Reads text with read. An entry that is empty or not a number is refused
// with missing (after its read error); a number that fails inRange with
// outOfRange.
template <class T, class Read, class InRange>
EntryRead<T> ReadEntry(const std::string &text, AnalysisErrorCode missing,
                       AnalysisErrorCode outOfRange, Read read, InRange inRange)
{
    EntryRead<T> entry;
    std::optional<NumberError> readError;
    if (!text.empty()) {
        std::string line = text;
        const ReadResult<T> result = read(line);
        entry.value = result.value;
        if (result.ok()) {
            if (!inRange(entry.value))
                entry.error = EntryError{std::nullopt, ClassError(outOfRange)};
            return entry;
        }
        readError = result.error;
    }
    entry.error = EntryError{readError, ClassError(missing)};
    return entry;
}

} // namespace

std::vector<std::string> EntryErrorTexts(const EntryError &error, const Translator &translator)
{
    std::vector<std::string> texts;
    if (error.readError)
        texts.push_back(error.readError->text(translator));
    texts.push_back(error.refusal.text(translator));
    return texts;
}

std::vector<std::string> EntryError::texts(const Translator &translator) const
{
    return EntryErrorTexts(*this, translator);
}

EntryRead<std::int32_t> ReadIntervalEntry(const std::string &text)
{
    // "2.5" is one number, just not a whole one: say what the entry takes,
    // not that it holds more than one number.
    if (!ReadIntegerField(text).ok()) {
        const ReadResult<double> real = ReadRealField(text);
        if (real.ok() && real.value != std::floor(real.value))
            return {0,
                    EntryError{std::nullopt, ClassError(AnalysisErrorCode::IntervalsOutOfRange)}};
    }
    return ReadEntry<std::int32_t>(
        text, AnalysisErrorCode::IntervalsMissing, AnalysisErrorCode::IntervalsOutOfRange,
        [](std::string &line) { return ReadIntegerField(line); },
        [](std::int32_t count) { return count >= MinIntervalEntry && count <= MaxIntervalEntry; });
}

EntryRead<double> ReadWidthEntry(const std::string &text)
{
    return ReadEntry<double>(
        text, AnalysisErrorCode::WidthMissing, AnalysisErrorCode::WidthNotPositive,
        [](std::string &line) { return ReadRealField(line); },
        [](double width) { return width > 0.0; });
}

Checked<Classes> BuildClasses(const Sample &sample, const Description &description,
                              const AnalysisRequest &request)
{
    Checked<Classes> built;
    Classes &classes = built.value;
    const std::size_t n = sample.n();
    if (n == 0) {
        built.error = ClassError(AnalysisErrorCode::NoValues);
        return built;
    }
    const AnalysisError tooLarge{AnalysisErrorCode::TooLarge, {sample.dataFileName}, {}};
    const double min = sample.values.front();
    const double max = sample.values[n - 1];
    const double range = static_cast<double>(static_cast<long double>(max) - min);
    if (!std::isfinite(range)) {
        built.error = tooLarge;
        return built;
    }

    const std::optional<double> anchor = request.anchor;
    if (anchor && request.centred) {
        built.error = ClassError(AnalysisErrorCode::AnchorWithCentred);
        return built;
    }
    if (anchor && !std::isfinite(*anchor)) {
        built.error = tooLarge;
        return built;
    }
    std::int32_t k = request.classCount;
    double w = request.classWidth;
    if (k != 0) {
        if (k < 1 || k > MaxClassCount) {
            built.error = ClassError(AnalysisErrorCode::IntervalsOutOfRange);
            return built;
        }
        if (anchor && *anchor > min) {
            built.error = ClassError(AnalysisErrorCode::AnchorAboveMinimum,
                                     {ReportNumber(min, 0, sample.decimals)});
            return built;
        }
        const double start = anchor.value_or(min);
        w = static_cast<double>((static_cast<long double>(max) - start) / k);
    } else {
        if (!(w > 0.0) || !std::isfinite(w)) {
            built.error = ClassError(AnalysisErrorCode::WidthNotPositive);
            return built;
        }
        const long double count = std::nearbyint(static_cast<long double>(range) / w);
        if (!(count <= MaxClassCount)) {
            built.error = TooManyClasses();
            return built;
        }
        // A width wider than twice the range still makes one class.
        k = std::max<std::int32_t>(1, static_cast<std::int32_t>(count));
    }

    const std::size_t asked = static_cast<std::size_t>(k);
    std::int32_t shown = k;
    std::vector<double> &bounds = classes.bounds;
    if (request.centred && w > 0.0) {
        // The grid of bounds holds the class from half a width below the mean
        // to half a width above it. Shown are the classes from the one that
        // holds the minimum to the one that holds the maximum.
        long double t
            = static_cast<long double>(description.mean) - static_cast<long double>(w) / 2;
        for (std::int32_t steps = 0; t > min && steps <= k + ExtraCentredBounds; ++steps)
            t -= w;
        for (std::int32_t steps = 0; t + w <= min && steps <= k + ExtraCentredBounds; ++steps)
            t += w;
        bounds.assign(1, static_cast<double>(t));
        // The grid needs at most k + 2 classes; one that does not reach the
        // maximum by then cannot grow (see the check below).
        while (bounds.back() < max && bounds.size() <= asked + ExtraCentredBounds) {
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
    } else if (anchor && request.classCount == 0) {
        AnchoredBounds(*anchor, w, min, max, bounds);
        shown = static_cast<std::int32_t>(bounds.size() - 1);
        k = shown;
    } else {
        // Plain classes, and the classes of no width that values all equal
        // give with an entered number of classes.
        bounds.assign(asked + 1, 0.0);
        bounds[0] = anchor.value_or(min);
        for (std::size_t i = 1; i < asked; ++i)
            bounds[i] = bounds[i - 1] + w;
        bounds[asked] = max;
    }
    if (shown > MaxClassCount) {
        built.error = TooManyClasses();
        return built;
    }

    // Values so large against the width that adding the width leaves a
    // bound unchanged give classes that cannot be told apart.
    if (!std::all_of(bounds.begin(), bounds.end(), [](double b) { return std::isfinite(b); })) {
        built.error
            = request.classCount == 0 ? ClassError(AnalysisErrorCode::WidthTooLarge) : tooLarge;
        return built;
    }
    // An anchored grid of one class must have width too.
    const bool ascending = range > 0.0 || (anchor && request.classCount == 0);
    if ((ascending
         && std::adjacent_find(bounds.begin(), bounds.end(), std::greater_equal<double>())
             != bounds.end())
        || bounds.back() < max) {
        built.error = WidthTooFine(request.classCount == 0);
        return built;
    }

    // The limits now ascend (equal only when all values are), so each value's
    // class can be found by bisection.
    const std::size_t rows = static_cast<std::size_t>(shown);
    classes.counts.assign(rows, 0);
    for (double x : sample.values)
        ++classes.counts[ClassOf(bounds, rows, x, request.rightClosed)];

    classes.width = w;
    classes.asked = k;
    classes.count = shown;
    classes.anchor = anchor;
    classes.rightClosed = request.rightClosed;
    return built;
}

std::vector<std::string> ClassRuleLines(const Classes &classes, const Translator &translator)
{
    std::vector<std::string> lines;
    if (classes.anchor) {
        char text[32];
        std::snprintf(text, sizeof text, "%.15g", *classes.anchor);
        lines.push_back(Filled(
            translator("Report", MERVAN_TEXT("Report", "Class bounds anchored at %1")), {text}));
    }
    if (classes.rightClosed)
        lines.push_back(translator(
            "Report", MERVAN_TEXT("Report", "Classes closed at the right: (lower, upper]")));
    return lines;
}
