#pragma once
// Compares a request's messages with the expected ones, in order. In the
// expected list "read error R" and "read error I" stand for the token reader's
// message about a real or an integer (its full text is tested with the token
// routines).

#include "calculators/calcinput.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

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
