#include "gui/analysis/histogram.h"

#include "core/analysis/analysisrun.h"
#include "core/analysis/classes.h"
#include "core/analysis/report.h"
#include "gui/analysis/histogramdialog.h"
#include "gui/analysis/histopicture.h"
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

// Checks the dialog's entry and stores it with the centring and decimal
// comma choices in the analysis state; shows the problems found and returns
// false.
bool AcceptEntry(const HistogramDialog &dialog, AnalysisState &analysis)
{
    const std::string text = ToCore(dialog.entryText());
    const std::vector<std::string> problems = dialog.intervalsEntered()
        ? ReadIntervalEntry(text, analysis.ClassCount)
        : ReadWidthEntry(text, analysis.ClassWidth);
    for (const std::string &problem : problems)
        Prompts::current().message(CoreMessageText(problem));
    if (!problems.empty())
        return false;
    analysis.CenterData = dialog.centred();
    analysis.DecimalComma = dialog.decimalComma();
    return true;
}

// Reads and analyses the chosen file into the analysis state. A file that
// cannot be used ends the run; a class width that does not suit the data
// sends the user back to the dialog.
Outcome Analyse(AnalysisState &analysis, const QString &fileName)
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
void ShowResults(QWidget *window, const VectorDrawing &picture, const QString &pictureName,
                 const QString &reportName)
{
    auto *results = new AnalysisResultsWindow(window);
    results->setAttribute(Qt::WA_DeleteOnClose);
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

    for (;;) {
        if (dialog.exec() != QDialog::Accepted)
            return;
        ResetAnalysis(analysis);
        if (!AcceptEntry(dialog, analysis))
            continue;

        const QString chosen
            = Prompts::current().openFileName(&dialog, dialog.dataFileRequest(proposedDataFile));
        if (chosen.isEmpty() || (beforeReading && !beforeReading(chosen)))
            return;

        const Outcome outcome = Analyse(analysis, chosen);
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
        ShowResults(window, picture, QFileInfo(chosen).completeBaseName(),
                    FileNameFromCore(outputs.reportName));
        return;
    }
}
