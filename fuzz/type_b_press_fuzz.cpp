// Fuzzes the Type B press with any texts in its boxes.
#include "press_properties.h"

#include "wallcalc/type_b_calculation.h"

namespace {

constexpr std::string_view kInputs[] = {"Text1",  "Text2",  "Text3",  "Text4",  "Text5",  "Text6",  "Text7",  "Text8",
                                        "Text9",  "Text10", "Text41", "Text11", "Text12", "Text33", "Text34", "Text35",
                                        "Text36", "Text37", "Text38", "Text39", "Text40", "Text42", "Text13"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    checkPress(bytes, size, wallcalc::TypeBCalculation, kInputs, wallcalc::TypeBOutputs);
    return 0;
}
