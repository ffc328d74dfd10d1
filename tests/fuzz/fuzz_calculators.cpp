// The calculator requests on typed fields. The first byte chooses the
// calculator and its direction, the rest is cut into its fields at line
// breaks. A request must accept exactly the fields that hold one number within
// their bounds, stop at the first field that does not, and give a report for
// every accepted request; a probability within a bound on the work.

#include "fuzzcheck.h"

#include "core/calculators/calcinput.h"
#include "core/calculators/calcread.h"
#include "core/calculators/tailsum.h"
#include "core/numeric/strings.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace {

enum class Field { Degrees, Alpha, Percent, T, Positive, Z };

// Ten times the most values of the density that a probability request was
// seen to need (some 4,000), well below where a tail gives up.
constexpr long WorkBound = 40000;

bool FieldIsGood(Field kind, const std::string &typed)
{
    // A grouped thousand is read as one; an entry that can mean two numbers
    // is refused.
    const std::optional<std::string> number = FieldNumberText(typed, '.');
    if (!number)
        return false;
    const std::string &text = *number;
    if (kind == Field::Degrees) {
        const ReadResult<std::int32_t> v = ReadIntegerField(text);
        return v.ok() && v.value >= 1 && v.value <= 200;
    }
    // The bounds of Alpha, Percent, T, Positive and Z, in that order.
    constexpr long double bounds[][2]
        = {{0.0001L, 0.999999L}, {0.0001L, 99.9999L}, {-1e6L, 1e6L}, {0.0L, 1e6L}, {-100, 100}};
    const auto &[low, high] = bounds[static_cast<int>(kind) - 1];
    const ReadResult<double> x = ReadRealField(text);
    return x.ok() && x.value >= low && x.value <= high;
}

CalcResult Run(int calculator, const std::vector<std::string> &f)
{
    constexpr CalcKind Kinds[] = {CalcKind::T, CalcKind::ChiSquared, CalcKind::F, CalcKind::Normal};
    return RunCalcRequest(
        Kinds[calculator % 4],
        calculator >= 4 ? CalcDirection::Probability : CalcDirection::CriticalValue, f);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0 || size > 256)
        return 0;
    const int calculator = data[0] % 8;
    const std::vector<std::vector<Field>> layouts
        = {{Field::Alpha, Field::Degrees},
           {Field::Alpha, Field::Degrees},
           {Field::Alpha, Field::Degrees, Field::Degrees},
           {Field::Percent},
           {Field::T, Field::Degrees},
           {Field::Positive, Field::Degrees},
           {Field::Positive, Field::Degrees, Field::Degrees},
           {Field::Z}};
    const bool probability = calculator >= 4;
    const std::vector<Field> &layout = layouts[static_cast<std::size_t>(calculator)];

    std::vector<std::string> fields(layout.size());
    std::size_t f = 0;
    for (std::size_t i = 1; i < size; ++i) {
        const char c = static_cast<char>(data[i]);
        if (c == '\n')
            ++f;
        else if (f < fields.size())
            fields[f] += c;
    }

    const CalcResult outcome = Run(calculator, fields);

    int good = 0;
    while (good < static_cast<int>(layout.size())
           && FieldIsGood(layout[static_cast<std::size_t>(good)],
                          fields[static_cast<std::size_t>(good)]))
        ++good;
    const bool allGood = good == static_cast<int>(layout.size());
    FUZZ_CHECK(outcome.fieldInError == (allGood ? -1 : good));
    FUZZ_CHECK(outcome.accepted() == allGood);
    if (outcome.accepted()) {
        FUZZ_CHECK(!outcome.report.empty());
        FUZZ_CHECK(outcome.report.size() < 2
                   || outcome.report.substr(outcome.report.size() - 2) != "\r\n");
        FUZZ_CHECK(std::isfinite(outcome.value));
        // Critical values of chi-squared and F are never negative, nor the
        // normal's z; t is positive exactly when alpha is below one half.
        if (probability) {
            FUZZ_CHECK(outcome.evaluations <= WorkBound);
            FUZZ_CHECK(outcome.value >= 0 && outcome.value <= (calculator == 7 ? 100 : 1));
            FUZZ_CHECK(outcome.status == CalcStatus::Computed);
        } else if (calculator == 0) {
            const double alpha = outcome.request.first;
            FUZZ_CHECK(alpha < 0.5 ? outcome.value > 0 : outcome.value <= 0);
        } else {
            FUZZ_CHECK(outcome.value >= 0);
        }
    } else {
        FUZZ_CHECK(outcome.report.empty());
        FUZZ_CHECK(!outcome.errors.empty());
    }
    return 0;
}
