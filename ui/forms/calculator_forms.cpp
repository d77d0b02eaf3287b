// From a calculator to its window's form: the forms name their calculators, so the way back is a
// look-up in the list rather than a second list in the same order.
#include "calculator_forms.h"

#include <QtGlobal>

#include <algorithm>

namespace ui {

const CalculatorForm& formOf(const wallcalc::Calculator& calculator)
{
    const auto found = std::find_if(kCalculatorForms.begin(), kCalculatorForms.end(),
                                    [&calculator](const CalculatorForm* form) { return &form->calculator == &calculator; });
    Q_ASSERT(found != kCalculatorForms.end());
    return **found;
}

}  // namespace ui
