#pragma once
#include "core/analysis/analysisvalues.h"
#include "core/numeric/translation.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

// Paints the analysis's histogram picture (see picturelayout.h) into
// an image file at path. Returns false with the reason in error.
using PictureWriter = std::function<bool(const AnalysisResult &analysis, const std::string &path,
                                         std::string &error)>;

// The writers of the histogram (--picture), the box plot (--boxplot) and the
// normal Q-Q plot (--qq); a picture without its writer is refused.
struct PictureWriters
{
    PictureWriters(PictureWriter histogramWriter = {}, PictureWriter boxPlotWriter = {},
                   PictureWriter qqWriter = {})
        : histogram(std::move(histogramWriter))
        , boxPlot(std::move(boxPlotWriter))
        , qq(std::move(qqWriter))
    { }
    PictureWriter histogram;
    PictureWriter boxPlot;
    PictureWriter qq;
};

// What a histogram command did.
struct HistogramRun
{
    int status = 0;                    // 0 done, 2 input refused, 1 the analysis failed
    std::vector<std::string> messages; // in order, for standard error
    std::string reportName;            // the report written; empty when none was
    AnalysisResult analysis;           // as the run left it
};

// mervan-batch histogram (--intervals K | --width W) [--no-center]
//                        [--column NAME|N [--weights NAME|N]] [--delimiter C]
//                        [--anchor X] [--right-closed]
//                        [--scale counts|percent|density]
//                        [--decimal-comma | --decimal-point] [--picture FILE]
//                        [--boxplot FILE] [--qq FILE] DATAFILE
// The same analysis and report file as the windowed run; the writers make
// the picture files.
// The run's messages come in the language of translator.
HistogramRun RunHistogram(const std::vector<std::string> &args,
                          const PictureWriters &writers = PictureWriters(),
                          const Translator &translator = Translator());

// Writes the run's messages to standard error and the report's name to
// standard output; returns the exit status.
int ShowHistogramRun(const HistogramRun &run);

// ShowHistogramRun of RunHistogram.
int RunHistogramCommand(const std::vector<std::string> &args,
                        const PictureWriters &writers = PictureWriters(),
                        const Translator &translator = Translator());
