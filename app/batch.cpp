// mervan-batch: the calculators and the analysis without windows.
//
//   mervan-batch t ALPHA V
//   mervan-batch chi ALPHA V
//   mervan-batch f ALPHA V1 V2
//   mervan-batch normal P
//   mervan-batch p t VALUE V          (and p chi VALUE V, p f VALUE V1 V2, p normal Z:
//                                      the probability of a statistic)
//   mervan-batch histogram (--intervals K | --width W) [--no-center] [--decimal-comma]
//                          [--picture FILE] DATAFILE
//
// The picture FILE is written as PNG, SVG or PDF by its extension (.png, .svg,
// .pdf).
//
// Messages go to standard error; results to standard output. Exit status 0 on
// success, 2 on refused input, 1 on a failure.

#include "core/analysis/batchhisto.h"
#include "core/calculators/batchcalc.h"
#include "gui/analysis/histopicture.h"
#include "gui/common/vectorpicture.h"

#include <cstdio>
#include <string>
#include <vector>

static int Usage()
{
    std::fputs("usage: mervan-batch t ALPHA V\n"
               "       mervan-batch chi ALPHA V\n"
               "       mervan-batch f ALPHA V1 V2\n"
               "       mervan-batch normal P\n"
               "       mervan-batch p t VALUE V\n"
               "       mervan-batch p chi VALUE V\n"
               "       mervan-batch p f VALUE V1 V2\n"
               "       mervan-batch p normal Z\n"
               "       mervan-batch histogram (--intervals K | --width W) [--no-center]"
               " [--decimal-comma] [--picture FILE.png|.svg|.pdf] DATAFILE\n",
               stderr);
    return 2;
}

int main(int argc, char **argv)
{
    if (argc < 2)
        return Usage();
    const std::string command = argv[1];
    const std::vector<std::string> args(argv + 2, argv + argc);
    if (command == "histogram") {
        // A picture name without a known kind is refused before any work.
        for (std::size_t i = 0; i + 1 < args.size(); ++i) {
            if (args[i] == "--picture" && !IsPictureFileName(QString::fromLocal8Bit(args[i + 1]))) {
                std::fprintf(stderr, "mervan-batch histogram: %s\n",
                             PictureFileNameProblem(QString::fromLocal8Bit(args[i + 1]))
                                 .toLocal8Bit()
                                 .constData());
                return Usage();
            }
        }
        return RunHistogramCommand(args, WriteHistogramPicture);
    }
    const int status = RunCalculatorCommand(command, args);
    return status < 0 ? Usage() : status;
}
