#pragma once
// Core messages as a console shows them.
//
// Core routines that must tell the user something (a number that cannot be
// read, a failed power function) return the text, in the program's 8-bit
// character set, with their result; the caller shows the texts in order. The
// windowed program shows each in a modal box with an OK button; the console
// companion writes them to standard error.

#include <string>

// The text as a console shows it: the ETX control characters dropped and every
// carriage return turned into a line feed.
std::string ConsoleMessageText(const std::string &text);

// ConsoleMessageText of text and a line feed to standard error.
void WriteToStandardError(const std::string &text);
