#pragma once
// TX2: the dialog of the chi-squared calculator (upper-tail probability and
// degrees of freedom).

#include "gui/calculators/calcdialog.h"

class QLabel;
class QLineEdit;

class TX2 : public TCalcDialog
{
    Q_OBJECT
public:
    explicit TX2(QWidget *parent = nullptr);

    // Runs one chi-squared request on a fresh dialog; this instance is never shown.
    void Execute();

    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLineEdit *AlphaText = nullptr;
    QLineEdit *VText = nullptr;

protected:
    CalcOutcome runRequest() override;
};

// The long-lived instance, created hidden at start-up.
extern TX2 *X2;
