#pragma once
// Checks shared by the chi-squared and F tests: a critical value against the
// reference quantile, as the usual tables show it and over the whole accepted
// range, and the last line of a report.

#include "core/calculators/chidist.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iostream>
#include <string>
#include <vector>

// The value as the calculator's report shows it.
using ShownValue = std::string (*)(long double value);

inline std::string LastLine(const std::string &text)
{
    const std::size_t end = text.rfind("\r\n");
    return end == std::string::npos ? text : text.substr(end + 2);
}

// A request of the usual tables must show the digits of the reference; one
// that does not is described in differences.
inline void CompareShownValue(const std::string &where, const QuantileSearch &search,
                              long double exact, ShownValue shown,
                              std::vector<std::string> &differences)
{
    if (!search.found || shown(search.value) != shown(exact))
        differences.push_back(where + ": " + (search.found ? shown(search.value) : "none")
                              + " instead of " + shown(exact));
}

// Any accepted request must end with a finite value within 1e-6 of the
// reference, relative; a reference below 1e-9 has only to show as 0.00000.
// A request that fails is described in failures; worst keeps the largest
// relative error.
inline void CheckRangeValue(const std::string &where, const QuantileSearch &search,
                            long double exact, ShownValue shown, double &worst,
                            std::vector<std::string> &failures)
{
    if (!search.found || !std::isfinite(search.value)) {
        failures.push_back(where + ": no value");
    } else if (exact < 1e-9L) {
        if (shown(search.value) != "0.00000")
            failures.push_back(where + ": shows " + shown(search.value));
    } else {
        const double error = static_cast<double>(std::fabs(search.value - exact) / exact);
        worst = std::max(worst, error);
        if (error >= 1e-6)
            failures.push_back(where + ": relative error " + std::to_string(error));
    }
}

// Prints how many shown values of a table agree and fails when any differs.
inline void ExpectTableAgrees(const char *table, int compared,
                              const std::vector<std::string> &differences)
{
    std::cout << table << ": " << compared - static_cast<int>(differences.size()) << " of "
              << compared << " shown values agree\n";
    EXPECT_TRUE(differences.empty())
        << differences.size() << " differ, first: " << differences.front();
}

// Prints the worst relative error over a range of requests and fails when any
// request failed.
inline void ExpectRangeHolds(const char *range, int requests, double worst,
                             const std::vector<std::string> &failures)
{
    std::cout << range << ": " << requests << " requests, worst relative error " << worst << "\n";
    EXPECT_TRUE(failures.empty()) << failures.size() << " failed, first: " << failures.front();
}
