#include "gui/calculators/calculators.h"

#include "gui/calculators/fform.h"
#include "gui/calculators/normalform.h"
#include "gui/calculators/ttform.h"
#include "gui/calculators/x2form.h"

void RunNormalCalculator(QWidget *)
{
    TNormal().Execute();
}

void RunTCalculator(QWidget *)
{
    TTCompute().Execute();
}

void RunChiSquaredCalculator(QWidget *)
{
    TX2().Execute();
}

void RunFCalculator(QWidget *)
{
    TFCompute().Execute();
}
