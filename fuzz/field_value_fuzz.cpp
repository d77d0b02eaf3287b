// Fuzzes the number rules: reading any bytes, and writing any double.
#include "press_properties.h"

#include <cstring>
#include <string_view>

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// -?(0|[1-9]d*)(.d*[1-9])?  or  -?d(.d*[1-9])?E[+-]dd+, at most 15 significant digits.
bool hasResultTextShape(std::string_view text, bool& exponentForm)
{
    std::size_t i = text.starts_with('-') ? 1 : 0;
    const std::size_t intStart = i;
    while (i < text.size() && isDigit(text[i])) {
        ++i;
    }
    const std::size_t intLength = i - intStart;
    if (intLength == 0 || (intLength > 1 && text[intStart] == '0')) {
        return false;
    }
    std::size_t fracLength = 0;
    if (i < text.size() && text[i] == '.') {
        const std::size_t fracStart = ++i;
        while (i < text.size() && isDigit(text[i])) {
            ++i;
        }
        fracLength = i - fracStart;
        if (fracLength == 0 || text[i - 1] == '0') {
            return false;
        }
    }
    exponentForm = i < text.size();
    if (exponentForm) {
        // E, its sign, and at least two digits with no zero padding beyond two
        const std::string_view exponent = text.substr(i);
        if (intLength != 1 || exponent.size() < 4 || exponent[0] != 'E' ||
            (exponent[1] != '+' && exponent[1] != '-') || (exponent.size() > 4 && exponent[2] == '0')) {
            return false;
        }
        for (char c : exponent.substr(2)) {
            if (!isDigit(c)) {
                return false;
            }
        }
    }
    const std::string_view digits = text.substr(intStart, i - intStart);
    std::size_t significant = 0;
    bool leading = true;
    for (char c : digits) {
        if (c == '.') {
            continue;
        }
        leading = leading && c == '0';
        significant += leading ? 0 : 1;
    }
    return significant <= 15;
}

void checkWriting(double x)
{
    const std::string text = wallcalc::FormatResult(x);
    bool exponentForm = false;
    if (!hasResultTextShape(text, exponentForm)) {
        propertyBroken("result text out of shape", text);
    }
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

// ReadNumber gives Val's value, and the number it says it took reads as that value on its own.
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
