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
    FUZZ_CHECK(layout.Columnar && layout.Header && layout.FieldCount == 1);
    std::istringstream in(text);
    const ColumnRead again = ReadColumn(in, layout, {"x", ""});
    FUZZ_CHECK(again.ok());
    FUZZ_CHECK(again.Data.Values.size() == values.size());
    for (std::size_t i = 0; i < values.size(); ++i)
        FUZZ_CHECK(SameDouble(again.Data.Values[i], values[i]) || values[i] == 0);
}

// The shape's numbers keep their order whatever the values and counts.
void CheckShape(const ColumnData &data)
{
    const SortedSample sample = SortSample(data.Values, data.Counts);
    if (sample.N == 0)
        return;
    const Shape s = DescribeShape(sample);
    FUZZ_CHECK(s.Minimum <= s.Q1 && s.Q1 <= s.Median && s.Median <= s.Q3 && s.Q3 <= s.Maximum);
    FUZZ_CHECK(s.StdDev >= 0);
    const ClassSuggestions k = SuggestClasses(sample, s);
    FUZZ_CHECK(k.Sturges >= 1 && k.Scott >= 1 && k.FreedmanDiaconis >= 1);
    const BoxPlotNumbers box = BoxPlot(sample, s);
    FUZZ_CHECK(s.Minimum <= box.LowerWhisker && box.LowerWhisker <= s.Median);
    FUZZ_CHECK(s.Median <= box.UpperWhisker && box.UpperWhisker <= s.Maximum);
    std::uint64_t outside = 0;
    for (const auto &[value, count] : box.Outliers) {
        FUZZ_CHECK(value < box.LowerWhisker || value > box.UpperWhisker);
        outside += count;
    }
    FUZZ_CHECK(outside < sample.N);
    const QQPlot qq = NormalQQ(sample, 50);
    FUZZ_CHECK(!qq.Points.empty() && qq.Points.size() <= std::max<std::uint64_t>(sample.N, 2));
    for (std::size_t i = 1; i < qq.Points.size(); ++i)
        FUZZ_CHECK(qq.Points[i - 1].Theoretical < qq.Points[i].Theoretical
                   && qq.Points[i - 1].Sample <= qq.Points[i].Sample);
}

void CheckColumn(const std::string &text, const DataLayout &layout, const ColumnRequest &request)
{
    std::istringstream in(text);
    const ColumnRead read = ReadColumn(in, layout, request);
    FUZZ_CHECK(read.ok() == ColumnProblemText(read.Problem).empty());
    if (!read.ok())
        return;
    const ColumnData &data = read.Data;
    FUZZ_CHECK(!data.Values.empty());
    for (double value : data.Values)
        FUZZ_CHECK(std::isfinite(value));
    CheckShape(data);
    if (request.Weights.empty()) {
        FUZZ_CHECK(data.Counts.empty());
        if (layout.Columnar)
            FUZZ_CHECK(data.Values.size() + data.Missing == data.DataLines);
        CheckRoundTrip(data.Values);
    } else {
        FUZZ_CHECK(data.Counts.size() == data.Values.size());
        FUZZ_CHECK(data.Values.size() + data.Missing == data.DataLines);
        for (double count : data.Counts)
            FUZZ_CHECK(count >= 0 && count == std::floor(count));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *bytes, std::size_t size)
{
    const std::string text(reinterpret_cast<const char *>(bytes), size);
    const DataLayout layout = DetectLayout(text);
    FUZZ_CHECK(layout.FieldCount >= 1);
    FUZZ_CHECK(layout.DecimalSign == '.' || layout.DecimalSign == ',');
    if (!layout.Columnar) {
        FUZZ_CHECK(layout.ColumnNames.empty() && !layout.Header);
        CheckColumn(text, layout, {});
        return 0;
    }
    FUZZ_CHECK(layout.ColumnNames.size() == layout.FieldCount);
    const DataLayout again
        = DetectLayout(text, {layout.Delimiter, layout.DecimalSign, layout.Header});
    FUZZ_CHECK(again.Columnar && again.FieldCount == layout.FieldCount);
    FUZZ_CHECK(again.ColumnNames == layout.ColumnNames);
    const std::size_t columns = std::min<std::size_t>(layout.FieldCount, 4);
    for (std::size_t j = 0; j < columns; ++j) {
        CheckColumn(text, layout, {std::to_string(j + 1), ""});
        if (j + 1 < columns)
            CheckColumn(text, layout, {std::to_string(j + 1), std::to_string(j + 2)});
    }
    return 0;
}
