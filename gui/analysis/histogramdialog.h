#pragma once
// HistogramDialog, the "Histogram data" dialog: whether the histogram is set
// up by a number of class intervals or by a class width, that number, and
// whether the classes are centred on the mean, where the first class starts,
// which end of a class is closed, the y axis, and whether a comma between
// digits in the data file is a decimal sign. Once the data file is known
// (setDataFile), a file with columns adds the column step (ColumnChooser)
// and the numbers of classes the usual rules suggest for the chosen column.
// Each dialog starts from the choices last accepted (Settings::lastChoice);
// the start of the first class is for plain classes only, and is off while
// the classes are centred.
// The analysis run (RunHistogramAnalysis) creates one for every run.
//
// Object names: the check boxes EntryBox, CenterBox and DecimalCommaBox, the entry field
// EntryText with its two labels Label1 (intervals) and Label2 (width), the
// suggestions SuggestionLabel, the entry AnchorText, the lists ClosedEndBox
// and ScaleBox, the column step ColumnChooser (see columnchooser.h), the
// buttons OkBtn, EscBtn and HelpBtn.

#include "gui/common/prompts.h"

#include <string>
#include <vector>

#include <QDialog>
#include <QString>

struct AnalysisRequest;
class ColumnChooser;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;

class HistogramDialog : public QDialog
{
    Q_OBJECT
public:
    explicit HistogramDialog(QWidget *parent = nullptr);

    // true: the entry is a number of class intervals; false: a class width.
    bool intervalsEntered() const;
    bool centred() const;
    // A comma between two digits of the data file is a decimal sign.
    bool decimalComma() const;
    QString entryText() const;

    // The open-file dialog that picks the data file, proposing fileName.
    FileDialogRequest dataFileRequest(const QString &fileName) const;

    // Tells the dialog the chosen data file. True when the file has columns:
    // the dialog then shows its column step, to be shown again for the
    // choice; false for a free list of numbers (or a file that cannot be
    // read), which goes on without it.
    bool setDataFile(const QString &path);
    ColumnChooser *columnChooser() const { return m_chooser; }

    // Fills request with the dialog's choices: the data file, the number of
    // classes or their width, the centring, the anchor, the closed end, the
    // y axis and how the file is read. Returns the messages about entries
    // that cannot be used, in order; empty when every entry is good.
    std::vector<std::string> fillRequest(AnalysisRequest &request) const;

    // Shows the label beside the entry field that EntryBox's check asks for
    // (a click on EntryBox).
    void swapEntryLabels();

    // Accepting stores the choices; the next dialog starts from them.
    void done(int result) override;

private slots:
    void suggestClasses();

private:
    // Gives the body its size, scrolled where the screen has less room.
    void fitToScreen();
    // The choices of the last accepted dialog, or the first state.
    void restoreChoices();

protected:
    void showEvent(QShowEvent *event) override;

private:
    QCheckBox *m_intervalsBox = nullptr;
    QCheckBox *m_centreBox = nullptr;
    QCheckBox *m_decimalCommaBox = nullptr;
    QLabel *m_intervalsLabel = nullptr;
    QLabel *m_widthLabel = nullptr;
    QLineEdit *m_entry = nullptr;
    QLabel *m_suggestions = nullptr;
    QLineEdit *m_anchor = nullptr;
    QComboBox *m_closedEnd = nullptr;
    QComboBox *m_scale = nullptr;
    ColumnChooser *m_chooser = nullptr;
    QWidget *m_body = nullptr;
    QScrollArea *m_scroll = nullptr;
    QWidget *m_buttons = nullptr;
    QString m_dataFile;
    QPushButton *m_okButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
    QPushButton *m_helpButton = nullptr;
    bool m_placed = false;
};
