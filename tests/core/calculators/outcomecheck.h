#pragma once
// The messages of the calculator requests, and each calculator's request
// from its typed fields.

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
    return std::string(kind) + " expected in read\n\nProcessing Line : \n" + typed + "\n"
        + std::string(caret, ' ') + "^" + (afterNumber ? "\n\nPlease enter one number only." : "");
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

inline CalcResult RunTRequest(const std::string &alpha, const std::string &v)
{
    return RunCalcRequest(CalcKind::T, CalcDirection::CriticalValue, {alpha, v});
}
inline CalcResult RunChiRequest(const std::string &alpha, const std::string &v)
{
    return RunCalcRequest(CalcKind::ChiSquared, CalcDirection::CriticalValue, {alpha, v});
}
inline CalcResult RunFRequest(const std::string &alpha, const std::string &v1,
                              const std::string &v2)
{
    return RunCalcRequest(CalcKind::F, CalcDirection::CriticalValue, {alpha, v1, v2});
}
inline CalcResult RunNormalRequest(const std::string &percent)
{
    return RunCalcRequest(CalcKind::Normal, CalcDirection::CriticalValue, {percent});
}
inline CalcResult RunTProbabilityRequest(const std::string &t, const std::string &v)
{
    return RunCalcRequest(CalcKind::T, CalcDirection::Probability, {t, v});
}
inline CalcResult RunChiProbabilityRequest(const std::string &chi, const std::string &v)
{
    return RunCalcRequest(CalcKind::ChiSquared, CalcDirection::Probability, {chi, v});
}
inline CalcResult RunFProbabilityRequest(const std::string &f, const std::string &v1,
                                         const std::string &v2)
{
    return RunCalcRequest(CalcKind::F, CalcDirection::Probability, {f, v1, v2});
}
inline CalcResult RunNormalProbabilityRequest(const std::string &z)
{
    return RunCalcRequest(CalcKind::Normal, CalcDirection::Probability, {z});
}
