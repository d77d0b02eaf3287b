// Bill rounding: ties, exponent forms, texts that are no number, and exact sums, against figures
// rounded by hand and against integer arithmetic on thousandths.
#include "wallcalc/bill_rounding.h"

#include <gtest/gtest.h>

#include <limits>
#include <random>

using namespace wallcalc;

namespace {

constexpr const char* kNothing = "(nothing)";

std::string rounded(std::string_view text)
{
    return RoundedForBill(text).value_or(kNothing);
}

}  // namespace

TEST(BillRounding, RoundsTheShownDecimalHalfAwayFromZero)
{
    const struct { const char* shown; const char* billed; } cases[] = {
        // Ties that a double holds just below (2.675) or just above (2.665) the printed figure; the
        // test on thousandths below has every other three-decimal tie and carry.
        {"2.675", "2.68"}, {"2.665", "2.67"}, {"-2.675", "-2.68"}, {"12.344999", "12.34"}, {"0.004999", "0.00"},
        {"0.0049999999999999", "0.00"}, {"-0.004999", "0.00"}, {"0.0450", "0.05"}, {"99.995", "100.00"},
        // Two decimals always.
        {"2.6", "2.60"}, {"-0", "0.00"}, {"5", "5.00"}, {"007.125", "7.13"}, {"80.8333333333333", "80.83"},
        // The exponent forms result boxes show, and the same number written other ways.
        {"1E+15", "1000000000000000.00"}, {"1.5E-05", "0.00"}, {"-1.5E-05", "0.00"}, {"5E-03", "0.01"},
        {"4.99999999999999E-03", "0.00"}, {"9.99999999999999E+15", "9999999999999990.00"}, {"26.75E-1", "2.68"},
        {"0.2675E+1", "2.68"}, {"2675e-3", "2.68"}, {"1E-999999999999999999999", "0.00"},
        {"0.00000000000000000001E+20", "1.00"}, {"9999999999999999.995", "10000000000000000.00"},
        {"-9999999999999999.99", "-9999999999999999.99"},
        // 10^16 and beyond are no bill figure.
        {"1E+16", kNothing}, {"-1E+16", kNothing}, {"12345678901234567", kNothing}, {"1E+999999999999999999999", kNothing},
        // Texts that are no number.
        {"", kNothing}, {"-", kNothing}, {".", kNothing}, {"1.", kNothing}, {".5", kNothing}, {"1,5", kNothing},
        {" 2.6", kNothing}, {"2.6 ", kNothing}, {"2.6m", kNothing}, {"1E+", kNothing}, {"+1", kNothing},
        {"1.2.3", kNothing}, {"inf", kNothing}, {"立方米", kNothing}, {"１２．５", kNothing}, {"&H10", kNothing},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(rounded(c.shown), c.billed) << c.shown;
    }
}

// Every multiple of a thousandth, written as a plain decimal and in exponent form, rounds as
// integer arithmetic on the thousandths says: (|m| + 5) / 10 hundredths, the sign kept.
TEST(BillRounding, AgreesWithIntegerArithmeticOnThousandths)
{
    std::mt19937_64 random(20240611);
    std::uniform_int_distribution<long long> thousandths(-1'000'000'000'000'000, 1'000'000'000'000'000);
    for (int n = 0; n < 20000; ++n) {
        const long long m = n < 2000 ? n - 1000 : thousandths(random);
        const unsigned long long magnitude = m < 0 ? 0ULL - static_cast<unsigned long long>(m) : static_cast<unsigned long long>(m);
        const long long expected = static_cast<long long>((magnitude + 5) / 10) * (m < 0 ? -1 : 1);

        std::string digits = std::to_string(magnitude);
        digits.insert(0, digits.size() < 4 ? 4 - digits.size() : 0, '0');
        const std::string sign = m < 0 ? "-" : "";
        const std::string plain = sign + digits.substr(0, digits.size() - 3) + "." + digits.substr(digits.size() - 3);
        // d.ddd…E±x: the first digit before the point, the exponent counting from thousandths.
        const std::string exponentForm = sign + digits.substr(0, 1) + "." + digits.substr(1) + "E" +
                                         std::to_string(static_cast<long long>(digits.size()) - 4);

        EXPECT_EQ(BillQuantityOf(plain), BillQuantity{expected}) << plain;
        EXPECT_EQ(BillQuantityOf(exponentForm), BillQuantity{expected}) << exponentForm;
    }
}

TEST(BillRounding, WritesHundredthsWithTwoDecimals)
{
    const struct { long long hundredths; const char* text; } cases[] = {
        {0, "0.00"}, {1, "0.01"}, {-1, "-0.01"}, {10, "0.10"}, {-260, "-2.60"}, {100, "1.00"}, {123456, "1234.56"},
        {std::numeric_limits<long long>::max(), "92233720368547758.07"},
        {std::numeric_limits<long long>::min(), "-92233720368547758.08"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(BillText(BillQuantity{c.hundredths}), c.text) << c.hundredths;
    }
}

TEST(BillRounding, SumsExactlyOrNotAtAll)
{
    constexpr long long kMax = std::numeric_limits<long long>::max();
    constexpr long long kMin = std::numeric_limits<long long>::min();
    const struct { long long a, b; std::optional<long long> sum; } cases[] = {
        {268, 267, 535}, {10, -25, -15}, {kMax - 1, 1, kMax}, {kMax, 1, std::nullopt},
        {kMin + 1, -1, kMin}, {kMin, -1, std::nullopt}, {kMin, kMax, -1}, {kMin, kMin, std::nullopt},
    };
    for (const auto& c : cases) {
        const std::optional<BillQuantity> sum = BillSum(BillQuantity{c.a}, BillQuantity{c.b});
        ASSERT_EQ(sum.has_value(), c.sum.has_value()) << c.a << " + " << c.b;
        if (sum) {
            EXPECT_EQ(sum->hundredths, *c.sum) << c.a << " + " << c.b;
        }
    }
    // 0.1 + 0.2 as printed figures is 0.30, exactly.
    EXPECT_EQ(BillText(*BillSum(*BillQuantityOf("0.1"), *BillQuantityOf("0.2"))), "0.30");
}
