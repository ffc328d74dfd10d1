#pragma once
// Core messages as a console shows them.
//
// Core routines that must tell the user something (a number that cannot be
// read, a failed power function) return the text, UTF-8 with its lines
// separated by "\n", with their result; the caller shows the texts in order.
// The windowed program shows each in a modal box with an OK button; the
// console companion writes them to standard error.

#include <string>

// text and a line feed to standard error.
void WriteToStandardError(const std::string &text);
