#pragma once
// Reading a data file: its numbers, the decimals they carry and the tokens
// left out.

#include "core/analysis/analysiserror.h"
#include "core/analysis/analysisvalues.h"

#include <string>
#include <string_view>
#include <vector>

// Reads every number of the file into a sample: its values in file order,
// decimals, skippedTokens, leftOut and commaDecimalsSeen. Numbers are
// separated by TAB, blank or comma (with decimalComma, a comma between two
// digits is a decimal sign), any number per line, lines of any length; a
// UTF-8 byte order mark at the start is passed over. Tokens that are not
// numbers are left out and counted; leftOut keeps the first few with their
// line numbers and lines, each token and line cut to ShownTokenLength
// characters and its invisible characters written out (see ShownText). Fails when the file is not a
// regular file (refused before it is opened), cannot be opened or read, is not text (holds a NUL
// byte) or holds no values at all.
Checked<Sample> ReadDataFile(const std::string &fileName, bool decimalComma = false);

// The value of a data-file token, exactly as ReadReal converts it (the
// decimal text rounded to extended precision, then to double). Returns false
// for a token that is not a number.
bool TokenValue(std::string_view token, double &value);

// The notes to show before the analysis of sample: none, or one about the
// tokens left out, naming the data file and showing the first few tokens
// with their line numbers, lines and a caret under each; in English unless
// translator translates.
std::vector<std::string> SampleNotes(const Sample &sample, const Translator &translator = {});
