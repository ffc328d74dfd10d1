#pragma once
// ChiSquaredDialog: the dialog of the chi-squared calculator
// (upper-tail probability and degrees of freedom). Fields: AlphaText, VText.

#include "gui/calculators/calculatordialog.h"

class QLineEdit;

class ChiSquaredDialog : public CalculatorDialog
{
    Q_OBJECT
public:
    explicit ChiSquaredDialog(QWidget *parent = nullptr);

private:
    QLineEdit *m_alphaEdit = nullptr;
    QLineEdit *m_degreesEdit = nullptr;
};
