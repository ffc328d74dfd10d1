#include "core/analysis/columnreader.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <fstream>
#include <memory>

#include <sys/stat.h>

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

// The digits after the decimal sign of a number's text, before any exponent.
int Decimals(std::string_view text, char decimalSign)
{
    const std::size_t sign = text.find(decimalSign);
    if (sign == std::string_view::npos)
        return 0;
    int digits = 0;
    for (std::size_t i = sign + 1; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        ++digits;
    return digits;
}

void KeepValue(ColumnData &data, const Field &field, char decimalSign, double value)
{
    data.values.push_back(value);
    data.decimals = std::max(data.decimals, Decimals(field.text, decimalSign));
}

// Only a regular file is opened: a pipe would wait for a writer, a device
// could never end.
bool IsRegularFile(const std::string &path)
{
    struct stat info;
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// What the columnar reading has seen of its column so far; a text in it is
// reported once the column is known to hold numbers too.
struct ColumnScan
{
    std::size_t index = 0;
    std::optional<std::size_t> weights;
    std::size_t firstTextLine = 0;
    std::string firstText;
};

void ReadColumnarLine(const std::vector<Field> &fields, std::size_t lineNumber, ColumnScan &scan,
                      const DataLayout &layout, ColumnRead &result)
{
    ColumnData &data = result.data;
    double value = 0;
    double count = 1;
    const FieldKind kind = ReadField(fields[scan.index], layout.decimalSign, value);
    if (scan.weights) {
        const Field &field = fields[*scan.weights];
        const FieldKind countKind = ReadField(field, layout.decimalSign, count);
        if (countKind == FieldKind::Missing) {
            ++data.missing;
            return;
        }
        if (countKind == FieldKind::Text || !(count >= 0) || count != std::floor(count)
            || count > 9007199254740992.0) {
            result.problem = {ColumnError::BadCount,   lineNumber, 0, 0, data.weightsName,
                              std::string(field.text), {}};
            return;
        }
    }
    if (kind == FieldKind::Number) {
        KeepValue(data, fields[scan.index], layout.decimalSign, value);
        if (scan.weights)
            data.counts.push_back(count);
    } else if (kind == FieldKind::Missing) {
        ++data.missing;
    } else if (scan.firstTextLine == 0) {
        scan.firstTextLine = lineNumber;
        scan.firstText = fields[scan.index].text;
    }
    if (scan.firstTextLine != 0 && !data.values.empty())
        result.problem = {ColumnError::NotANumber, scan.firstTextLine, 0, 0,
                          data.columnName,         scan.firstText,     {}};
}

bool ResolveRequest(const DataLayout &layout, const ColumnRequest &request, ColumnScan &scan,
                    ColumnRead &result)
{
    const auto noSuchColumn = [&](const std::string &text) {
        result.problem = {ColumnError::NoSuchColumn, 0, 0, 0, {}, text, layout.columnNames};
        return false;
    };
    const std::optional<std::size_t> column = FindColumn(layout, request.column);
    if (!column)
        return noSuchColumn(request.column);
    scan.index = *column;
    result.data.columnName = layout.columnNames[*column];
    if (request.weights.empty())
        return true;
    scan.weights = FindColumn(layout, request.weights);
    if (!scan.weights)
        return noSuchColumn(request.weights);
    result.data.weightsName = layout.columnNames[*scan.weights];
    if (*scan.weights == *column) {
        result.problem = {ColumnError::SameColumn, 0, 0, 0, result.data.columnName, {}, {}};
        return false;
    }
    return true;
}

} // namespace

std::optional<std::size_t> FindColumn(const DataLayout &layout, const std::string &text)
{
    const auto &names = layout.columnNames;
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
    ColumnData &data = result.data;
    ColumnScan scan;
    if (layout.columnar && !ResolveRequest(layout, request, scan, result))
        return result;

    LineSource source(in);
    std::string_view line;
    std::vector<Field> fields;
    std::size_t lineNumber = 0;
    bool headerPassed = !layout.header;
    while (result.ok() && source.next(line)) {
        if (++lineNumber == 1 && line.substr(0, 3) == "\xEF\xBB\xBF")
            line.remove_prefix(3);
        if (IsBlankLine(line))
            continue;
        if (!headerPassed) {
            headerPassed = true;
            continue;
        }
        ++data.dataLines;
        SplitLine(line, layout, fields);
        if (!layout.columnar) {
            double value = 0;
            for (const Field &field : fields) {
                const FieldKind kind = ReadField(field, layout.decimalSign, value);
                if (kind == FieldKind::Number)
                    KeepValue(data, field, layout.decimalSign, value);
                else if (kind == FieldKind::Missing)
                    ++data.missing;
                else {
                    result.problem = {ColumnError::NotANumber, lineNumber, 0, 0, {},
                                      std::string(field.text), {}};
                    break;
                }
            }
            continue;
        }
        if (fields.size() != layout.fieldCount) {
            result.problem = {ColumnError::UnevenFields,
                              lineNumber,
                              fields.size(),
                              layout.fieldCount,
                              {},
                              {},
                              {}};
            break;
        }
        ReadColumnarLine(fields, lineNumber, scan, layout, result);
    }
    if (!result.ok())
        return result;
    if (data.dataLines == 0)
        result.problem.code = headerPassed && layout.header && lineNumber > 0
            ? ColumnError::HeaderOnly
            : ColumnError::NoData;
    else if (data.values.empty())
        result.problem = {ColumnError::NoNumbers, 0, 0, 0, data.columnName, {}, {}};
    return result;
}

ColumnRead ReadColumnFile(const std::string &path, const DataLayout &layout,
                          const ColumnRequest &request)
{
    std::ifstream in;
    if (IsRegularFile(path))
        in.open(path, std::ios::binary);
    if (!in.is_open()) {
        ColumnRead result;
        result.problem = {ColumnError::CannotOpen, 0, 0, 0, {}, path, {}};
        return result;
    }
    return ReadColumn(in, layout, request);
}

bool DetectFileLayout(const std::string &path, const LayoutOverrides &overrides, DataLayout &layout,
                      ColumnProblem &problem)
{
    std::ifstream in;
    if (IsRegularFile(path))
        in.open(path, std::ios::binary);
    if (!in.is_open()) {
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

std::string ColumnProblemText(const ColumnProblem &p, const Translator &translator)
{
    const auto text
        = [&translator](const char *english, std::initializer_list<std::string> args = {}) {
              return Filled(translator("ColumnProblem", english), args);
          };
    const std::string line = std::to_string(p.line);
    switch (p.code) {
    case ColumnError::None:
        return {};
    case ColumnError::CannotOpen:
        return text(MERVAN_TEXT("ColumnProblem", "Cannot open the data file %1."), {p.text});
    case ColumnError::NoData:
        return text(MERVAN_TEXT("ColumnProblem", "The data file holds no data."));
    case ColumnError::HeaderOnly:
        return text(
            MERVAN_TEXT("ColumnProblem", "The data file has a header line and no data below it."));
    case ColumnError::UnevenFields:
        return p.found == 1
            ? text(MERVAN_TEXT("ColumnProblem",
                               "Line %1 has 1 field where the file's columns are %2."),
                   {line, std::to_string(p.expected)})
            : text(MERVAN_TEXT("ColumnProblem",
                               "Line %1 has %2 fields where the file's columns are %3."),
                   {line, std::to_string(p.found), std::to_string(p.expected)});
    case ColumnError::NoSuchColumn:
        return text(
            MERVAN_TEXT("ColumnProblem", "The data file has no column \"%1\"; its columns are %2."),
            {p.text, Joined(p.columns)});
    case ColumnError::SameColumn:
        return text(MERVAN_TEXT("ColumnProblem",
                                "The counts cannot be in the column of the values, \"%1\"."),
                    {p.column});
    case ColumnError::NoNumbers:
        return text(MERVAN_TEXT("ColumnProblem", "The column \"%1\" holds no numbers."),
                    {p.column});
    case ColumnError::NotANumber:
        return p.column.empty()
            ? text(MERVAN_TEXT("ColumnProblem", "Line %1: \"%2\" is not a number."), {line, p.text})
            : text(MERVAN_TEXT("ColumnProblem", "Line %1, column \"%2\": \"%3\" is not a number."),
                   {line, p.column, p.text});
    case ColumnError::BadCount:
        return text(MERVAN_TEXT("ColumnProblem",
                                "Line %1, column \"%2\": \"%3\" is not a count "
                                "(a whole number, 0 or more)."),
                    {line, p.column, p.text});
    }
    return {};
}
