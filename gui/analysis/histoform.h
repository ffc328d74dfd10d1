#pragma once
// THisto, the histogram dialog, and the analysis run that it starts.
//
// RunAnalysis creates a fresh dialog for every run and destroys it when the
// run ends, so nothing typed is remembered between runs.

#include "gui/common/prompts.h"

#include <QDialog>
#include <QString>

struct AnalysisState;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

class THisto : public QDialog
{
    Q_OBJECT
public:
    explicit THisto(QWidget *parent = nullptr);

    QCheckBox *EntryBox = nullptr;
    QCheckBox *CenterBox = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLineEdit *EntryText = nullptr;
    QPushButton *OkBtn = nullptr;
    QPushButton *EscBtn = nullptr;
    QPushButton *HelpBtn = nullptr;
    FileDialogRequest OpenDialog;

    // Swaps the two labels beside the entry field.
    void ChangeText();

    // The whole analysis: dialog, data file, analysis, picture, report and
    // the report in the output viewer.
    void RunAnalysis(const QString &defaultFileName, QObject *sender);

    // Draws the picture of the analysis into MyGraph and shows it.
    void DrawHistogram(const AnalysisState &analysis, QObject *sender);

    // Checks the entry and stores it in the analysis state; shows the first
    // problem found and returns false.
    bool AcceptEntry(AnalysisState &analysis);

protected:
    void showEvent(QShowEvent *event) override;
};

// The histogram dialog created at start-up; runs use a fresh one.
extern THisto *Histo;
