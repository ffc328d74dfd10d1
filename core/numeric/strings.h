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
// SplitToken and ReportReadError keep lengths and columns in 8 bits, as the
// data lines they were made for are shorter than 256 characters: on longer
// texts they see only length mod 256 characters.

#include <bitset>
#include <cstdint>
#include <string>
#include <string_view>

// A set over the 256 codes of an 8-bit character; passed by value.
using CharSet = std::bitset<256>;

CharSet MakeCharSet(std::string_view members);
bool InSet(const CharSet &set, char c);

// TAB, blank and comma: what separates the numbers of a data file.
extern const CharSet Delimiters;

// The data-file line being parsed, kept so that a read error can show it.
// Only the data-file reader sets it; ReportReadError may shorten it.
extern std::string CurrentLine;

// True after a read that found no number; false exactly when the last
// ReadReal or ReadInteger read one.
extern bool ReadErrorFlag;

std::uint8_t CountWords(std::string text, CharSet set);
void StripLeading(std::string &text, CharSet set);
void StripTrailing(std::string &text, CharSet set);
void SplitToken(std::string &text, CharSet set, std::string &token);
void NextToken(std::string &line, CharSet set, std::string &token);

// Each call consumes one token of line and the delimiter after it. A token
// that is not a number is reported by ReportReadError and gives 0.
double ReadReal(std::string &line, CharSet set);
std::int32_t ReadInteger(std::string &line, CharSet set);

// kind 'R' for a real, 'I' for an integer. Shows the message and sets
// ReadErrorFlag.
void ReportReadError(char kind, const std::string &token);

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
