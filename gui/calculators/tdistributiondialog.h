#pragma once
// TDistributionDialog: the dialog of the Student t calculator
// (upper-tail probability and degrees of freedom). Fields: AlphaText, VText.

#include "gui/calculators/calculatordialog.h"

class QLineEdit;

class TDistributionDialog : public CalculatorDialog
{
    Q_OBJECT
public:
    explicit TDistributionDialog(QWidget *parent = nullptr);

private:
    QLineEdit *m_alphaEdit = nullptr;
    QLineEdit *m_degreesEdit = nullptr;
};
