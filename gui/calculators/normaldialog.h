#pragma once
// NormalDialog: the dialog of the normal calculator (percent
// probability of the central interval). Field: PEdit.

#include "gui/calculators/calculatordialog.h"

class QLineEdit;

class NormalDialog : public CalculatorDialog
{
    Q_OBJECT
public:
    explicit NormalDialog(QWidget *parent = nullptr);

private:
    QLineEdit *m_percentEdit = nullptr;
};
