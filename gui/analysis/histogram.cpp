#include "gui/analysis/histogram.h"

#include "core/analysis/analysisrun.h"
#include "core/analysis/classes.h"
#include "core/analysis/picturelayout.h"
#include "core/analysis/report.h"
#include "gui/analysis/histogramdialog.h"
#include "gui/analysis/histopicture.h"
#include "gui/common/prompts.h"
#include "gui/common/text.h"
#include "gui/viewers/outputviewer.h"
#include "gui/viewers/pictureviewer.h"

#include <QFile>
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

// The core's messages may quote a file name (system encoding) or a line of
// a data file (8-bit text).
void Show(const std::string &text)
{
    Prompts::current().message(DecodeText(QByteArray::fromStdString(text)));
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

// Draws the picture of the analysis into a graphics viewer of its own and
// shows it; returns when the user closes it.
void ShowPicture(const AnalysisState &analysis, QWidget *window)
{
    PictureViewer viewer(window);
    const PictureLayout layout
        = LayoutHistogram(analysis, PictureViewer::ImageSize, PictureViewer::ImageSize);
    viewer.setDrawing([layout](QImage &image) { PaintHistogramPicture(image, layout); });
    viewer.exec();
}

// Writes the report beside the data file and returns its name; empty, after
// saying why, when it could not be written.
QString WriteReportFile(AnalysisState &analysis)
{
    std::string error;
    if (!WriteReport(analysis, error)) {
        Show(error);
        return QString();
    }
    return FileNameFromCore(analysis.DataFileName);
}

// Opens the report in an output viewer that lives until it closes itself.
void ShowReport(QWidget *window, const QString &reportName)
{
    auto *viewer = new OutputViewer(window);
    viewer->setAttribute(Qt::WA_DeleteOnClose);
    if (!viewer->viewFile(reportName))
        delete viewer;
}

} // namespace

void RunHistogramAnalysis(const QString &proposedDataFile, QWidget *parent)
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
        if (chosen.isEmpty())
            return;

        const Outcome outcome = Analyse(analysis, chosen);
        if (outcome == Outcome::AskAgain)
            continue;
        if (outcome == Outcome::Failed)
            return;

        ShowPicture(analysis, window);
        const QString reportName = WriteReportFile(analysis);
        if (!reportName.isEmpty())
            ShowReport(window, reportName);
        return;
    }
}
