// The foundation calculator's press: eight shape areas, two section areas, their average and the volume.
#pragma once

#include <array>
#include <string_view>

namespace wallcalc {

class Fields;

// Reads Text1..Text21, writes the fields of FoundationOutputs in that order; the section areas
// are summed from the shape areas as their fields show them.
// Throws ArithmeticFault; the fields written before the fault keep their new texts.
void FoundationCalculation(Fields& fields);

// Every field a foundation press writes, in the order it writes them.
inline constexpr std::array<std::string_view, 12> FoundationOutputs{
    "Text25", "Text26", "Text27", "Text28", "Text29", "Text30",
    "Text31", "Text32", "Text33", "Text34", "Text35", "Text22",
};

}  // namespace wallcalc
