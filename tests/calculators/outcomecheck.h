#pragma once
// The messages of the calculator requests, and a comparison of a request's
// messages with the expected ones, in order.

#include "calculators/calcinput.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

inline const std::string AlphaEmptyMessage =
    "Please enter the desired probability in percentage points.";
inline const std::string AlphaMessage = "Alpha must be between 0.0001 and 0.999999";
inline const std::string DegreesEmptyMessage = "Please enter the degrees of freedom.";
inline const std::string DegreesMessage = "The degrees of freedom must be between 1 and 200.";
// The token reader's messages about a field that holds no real or no integer.
inline const std::string RealReadError =
    "\x03" "Double expected in read\r\r\x03Processing Line : \r\x03No line read in file";
inline const std::string IntegerReadError =
    "\x03" "Integer expected in read\r\r\x03Processing Line : \r\x03No line read in file";

// In the expected list "read error R" and "read error I" stand for the token
// reader's message about a real or an integer (its full text is tested with
// the token routines).
inline void ExpectMessages(const CalcOutcome &outcome, const std::vector<std::string> &expected)
{
    ASSERT_EQ(outcome.messages.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        if (expected[i] == "read error R")
            EXPECT_NE(outcome.messages[i].find("Double expected in read"), std::string::npos);
        else if (expected[i] == "read error I")
            EXPECT_NE(outcome.messages[i].find("Integer expected in read"), std::string::npos);
        else
            EXPECT_EQ(outcome.messages[i], expected[i]);
    }
}
