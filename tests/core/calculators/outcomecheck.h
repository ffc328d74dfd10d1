#pragma once
// The messages of the calculator requests.

#include "core/calculators/calcinput.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

inline const std::string AlphaEmptyMessage
    = "Please enter the desired probability in percentage points.";
inline const std::string AlphaMessage = "Alpha must be between 0.0001 and 0.999999";
inline const std::string DegreesEmptyMessage = "Please enter the degrees of freedom.";
inline const std::string DegreesMessage = "The degrees of freedom must be between 1 and 200.";
// The token reader's messages about a field that holds no real or no integer.
inline const std::string RealReadError
    = "\x03"
      "Double expected in read\r\r\x03Processing Line : \r\x03No line read in file";
inline const std::string IntegerReadError
    = "\x03"
      "Integer expected in read\r\r\x03Processing Line : \r\x03No line read in file";
