#pragma once
// Reading one column of a data file, line by line through a large buffer, so
// that only the chosen column's values (and the counts beside them, for a
// table of values and their frequencies) are ever held in memory.
//
// What goes wrong comes back as a value: a code, its arguments, and a text
// made from them, in English or through a Translator.

#include "core/analysis/datalayout.h"
#include "core/numeric/translation.h"

#include <cstddef>
#include <istream>
#include <optional>
#include <string>
#include <vector>

enum class ColumnError {
    None,
    CannotOpen,   // Text: the file's name
    NoData,       // no line holds anything
    HeaderOnly,   // a header and no data line below it
    UnevenFields, // Line has Found fields, not Expected
    NoSuchColumn, // Text: the column asked for
    SameColumn,   // the counts asked for in the values' own column
    NoNumbers,    // Column holds no numbers
    NotANumber,   // Line: Text in Column is not a number
    BadCount,     // Line: Text in Column is not a whole number >= 0
};

struct ColumnProblem
{
    ColumnError code = ColumnError::None;
    std::size_t line = 0; // 1-based, counting every line of the file
    std::size_t found = 0;
    std::size_t expected = 0;
    std::string column; // a column's name
    std::string text;   // the field or the name as written
    // For NoSuchColumn: the file's columns.
    std::vector<std::string> columns;
};

// The problem in one sentence or two, in English unless translator
// translates.
std::string ColumnProblemText(const ColumnProblem &problem, const Translator &translator = {});

// Which column to read: a name from the layout's ColumnNames, or a number
// from 1; and where the counts are, if anywhere (empty: every value once).
struct ColumnRequest
{
    std::string column;
    std::string weights;
};

struct ColumnData
{
    // The numbers of the column in file order (every number of a free list).
    std::vector<double> values;
    // With weights: the count of each value, a whole number >= 0; else empty.
    std::vector<double> counts;
    std::string columnName;
    std::string weightsName;
    // Missing values (a missing count leaves its row out and is counted too).
    std::size_t missing = 0;
    std::size_t dataLines = 0;
    // The most digits after the decimal sign among the values read.
    int decimals = 0;
};

struct ColumnRead
{
    ColumnData data;
    ColumnProblem problem;
    bool ok() const { return problem.code == ColumnError::None; }
};

// The 0-based index of the column named or numbered by text, if the layout has it.
std::optional<std::size_t> FindColumn(const DataLayout &layout, const std::string &text);

// Reads in's lines under layout. Blank lines are passed over. For a free
// list the request is not used and every number is read.
ColumnRead ReadColumn(std::istream &in, const DataLayout &layout, const ColumnRequest &request);
ColumnRead ReadColumnFile(const std::string &path, const DataLayout &layout,
                          const ColumnRequest &request);

// The layout of the file at path from its first LayoutSampleBytes; false
// (with CannotOpen in problem) when it cannot be read.
bool DetectFileLayout(const std::string &path, const LayoutOverrides &overrides, DataLayout &layout,
                      ColumnProblem &problem);
