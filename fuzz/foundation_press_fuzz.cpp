// Fuzzes the foundation press with any texts in its boxes.
#include "press_properties.h"

#include "wallcalc/foundation_calculation.h"

namespace {

constexpr std::string_view kInputs[] = {"Text1",  "Text2",  "Text3",  "Text4",  "Text5",  "Text6",  "Text7",
                                        "Text8",  "Text9",  "Text10", "Text11", "Text12", "Text13", "Text14",
                                        "Text15", "Text16", "Text17", "Text18", "Text19", "Text20", "Text21"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    checkPress(bytes, size, wallcalc::FoundationCalculation, kInputs, wallcalc::FoundationOutputs);
    return 0;
}
