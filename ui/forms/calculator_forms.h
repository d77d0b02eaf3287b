// The program's calculators, each a form that ui::CalculatorWindow is built from, in the order of
// the main window's menu.
#pragma once

#include "calculator_form.h"

#include <array>

namespace ui {

extern const CalculatorForm kTypeAForm;
extern const CalculatorForm kTypeBForm;
extern const CalculatorForm kFoundationForm;

inline constexpr std::array<const CalculatorForm*, 3> kCalculatorForms{&kTypeAForm, &kTypeBForm, &kFoundationForm};

}  // namespace ui
