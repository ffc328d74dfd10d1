#include "core/analysis/columnreader.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <fstream>
#include <memory>

namespace {

// Reads lines through one buffer that grows only for a line longer than it.
class LineSource
{
public:
    explicit LineSource(std::istream &in)
        : m_in(in)
        , m_buffer(std::make_unique_for_overwrite<char[]>(m_capacity))
    { }

    // The next line without its "\n"; false at the end.
    bool next(std::string_view &line)
    {
        for (;;) {
            const char *from = m_buffer.get() + m_begin;
            const void *end = std::memchr(from, '\n', m_end - m_begin);
            if (end) {
                const auto length = static_cast<std::size_t>(static_cast<const char *>(end) - from);
                line = std::string_view(from, length);
                m_begin += length + 1;
                return true;
            }
            if (m_eof) {
                if (m_begin == m_end)
                    return false;
                line = std::string_view(from, m_end - m_begin);
                m_begin = m_end;
                return true;
            }
            refill();
        }
    }

private:
    void refill()
    {
        const std::size_t kept = m_end - m_begin;
        std::memmove(m_buffer.get(), m_buffer.get() + m_begin, kept);
        m_begin = 0;
        m_end = kept;
        if (m_end == m_capacity) {
            // A line longer than the buffer: twice the room, the line kept.
            auto larger = std::make_unique_for_overwrite<char[]>(m_capacity * 2);
            std::memcpy(larger.get(), m_buffer.get(), m_end);
            m_buffer = std::move(larger);
            m_capacity *= 2;
        }
        m_in.read(m_buffer.get() + m_end, static_cast<std::streamsize>(m_capacity - m_end));
        const auto got = static_cast<std::size_t>(m_in.gcount());
        m_end += got;
        if (got == 0 || !m_in)
            m_eof = true;
    }

    std::istream &m_in;
    std::size_t m_capacity = 1 << 20;
    // Not cleared: only the bytes read into it are ever looked at.
    std::unique_ptr<char[]> m_buffer;
    std::size_t m_begin = 0;
    std::size_t m_end = 0;
    bool m_eof = false;
};

bool IsBlankLine(std::string_view line)
{
    return std::all_of(line.begin(), line.end(),
                       [](char c) { return c == ' ' || c == '\t' || c == '\r'; });
}

std::string Quoted(const std::string &text)
{
    return "\"" + text + "\"";
}

std::string Joined(const std::vector<std::string> &names)
{
    std::string text;
    for (const std::string &name : names)
        text += (text.empty() ? "" : ", ") + Quoted(name);
    return text;
}

std::string Plural(std::size_t count, const char *one, const char *many)
{
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

// What the columnar reading has seen of its column so far; a text in it is
// reported once the column is known to hold numbers too.
struct ColumnScan
{
    std::size_t Index = 0;
    std::optional<std::size_t> Weights;
    std::size_t FirstTextLine = 0;
    std::string FirstText;
};

void ReadColumnarLine(const std::vector<Field> &fields, std::size_t lineNumber, ColumnScan &scan,
                      const DataLayout &layout, ColumnRead &result)
{
    ColumnData &data = result.Data;
    double value = 0;
    double count = 1;
    const FieldKind kind = ReadField(fields[scan.Index], layout.DecimalSign, value);
    if (scan.Weights) {
        const Field &field = fields[*scan.Weights];
        const FieldKind countKind = ReadField(field, layout.DecimalSign, count);
        if (countKind == FieldKind::Missing) {
            ++data.Missing;
            return;
        }
        if (countKind == FieldKind::Text || !(count >= 0) || count != std::floor(count)
            || count > 9007199254740992.0) {
            result.Problem = {ColumnError::BadCount,   lineNumber, 0, 0, data.WeightsName,
                              std::string(field.Text), {}};
            return;
        }
    }
    if (kind == FieldKind::Number) {
        data.Values.push_back(value);
        if (scan.Weights)
            data.Counts.push_back(count);
    } else if (kind == FieldKind::Missing) {
        ++data.Missing;
    } else if (scan.FirstTextLine == 0) {
        scan.FirstTextLine = lineNumber;
        scan.FirstText = fields[scan.Index].Text;
    }
    if (scan.FirstTextLine != 0 && !data.Values.empty())
        result.Problem = {ColumnError::NotANumber, scan.FirstTextLine, 0, 0,
                          data.ColumnName,         scan.FirstText,     {}};
}

bool ResolveRequest(const DataLayout &layout, const ColumnRequest &request, ColumnScan &scan,
                    ColumnRead &result)
{
    const auto noSuchColumn = [&](const std::string &text) {
        result.Problem = {ColumnError::NoSuchColumn, 0, 0, 0, {}, text, layout.ColumnNames};
        return false;
    };
    const std::optional<std::size_t> column = FindColumn(layout, request.Column);
    if (!column)
        return noSuchColumn(request.Column);
    scan.Index = *column;
    result.Data.ColumnName = layout.ColumnNames[*column];
    if (request.Weights.empty())
        return true;
    scan.Weights = FindColumn(layout, request.Weights);
    if (!scan.Weights)
        return noSuchColumn(request.Weights);
    result.Data.WeightsName = layout.ColumnNames[*scan.Weights];
    if (*scan.Weights == *column) {
        result.Problem = {ColumnError::SameColumn, 0, 0, 0, result.Data.ColumnName, {}, {}};
        return false;
    }
    return true;
}

} // namespace

std::optional<std::size_t> FindColumn(const DataLayout &layout, const std::string &text)
{
    const auto &names = layout.ColumnNames;
    const auto named = std::find(names.begin(), names.end(), text);
    if (named != names.end())
        return static_cast<std::size_t>(named - names.begin());
    if (text.empty() || text.size() > 9
        || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    const std::size_t number = std::stoul(text);
    if (number == 0 || number > names.size())
        return std::nullopt;
    return number - 1;
}

ColumnRead ReadColumn(std::istream &in, const DataLayout &layout, const ColumnRequest &request)
{
    ColumnRead result;
    ColumnData &data = result.Data;
    ColumnScan scan;
    if (layout.Columnar && !ResolveRequest(layout, request, scan, result))
        return result;

    LineSource source(in);
    std::string_view line;
    std::vector<Field> fields;
    std::size_t lineNumber = 0;
    bool headerPassed = !layout.Header;
    while (result.ok() && source.next(line)) {
        if (++lineNumber == 1 && line.substr(0, 3) == "\xEF\xBB\xBF")
            line.remove_prefix(3);
        if (IsBlankLine(line))
            continue;
        if (!headerPassed) {
            headerPassed = true;
            continue;
        }
        ++data.DataLines;
        SplitLine(line, layout, fields);
        if (!layout.Columnar) {
            double value = 0;
            for (const Field &field : fields) {
                const FieldKind kind = ReadField(field, layout.DecimalSign, value);
                if (kind == FieldKind::Number)
                    data.Values.push_back(value);
                else if (kind == FieldKind::Missing)
                    ++data.Missing;
                else {
                    result.Problem = {ColumnError::NotANumber, lineNumber, 0, 0, {},
                                      std::string(field.Text), {}};
                    break;
                }
            }
            continue;
        }
        if (fields.size() != layout.FieldCount) {
            result.Problem = {ColumnError::UnevenFields,
                              lineNumber,
                              fields.size(),
                              layout.FieldCount,
                              {},
                              {},
                              {}};
            break;
        }
        ReadColumnarLine(fields, lineNumber, scan, layout, result);
    }
    if (!result.ok())
        return result;
    if (data.DataLines == 0)
        result.Problem.Code = headerPassed && layout.Header && lineNumber > 0
            ? ColumnError::HeaderOnly
            : ColumnError::NoData;
    else if (data.Values.empty())
        result.Problem = {ColumnError::NoNumbers, 0, 0, 0, data.ColumnName, {}, {}};
    return result;
}

ColumnRead ReadColumnFile(const std::string &path, const DataLayout &layout,
                          const ColumnRequest &request)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        ColumnRead result;
        result.Problem = {ColumnError::CannotOpen, 0, 0, 0, {}, path, {}};
        return result;
    }
    return ReadColumn(in, layout, request);
}

bool DetectFileLayout(const std::string &path, const LayoutOverrides &overrides, DataLayout &layout,
                      ColumnProblem &problem)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        problem = {ColumnError::CannotOpen, 0, 0, 0, {}, path, {}};
        return false;
    }
    std::string head(LayoutSampleBytes, '\0');
    in.read(head.data(), static_cast<std::streamsize>(head.size()));
    head.resize(static_cast<std::size_t>(in.gcount()));
    // A full sample ends inside a line: that line is left to the reader.
    if (head.size() == LayoutSampleBytes && head.rfind('\n') != std::string::npos)
        head.resize(head.rfind('\n') + 1);
    layout = DetectLayout(head, overrides);
    return true;
}

std::string ColumnProblemText(const ColumnProblem &p)
{
    switch (p.Code) {
    case ColumnError::None:
        return {};
    case ColumnError::CannotOpen:
        return "Cannot open the data file " + p.Text + ".";
    case ColumnError::NoData:
        return "The data file holds no data.";
    case ColumnError::HeaderOnly:
        return "The data file has a header line and no data below it.";
    case ColumnError::UnevenFields:
        return "Line " + std::to_string(p.Line) + " has " + Plural(p.Found, "field", "fields")
            + " where the file's columns are " + std::to_string(p.Expected) + ".";
    case ColumnError::NoSuchColumn:
        return "The data file has no column " + Quoted(p.Text) + "; its columns are "
            + Joined(p.Columns) + ".";
    case ColumnError::SameColumn:
        return "The counts cannot be in the column of the values, " + Quoted(p.Column) + ".";
    case ColumnError::NoNumbers:
        return "The column " + Quoted(p.Column) + " holds no numbers.";
    case ColumnError::NotANumber:
        return "Line " + std::to_string(p.Line)
            + (p.Column.empty() ? "" : ", column " + Quoted(p.Column)) + ": " + Quoted(p.Text)
            + " is not a number.";
    case ColumnError::BadCount:
        return "Line " + std::to_string(p.Line) + ", column " + Quoted(p.Column) + ": "
            + Quoted(p.Text) + " is not a count (a whole number, 0 or more).";
    }
    return {};
}
