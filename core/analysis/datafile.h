#pragma once
// Reading a data file: its numbers, the decimals they carry and the tokens
// left out.

#include "core/analysis/analysiserror.h"
#include "core/analysis/analysisvalues.h"

#include <string>
#include <string_view>

// Reads every number of the file into a sample: its values in file order,
// decimals, skippedTokens, commaDecimalsSeen and notes. Numbers are
// separated by TAB, blank or comma (with decimalComma, a comma between two
// digits is a decimal sign), any number per line, lines of any length; a
// UTF-8 byte order mark at the start is passed over. Tokens that are not
// numbers are left out and counted; one message in notes shows the
// first few with their line numbers, lines and carets, each token and line
// cut to ShownTokenLength characters and its invisible characters written
// out (see ShownText). Fails when the file is not a regular file (refused
// before it is opened), cannot be opened or read, is not text (holds a NUL
// byte) or holds no values at all.
Checked<Sample> ReadDataFile(const std::string &fileName, bool decimalComma = false);

// The value of a data-file token, exactly as ReadReal converts it (the
// decimal text rounded to extended precision, then to double). Returns false
// for a token that is not a number.
bool TokenValue(std::string_view token, double &value);
