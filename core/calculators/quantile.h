#pragma once
// What a critical-value search of the t, chi-squared and F calculators found.

#include <string>
#include <vector>

struct QuantileSearch
{
    long double value = 0.0L; // the abscissa; meaningful only when found
    bool found = false;       // false: the search gave up and there is nothing to show
    int passes = 0;           // integrals computed by the search
    // What the computation has to tell the user, in the order it is to be
    // shown (a failed power function, a failed density or integral, a search
    // that gave up).
    std::vector<std::string> messages;
};
