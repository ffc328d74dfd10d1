#pragma once
// Reading the typed fields of a calculator dialog: the field's text is read
// with ReadReal or ReadInteger as one line, and the read-error message that
// they show is collected instead, so that a request can return its messages in
// the order the user is to see them.

#include <cstdint>
#include <string>
#include <vector>

// True when the text held a number (ReadErrorFlag clear afterwards). A read
// error message is appended to messages.
bool ReadRealField(const std::string &text, double &value, std::vector<std::string> &messages);
bool ReadIntegerField(const std::string &text, std::int32_t &value,
                      std::vector<std::string> &messages);
