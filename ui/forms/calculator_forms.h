// The program's calculators, each a form that ui::CalculatorWindow is built from, in the order of
// the main window's menu: one form a calculator of wallcalc::kCalculators.
#pragma once

#include "calculator_form.h"

#include "wallcalc/calculators.h"

#include <array>

namespace ui {

extern const CalculatorForm kTypeAForm;
extern const CalculatorForm kTypeBForm;
extern const CalculatorForm kFoundationForm;

inline constexpr std::array<const CalculatorForm*, 3> kCalculatorForms{&kTypeAForm, &kTypeBForm, &kFoundationForm};
static_assert(kCalculatorForms.size() == wallcalc::kCalculators.size(), "one form a calculator");

// The form whose calculator it is.
const CalculatorForm& formOf(const wallcalc::Calculator& calculator);

}  // namespace ui
