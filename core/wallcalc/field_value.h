// How a field's text becomes a number (Val) and a computed number becomes text (FormatResult).
#pragma once

#include <string>
#include <string_view>

namespace wallcalc {

// The number at the start of a text, 0 when there is none; never depends on the locale.
// Throws ArithmeticFault (cause FieldValue, no field name) for a number beyond the double range.
double Val(std::string_view text);

// The text written into a result field: 15 significant digits, no trailing zeros,
// exponent form outside 1E-4 <= |x| < 1E15.
std::string FormatResult(double x);

}  // namespace wallcalc
