#include "core/analysis/datalayout.h"

#include "core/numeric/strings.h"

#include <algorithm>
#include <array>
#include <tuple>

namespace {

// The first lines looked at; enough to see a file's shape, few enough to be quick.
constexpr std::size_t SampleLines = 200;

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string_view WithoutByteOrderMark(std::string_view text)
{
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    return text;
}

// The lines of head that hold anything but blanks, at most SampleLines.
std::vector<std::string_view> SampleOf(std::string_view head)
{
    std::vector<std::string_view> lines;
    head = WithoutByteOrderMark(head);
    while (!head.empty() && lines.size() < SampleLines) {
        const std::size_t end = std::min(head.find('\n'), head.size());
        const std::string_view line = head.substr(0, end);
        if (!Trim(line).empty())
            lines.push_back(line);
        head.remove_prefix(std::min(end + 1, head.size()));
    }
    return lines;
}

// Appends digits [from, to) of text and returns how many there were.
std::size_t AppendDigits(std::string_view text, std::size_t &i, std::string &out)
{
    const std::size_t from = i;
    while (i < text.size() && IsDigit(text[i]))
        out += text[i++];
    return i - from;
}

// How one reading of the sample looks: whether its data lines all have the
// same number of fields, how many, and how much of it reads as numbers.
struct Assessment
{
    bool even = false;
    std::size_t fields = 0;
    bool header = false;
    std::size_t numericDigits = 0; // digits in number fields, plus one per missing field
    bool delimiterSeen = false;
};

struct Candidate
{
    char delimiter;
    char decimalSign;
};

// In the order a tie is decided.
constexpr std::array<Candidate, 8> Candidates{{{',', '.'},
                                               {';', '.'},
                                               {';', ','},
                                               {'\t', '.'},
                                               {'\t', ','},
                                               {' ', '.'},
                                               {' ', ','},
                                               {',', ','}}};

std::size_t DigitCount(std::string_view text)
{
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), IsDigit));
}

// A letter of the Latin alphabet, or any character beyond ASCII.
bool HasLetter(std::string_view text)
{
    return std::any_of(text.begin(), text.end(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return u >= 0x80 || ((u | 0x20) >= 'a' && (u | 0x20) <= 'z');
    });
}

Assessment Assess(const std::vector<std::string_view> &lines, Candidate candidate,
                  std::optional<bool> header)
{
    Assessment result;
    std::vector<std::vector<FieldKind>> kinds(lines.size());
    std::vector<std::size_t> digits(lines.size(), 0);
    std::vector<Field> fields;
    // The first line's fields that are words: not numbers with either decimal
    // sign, so that "1.5" is never taken for a column's name just because
    // this candidate reads decimal commas.
    std::vector<bool> words;
    const char otherSign = candidate.decimalSign == '.' ? ',' : '.';
    double value = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        SplitFields(lines[i], candidate.delimiter, fields);
        for (const Field &field : fields) {
            const FieldKind kind = ReadField(field, candidate.decimalSign, value);
            kinds[i].push_back(kind);
            if (i == 0)
                words.push_back(kind == FieldKind::Text
                                && ReadField(field, otherSign, value) == FieldKind::Text);
            if (kind == FieldKind::Number)
                digits[i] += DigitCount(field.text);
            else if (kind == FieldKind::Missing)
                digits[i] += 1;
        }
        // Blanks are always there to be seen: a file of one column is read by them.
        if (candidate.delimiter == ' '
            || lines[i].find(candidate.delimiter) != std::string_view::npos)
            result.delimiterSeen = true;
    }
    if (lines.empty())
        return result;

    // A header: words in the first line over a column whose lines below all
    // hold numbers (or nothing).
    if (header) {
        result.header = *header;
    } else if (lines.size() == 1) {
        result.header = std::none_of(kinds[0].begin(), kinds[0].end(),
                                     [](FieldKind k) { return k == FieldKind::Number; });
    } else if (std::none_of(kinds[0].begin(), kinds[0].end(),
                            [](FieldKind k) { return k == FieldKind::Number; })) {
        // Names are words: a first line with a number among its fields, or
        // whose only text has no letter ("3,600 1,800" cut by semicolons),
        // is data.
        std::vector<Field> names;
        SplitFields(lines[0], candidate.delimiter, names);
        for (std::size_t j = 0; j < kinds[0].size() && !result.header; ++j) {
            bool numbers = words[j] && HasLetter(names[j].text);
            bool seen = false;
            for (std::size_t i = 1; i < lines.size() && numbers; ++i) {
                const FieldKind below = j < kinds[i].size() ? kinds[i][j] : FieldKind::Missing;
                numbers = below != FieldKind::Text;
                seen = seen || below == FieldKind::Number;
            }
            result.header = numbers && seen;
        }
    }
    // A header sets the number of columns; without one, the first line does.
    const std::size_t first = result.header ? 1 : 0;
    result.fields = kinds[0].size();
    if (!result.header && first < lines.size())
        result.fields = kinds[first].size();
    result.even = true;
    for (std::size_t i = first; i < lines.size(); ++i) {
        result.even = result.even && kinds[i].size() == result.fields;
        result.numericDigits += digits[i];
    }
    return result;
}

// Better first: lines of equal length, more of the text read as numbers,
// more fields, a delimiter that occurs at all; equal keys keep the order of
// Candidates.
auto RankKey(const Assessment &a)
{
    return std::make_tuple(a.even, a.numericDigits, a.fields, a.delimiterSeen);
}

bool Allowed(Candidate candidate, const LayoutOverrides &overrides)
{
    if (overrides.delimiter)
        return candidate.delimiter == *overrides.delimiter
            && (!overrides.decimalSign || candidate.decimalSign == *overrides.decimalSign);
    // A comma delimiter with decimal commas is only ever the user's choice.
    if (candidate.delimiter == ',' && candidate.decimalSign == ',')
        return false;
    return !overrides.decimalSign || candidate.decimalSign == *overrides.decimalSign;
}

std::vector<std::string> ColumnNamesOf(std::string_view headerLine, const DataLayout &layout)
{
    std::vector<std::string> names;
    std::vector<Field> fields;
    if (layout.header)
        SplitFields(headerLine, layout.delimiter, fields);
    for (std::size_t j = 0; j < layout.fieldCount; ++j) {
        std::string name;
        if (j < fields.size()) {
            for (std::size_t i = 0; i < fields[j].text.size(); ++i) {
                name += fields[j].text[i];
                // A doubled quote inside a quoted name stands for one.
                if (fields[j].quoted && fields[j].text[i] == '"' && i + 1 < fields[j].text.size()
                    && fields[j].text[i + 1] == '"')
                    ++i;
            }
        }
        names.push_back(name.empty() ? DefaultColumnName(j) : name);
    }
    return names;
}

} // namespace

void SplitFields(std::string_view line, char delimiter, std::vector<Field> &fields)
{
    fields.clear();
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    const bool blanks = delimiter == ' ';
    const auto isSeparator
        = [&](char c) { return blanks ? (c == ' ' || c == '\t') : c == delimiter; };
    const std::size_t n = line.size();
    std::size_t i = 0;
    if (blanks) {
        while (i < n && isSeparator(line[i]))
            ++i;
        if (i == n)
            return;
    }
    for (;;) {
        while (i < n && (line[i] == ' ' || line[i] == '\t') && !isSeparator(line[i]))
            ++i;
        if (i < n && line[i] == '"') {
            const std::size_t open = ++i;
            while (i < n && !(line[i] == '"' && (i + 1 == n || line[i + 1] != '"')))
                i += line[i] == '"' ? 2 : 1;
            fields.push_back({line.substr(open, std::min(i, n) - open), true});
            // Anything between the closing quote and the delimiter is dropped.
            while (i < n && !isSeparator(line[i]))
                ++i;
        } else {
            const std::size_t from = i;
            while (i < n && !isSeparator(line[i]))
                ++i;
            fields.push_back({Trim(line.substr(from, i - from)), false});
        }
        if (i >= n)
            return;
        ++i; // the delimiter
        if (blanks) {
            while (i < n && isSeparator(line[i]))
                ++i;
            if (i == n)
                return;
        }
    }
}

FieldKind ReadField(const Field &field, char decimalSign, double &value)
{
    const std::string_view text = field.quoted ? Trim(field.text) : field.text;
    if (text.empty() || text == "NA" || text == "." || text == "NaN")
        return FieldKind::Missing;
    const char group = decimalSign == '.' ? ',' : '.';
    // The number in the plain syntax ConvertReal reads: a point, digits on both sides of it.
    std::string plain;
    std::size_t i = 0;
    if (text[i] == '+' || text[i] == '-')
        plain += text[i++];
    std::size_t digits = AppendDigits(text, i, plain);
    // Groups of three digits after the first, inside quotes only.
    while (field.quoted && digits > 0 && i + 3 < text.size() && text[i] == group
           && DigitCount(text.substr(i + 1, 3)) == 3
           && (i + 4 == text.size() || !IsDigit(text[i + 4])))
        digits += AppendDigits(text, ++i, plain);
    if (i < text.size() && text[i] == decimalSign) {
        ++i;
        if (digits == 0)
            plain += '0';
        plain += '.';
        const std::size_t fraction = AppendDigits(text, i, plain);
        if (fraction == 0)
            plain += '0';
        digits += fraction;
    }
    if (digits == 0)
        return FieldKind::Text;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        plain += text[i++];
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            plain += text[i++];
        if (AppendDigits(text, i, plain) == 0)
            return FieldKind::Text;
    }
    long double converted = 0;
    if (i != text.size() || !ConvertReal(plain, converted))
        return FieldKind::Text;
    value = static_cast<double>(converted);
    return FieldKind::Number;
}

bool IsPooledBlankList(const DataLayout &layout, const LayoutOverrides &overrides)
{
    return layout.columnar && !layout.header && layout.delimiter == ' ' && !overrides.delimiter;
}

DataLayout DetectLayout(std::string_view head, const LayoutOverrides &overrides)
{
    const std::vector<std::string_view> lines = SampleOf(head);
    std::optional<std::pair<Candidate, Assessment>> best;
    std::optional<std::pair<Candidate, Assessment>> bestUneven;
    for (const Candidate candidate : Candidates) {
        if (!Allowed(candidate, overrides))
            continue;
        const Assessment a = Assess(lines, candidate, overrides.header);
        const bool columnar = (a.even && a.fields >= 2) || a.header;
        auto &slot = columnar ? best : bestUneven;
        if (!slot || RankKey(a) > RankKey(slot->second))
            slot = std::make_pair(candidate, a);
    }
    DataLayout layout;
    // A delimiter the user chose makes columns even where the lines are uneven:
    // the reader then names the first line that does not fit.
    if (!best && overrides.delimiter)
        best = bestUneven;
    if (best) {
        layout.delimiter = best->first.delimiter;
        layout.decimalSign = best->first.decimalSign;
        layout.header = best->second.header;
        layout.columnar = true;
        layout.fieldCount = std::max<std::size_t>(best->second.fields, 1);
        layout.columnNames = ColumnNamesOf(lines.empty() ? "" : lines[0], layout);
        return layout;
    }
    // A free list: decimal commas when they read more of it as numbers, or as
    // much of it with one number on every line.
    layout.decimalSign = overrides.decimalSign.value_or('.');
    if (!overrides.decimalSign) {
        std::size_t digits[2] = {0, 0};
        bool oneEach = true;
        std::vector<Field> fields;
        double value = 0;
        for (std::string_view line : lines) {
            for (int k = 0; k < 2; ++k) {
                SplitFreeList(line, k == 0 ? '.' : ',', fields);
                for (const Field &field : fields)
                    if (ReadField(field, k == 0 ? '.' : ',', value) == FieldKind::Number)
                        digits[k] += DigitCount(field.text);
            }
            oneEach = oneEach && fields.size() == 1;
        }
        if (digits[1] > digits[0] || (digits[1] == digits[0] && oneEach))
            layout.decimalSign = ',';
    }
    return layout;
}

void SplitFreeList(std::string_view line, char decimalSign, std::vector<Field> &fields)
{
    fields.clear();
    const auto isDelimiter = [decimalSign](char c) {
        return c == ' ' || c == '\t' || c == '\r' || c == ';' || (c == ',' && decimalSign == '.');
    };
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && isDelimiter(line[i]))
            ++i;
        const std::size_t from = i;
        while (i < line.size() && !isDelimiter(line[i]))
            ++i;
        if (i > from)
            fields.push_back({line.substr(from, i - from), false});
    }
}

void SplitLine(std::string_view line, const DataLayout &layout, std::vector<Field> &fields)
{
    if (layout.columnar)
        SplitFields(line, layout.delimiter, fields);
    else
        SplitFreeList(line, layout.decimalSign, fields);
}

std::string DefaultColumnName(std::size_t index)
{
    return "Column " + std::to_string(index + 1);
}

std::string DelimiterName(char delimiter)
{
    switch (delimiter) {
    case ',':
        return "comma";
    case ';':
        return "semicolon";
    case '\t':
        return "tab";
    default:
        return "blanks";
    }
}

std::string DecimalSignName(char decimalSign)
{
    return decimalSign == ',' ? "comma" : "point";
}
