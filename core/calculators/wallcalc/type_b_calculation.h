// The Type B calculator's press: wall-body and foundation areas of two sections, the section
// totals and their mean, and the foundation, wall-body and total volumes.
#pragma once

#include <array>
#include <string_view>

namespace wallcalc {

class Fields;

// Reads the eleven dimensions of section 1 (Text1..Text10, Text41), then those of section 2
// (Text11, Text12, Text33..Text40, Text42) and the length Text13; writes the fields of
// TypeBOutputs, Text16 twice. Throws ArithmeticFault; the fields written before the fault keep
// their new texts.
void TypeBCalculation(Fields& fields);

// Every field a Type B press writes, in the order of their first writes.
inline constexpr std::array<std::string_view, 10> TypeBOutputs{
    "Text16", "Text43", "Text44", "Text46", "Text45", "Text14", "Text15", "Text17", "Text18", "Text19",
};

}  // namespace wallcalc
