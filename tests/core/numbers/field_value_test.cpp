// Reading a field's text as a number and writing a result as text.
#include "wallcalc/arithmetic_fault.h"
#include "wallcalc/field_value.h"

#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <random>
#include <string>

using wallcalc::ArithmeticFault;
using wallcalc::FormatResult;
using wallcalc::ReadNumber;
using wallcalc::Val;
using wallcalc::WholeNumber;

namespace {

struct Reading {
    const char* text;
    double value;
};

// Val takes a quick road for plain ASCII numbers and else the full reading it shares with
// ReadNumber; each text is read both ways.
constexpr Reading kReadings[] = {
    {"", 0}, {"abc", 0}, {"米", 0}, {"-", 0}, {".", 0}, {"--5", 0}, {"¥5", 0}, {"\r5", 0}, {"\xe4\xb8", 0},
    {"  3.5 m", 3.5}, {"1.2.3", 1.2}, {" 12 .5", 12.5}, {"1\t0\n0", 100}, {"1,5", 1}, {"5%", 5},
    {"7\xff\xfe" "8", 7}, {"-.5", -0.5}, {"+3", 3}, {"5.", 5}, {"- 7", -7}, {"2e3", 2000}, {"2D3", 2000},
    {"2d+3", 2000}, {"2e", 2}, {"2e-", 2}, {"2ex3", 2}, {"1e-400", 0}, {"1.7976931348623157e308", DBL_MAX},
    // Full width as an input method types it, its 「。」 for the point, and what a paste from a
    // document brings: the minus sign and the no-break and thin spaces. A comma of any width ends the number.
    {"１２．５", 12.5}, {"－０．２５", -0.25}, {"1\u30002", 12}, {"３Ｅ２", 300}, {"１，５", 1}, {"1\u30012", 1},
    {"12\u30025", 12.5}, {"\u22125", -5}, {"\u2212\uff10\u30025", -0.5}, {"1\u00a0000", 1000},
    {"1\u2009000", 1000}, {"1\u202f000.5", 1000.5}, {"2\u00a0e3", 2000},
    {"&h1f", 31}, {"& H 10", 16}, {"&H", 0}, {"&H1G", 1}, {"&HFFFF", -1}, {"&H8000", -32768}, {"&H0FFFF", 65535},
    {"&HFFFFFFFF", -1}, {"&H7FFFFFFF", 2147483647}, {"-&H10", 0}, {"&o17", 15}, {"&O8", 0}, {"&O177777", -1},
    {"&O200000", 65536}, {"&O37777777777", -1},
};

TEST(FieldValue, IsTheNumberAtTheStartOfTheText)
{
    for (const auto& [text, value] : kReadings) {
        EXPECT_EQ(Val(text), value) << text;
        EXPECT_EQ(ReadNumber(text).value, value) << text;
    }
}

TEST(FieldValue, BeyondTheDoubleRangeIsTheOverflowFault)
{
    for (const std::string& text : {std::string("1E999"), std::string("-1e309"), std::string("1.8e308"),
                                    "1" + std::string(359, '0'), std::string("&H123456789"),
                                    std::string("&O123456701234")}) {
        try {
            Val(text);
            ADD_FAILURE() << "no fault for " << text;
        } catch (const ArithmeticFault& fault) {
            EXPECT_EQ(fault.cause(), ArithmeticFault::Cause::FieldValue) << text;
        }
    }
}

struct Extent {
    const char* text;
    std::size_t length;
    bool whole;
};

constexpr Extent kExtents[] = {
    {"", 0, true}, {"12.5", 4, true}, {" 12 .5 ", 6, true}, {"１２．５", 12, true}, {"1\u30025", 5, true},
    {"2e3", 3, true}, {"&H10", 4, true}, {"5.", 2, true}, {"1,5", 1, false}, {"1.2.3", 3, false},
    {"3.5m", 3, false}, {"O.5", 0, false}, {"-", 0, false}, {"abc", 0, false}, {"2e", 1, false},
    {"&H", 0, false}, {"&H1G", 3, false}, {"\u22125 m", 4, false}, {" \u3000", 0, true}, {"2米", 1, false},
};

TEST(FieldValue, SaysHowFarTheNumberGoesAndWhetherItIsTheWholeText)
{
    for (const auto& [text, length, whole] : kExtents) {
        EXPECT_EQ(ReadNumber(text).length, length) << text;
        EXPECT_EQ(ReadNumber(text).whole, whole) << text;
        // A blank text is whole, yet no number.
        EXPECT_EQ(WholeNumber(text), whole && length > 0 ? std::optional(ReadNumber(text).value) : std::nullopt) << text;
    }
    EXPECT_EQ(WholeNumber("1e400"), std::nullopt);
}

struct Writing {
    double value;
    const char* text;
};

constexpr Writing kWritings[] = {
    {1.0 / 3, "0.333333333333333"}, {2.0 / 3, "0.666666666666667"}, {100, "100"}, {-0.25, "-0.25"},
    {-0.0, "0"}, {0.1 + 0.2, "0.3"}, {0.0001, "0.0001"}, {0.000099999999999999999, "0.0001"},
    {999999999999999, "999999999999999"}, {999999999999999.5, "1E+15"}, {1.5e-5, "1.5E-05"},
    {123456789012345678.0, "1.23456789012346E+17"}, {1e100, "1E+100"}, {-1e-300, "-1E-300"},
};

TEST(ResultText, IsTheNumberIn15SignificantDigits)
{
    for (const auto& [value, text] : kWritings) {
        EXPECT_EQ(FormatResult(value), text);
    }
}

// Any double, and measurements of every size a wall has: read back, the text gives the value
// rounded to 15 digits as the C library rounds it (printf, then strtod), and it has an exponent
// just when that rounded value is below 1E-4 or from 1E15 on.
TEST(ResultText, ReadsBackAsTheValueRoundedTo15Digits)
{
    std::mt19937_64 random(20261206);
    std::uniform_real_distribution<double> metres(-1e6, 1e6);
    for (int n = 0; n < 300000; ++n) {
        const double x = n % 3 == 0 ? metres(random) : std::bit_cast<double>(random());
        if (!std::isfinite(x)) {
            continue;
        }
        char rounded[40];
        std::snprintf(rounded, sizeof rounded, "%.14e", x);
        const double expected = std::strtod(rounded, nullptr);
        const std::string text = FormatResult(x);
        if (std::isinf(expected)) {
            EXPECT_THROW(Val(text), ArithmeticFault) << text;
            continue;
        }
        ASSERT_EQ(Val(text), expected) << std::hexfloat << x << " written as " << text;
        ASSERT_EQ(ReadNumber(text).value, expected) << text;
        ASSERT_EQ(text.find('E') != std::string::npos, std::abs(expected) < 1e-4 || std::abs(expected) >= 1e15) << text;
    }
}

}  // namespace
