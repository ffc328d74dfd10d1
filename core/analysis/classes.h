#pragma once
// Histogram classes and the normal curve, and the checks on what the user
// enters for them.

#include "core/analysis/analysiserror.h"
#include "core/analysis/analysisrequest.h"
#include "core/analysis/analysisvalues.h"
#include "core/numeric/strings.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The most classes a class width may produce.
constexpr std::int32_t MaxClassCount = 999;
// The numbers of intervals the user may enter.
constexpr std::int32_t MinIntervalEntry = 1;
constexpr std::int32_t MaxIntervalEntry = 20;

// What is wrong with a typed class entry: the read error of a field that is
// not one number (see ReadIntegerField), if any, then the refusal.
struct EntryError
{
    std::optional<NumberError> readError;
    AnalysisError refusal;

    std::vector<std::string> texts(const Translator &translator = {}) const;
};

// The texts of error, to be shown in order; in English unless translator
// translates.
std::vector<std::string> EntryErrorTexts(const EntryError &error,
                                         const Translator &translator = {});

// A typed class entry's value, or what is wrong with it.
template <class T>
struct EntryRead
{
    T value = 0;
    std::optional<EntryError> error;

    bool ok() const { return !error.has_value(); }
};

// Reads the typed number of intervals, the one number of text: a whole
// number from 1 to 20.
EntryRead<std::int32_t> ReadIntervalEntry(const std::string &text);

// The same for a typed class width; a width must be greater than 0.
EntryRead<double> ReadWidthEntry(const std::string &text);

// The classes of the sorted sample described by description, as request
// asks for them: a number of classes (classCount) or a class width
// (classWidth), plain, anchored or centred on the mean. Plain classes run
// from the minimum to the maximum. Centred classes are as many as it takes to
// cover the minimum and the maximum, with one of them centred on the mean
// and none wholly below the minimum or above the maximum; count then tells
// how many there are, asked how many the entry gave. Needs at least one
// value. Fails when an entered width is not positive or would need more than
// MaxClassCount classes; a width wider than the range gives one class (two
// when centred classes need them).
//
// An anchor A places the bounds at A + j * w for whole j:
// - with a width w, the first bound is the largest of them at or below the
//   minimum and the last the smallest at or above the maximum (at least one
//   class);
// - with a number of classes k, the first class starts at A and the k classes
//   end at the maximum, w = (maximum - A) / k; an anchor above the minimum is
//   refused, as it would leave values outside every class;
// - centred classes take their place from the mean, so an anchor with them is
//   refused.
// rightClosed counts a value on the bound between two classes in the lower
// one, and the minimum in the first class.
Checked<Classes> BuildClasses(const Sample &sample, const Description &description,
                              const AnalysisRequest &request);

// The report's lines about the class rule when one is chosen: the anchor and
// the right-closed classes; none for the classes as placed by default.
std::vector<std::string> ClassRuleLines(const Classes &classes, const Translator &translator = {});
