// The quantity sheet of a take-off: its rows' figures rounded for the bill, and totals that are
// the sums of the printed rows, on pairs made by hand and on a small take-off worked by hand.
#include "wallcalc/quantity_table.h"
#include "wallcalc/takeoff_table.h"
#include "wallcalc/calculators.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace wallcalc;

namespace {

constexpr const char* kNothing = "(nothing)";

std::string shown(const std::optional<std::string>& text) { return text.value_or(kNothing); }

// A printed figure 「-12.34」 in hundredths, read by its characters alone, or nothing for anything
// that is not a sign, digits, a point and exactly two decimals.
std::optional<long long> printedHundredths(const std::optional<std::string>& text)
{
    if (!text || text->size() < 4 || (*text)[text->size() - 3] != '.') {
        return std::nullopt;
    }
    std::string digits = *text;
    digits.erase(digits.size() - 3, 1);
    const bool negative = digits[0] == '-';
    if (negative) {
        digits.erase(0, 1);
    }
    if (digits.empty() || !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    return negative ? -std::stoll(digits) : std::stoll(digits);
}

struct Pair {
    const char* length;
    const char* volumes[3];  // Type A's Text8, Text19, Text20; nullptr where the press did not write
    bool computed = true;
    bool fault = false;
};

// A Type A pair as the press leaves it, with both section areas 1.
PairResult typeAPair(const Pair& p)
{
    PairResult pair;
    pair.computed = p.computed;
    if (!p.computed) {
        return pair;
    }
    pair.length = p.length;
    pair.texts = {{"Text16", "1"}, {"Text17", "1"}};
    for (std::size_t v = 0; v < 3; ++v) {
        if (p.volumes[v]) {
            pair.texts[std::string(kTypeA.volumes[v])] = p.volumes[v];
        }
    }
    if (p.fault) {
        pair.fault = ArithmeticFault(ArithmeticFault::Cause::Operation, "Text19");
    }
    return pair;
}

}  // namespace

// Totals worked by hand from the printed rows; each is also checked to be the sum of the printed
// row figures of the counted rows, read back character by character.
TEST(QuantityTable, TotalsAreTheSumsOfThePrintedRows)
{
    const struct Case {
        const char* name;
        std::vector<Pair> pairs;
        const char* length;
        const char* volumes[3];
        int counted;
    } cases[] = {
        {"no pairs", {}, "0.00", {"0.00", "0.00", "0.00"}, 0},
        // Three ties each printed 0.01: the total is 0.03, not 0.015 rounded.
        {"ties add as printed",
         std::vector<Pair>(3, Pair{"0.005", {"0.005", "0.005", "0.004999"}}),
         "0.03", {"0.03", "0.03", "0.00"}, 3},
        {"rows left out and a faulty press are not counted",
         {{"20", {"82.5", "0", "82.5"}}, {"", {}, false}, {"7.5", {"30.25", nullptr, nullptr}, true, true},
          {"12.345", {"72.526875", "3.08625", "69.440625"}}},
         "32.35", {"155.03", "3.09", "151.94"}, 2},
        {"a counted row with no bill figure leaves that column without a total",
         {{"10", {"1E+16", "2.5", "abc"}}, {"10", {"3", "2.5", "1"}}}, "20.00", {kNothing, "5.00", kNothing}, 2},
        {"a sum beyond a long long is nothing",
         std::vector<Pair>(10, Pair{"1", {"9.99999999999999E+15", "-9.99999999999999E+15", "1"}}),
         "10.00", {kNothing, kNothing, "10.00"}, 10},
    };
    for (const Case& c : cases) {
        std::vector<TakeoffRow> rows(c.pairs.size() + 1);
        for (std::size_t n = 0; n < rows.size(); ++n) {
            rows[n].station = "K0+" + std::to_string(n);
        }
        std::vector<PairResult> pairs;
        for (const Pair& p : c.pairs) {
            pairs.push_back(typeAPair(p));
        }
        const QuantityTable table = QuantityTableOf(kTypeA, rows, pairs);

        ASSERT_EQ(table.rows.size(), c.pairs.size()) << c.name;
        EXPECT_EQ(table.totals.counted, c.counted) << c.name;
        EXPECT_EQ(shown(table.totals.length), c.length) << c.name;
        ASSERT_EQ(table.totals.volumes.size(), 3U) << c.name;
        for (std::size_t v = 0; v < 3; ++v) {
            EXPECT_EQ(shown(table.totals.volumes[v]), c.volumes[v]) << c.name << " volume " << v;
        }

        // Where a total is printed, it is the sum of the printed figures above it.
        const auto expectSumOfRows = [&](const std::optional<std::string>& total, auto figureOf, const char* column) {
            if (!total) {
                return;
            }
            long long sum = 0;
            for (const QuantityRow& row : table.rows) {
                if (row.counted) {
                    const std::optional<long long> printed = printedHundredths(figureOf(row).billed);
                    ASSERT_TRUE(printed) << c.name << " " << column;
                    sum += *printed;
                }
            }
            EXPECT_EQ(printedHundredths(total), sum) << c.name << " " << column;
        };
        expectSumOfRows(table.totals.length, [](const QuantityRow& row) { return row.length; }, "length");
        for (std::size_t v = 0; v < 3; ++v) {
            expectSumOfRows(table.totals.volumes[v], [v](const QuantityRow& row) { return row.volumes[v]; }, "volume");
        }
    }
}

// Type A, no foundation but at the third station, worked by hand:
//   K0+000      A 0.5, B 1.25, H 3          s = (0.5 + 1.25) × 3 / 2 = 2.625
//   K0+020      A 0.5, B 1.75, H 5          s = (0.5 + 1.75) × 5 / 2 = 5.625
//   K0+032.345  the same, C 1, D 1, E 0.5   s = 5.625 + (1 + 1) × 0.5 / 2 = 6.125
//   K0+030      not beyond K0+032.345: the last pair is left out
// First pair, 20 m: total (2.625 + 5.625) / 2 × 20 = 82.5, foundation 0, wall body 82.5.
// Second pair, 12.345 m: total (5.625 + 6.125) / 2 × 12.345 = 5.875 × 12.345 = 72.526875,
// foundation (0 + 0.5) × 12.345 / 2 = 3.08625, wall body (5.625 + 5.625) × 12.345 / 2 = 69.440625.
TEST(QuantityTable, OfASmallTakeoffWorkedByHand)
{
    TakeoffTable takeoff(kTypeA, {
        {"K0+000", {"0.5", "1.25", "3", "", "", ""}},
        {"K0+020", {"0.5", "1.75", "5", "", "", ""}},
        {"K0+032.345", {"0.5", "1.75", "5", "1", "1", "0.5"}},
        {"K0+010", {"0.5", "1.75", "5", "", "", ""}},
    });
    takeoff.update();
    const QuantityTable table = QuantityTableOf(takeoff);

    const struct { const char* from; const char* to; bool counted; const char* figures[12]; } expected[] = {
        // shown, then billed: length, s1, s2, total, foundation, wall body
        {"K0+000", "K0+020", true,
         {"20", "20.00", "2.625", "2.63", "5.625", "5.63", "82.5", "82.50", "0", "0.00", "82.5", "82.50"}},
        {"K0+020", "K0+032.345", true,
         {"12.345", "12.35", "5.625", "5.63", "6.125", "6.13", "72.526875", "72.53", "3.08625", "3.09", "69.440625", "69.44"}},
        {"K0+032.345", "K0+010", false,
         {"", kNothing, "", kNothing, "", kNothing, "", kNothing, "", kNothing, "", kNothing}},
    };
    ASSERT_EQ(table.rows.size(), std::size(expected));
    for (std::size_t n = 0; n < table.rows.size(); ++n) {
        const QuantityRow& row = table.rows[n];
        const auto& want = expected[n];
        EXPECT_EQ(row.from, want.from) << n;
        EXPECT_EQ(row.to, want.to) << n;
        EXPECT_EQ(row.counted, want.counted) << n;
        ASSERT_EQ(row.volumes.size(), 3U) << n;
        const BillFigure* figures[] = {&row.length, &row.firstArea, &row.secondArea,
                                       &row.volumes[0], &row.volumes[1], &row.volumes[2]};
        for (std::size_t f = 0; f < 6; ++f) {
            EXPECT_EQ(figures[f]->shown, want.figures[2 * f]) << n << " figure " << f;
            EXPECT_EQ(shown(figures[f]->billed), want.figures[2 * f + 1]) << n << " figure " << f;
        }
    }
    // Its totals, 32.35 though the stations are 32.345 m apart, are those of the pairs above with a
    // faulty press among them.
    EXPECT_EQ(shown(table.totals.length), "32.35");
}
