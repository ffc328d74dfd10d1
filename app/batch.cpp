// mervan-batch: the calculators and the analysis without windows.
//
//   mervan-batch t ALPHA V
//   mervan-batch chi ALPHA V
//   mervan-batch f ALPHA V1 V2
//   mervan-batch normal P
//   mervan-batch p t VALUE V          (and p chi VALUE V, p f VALUE V1 V2, p normal Z:
//                                      the probability of a statistic)
//   mervan-batch p binom [--exact|--lower|--upper] K N P   (or --between A B N P)
//   mervan-batch p poisson [--exact|--lower|--upper] K LAMBDA   (or --between A B LAMBDA)
//   mervan-batch q binom PROB N P, q poisson PROB LAMBDA  (the smallest k with P(X <= k) >= PROB)
//   mervan-batch histogram (--intervals K | --width W) [--no-center]
//                          [--column NAME|N [--weights NAME|N]] [--delimiter C]
//                          [--decimal-comma | --decimal-point] [--picture FILE]
//                          [--boxplot FILE] [--qq FILE] DATAFILE
//
// Each picture FILE is written as PNG, SVG or PDF by its extension (.png, .svg,
// .pdf).
//
// Messages go to standard error; results to standard output. Exit status 0 on
// success, 2 on refused input, 1 on a failure, which includes results or
// messages that could not be written (a full disk, a closed stream).

#include "core/analysis/batchhisto.h"
#include "core/calculators/batchcalc.h"
#include "core/calculators/batchdiscrete.h"
#include "gui/analysis/boxplotpicture.h"
#include "gui/analysis/histopicture.h"
#include "gui/analysis/qqpicture.h"
#include "gui/common/fonts.h"
#include "gui/common/translations.h"
#include "gui/common/vectorpicture.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QString>
#include <QtGlobal>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace {

// Every form of the command line; asked for with --help it goes to standard
// output as the answer, otherwise to standard error after a wrong line.
const char *const UsageText = QT_TRANSLATE_NOOP(
    "Batch",
    "usage: mervan-batch t ALPHA V [--lower|--upper|--two-sided]\n"
    "       mervan-batch chi ALPHA V [--lower|--upper|--two-sided]\n"
    "       mervan-batch f ALPHA V1 V2 [--lower|--upper|--two-sided]\n"
    "       mervan-batch normal P\n"
    "       mervan-batch normal ALPHA (--lower|--upper|--two-sided) [--mean M --sd S]\n"
    "       mervan-batch p t [--lower|--upper|--two-sided] VALUE V\n"
    "       mervan-batch p chi [--lower|--upper|--two-sided] VALUE V\n"
    "       mervan-batch p f [--lower|--upper|--two-sided] VALUE V1 V2\n"
    "       mervan-batch p normal Z\n"
    "       mervan-batch p normal (--lower|--upper|--two-sided) VALUE [--mean M --sd S]\n"
    "       mervan-batch p t|chi|f|normal --between A B PARAMETERS...\n"
    "       mervan-batch p binom [--exact|--lower|--upper] K N P\n"
    "       mervan-batch p binom --between A B N P\n"
    "       mervan-batch p poisson [--exact|--lower|--upper] K LAMBDA\n"
    "       mervan-batch p poisson --between A B LAMBDA\n"
    "       mervan-batch q binom PROB N P\n"
    "       mervan-batch q poisson PROB LAMBDA\n"
    "       mervan-batch histogram (--intervals K | --width W) [--no-center]\n"
    "                [--column NAME|N [--weights NAME|N]] [--delimiter C]\n"
    "                [--anchor X] [--right-closed] [--scale counts|percent|density]\n"
    "                [--decimal-comma | --decimal-point] [--picture FILE]\n"
    "                [--boxplot FILE] [--qq FILE] DATAFILE   (pictures as .png, .svg"
    " or .pdf)\n"
    "With a tail option the probability is a fraction between 0 and 1; without\n"
    "one, ALPHA is the upper tail and the normal's P a central percentage.\n");

QByteArray UsageShown()
{
    return QCoreApplication::translate("Batch", UsageText).toUtf8();
}

int Usage()
{
    std::fputs(UsageShown().constData(), stderr);
    return 2;
}

// A standard stream that was closed when the program started stays unusable:
// its number is taken by /dev/null opened for reading, so that no file of the
// run gets that number (and with it the results), and every write to the
// stream fails and is reported.
void KeepClosedStreamsClosed()
{
    for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
        if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF)
            continue;
        const int placeholder = ::open("/dev/null", O_RDONLY);
        if (placeholder >= 0 && placeholder != fd) {
            ::dup2(placeholder, fd);
            ::close(placeholder);
        }
    }
}

// Standard error is the console's own: the window toolkit's notes (such as
// the one about a missing runtime folder, which the console does not need)
// stay off it; only its errors come through.
void QuietToolkitMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    // Written past the standard library, which may have closed the stream
    // by the time the toolkit ends.
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        const QByteArray text = "mervan-batch: " + message.toUtf8() + "\n";
        if (::write(STDERR_FILENO, text.constData(), static_cast<std::size_t>(text.size())) < 0)
            return;
    }
}

// Ends the run: everything written must have reached standard output and
// standard error, or the run failed. writeError is errno after the run, the
// cause of a failed write that was not noticed until now.
int Finish(int status, int writeError)
{
    bool outputFailed = std::ferror(stdout) != 0;
    if (std::fflush(stdout) != 0) {
        outputFailed = true;
        writeError = errno;
    }
    if (std::fclose(stdout) != 0 && !outputFailed) {
        outputFailed = true;
        writeError = errno;
    }
    if (outputFailed) {
        const QByteArray message
            = QCoreApplication::translate("Batch", "cannot write the results to standard output")
                  .toUtf8();
        std::fprintf(stderr, "mervan-batch: %s%s%s\n", message.constData(),
                     writeError != 0 ? ": " : "", writeError != 0 ? std::strerror(writeError) : "");
        status = 1;
    }
    const bool messagesFailed = std::ferror(stderr) != 0 || std::fflush(stderr) != 0;
    if (std::fclose(stderr) != 0 || messagesFailed)
        status = 1;
    return status;
}

// The analysed sample as the shape's functions take it: sorted, one each.
SortedSample SampleOf(const AnalysisResult &analysis)
{
    SortedSample sample;
    sample.values = analysis.sample.values;
    sample.n = analysis.sample.n();
    return sample;
}

// What the pictures call the variable: its column, or the data file.
QString VariableOf(const AnalysisResult &analysis)
{
    const Sample &sample = analysis.sample;
    const QString file
        = QFileInfo(QFile::decodeName(QByteArray::fromStdString(sample.dataFileName))).fileName();
    return sample.columnName.empty() ? file : QString::fromStdString(sample.columnName);
}

bool WriteBoxPlotOf(const AnalysisResult &analysis, const std::string &path, std::string &error)
{
    return WriteBoxPlotPicture(
        BoxPlot(SampleOf(analysis), analysis.description.shape),
        QCoreApplication::translate("Batch", "Box plot of %1").arg(VariableOf(analysis)),
        VariableOf(analysis), path, error);
}

bool WriteQQOf(const AnalysisResult &analysis, const std::string &path, std::string &error)
{
    return WriteQQPicture(
        NormalQQ(SampleOf(analysis)),
        QCoreApplication::translate("Batch", "Normal Q-Q plot of %1").arg(VariableOf(analysis)),
        VariableOf(analysis), path, error);
}

// Whether the run draws pictures: a histogram with a picture file.
bool DrawsPictures(int argc, char **argv)
{
    if (argc < 2 || std::strcmp(argv[1], "histogram") != 0)
        return false;
    for (int i = 2; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--picture") == 0 || std::strcmp(argv[i], "--boxplot") == 0
            || std::strcmp(argv[i], "--qq") == 0)
            return true;
    }
    return false;
}

// The application of the run, which carries the translations: a window-less
// one that can paint text when the run draws pictures. Qt takes its options
// out of argv, so it is given its own arguments rather than the run's.
std::unique_ptr<QCoreApplication> MakeApplication(bool pictures)
{
    static int appArgc = 3;
    static char name[] = "mervan-batch";
    static char option[] = "-platform";
    static char platform[] = "offscreen";
    static char *appArgv[] = {name, option, platform, nullptr};
    if (!pictures) {
        static int coreArgc = 1;
        return std::make_unique<QCoreApplication>(coreArgc, appArgv);
    }
    auto app = std::make_unique<QGuiApplication>(appArgc, appArgv);
    InstallFontSubstitutes();
    return app;
}

int Run(int argc, char **argv)
{
    if (argc < 2)
        return Usage();
    const std::string command = argv[1];
    if (command == "--help" || command == "-h")
        return std::fputs(UsageShown().constData(), stdout) < 0 ? 1 : 0;
    const std::vector<std::string> args(argv + 2, argv + argc);
    if (command == "histogram") {
        // A picture name without a known kind is refused before any work.
        for (std::size_t i = 0; i + 1 < args.size(); ++i) {
            const bool picture
                = args[i] == "--picture" || args[i] == "--boxplot" || args[i] == "--qq";
            const QString name = QFile::decodeName(QByteArray::fromStdString(args[i + 1]));
            if (picture && !IsPictureFileName(name)) {
                std::fprintf(stderr, "mervan-batch histogram: %s\n",
                             PictureFileNameProblem(name).toUtf8().constData());
                return Usage();
            }
        }
        return RunHistogramCommand(args, {WriteHistogramPicture, WriteBoxPlotOf, WriteQQOf},
                                   CoreTranslator());
    }
    if (const int status = RunDiscreteCommand(command, args, CoreTranslator()); status >= 0)
        return status;
    const int status = RunCalculatorCommand(command, args, CoreTranslator());
    return status < 0 ? Usage() : status;
}

} // namespace

int main(int argc, char **argv)
{
    KeepClosedStreamsClosed();
    qInstallMessageHandler(QuietToolkitMessages);
    const std::unique_ptr<QCoreApplication> app = MakeApplication(DrawsPictures(argc, argv));
    InstallTranslators();
    errno = 0;
    const int status = Run(argc, argv);
    return Finish(status, errno);
}
