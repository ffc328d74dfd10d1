#pragma once
// TNormal: the dialog of the normal calculator (percent probability of the
// central interval).

#include "gui/calculators/calcdialog.h"

class QLabel;
class QLineEdit;

class TNormal : public TCalcDialog
{
    Q_OBJECT
public:
    explicit TNormal(QWidget *parent = nullptr);

    // Runs one normal request on a fresh dialog; this instance is never shown.
    void Execute();

    QLabel *Label1 = nullptr;
    QLineEdit *PEdit = nullptr;
    QLabel *Label2 = nullptr;

protected:
    CalcOutcome runRequest() override;
};

// The long-lived instance, created hidden at start-up.
extern TNormal *Normal;
