#include "gui/calculators/calculators.h"

#include "gui/calculators/chisquareddialog.h"
#include "gui/calculators/fdistributiondialog.h"
#include "gui/calculators/normaldialog.h"
#include "gui/calculators/tdistributiondialog.h"

// Each request has a dialog of its own, gone when the request ends on any
// path (an exception from printing included).

void RunNormalCalculator(QWidget *parent)
{
    NormalDialog(parent).run();
}

void RunTCalculator(QWidget *parent)
{
    TDistributionDialog(parent).run();
}

void RunChiSquaredCalculator(QWidget *parent)
{
    ChiSquaredDialog(parent).run();
}

void RunFCalculator(QWidget *parent)
{
    FDistributionDialog(parent).run();
}
