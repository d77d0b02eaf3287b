// Fuzzes the Type A press with any texts in its boxes.
#include "press_properties.h"

#include "wallcalc/type_a_calculation.h"

namespace {

constexpr std::string_view kInputs[] = {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7",
                                        "Text10", "Text11", "Text12", "Text13", "Text14", "Text15"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    checkPress(bytes, size, wallcalc::TypeACalculation, kInputs, wallcalc::TypeAOutputs);
    return 0;
}
