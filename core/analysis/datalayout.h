#pragma once
// The layout of a data file, found from its first lines the way a
// spreadsheet's text import finds it: what separates the fields (comma,
// semicolon, TAB or runs of blanks), the decimal sign, whether the first line
// names the columns, and whether the file is columnar at all.
//
// A file is columnar when every data line has the same number of fields (two
// or more) or when it has a header; otherwise it is a free list of numbers,
// all of which are pooled. A comma is a decimal sign only when the layout
// says so: never when commas cut every line into the same number of fields.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct DataLayout
{
    // ',', ';', '\t', or ' ' for runs of blanks and TABs.
    char delimiter = ' ';
    // '.' or ','.
    char decimalSign = '.';
    bool header = false;
    bool columnar = false;
    // Fields on every data line of a columnar file (1 for a free list).
    std::size_t fieldCount = 1;
    // The header's names, or "Column 1", "Column 2", ...; empty for a free list.
    std::vector<std::string> columnNames;
};

// The user's choices, each taking the place of what detection would find.
// A chosen delimiter makes the file columnar.
struct LayoutOverrides
{
    std::optional<char> delimiter;
    std::optional<char> decimalSign;
    std::optional<bool> header;
};

// The layout of a file that begins with head (its first lines; a last line
// without its end is taken as it is). A UTF-8 byte order mark is passed over.
DataLayout DetectLayout(std::string_view head, const LayoutOverrides &overrides = {});

// Lines of numbers between blanks, with no names above them, are the classic
// data file: a sample written some numbers to a line. It is pooled as one
// list unless the user chose a delimiter or a column.
bool IsPooledBlankList(const DataLayout &layout, const LayoutOverrides &overrides);

// How many bytes of a file's beginning the detection looks at at most.
inline constexpr std::size_t LayoutSampleBytes = 64 * 1024;

// One field of a line: its text without the blanks around it and without its
// quotes, and whether it was quoted.
struct Field
{
    std::string_view text;
    bool quoted = false;
};

// Cuts line into its fields by delimiter (' ': runs of blanks and TABs, with
// none before the first field or after the last). A field that begins with a
// double quote runs to the closing quote, delimiters inside included; a
// doubled quote inside stands for one and leaves Text with both. fields is
// cleared first; a line end ("\r") is not part of the last field.
void SplitFields(std::string_view line, char delimiter, std::vector<Field> &fields);

// Cuts a line of a free list into its numbers: runs of blanks, TABs and
// semicolons separate them, and commas too when the decimal sign is ".".
void SplitFreeList(std::string_view line, char decimalSign, std::vector<Field> &fields);

// SplitFields by the layout's delimiter for a columnar file, else SplitFreeList.
void SplitLine(std::string_view line, const DataLayout &layout, std::vector<Field> &fields);

// What one field holds. Empty fields, "NA", ".", "NaN" are missing values.
// A number is [+|-] digits [sign digits] [(e|E) [+|-] digits], the sign being
// the layout's decimal sign, with digits on at least one side of it; inside
// quotes the other one of "." and "," may group the integer digits
// ("1,234" is 1234 when the decimal sign is ".").
enum class FieldKind { Number, Missing, Text };
FieldKind ReadField(const Field &field, char decimalSign, double &value);

// "Column 1", "Column 2", ...
std::string DefaultColumnName(std::size_t index);

// The name shown for delimiter and for decimal sign: "comma", "semicolon",
// "tab", "blanks"; "point", "comma".
std::string DelimiterName(char delimiter);
std::string DecimalSignName(char decimalSign);
