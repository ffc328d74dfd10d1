// mervan-batch: the calculators and the analysis without windows.
//
//   mervan-batch t ALPHA V
//   mervan-batch chi ALPHA V
//   mervan-batch f ALPHA V1 V2
//   mervan-batch normal P
//   mervan-batch p t VALUE V          (and p chi VALUE V, p f VALUE V1 V2, p normal Z:
//                                      the probability of a statistic)
//   mervan-batch histogram (--intervals K | --width W) [--no-center] [--picture FILE.png] DATAFILE
//
// Messages go to standard error; results to standard output. Exit status 0 on
// success, 2 on refused input, 1 on a failure.

#include "core/analysis/batchhisto.h"
#include "core/calculators/batchcalc.h"
#include "gui/analysis/histopicture.h"

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
               " [--picture FILE.png] DATAFILE\n",
               stderr);
    return 2;
}

int main(int argc, char **argv)
{
    if (argc < 2)
        return Usage();
    const std::string command = argv[1];
    const std::vector<std::string> args(argv + 2, argv + argc);
    if (command == "histogram")
        return RunHistogramCommand(args, WriteHistogramPicture);
    const int status = RunCalculatorCommand(command, args);
    return status < 0 ? Usage() : status;
}
