#pragma once
// The messages of the calculator requests.

#include "core/calculators/calcinput.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

inline const std::string AlphaEmptyMessage
    = "Please enter the desired probability in percentage points.";
inline const std::string AlphaMessage = "Alpha must be between 0.0001 and 0.999999";
inline const std::string WholeNumberMessage = "Please enter a whole number.";
inline const std::string DegreesEmptyMessage = "Please enter the degrees of freedom.";
inline const std::string DegreesMessage = "The degrees of freedom must be between 1 and 200.";
// The messages about a field that holds no real or no integer: the field as
// typed with a caret at column caret (from 0), and, when a number stands
// before it, the request for one number only.
inline std::string ReadError(const char *kind, const std::string &typed, std::size_t caret,
                             bool afterNumber)
{
    return std::string("\x03") + kind + " expected in read\r\r\x03Processing Line : \r" + typed
        + "\r" + std::string(caret, ' ') + "^"
        + (afterNumber ? "\r\r\x03Please enter one number only." : "");
}
inline std::string RealReadError(const std::string &typed, std::size_t caret,
                                 bool afterNumber = false)
{
    return ReadError("Double", typed, caret, afterNumber);
}
inline std::string IntegerReadError(const std::string &typed, std::size_t caret,
                                    bool afterNumber = false)
{
    return ReadError("Integer", typed, caret, afterNumber);
}
