#include "gui/analysis/histogram.h"

#include "core/analysis/analysisrequest.h"
#include "core/analysis/analysisrun.h"
#include "core/analysis/classes.h"
#include "core/analysis/columnreader.h"
#include "core/analysis/report.h"
#include "core/analysis/shape.h"
#include "gui/analysis/histogramdialog.h"
#include "gui/analysis/histopicture.h"
#include "gui/analysis/shapepictures.h"
#include "gui/common/prompts.h"
#include "gui/common/text.h"
#include "gui/viewers/analysisresults.h"

#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QWidget>

namespace {

// What the analysis of the chosen file leaves the run to do.
enum class Outcome { Analysed, Failed, AskAgain };

// File names travel to and from the core in the system's own encoding, so
// that a folder with accented letters opens like any other.
std::string CoreFileName(const QString &name)
{
    return QFile::encodeName(name).toStdString();
}

QString FileNameFromCore(const std::string &name)
{
    return QFile::decodeName(QByteArray::fromStdString(name));
}

// The core's messages are UTF-8, file names and lines of data files included.
void Show(const std::string &text)
{
    Prompts::current().message(CoreMessageText(text));
}

// Takes the dialog's choices into request and the analysis state; shows the
// problems of the entries and returns false.
bool AcceptEntry(const HistogramDialog &dialog, AnalysisRequest &request, AnalysisState &analysis)
{
    const std::vector<std::string> problems = dialog.fillRequest(request);
    for (const std::string &problem : problems)
        Prompts::current().message(CoreMessageText(problem));
    if (!problems.empty())
        return false;
    ResetAnalysis(analysis);
    analysis.ClassCount = request.classCount;
    analysis.ClassWidth = request.classWidth;
    analysis.CentreData = request.centred;
    analysis.Anchor = request.anchor;
    analysis.RightClosed = request.rightClosed;
    analysis.Scale = request.scale;
    analysis.DecimalComma = request.decimalComma;
    return true;
}

// Reads the chosen column of a file with columns into the analysis state.
bool AnalyseChosenColumn(AnalysisState &analysis, const AnalysisRequest &request,
                         std::string &error, bool &classesRefused)
{
    DataLayout layout;
    ColumnProblem problem;
    if (!DetectFileLayout(analysis.DataFileName, request.layout, layout, problem)) {
        error = ColumnProblemText(problem);
        return false;
    }
    return AnalyseColumn(analysis, analysis.DataFileName, layout,
                         ColumnRequest{request.column, request.weights}, error, &classesRefused);
}

// Reads and analyses the chosen file into the analysis state. A file that
// cannot be used ends the run; a class width that does not suit the data
// sends the user back to the dialog.
Outcome Analyse(AnalysisState &analysis, const QString &fileName, const AnalysisRequest &request)
{
    analysis.DataFileName = CoreFileName(fileName);
    // Its report would replace the data file: one message, before the
    // file's read errors and its picture.
    const std::string refusal = ReportReplacesDataFile(analysis.DataFileName);
    if (!refusal.empty()) {
        Show(refusal);
        return Outcome::Failed;
    }
    // The run fills in the classes it made; a second reading starts again
    // from the entry.
    const AnalysisState entry = analysis;
    std::string error;
    bool classesRefused = false;
    if (!request.column.empty()) {
        if (AnalyseChosenColumn(analysis, request, error, classesRefused))
            return Outcome::Analysed;
        Show(error);
        return classesRefused ? Outcome::AskAgain : Outcome::Failed;
    }
    bool analysed = AnalyseDataFile(analysis, analysis.DataFileName, error, &classesRefused);
    // Commas between digits and no decimal point anywhere: the file may
    // have been written with decimal commas.
    if (analysis.CommaDecimalsSeen
        && Prompts::current().confirm(
               QStringLiteral("The file has commas between digits and no decimal point.\n"
                              "Read the commas as decimal signs?"))
            == QMessageBox::Yes) {
        analysis = entry;
        analysis.DecimalComma = true;
        analysed = AnalyseDataFile(analysis, analysis.DataFileName, error, &classesRefused);
    }
    for (const std::string &text : analysis.ReadErrors)
        Prompts::current().message(CoreMessageText(text));
    if (analysed)
        return Outcome::Analysed;
    Show(error);
    return classesRefused ? Outcome::AskAgain : Outcome::Failed;
}

// Opens the picture and the report side by side in a results window that
// lives until it is closed; the rest of the program stays usable meanwhile.
// The box plot and the normal Q-Q plot join the histogram in their tabs.
void ShowResults(QWidget *window, const AnalysisState &analysis, const VectorDrawing &picture,
                 const QString &pictureName, const QString &reportName)
{
    auto *results = new AnalysisResultsWindow(window);
    results->setAttribute(Qt::WA_DeleteOnClose);
    const SortedSample sample = SortSample(analysis.DataValues);
    if (sample.n > 0) {
        const QString file = QFileInfo(FileNameFromCore(analysis.DataFileName)).fileName();
        const QString variable
            = analysis.ColumnName.empty() ? file : QString::fromStdString(analysis.ColumnName);
        const QString title
            = analysis.ColumnName.empty() ? file : QStringLiteral("%1 in %2").arg(variable, file);
        ShowShapePictures(*results, sample, title, variable);
    }
    if (!results->showResults(picture, HistogramPictureSize(), reportName, pictureName))
        delete results;
}

} // namespace

void RunHistogramAnalysis(const QString &proposedDataFile, QWidget *parent,
                          const DataFileCheck &beforeReading)
{
    QWidget *window = parent ? parent->window() : nullptr;
    // A dialog of its own for every run, gone when the run ends on any path.
    HistogramDialog dialog(window);
    AnalysisState analysis;
    AnalysisRequest request;

    for (;;) {
        if (dialog.exec() != QDialog::Accepted)
            return;
        if (!AcceptEntry(dialog, request, analysis))
            continue;

        const QString chosen
            = Prompts::current().openFileName(&dialog, dialog.dataFileRequest(proposedDataFile));
        if (chosen.isEmpty() || (beforeReading && !beforeReading(chosen)))
            return;
        // A file with columns: the dialog comes again with its column step,
        // for the variable to analyse.
        if (dialog.setDataFile(chosen)) {
            bool accepted = false;
            while (!accepted) {
                if (dialog.exec() != QDialog::Accepted)
                    return;
                accepted = AcceptEntry(dialog, request, analysis);
            }
        }

        const Outcome outcome = Analyse(analysis, chosen, request);
        if (outcome == Outcome::AskAgain)
            continue;
        if (outcome == Outcome::Failed)
            return;

        // The picture, titled with the data file's name, is kept for the
        // results window; the report is written beside the data file.
        VectorDrawing picture;
        const AnalysisOutputs outputs
            = FinishAnalysis(analysis, [&picture](const AnalysisState &state, std::string &) {
                  picture = HistogramDrawing(state);
                  return true;
              });
        if (!outputs.reportError.empty()) {
            Show(outputs.reportError);
            return;
        }
        ShowResults(window, analysis, picture, QFileInfo(chosen).completeBaseName(),
                    FileNameFromCore(outputs.reportName));
        return;
    }
}
