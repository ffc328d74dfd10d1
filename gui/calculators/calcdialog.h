#pragma once
// TCalcDialog: what the four calculator dialogs have in common.
//
// Each calculator is a small modal dialog of labelled edit fields over a row of
// OK, Cancel and Help buttons. A request runs the dialog loop on a dialog made
// for it alone: show the dialog; on OK validate and compute; show the messages;
// when the input was accepted show the report in the results window and carry
// out the button pressed there (Retry shows the dialog again with the typed
// values, Clipboard copies the report, Print prints it with a banner). The
// dialog is destroyed when the request ends, however it ends.
//
// A calculator adds only its fields, its design and its request function.

#include <QDialog>
#include <QPoint>
#include <QString>
#include <memory>

#include "core/calculators/calcinput.h"

class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

class TCalcDialog : public QDialog
{
    Q_OBJECT
public:
    // What tells the calculators' dialogs apart besides their fields.
    struct Design
    {
        QString caption;       // the dialog's own caption
        QString resultCaption; // the results window's caption
        int helpContext = 0;   // the dialog's own context; 0 for none
        int helpButtonContext = 0;
        bool showHints = true; // false: hints are kept but not displayed
        bool centred = true;   // false: shown at designPosition
        QPoint designPosition;
    };

    // The loop of one request, run on this instance.
    void RunDialogLoop();

protected:
    TCalcDialog(const Design &design, QWidget *parent);

    // Adds a row: a label (bold navy) left of a new edit field (black), the
    // label's mnemonic leading to the field. Fields join the tab order in the
    // order they are added, before the buttons.
    QLineEdit *addField(const QString &labelName, const QString &labelText, const QString &editName,
                        const QString &hint, int width, int helpContext = 0);
    // A label to the right of an existing field (a unit such as "%").
    QLabel *addTrailingLabel(QLineEdit *field, const QString &labelName, const QString &text);

    // Validates the fields' texts and computes; on acceptance the outcome
    // holds the report.
    virtual CalcOutcome runRequest() = 0;

    void showEvent(QShowEvent *event) override;

    // Creates a fresh dialog of the calculator's class, runs one request on it
    // and destroys it, also when an exception escapes.
    template <class Dialog>
    static void executeFresh()
    {
        std::unique_ptr<Dialog> dialog(new Dialog(nullptr));
        dialog->RunDialogLoop();
    }

private:
    // Prints the banner and the report on the chosen printer.
    void printReport(const QString &report);
    QLabel *addLabel(const QString &labelName, const QString &text);
    void placeOnFirstShowing();
    void centreOnDesktop();
    void showHelp();

    Design m_design;
    QGridLayout *m_fields = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;
    QPushButton *m_help = nullptr;
    QWidget *m_firstField = nullptr;
    QWidget *m_lastField = nullptr;
    int m_rows = 0;
    bool m_placed = false;
    bool m_frameCentred = false;
};
