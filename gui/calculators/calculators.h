#pragma once
// The four calculator commands. Each runs one request on a dialog made for it
// alone: the dialog, validation, the computation and the results window, until
// the user closes the results or cancels the dialog.

class QWidget;

void RunNormalCalculator(QWidget *parent);
void RunTCalculator(QWidget *parent);
void RunChiSquaredCalculator(QWidget *parent);
void RunFCalculator(QWidget *parent);
