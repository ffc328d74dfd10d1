#pragma once
// TFCompute: the dialog of the F calculator (upper-tail probability, numerator
// and denominator degrees of freedom).

#include "gui/calculators/calcdialog.h"

class QLabel;
class QLineEdit;

class TFCompute : public TCalcDialog
{
    Q_OBJECT
public:
    explicit TFCompute(QWidget *parent = nullptr);

    // Runs one F request on a fresh dialog; this instance is never shown.
    void Execute();

    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLineEdit *AlphaText = nullptr;
    QLineEdit *V1Text = nullptr;
    QLineEdit *V2Text = nullptr;

protected:
    CalcOutcome runRequest() override;
};

// The long-lived instance, created hidden at start-up.
extern TFCompute *FCompute;
