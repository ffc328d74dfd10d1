#include "core/analysis/batchhisto.h"

#include "core/analysis/classes.h"
#include "core/analysis/report.h"
#include "core/numeric/messages.h"

#include <cstdio>
#include <optional>

namespace {

const char *const Usage = "usage: mervan-batch histogram (--intervals K | --width W) [--no-center]"
                          " [--picture FILE.png] DATAFILE";

int Refuse(const std::string &why)
{
    ShowMessage("mervan-batch histogram: " + why + "\n" + Usage);
    return 2;
}

} // namespace

int RunHistogramCommand(const std::vector<std::string> &args, const PictureWriter &writePicture)
{
    std::optional<std::string> intervals;
    std::optional<std::string> width;
    std::optional<std::string> picture;
    std::optional<std::string> dataFile;
    bool center = true;

    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &arg = args[i];
        auto value = [&](std::optional<std::string> &target) {
            if (target)
                return "the option " + arg + " is given twice";
            if (i + 1 >= args.size())
                return "the option " + arg + " needs a value";
            target = args[++i];
            return std::string();
        };
        std::string problem;
        if (arg == "--intervals")
            problem = value(intervals);
        else if (arg == "--width")
            problem = value(width);
        else if (arg == "--picture")
            problem = value(picture);
        else if (arg == "--no-center")
            center = false;
        else if (arg.size() > 1 && arg[0] == '-')
            problem = "unknown option " + arg;
        else if (dataFile)
            problem = "only one data file can be analysed";
        else
            dataFile = arg;
        if (!problem.empty())
            return Refuse(problem);
    }
    if (intervals.has_value() == width.has_value())
        return Refuse("give either --intervals or --width");
    if (!dataFile)
        return Refuse("the data file is missing");
    if (picture && !writePicture)
        return Refuse("this build cannot write pictures (--picture)");

    // The entry is read and checked exactly as the histogram dialog does.
    ResetAnalysis(Analysis);
    std::string message;
    if (intervals)
        message = ReadIntervalEntry(*intervals, Analysis.ClassCount);
    else
        message = ReadWidthEntry(*width, Analysis.ClassWidth);
    if (!message.empty()) {
        ShowMessage(message);
        return 2;
    }
    Analysis.CenterData = center;

    // A data file that its own report would replace is refused before it
    // is read.
    std::string error = ReportReplacesDataFile(*dataFile);
    if (!error.empty()) {
        ShowMessage(error);
        return 1;
    }
    // Nor may the picture take the place of the data file or of its report.
    if (picture
        && (SameFile(*picture, *dataFile) || SameFile(*picture, ReportFileName(*dataFile)))) {
        ShowMessage("The picture \"" + *picture
                    + "\" would replace the data file or its report."
                      " Please give the picture a name of its own.");
        return 1;
    }
    if (!AnalyseDataFile(Analysis, *dataFile, error)) {
        ShowMessage(error);
        return 1;
    }

    // The picture comes before the report, as in the windowed run; a picture
    // that cannot be written does not cost the report.
    bool pictureFailed = false;
    if (picture) {
        std::string why;
        if (!writePicture(Analysis, *picture, why)) {
            ShowMessage("Cannot write the picture \"" + *picture + "\": " + why);
            pictureFailed = true;
        }
    }

    if (!WriteReport(Analysis, error)) {
        ShowMessage(error);
        return 1;
    }
    std::printf("%s\n", Analysis.DataFileName.c_str());
    std::fflush(stdout);
    return pictureFailed ? 1 : 0;
}
