// The layout detection, the column reader and the shape of the column read
// on fuzzed files. Whatever the
// bytes, the layout must be consistent, detecting again with the layout's own
// choices must find the same columns, and every column read must account for
// each data line once: as a finite number or a missing value. The numbers
// read, written out again one per line under a header, must read back equal.

#include "fuzzcheck.h"

#include "core/analysis/columnreader.h"
#include "core/analysis/shape.h"

#include <cstdint>
#include <cstdio>
#include <sstream>
#include <string>

namespace {

void CheckRoundTrip(const std::vector<double> &values)
{
    std::string text = "x\n";
    char buffer[40];
    for (double value : values) {
        std::snprintf(buffer, sizeof buffer, "%.17g\n", value);
        text += buffer;
    }
    const DataLayout layout = DetectLayout(text);
    FUZZ_CHECK(layout.columnar && layout.header && layout.fieldCount == 1);
    std::istringstream in(text);
    const ColumnRead again = ReadColumn(in, layout, {"x", ""});
    FUZZ_CHECK(again.ok());
    FUZZ_CHECK(again.data.values.size() == values.size());
    for (std::size_t i = 0; i < values.size(); ++i)
        FUZZ_CHECK(SameDouble(again.data.values[i], values[i]) || values[i] == 0);
}

// The shape's numbers keep their order whatever the values and counts.
void CheckShape(const ColumnData &data)
{
    const SortedSample sample = SortSample(data.values, data.counts);
    if (sample.n == 0)
        return;
    const Shape s = DescribeShape(sample);
    FUZZ_CHECK(s.minimum <= s.q1 && s.q1 <= s.median && s.median <= s.q3 && s.q3 <= s.maximum);
    FUZZ_CHECK(s.stdDev >= 0);
    const ClassSuggestions k = SuggestClasses(sample, s);
    FUZZ_CHECK(k.sturges >= 1 && k.scott >= 1 && k.freedmanDiaconis >= 1);
    const BoxPlotNumbers box = BoxPlot(sample, s);
    FUZZ_CHECK(s.minimum <= box.lowerWhisker && box.lowerWhisker <= s.median);
    FUZZ_CHECK(s.median <= box.upperWhisker && box.upperWhisker <= s.maximum);
    std::uint64_t outside = 0;
    for (const auto &[value, count] : box.outliers) {
        FUZZ_CHECK(value < box.lowerWhisker || value > box.upperWhisker);
        outside += count;
    }
    FUZZ_CHECK(outside < sample.n);
    const QQPlot qq = NormalQQ(sample, 50);
    FUZZ_CHECK(!qq.points.empty() && qq.points.size() <= std::max<std::uint64_t>(sample.n, 2));
    for (std::size_t i = 1; i < qq.points.size(); ++i)
        FUZZ_CHECK(qq.points[i - 1].theoretical < qq.points[i].theoretical
                   && qq.points[i - 1].sample <= qq.points[i].sample);
}

void CheckColumn(const std::string &text, const DataLayout &layout, const ColumnRequest &request)
{
    std::istringstream in(text);
    const ColumnRead read = ReadColumn(in, layout, request);
    FUZZ_CHECK(read.ok() == ColumnProblemText(read.problem).empty());
    if (!read.ok())
        return;
    const ColumnData &data = read.data;
    FUZZ_CHECK(!data.values.empty());
    for (double value : data.values)
        FUZZ_CHECK(std::isfinite(value));
    CheckShape(data);
    if (request.weights.empty()) {
        FUZZ_CHECK(data.counts.empty());
        if (layout.columnar)
            FUZZ_CHECK(data.values.size() + data.missing == data.dataLines);
        CheckRoundTrip(data.values);
    } else {
        FUZZ_CHECK(data.counts.size() == data.values.size());
        FUZZ_CHECK(data.values.size() + data.missing == data.dataLines);
        for (double count : data.counts)
            FUZZ_CHECK(count >= 0 && count == std::floor(count));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *bytes, std::size_t size)
{
    const std::string text(reinterpret_cast<const char *>(bytes), size);
    const DataLayout layout = DetectLayout(text);
    FUZZ_CHECK(layout.fieldCount >= 1);
    FUZZ_CHECK(layout.decimalSign == '.' || layout.decimalSign == ',');
    if (!layout.columnar) {
        FUZZ_CHECK(layout.columnNames.empty() && !layout.header);
        CheckColumn(text, layout, {});
        return 0;
    }
    FUZZ_CHECK(layout.columnNames.size() == layout.fieldCount);
    const DataLayout again
        = DetectLayout(text, {layout.delimiter, layout.decimalSign, layout.header});
    FUZZ_CHECK(again.columnar && again.fieldCount == layout.fieldCount);
    FUZZ_CHECK(again.columnNames == layout.columnNames);
    const std::size_t columns = std::min<std::size_t>(layout.fieldCount, 4);
    for (std::size_t j = 0; j < columns; ++j) {
        CheckColumn(text, layout, {std::to_string(j + 1), ""});
        if (j + 1 < columns)
            CheckColumn(text, layout, {std::to_string(j + 1), std::to_string(j + 2)});
    }
    return 0;
}
