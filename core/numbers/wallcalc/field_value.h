// How a field's text becomes a number (Val) and a computed number becomes text (FormatResult).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace wallcalc {

// The number at the start of a text, 0 when there is none; never depends on the locale.
// Throws ArithmeticFault (cause FieldValue, no field name) for a number beyond the double range.
double Val(std::string_view text);

// How Val reads a text: the same value, and how much of the text the number took.
struct NumberReading {
    double value;
    std::size_t length;  // bytes from the start of the text to the end of the number
    bool whole;          // nothing but blanks follows the number: the text reads as it shows
};

// Val's own reading with its extent; throws as Val does. An empty text is whole and reads as 0;
// a text with no number (「abc」, 「-」) is not whole.
NumberReading ReadNumber(std::string_view text);

// The value of a text that is a number and nothing else but blanks, as a spreadsheet would take
// it; nothing for a blank text, one that reads otherwise than it shows, and one beyond the double
// range. Never throws.
std::optional<double> WholeNumber(std::string_view text);

// The text written into a result field: 15 significant digits, no trailing zeros,
// exponent form outside 1E-4 <= |x| < 1E15.
std::string FormatResult(double x);

}  // namespace wallcalc
