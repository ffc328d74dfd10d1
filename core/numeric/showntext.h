#pragma once
// Text of a data file or an entry as a message shows it.

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

// How many characters of a token a message shows.
inline constexpr std::size_t ShownTokenLength = 80;

// text as a message shows it: in UTF-8, every character that cannot be seen
// (controls, no-break and other special spaces, zero-width characters, the
// byte order mark) written as \uXXXX and every byte that is not UTF-8 as
// \xNN; cut after limit characters with "…" when longer.
std::string ShownText(std::string_view text, std::size_t limit);

// The characters (code points) of UTF-8 text.
std::size_t Columns(std::string_view utf8);

// The code point that starts at text[i] and its length in bytes; length 0
// for a byte that does not start a valid UTF-8 sequence there (overlong
// forms and surrogates included).
std::pair<char32_t, std::size_t> DecodeUtf8(std::string_view text, std::size_t i);
