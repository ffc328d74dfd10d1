#pragma once
// HistogramDialog, the "Histogram data" dialog: whether the histogram is set
// up by a number of class intervals or by a class width, that number, and
// whether the classes are centred on the mean, and whether a comma between
// digits in the data file is a decimal sign. The analysis run
// (RunHistogramAnalysis) creates one for every run.
//
// Object names: the check boxes EntryBox, CenterBox and DecimalCommaBox, the entry field
// EntryText with its two labels Label1 (intervals) and Label2 (width), the
// buttons OkBtn, EscBtn and HelpBtn.

#include "gui/common/prompts.h"

#include <QDialog>
#include <QString>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

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

    // Swaps the two labels beside the entry field (a click on EntryBox).
    void swapEntryLabels();

protected:
    void showEvent(QShowEvent *event) override;

private:
    QCheckBox *m_intervalsBox = nullptr;
    QCheckBox *m_centreBox = nullptr;
    QCheckBox *m_decimalCommaBox = nullptr;
    QLabel *m_intervalsLabel = nullptr;
    QLabel *m_widthLabel = nullptr;
    QLineEdit *m_entry = nullptr;
    QPushButton *m_okButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
    QPushButton *m_helpButton = nullptr;
    bool m_placed = false;
};
