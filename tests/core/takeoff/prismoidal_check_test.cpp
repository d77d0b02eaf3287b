// The prismoidal cross-check against volumes worked by hand, one a calculator, and pairs where it
// must give nothing rather than fail.
#include "wallcalc/prismoidal_check.h"
#include "wallcalc/takeoff_table.h"
#include "wallcalc/calculators.h"

#include <gtest/gtest.h>

using namespace wallcalc;

TEST(PrismoidalCheck, AgreesWithVolumesWorkedByHand)
{
    const struct Case {
        const char* name;
        const Calculator& calculator;
        TakeoffRow upper, lower;
        std::vector<std::string> middle;
        const char* middleArea;
        const char* volume;
        const char* difference;
    } cases[] = {
        // Type A, A B H and no foundation (C D E empty), 20 m:
        //   s1 = (0.5 + 1.25) × 3 / 2 = 2.625, s2 = (0.5 + 1.75) × 5 / 2 = 5.625,
        //   end-area (2.625 + 5.625) / 2 × 20 = 82.5;
        //   midway A 0.5, B 1.5, H 4: Sm = (0.5 + 1.5) × 4 / 2 = 4;
        //   V = (2.625 + 16 + 5.625) × 20 / 6 = 485 / 6 = 80.8333333333333 (15 digits),
        //   80.8333333333333 − 82.5 = −1.6666666666667.
        {"type A", kTypeA, {"K0+000", {"0.5", "1.25", "3", "", "", ""}}, {"K0+020", {"0.5", "1.75", "5", "", "", ""}},
         {"0.5", "1.5", "4", "0", "0", "0"}, "4", "80.8333333333333", "-1.6666666666667"},
        // Type A with a foundation that grows in both directions, 10 m:
        //   s1 = 2.625 + (1 + 1) × 0.5 / 2 = 3.125, s2 = 2.625 + (1 + 3) × 1.5 / 2 = 5.625,
        //   end-area (3.125 + 5.625) / 2 × 10 = 43.75;
        //   midway C 1, D 2, E 1: Sm = 2.625 + 3 × 1 / 2 = 4.125;
        //   V = (3.125 + 16.5 + 5.625) × 10 / 6 = 252.5 / 6 = 42.0833333333333,
        //   42.0833333333333 − 43.75 = −1.6666666666667.
        {"type A with a foundation", kTypeA, {"100", {"0.5", "1.25", "3", "1", "1", "0.5"}},
         {"110", {"0.5", "1.25", "3", "1", "3", "1.5"}}, {"0.5", "1.25", "3", "1", "2", "1"}, "4.125",
         "42.0833333333333", "-1.6666666666667"},
        // Type B with upright faces (E, F, j 0), so w = A + B at the toe level and
        //   wall body = A × C + (A + B) × (G − C),
        //   foundation = (D − (G − C)) × (A + B − (I − o)) / 2 + (D − (G − C) + H) × I / 2.
        // A 0.5, C 1, H 0.5, I 1, o 1 throughout; 10 m:
        //   upper B 0.5, D 3, G 3: body 0.5 + 1 × 2 = 2.5, foundation 1 × 1 / 2 + 1.5 × 1 / 2 = 1.25, s1 3.75;
        //   lower B 1.5, D 5, G 5: body 0.5 + 2 × 4 = 8.5, foundation 1 × 2 / 2 + 0.75 = 1.75, s2 10.25;
        //   end-area: foundation (1.25 + 1.75) / 2 × 10 = 15, body (2.5 + 8.5) / 2 × 10 = 55, total 70;
        //   midway B 1, D 4, G 4: body 0.5 + 1.5 × 3 = 5, foundation 1 × 1.5 / 2 + 0.75 = 1.5, Sm 6.5;
        //   V = (3.75 + 26 + 10.25) × 10 / 6 = 400 / 6 = 66.6666666666667,
        //   66.6666666666667 − 70 = −3.3333333333333.
        {"type B", kTypeB, {"K1+000", {"0.5", "0.5", "1", "3", "0", "0", "3", "0.5", "1", "0", "1"}},
         {"K1+010", {"0.5", "1.5", "1", "5", "0", "0", "5", "0.5", "1", "0", "1"}},
         {"0.5", "1", "1", "4", "0", "0", "4", "0.5", "1", "0", "1"}, "6.5", "66.6666666666667",
         "-3.3333333333333"},
        // Foundation: both triangles and both trapezoids grow in width and height together, 6 m:
        //   upper triangles 1 × 1 / 2 = 0.5, trapezoids (1 + 1) × 1 / 2 = 1: s1 = 3;
        //   lower triangles 3 × 3 / 2 = 4.5, trapezoids (1 + 3) × 3 / 2 = 6: s2 = 21;
        //   end-area (3 + 21) / 2 × 6 = 72;
        //   midway triangles 2 × 2 / 2 = 2, trapezoids (1 + 2) × 2 / 2 = 3: Sm = 10;
        //   V = (3 + 40 + 21) × 6 / 6 = 64, 8 less than the end-area rule gives.
        {"foundation", kFoundation, {"0", {"1", "1", "1", "1", "1", "1", "1", "1", "1", "1"}},
         {"6", {"3", "3", "3", "3", "1", "3", "3", "1", "3", "3"}},
         {"2", "2", "2", "2", "1", "2", "2", "1", "2", "2"}, "10", "64", "-8"},
        // A dimension typed with a unit or left empty at one end reads as Val reads it: 「1.5m」 is 1.5,
        // an empty box 0. Type A, 4 m: s1 = (0.5 + 1.5) × 2 / 2 = 2, s2 = (0 + 1) × 2 / 2 = 1,
        //   end-area (2 + 1) / 2 × 4 = 6; midway A 0.25, B 1.25, H 2: Sm = 1.5;
        //   V = (2 + 6 + 1) × 4 / 6 = 6, no difference.
        {"texts as Val reads them", kTypeA, {"0", {"0.5", "1.5m", "2", "", "", ""}}, {"4", {"", "1", "2", "", "", ""}},
         {"0.25", "1.25", "2", "0", "0", "0"}, "1.5", "6", "0"},
    };
    for (const Case& c : cases) {
        const PairResult pair = RunPair(c.calculator, c.upper, c.lower);
        ASSERT_FALSE(pair.fault) << c.name;
        const std::optional<PrismoidalCheck> check = PrismoidalCheckOf(c.calculator, c.upper, c.lower, pair);
        ASSERT_TRUE(check) << c.name;
        EXPECT_EQ(check->middle, c.middle) << c.name;
        EXPECT_EQ(check->middleArea, c.middleArea) << c.name;
        EXPECT_EQ(check->volume, c.volume) << c.name;
        EXPECT_EQ(check->difference, c.difference) << c.name;
    }
}

// Pairs whose check would leave the double range give no check, and so does a pair whose own press
// stopped, though its areas and end-area volume were written and the mid-section presses well. Type A.
TEST(PrismoidalCheck, GivesNothingWhereItsArithmeticFaults)
{
    const struct { const char* name; TakeoffRow upper, lower; bool pairFaults = false; } cases[] = {
        // s1 = s2 = Sm = 10^154 × 10^154 / 2 = 5E+307, so 4 × Sm is beyond a double.
        {"the formula", {"0", {"0", "1E+154", "1E+154", "", "", ""}}, {"1", {"0", "1E+154", "1E+154", "", "", ""}}},
        // s1 = s2 = 0, but midway B = H = 1.8E+154 make Sm 1.62E+308 and the mid press's
        // average of its two sections (1.62E+308 + 1.62E+308) / 2 overflows.
        {"the mid-section's press", {"0", {"0", "3.6E+154", "0", "", "", ""}}, {"1", {"0", "0", "3.6E+154", "", "", ""}}},
        // Both areas 0 (no height), but 1E+308 + 1.5E+308 on the way to the mean A overflows.
        {"a mid-section dimension", {"0", {"1E+308", "", "", "", "", ""}}, {"1", {"1.5E+308", "", "", "", "", ""}}},
        // Y = 1.3E+154, 2 m. Wall body Y × Y / 2 = 8.45E+307 at both stations, foundation −8.45E+307
        // at both, so s1 = s2 = 0 and the end-area total is 0; but the foundation volume
        // (−8.45E+307 − 8.45E+307) × 2 / 2 overflows. Midway every dimension is 0.
        {"the pair's own press",
         {"0", {"0", "1.3E+154", "1.3E+154", "0", "1.3E+154", "-1.3E+154"}},
         {"2", {"0", "-1.3E+154", "-1.3E+154", "0", "-1.3E+154", "1.3E+154"}}, true},
    };
    for (const auto& c : cases) {
        const PairResult pair = RunPair(kTypeA, c.upper, c.lower);
        ASSERT_TRUE(pair.computed) << c.name;
        ASSERT_EQ(pair.fault.has_value(), c.pairFaults) << c.name;
        EXPECT_FALSE(PrismoidalCheckOf(kTypeA, c.upper, c.lower, pair)) << c.name;
    }
}

// Over a take-off: one check a pair, those the totals leave out with none.
TEST(PrismoidalCheck, OfATakeoffOneAPairOfThoseCounted)
{
    TakeoffTable takeoff(kTypeA, {
        {"K0+000", {"0.5", "1.25", "3", "", "", ""}},
        {"K0+020", {"0.5", "1.75", "5", "", "", ""}},
        {"K0+030", {"1E+400", "1.75", "5", "", "", ""}},  // a number beyond a double: the press faults
        {"K0+040", {"0.5", "1.75", "5", "", "", ""}},
        {"K0+035", {"0.5", "1.75", "5", "", "", ""}},     // not beyond K0+040
    });
    takeoff.update();
    const std::vector<std::optional<PrismoidalCheck>> checks = PrismoidalChecksOf(takeoff);
    ASSERT_EQ(checks.size(), 4U);
    ASSERT_TRUE(checks[0]);
    EXPECT_EQ(checks[0]->volume, "80.8333333333333");
    EXPECT_EQ(checks[0]->difference, "-1.6666666666667");
    EXPECT_FALSE(checks[1]);
    EXPECT_FALSE(checks[2]);
    EXPECT_FALSE(checks[3]);
    // And a pair never pressed gives none.
    EXPECT_FALSE(PrismoidalCheckOf(kTypeA, takeoff.rows()[3], takeoff.rows()[4], PairResult{}));
}
