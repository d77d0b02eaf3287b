// The Type A calculator's press: section areas, their average and the three volumes.
#pragma once

#include <array>
#include <string_view>

namespace wallcalc {

class Fields;

// Reads Text1..Text7 and Text10..Text15, writes the fields of TypeAOutputs in that order.
// Throws ArithmeticFault; the fields written before the fault keep their new texts.
void TypeACalculation(Fields& fields);

// Every field a Type A press writes, in the order it writes them.
inline constexpr std::array<std::string_view, 9> TypeAOutputs{
    "Text16", "Text17", "Text18", "Text8", "Text9", "Text21", "Text22", "Text19", "Text20",
};

}  // namespace wallcalc
