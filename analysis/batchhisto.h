#pragma once
#include <string>
#include <vector>

// mervan-batch histogram (--intervals K | --width W) [--no-center]
//                        [--picture FILE.png] DATAFILE
// Returns the exit status: 0 done (the report's path on standard output),
// 2 input refused, 1 the analysis failed.
int RunHistogramCommand(const std::vector<std::string> &args);
