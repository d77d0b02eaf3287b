// Checks on result texts shared by the fuzz targets.
#pragma once

#include "wallcalc/arithmetic_fault.h"
#include "wallcalc/field_value.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

inline bool isUnitText(const std::string& text)
{
    return text == "米" || text == "平方米" || text == "立方米";
}

// x rounded to 15 significant digits by the C library, as an independent oracle;
// infinite when the rounding carries past the largest double.
inline double roundedTo15Digits(double x)
{
    char text[40];
    std::snprintf(text, sizeof text, "%.14e", x);
    return std::strtod(text, nullptr);
}

// A text that FormatResult wrote and that reads back as itself.
inline bool isCanonicalResultText(const std::string& text)
{
    try {
        const double value = wallcalc::Val(text);
        return std::isfinite(value) && wallcalc::FormatResult(value) == text;
    } catch (const wallcalc::ArithmeticFault&) {
        return false;
    }
}
