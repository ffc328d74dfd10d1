#pragma once
// Strings: the program's text toolkit for numbers.
//
// Cuts a line into tokens separated by a set of delimiter characters, converts
// the next token to a real or an integer, reports a token that is not a number
// with the offending line and a caret under it, keeps track of how many
// decimals the numbers of a data file carry, and formats reals for reports
// with thousands separators.
//
// Texts are 8-bit strings. Positions in comments are 1-based. CountWords,
// SplitToken and ReadErrorMessage keep lengths and columns in 8 bits, as the
// data lines they were made for are shorter than 256 characters: on longer
// texts they see only length mod 256 characters.

#include "core/numeric/translation.h"

#include <bitset>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A set over the 256 codes of an 8-bit character; passed by value.
using CharSet = std::bitset<256>;

CharSet MakeCharSet(std::string_view members);
bool InSet(const CharSet &set, char c);

// TAB, blank and comma: what separates the numbers of a data file.
inline constexpr CharSet Delimiters{(1ULL << '\t') | (1ULL << ' ') | (1ULL << ',')};

// Why a token or a field is not a number the program can take, as a value:
// the code and its arguments, from which NumberErrorText makes the English
// text (plain text, lines separated by "\n").
enum class NumberErrorCode {
    // Not a number of the kind expected. Arguments: the kind ("Double",
    // "Integer", or empty when unknown), the line shown, the caret's column
    // (from 1) under the token, and, for a long line shown in two parts, the
    // first part.
    NotANumber,
    // NotANumber of an entry field that holds a number followed by more.
    NotOneNumber,
    // NotANumber without a line to show. Arguments: the kind.
    NoLine,
    // Written correctly but beyond the range of a double. Arguments: the
    // number as shown.
    TooLarge
};

struct NumberError
{
    NumberErrorCode code = NumberErrorCode::NotANumber;
    std::vector<std::string> arguments;

    std::string text(const Translator &translator = {}) const;
};

// The error's text, in English unless translator translates.
std::string NumberErrorText(const NumberError &error, const Translator &translator = {});

// What a read found: the value, or why the token is not a number (and then a
// value of 0).
template <class T>
struct ReadResult
{
    T value = 0;
    std::optional<NumberError> error;

    bool ok() const { return !error.has_value(); }
};

std::uint8_t CountWords(std::string text, CharSet set);
void StripLeading(std::string &text, CharSet set);
void StripTrailing(std::string &text, CharSet set);
void SplitToken(std::string &text, CharSet set, std::string &token);
// Takes the next token of line; false when line was empty (the token is then
// empty too).
bool NextToken(std::string &line, CharSet set, std::string &token);

// Each call consumes one token of line and the delimiter after it. A token
// that is not a number gives 0 and the message of ReadErrorMessage, which
// shows shownLine (empty: no line), which the message may shorten. Without
// shownLine no line is shown.
ReadResult<double> ReadReal(std::string &line, CharSet set, std::string &shownLine);
ReadResult<std::int32_t> ReadInteger(std::string &line, CharSet set, std::string &shownLine);
ReadResult<double> ReadReal(std::string &line, CharSet set);
ReadResult<std::int32_t> ReadInteger(std::string &line, CharSet set);

// An entry field that holds one number, blanks around it aside; for a real,
// a comma between two digits is the decimal sign ("0,05" is 0.05). A field
// that is not a number, or has anything after its number, is refused with an
// error whose text shows the field as typed and a caret under the first
// character that is not part of the number.
ReadResult<double> ReadRealField(const std::string &text);
ReadResult<std::int32_t> ReadIntegerField(const std::string &text);

// The error about token, which is not a number of kind ('R' a real, 'I' an
// integer): the kind expected, then shownLine with a caret under the token,
// or no line when shownLine is empty. A line whose caret would stand beyond
// column 60 is shown in two parts, and shownLine keeps only the second, so
// that a further error on it is placed in that part.
NumberError ReadErrorMessage(char kind, const std::string &token, std::string &shownLine);

// The conversions behind ReadReal and ReadInteger, without any message.
// ConvertReal accepts only the plain decimal syntax (no "inf", "nan" or
// hexadecimal) and refuses a value that overflows a double; ConvertInteger
// accepts decimal and hexadecimal after "$", "x", "X", "0x" or "0X", within
// the 32-bit signed range.
bool ConvertReal(const std::string &token, long double &value);
bool ConvertInteger(const std::string &token, std::int32_t &value);

std::string RepeatChar(char c, std::uint8_t count);

// width 255: the 23-character scientific form; width 0: fixed notation with
// no padding; otherwise fixed notation right-justified in width. Integer
// digits are grouped by threes with ",".
std::string FormatNumber(std::uint8_t width, std::uint8_t decimals, double x);

// The number of decimal places that a token of a data file carries, as the
// report counts them: the digits after the point, or, for a number with an
// upper-case exponent, the places its written form stands for. May be
// negative (a large exponent), in which case it never raises the maximum.
std::int64_t TokenDecimals(std::string_view token);

// x in fixed notation with the given decimals, right-justified in width
// columns, as printf's "%*.*f" writes it in the C locale: the point is "."
// whatever the user's settings.
std::string FixedNotation(int width, int decimals, double x);

// Raises maximum to the TokenDecimals of the next token of line, without
// consuming it.
void TrackDecimals(std::string line, CharSet set, std::uint8_t &maximum);
