#pragma once
// TTCompute: the dialog of the Student t calculator (upper-tail probability
// and degrees of freedom).

#include "gui/calculators/calcdialog.h"

class QLabel;
class QLineEdit;

class TTCompute : public TCalcDialog
{
    Q_OBJECT
public:
    explicit TTCompute(QWidget *parent = nullptr);

    // Runs one t request on a fresh dialog; this instance is never shown.
    void Execute();

    QLabel *Label1 = nullptr;
    QLineEdit *AlphaText = nullptr;
    QLabel *Label2 = nullptr;
    QLineEdit *VText = nullptr;

protected:
    CalcOutcome runRequest() override;
};

// The long-lived instance, created hidden at start-up.
extern TTCompute *TCompute;
