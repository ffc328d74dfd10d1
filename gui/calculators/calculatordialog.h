#pragma once
// CalculatorDialog: what the four calculator dialogs have in common.
//
// Each calculator is a small modal dialog of labelled edit fields over a row of
// OK, Cancel and Help buttons (object names OkBtn, CancelBtn, HelpBtn). A
// request runs the dialog loop on a dialog made for it alone: show the dialog;
// on OK validate and compute; show the messages; when the input was accepted
// show the report in a results window and carry out the button pressed there
// (Retry shows the dialog again with the typed values, Clipboard copies the
// report, Print prints it with a banner). The caller destroys the dialog when
// the request ends, however it ends.
//
// A calculator adds only its fields and its design. The fields are read once,
// in the order added, with the user's locale's decimal sign; what the dialog
// does next follows from the result's status.
//
// Every calculator works in two directions, chosen by two radio buttons above
// the fields (object names CriticalMode, the default, and ProbabilityMode):
// from alpha (or P) to the critical value, or from a typed statistic to the
// probability beyond it. In the second direction the first field asks for the
// statistic: its label and hint change, and a unit beside it is hidden; the
// caption becomes the design's probabilityCaption when it has one. A switch
// empties the first field and puts the focus there.
//
// The area (AreaBox) is the calculator's own (the upper tail of t,
// chi-squared and F, the central area of the normal), the lower or upper
// tail, two tails, or, from values only, the band between two values, whose
// upper end goes in SecondEdit. The normal's areas other than its own take
// its mean and standard deviation (MeanEdit, SdEdit; 0 and 1 at first).
// DigitsBox shows the standard form or 4 to 10 significant digits. The
// entries, direction, area and digits of the last request computed come
// back the next time the calculator opens, in this run or the next.

#include <QDialog>
#include <QList>
#include <QString>

#include "core/calculators/calcinput.h"
#include "gui/calculators/densitypicture.h"

class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class CalculatorDialog : public QDialog
{
    Q_OBJECT
public:
    // What tells the calculators' dialogs apart besides their fields.
    struct Design
    {
        CalcKind kind = CalcKind::T;
        QString caption;       // the dialog's own caption
        QString resultCaption; // the results window's caption
        // The caption in the probability direction; empty keeps the caption.
        QString probabilityCaption;
        int helpContext = 0; // the dialog's own context; 0 for none
        int helpButtonContext = 0;
        bool showHints = true; // false: hints are kept but not displayed
    };

    // The loop of one request, run on this dialog.
    void run();

    // True when the dialog goes from a statistic to its probability.
    bool probabilityMode() const;

protected:
    CalculatorDialog(const Design &design, QWidget *parent);

    // Adds a row: a label (bold navy) left of a new edit field (black), the
    // label's mnemonic leading to the field. Fields join the tab order in the
    // order they are added, before the buttons. unitText, when given, is a
    // label right of the field (a unit such as "%") named unitName.
    QLineEdit *addField(const QString &labelName, const QString &labelText, const QString &editName,
                        const QString &hint, int width, int helpContext = 0,
                        const QString &unitName = QString(), const QString &unitText = QString());

    // The label and hint of the first field in the probability direction.
    void setValueTexts(const QString &labelText, const QString &hint);

    void showEvent(QShowEvent *event) override;

private:
    // Prints the banner and the report on the chosen printer in font.
    void printReport(const QString &report, const QFont &font);
    QLabel *makeLabel(const QString &name, const QString &text);
    void showHelp();
    void showDirection();
    // Reads the fields' texts and computes in the chosen direction.
    CalcResult runRequest() const;
    CalcArea area() const;
    // The fields the request reads, in its order (all: those of every area).
    QList<QLineEdit *> requestFields(bool all = false) const;
    // Adds the second value and the normal's mean and sd after the first field.
    void addAreaFields();
    void showArea();
    QString settingsKey() const;
    void restoreChoices();
    void storeChoices() const;
    // The picture of a computed result: the density with the critical value
    // or the typed statistic marked; empty when there is no value to show.
    // text, when given, receives what the picture shows in words.
    static VectorDrawing densityDrawing(const CalcResult &result, QString *text = nullptr);

    Design m_design;
    QFormLayout *m_fields = nullptr;
    QPushButton *m_okButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
    QPushButton *m_helpButton = nullptr;
    QRadioButton *m_criticalMode = nullptr;
    QRadioButton *m_probabilityMode = nullptr;
    // The first field's label and unit, and its texts in either direction.
    QLabel *m_firstLabel = nullptr;
    QLabel *m_firstUnit = nullptr;
    QString m_criticalTexts[2]; // label, hint
    QString m_valueTexts[2];
    QList<QLineEdit *> m_fieldEdits; // in the dialog's order
    QComboBox *m_area = nullptr;
    QComboBox *m_digits = nullptr;
    QLineEdit *m_secondEdit = nullptr;
    QLineEdit *m_meanEdit = nullptr;
    QLineEdit *m_sdEdit = nullptr;
    QWidget *m_lastInTabOrder = nullptr;
    bool m_restored = false;
    // The area the fields were last laid out for.
    CalcArea m_shownArea = CalcArea::Standard;
    QLineEdit *m_fieldInError = nullptr;
    bool m_placed = false;
};
