#include "gui/analysis/histogram.h"

#include "core/analysis/analysisrequest.h"
#include "core/analysis/analysisrun.h"
#include "core/analysis/columnreader.h"
#include "core/analysis/datafile.h"
#include "core/analysis/report.h"
#include "core/analysis/shape.h"
#include "gui/analysis/histogramdialog.h"
#include "gui/analysis/histopicture.h"
#include "gui/analysis/shapepictures.h"
#include "gui/common/picturetext.h"
#include "gui/common/prompts.h"
#include "gui/common/text.h"
#include "gui/common/translations.h"
#include "gui/viewers/analysisresults.h"

#include <QCoreApplication>
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

// Takes the dialog's choices into request; shows the problems of the
// entries and returns false.
bool AcceptEntry(const HistogramDialog &dialog, AnalysisRequest &request)
{
    const std::vector<std::string> problems = dialog.fillRequest(request);
    for (const std::string &problem : problems)
        Show(problem);
    return problems.empty();
}

// The layout of a file with columns, when the request names a column.
bool ColumnLayout(const AnalysisRequest &request, DataLayout &layout)
{
    ColumnProblem problem;
    if (DetectFileLayout(request.dataFileName, request.layout, layout, problem))
        return true;
    Show(AnalysisError{AnalysisErrorCode::Column, {}, problem}.text(CoreTranslator()));
    return false;
}

// Reads and analyses the chosen file. A file that cannot be used ends the
// run; a class width that does not suit the data sends the user back to the
// dialog.
Outcome Analyse(AnalysisRequest &request, const QString &fileName, AnalysisRun &run)
{
    request.dataFileName = CoreFileName(fileName);
    // Its report would replace the data file: one message, before the
    // file's read errors and its picture.
    if (const std::optional<AnalysisError> refusal = ReportReplacesDataFile(request.dataFileName)) {
        Show(refusal->text(CoreTranslator()));
        return Outcome::Failed;
    }
    const bool columnar = !request.column.empty();
    DataLayout layout;
    if (columnar && !ColumnLayout(request, layout))
        return Outcome::Failed;
    run = AnalyseDataFile(request, columnar ? &layout : nullptr);
    // Commas between digits and no decimal point anywhere: the file may
    // have been written with decimal commas.
    if (!columnar && run.result.sample.commaDecimalsSeen
        && Prompts::current().confirm(QCoreApplication::translate(
               "Histogram",
               "The file has commas between digits and no decimal point.\n"
               "Read the commas as decimal signs?"))
            == QMessageBox::Yes) {
        request.decimalComma = true;
        run = AnalyseDataFile(request);
        request.decimalComma = false;
    }
    for (const std::string &note : SampleNotes(run.result.sample, CoreTranslator()))
        Show(note);
    if (run.ok())
        return Outcome::Analysed;
    Show(run.error->text(CoreTranslator()));
    return run.classesRefused ? Outcome::AskAgain : Outcome::Failed;
}

// Opens the picture and the report side by side in a results window that
// lives until it is closed; the rest of the program stays usable meanwhile.
// The box plot and the normal Q-Q plot join the histogram in their tabs.
void ShowResults(QWidget *window, const AnalysisResult &analysis, const VectorDrawing &picture,
                 const QString &pictureName, const QString &reportName)
{
    auto *results = new AnalysisResultsWindow(window);
    results->setAttribute(Qt::WA_DeleteOnClose);
    const Sample &data = analysis.sample;
    if (data.n() > 0) {
        SortedSample sample;
        sample.values = data.values;
        sample.n = data.n();
        const QString file = QFileInfo(FileNameFromCore(data.dataFileName)).fileName();
        const QString variable
            = data.columnName.empty() ? file : QString::fromStdString(data.columnName);
        const QString title = data.columnName.empty()
            ? file
            : QCoreApplication::translate("Histogram", "%1 in %2").arg(variable, file);
        ShowShapePictures(*results, sample, title, variable);
    }
    SetPictureText(*results->picture(), HistogramText(HistogramPicture(analysis)));
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
    AnalysisRequest request;

    for (;;) {
        if (dialog.exec() != QDialog::Accepted)
            return;
        if (!AcceptEntry(dialog, request))
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
                accepted = AcceptEntry(dialog, request);
            }
        }

        AnalysisRun run;
        const Outcome outcome = Analyse(request, chosen, run);
        if (outcome == Outcome::AskAgain)
            continue;
        if (outcome == Outcome::Failed)
            return;

        // The picture, titled with the data file's name, is kept for the
        // results window; the report is written beside the data file.
        VectorDrawing picture;
        const AnalysisOutputs outputs = FinishAnalysis(
            run.result,
            [&picture](const AnalysisResult &result, std::string &) {
                picture = HistogramDrawing(result);
                return true;
            },
            CoreTranslator());
        if (outputs.reportError) {
            Show(outputs.reportError->text(CoreTranslator()));
            return;
        }
        ShowResults(window, run.result, picture, QFileInfo(chosen).completeBaseName(),
                    FileNameFromCore(outputs.reportName));
        return;
    }
}
