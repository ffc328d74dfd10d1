#pragma once
#include "core/analysis/analysisstate.h"

#include <functional>
#include <string>
#include <vector>

// Paints the analysed sample's histogram picture (see picturelayout.h) into
// an image file at path. Returns false with the reason in error.
using PictureWriter
    = std::function<bool(const AnalysisState &state, const std::string &path, std::string &error)>;

// mervan-batch histogram (--intervals K | --width W) [--no-center]
//                        [--picture FILE.png] DATAFILE
// The same analysis and report file as the windowed run. writePicture makes
// the --picture file; without one, --picture is refused.
// Returns the exit status: 0 done (the report's path on standard output),
// 2 input refused, 1 the analysis failed.
int RunHistogramCommand(const std::vector<std::string> &args,
                        const PictureWriter &writePicture = PictureWriter());
