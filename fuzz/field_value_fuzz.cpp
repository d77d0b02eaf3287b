// Fuzzes the number rules: reading any bytes, and writing any double.
#include "press_properties.h"

#include <cstring>
#include <string_view>

namespace {

void checkWriting(double x)
{
    const std::string text = wallcalc::FormatResult(x);
    const bool exponentForm = text.find('E') != std::string::npos;
    const double rounded = roundedTo15Digits(x);
    const double magnitude = std::fabs(rounded);
    if (rounded != 0 && exponentForm != (magnitude < 1e-4 || magnitude >= 1e15)) {
        propertyBroken("exponent form on the wrong side of 1E-4 or 1E15", text);
    }
    try {
        const double back = wallcalc::Val(text);
        if (std::isinf(rounded) || back != rounded) {
            propertyBroken("reads back as something other than x rounded to 15 digits", text);
        }
    } catch (const wallcalc::ArithmeticFault&) {
        if (!std::isinf(rounded)) {
            propertyBroken("reading back faulted", text);
        }
    }
}

// Val reads a plain number on a fast path of its own and everything else by the full reading that
// ReadNumber is: the two give the same value, and the number ReadNumber says it took reads as that
// value on its own.
void checkReadingExtent(std::string_view text, double value)
{
    const wallcalc::NumberReading reading = wallcalc::ReadNumber(text);
    if (reading.value != value) {
        propertyBroken("ReadNumber and Val give different values", std::string(text));
    }
    if (reading.length > text.size() || wallcalc::Val(text.substr(0, reading.length)) != value) {
        propertyBroken("the number ReadNumber took reads otherwise on its own", std::string(text));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(bytes), size);
    try {
        const double value = wallcalc::Val(text);
        if (!std::isfinite(value)) {
            propertyBroken("read a number that is not finite", std::string(text));
        }
        checkReadingExtent(text, value);
        checkWriting(value);
    } catch (const wallcalc::ArithmeticFault& fault) {
        if (fault.cause() != wallcalc::ArithmeticFault::Cause::FieldValue) {
            propertyBroken("reading faulted with the wrong cause", std::string(text));
        }
        try {
            wallcalc::ReadNumber(text);
            propertyBroken("Val faulted where ReadNumber did not", std::string(text));
        } catch (const wallcalc::ArithmeticFault&) {
        }
    }
    if (size >= sizeof(double)) {
        double x = 0;
        std::memcpy(&x, bytes, sizeof x);
        if (std::isfinite(x)) {
            checkWriting(x);
        }
    }
    return 0;
}
