// Reading a field's text as a number and writing a result as text.
#include "wallcalc/arithmetic_fault.h"
#include "wallcalc/field_value.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

using wallcalc::ArithmeticFault;
using wallcalc::FormatResult;
using wallcalc::Val;

namespace {

struct Reading {
    const char* text;
    double value;
};

class ReadingNumbers : public testing::TestWithParam<Reading> {};

TEST_P(ReadingNumbers, GivesTheNumberAtTheStartOfTheText)
{
    EXPECT_EQ(Val(GetParam().text), GetParam().value) << "text: " << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Decimal, ReadingNumbers, testing::Values(
    Reading{"", 0}, Reading{"abc", 0}, Reading{"米", 0}, Reading{"-", 0}, Reading{".", 0},
    Reading{"  3.5 m", 3.5}, Reading{"3.5m", 3.5}, Reading{"1.2.3", 1.2},
    Reading{"1 2.5", 12.5}, Reading{" 12 .5", 12.5}, Reading{"1\t0\n0", 100},
    Reading{"1,5", 1}, Reading{"1 000", 1000}, Reading{"5%", 5}, Reading{"¥5", 0},
    Reading{".5", 0.5}, Reading{"-.5", -0.5}, Reading{"+3", 3}, Reading{"5.", 5},
    Reading{"--5", 0}, Reading{"- 7", -7}, Reading{"0.1", 0.1},
    Reading{"2e3", 2000}, Reading{"2D3", 2000}, Reading{"2d+3", 2000}, Reading{"1.5E-1", 0.15},
    Reading{"2e", 2}, Reading{"2e-", 2}, Reading{"2ex3", 2},
    Reading{"1e-400", 0}, Reading{"-1e-400", 0},
    Reading{"1.7976931348623157e308", DBL_MAX}, Reading{"4.94065645841247E-324", 4.94065645841247E-324},
    Reading{"\r5", 0}));

INSTANTIATE_TEST_SUITE_P(FullWidth, ReadingNumbers, testing::Values(
    Reading{"１２．５", 12.5}, Reading{"－０．２５", -0.25}, Reading{"1\u30002", 12},
    Reading{"３Ｅ２", 300}, Reading{"１，５", 1}));

// An input method's 「。」, and what a paste from a document brings: the minus sign and the
// no-break and thin spaces. A comma of any width still ends the number.
INSTANTIATE_TEST_SUITE_P(TypedAndPasted, ReadingNumbers, testing::Values(
    Reading{"12\u30025", 12.5}, Reading{"\u22125", -5}, Reading{"\u2212\uff10\u30025", -0.5},
    Reading{"1\u00a0000", 1000}, Reading{"1\u2009000", 1000}, Reading{"1\u202f000.5", 1000.5},
    Reading{"1\u30012", 1}, Reading{"1\uff0c2", 1}, Reading{"2\u00a0e3", 2000}));

struct Extent {
    const char* text;
    std::size_t length;
    bool whole;
};

class ReadingExtent : public testing::TestWithParam<Extent> {};

TEST_P(ReadingExtent, SaysHowFarTheNumberGoesAndWhetherItIsTheWholeText)
{
    const wallcalc::NumberReading reading = wallcalc::ReadNumber(GetParam().text);
    EXPECT_EQ(reading.value, Val(GetParam().text)) << GetParam().text;
    EXPECT_EQ(reading.length, GetParam().length) << GetParam().text;
    EXPECT_EQ(reading.whole, GetParam().whole) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Texts, ReadingExtent, testing::Values(
    Extent{"", 0, true}, Extent{"12.5", 4, true}, Extent{" 12 .5 ", 6, true},
    Extent{"１２．５", 12, true}, Extent{"1\u30025", 5, true}, Extent{"2e3", 3, true},
    Extent{"&H10", 4, true}, Extent{"5.", 2, true}, Extent{"1,5", 1, false}, Extent{"1.2.3", 3, false},
    Extent{"3.5m", 3, false}, Extent{"O.5", 0, false}, Extent{"-", 0, false}, Extent{"abc", 0, false},
    Extent{"2e", 1, false}, Extent{"&H", 0, false}, Extent{"&H1G", 3, false}, Extent{"\u22125 m", 4, false}));

INSTANTIATE_TEST_SUITE_P(HexAndOctal, ReadingNumbers, testing::Values(
    Reading{"&H10", 16}, Reading{"&h1f", 31}, Reading{"& H 10", 16}, Reading{"&H", 0},
    Reading{"&H1G", 1}, Reading{"&HFFFF", -1}, Reading{"&H8000", -32768}, Reading{"&H7FFF", 32767},
    Reading{"&H0FFFF", 65535}, Reading{"&HFFFFFFFF", -1}, Reading{"&H7FFFFFFF", 2147483647},
    Reading{"&O10", 8}, Reading{"&o17", 15}, Reading{"&O8", 0}, Reading{"&O177777", -1},
    Reading{"&O200000", 65536}, Reading{"&O37777777777", -1}, Reading{"-&H10", 0}));

TEST(ReadingNumbersBeyondTheDoubleRange, IsTheOverflowFault)
{
    for (const char* text : {"1E999", "-1e309", "1.8e308", "1" "000000000000000000000000000000000000000000000000000"
                             "0000000000000000000000000000000000000000000000000000000000000000000000000000000000"
                             "0000000000000000000000000000000000000000000000000000000000000000000000000000000000"
                             "0000000000000000000000000000000000000000000000000000000000000000000000000000000000"
                             "00000000000000000000000000000000000000000000000000000000000000",
                             "&H123456789", "&O123456701234"}) {
        try {
            Val(text);
            ADD_FAILURE() << "no fault for " << text;
        } catch (const ArithmeticFault& fault) {
            EXPECT_EQ(fault.cause(), ArithmeticFault::Cause::FieldValue) << text;
        }
    }
}

TEST(ReadingNumbers, IgnoresMalformedUtf8AfterTheNumber)
{
    EXPECT_EQ(Val("7\xff\xfe" "8"), 7);
    EXPECT_EQ(Val("\xe4\xb8"), 0);
}

struct Writing {
    double value;
    const char* text;
};

class WritingNumbers : public testing::TestWithParam<Writing> {};

TEST_P(WritingNumbers, GivesTheResultText)
{
    EXPECT_EQ(FormatResult(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Plain, WritingNumbers, testing::Values(
    Writing{1.0 / 3, "0.333333333333333"}, Writing{2.0 / 3, "0.666666666666667"},
    Writing{2.5, "2.5"}, Writing{4, "4"}, Writing{-0.25, "-0.25"}, Writing{0, "0"}, Writing{-0.0, "0"},
    Writing{0.75, "0.75"}, Writing{100, "100"}, Writing{1234.5, "1234.5"}, Writing{0.1 + 0.2, "0.3"},
    Writing{0.0001, "0.0001"}, Writing{0.00012345, "0.00012345"}, Writing{-0.000999, "-0.000999"},
    Writing{999999999999999, "999999999999999"}, Writing{123456789.123456789, "123456789.123457"},
    Writing{0.000099999999999999999, "0.0001"}));

INSTANTIATE_TEST_SUITE_P(Exponent, WritingNumbers, testing::Values(
    Writing{1e15, "1E+15"}, Writing{1.5e-5, "1.5E-05"}, Writing{-2.5e20, "-2.5E+20"},
    Writing{999999999999999.5, "1E+15"}, Writing{123456789012345678.0, "1.23456789012346E+17"},
    Writing{1e100, "1E+100"}, Writing{DBL_MAX, "1.79769313486232E+308"},
    Writing{4.9406564584124654e-324, "4.94065645841247E-324"}, Writing{-1e-300, "-1E-300"}));

// The oracle is the C library's own rounding: printf to 15 digits, strtod back.
double roundedTo15Digits(double x, bool& overflows)
{
    char text[40];
    std::snprintf(text, sizeof text, "%.14e", x);
    errno = 0;
    const double rounded = std::strtod(text, nullptr);
    overflows = std::isinf(rounded);
    return rounded;
}

TEST(WritingThenReading, GivesTheValueRoundedTo15SignificantDigits)
{
    std::mt19937_64 random(20261206);
    int checked = 0;
    while (checked < 200000) {
        const std::uint64_t bits = random();
        double x = 0;
        std::memcpy(&x, &bits, sizeof x);
        if (!std::isfinite(x)) {
            continue;
        }
        ++checked;
        bool overflows = false;
        const double expected = roundedTo15Digits(x, overflows);
        const std::string text = FormatResult(x);
        if (overflows) {
            EXPECT_THROW(Val(text), ArithmeticFault) << text;
        } else {
            ASSERT_EQ(Val(text), expected) << std::hexfloat << x << " written as " << text;
        }
    }
}

TEST(WritingThenReading, KeepsEveryDigitOfOrdinaryMeasurements)
{
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> metres(-1e6, 1e6);
    for (int n = 0; n < 100000; ++n) {
        const double x = metres(random);
        bool overflows = false;
        ASSERT_EQ(Val(FormatResult(x)), roundedTo15Digits(x, overflows)) << std::hexfloat << x;
        ASSERT_EQ(FormatResult(x).find('E'), std::string::npos) << x;
    }
}

}  // namespace
