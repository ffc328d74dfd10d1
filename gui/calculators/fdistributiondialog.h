#pragma once
// FDistributionDialog: the dialog of the F calculator (upper-tail
// probability, numerator and denominator degrees of freedom). Fields:
// AlphaText, V1Text, V2Text.

#include "gui/calculators/calculatordialog.h"

class QLineEdit;

class FDistributionDialog : public CalculatorDialog
{
    Q_OBJECT
public:
    explicit FDistributionDialog(QWidget *parent = nullptr);

private:
    QLineEdit *m_alphaEdit = nullptr;
    QLineEdit *m_numeratorEdit = nullptr;
    QLineEdit *m_denominatorEdit = nullptr;
};
