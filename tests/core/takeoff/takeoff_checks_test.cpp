// The checks on a take-off: the neighbour check by a table of columns, and each kind of flag on
// take-offs as site engineers mistype them.
#include "wallcalc/takeoff_checks.h"
#include "wallcalc/calculators.h"

#include <gtest/gtest.h>

using namespace wallcalc;

namespace wallcalc {

void PrintTo(const CheckFlag& flag, std::ostream* out)
{
    *out << "{row " << flag.row << ", column " << (flag.column == kWholePair ? "pair" : std::to_string(flag.column))
         << ", kind " << int(flag.kind) << ", read " << flag.read << ", box " << flag.box << "}";
}

}  // namespace wallcalc

namespace {

constexpr std::optional<double> kEmpty;

std::vector<std::size_t> farRows(const std::vector<std::optional<double>>& values)
{
    const std::vector<bool> far = FarFromNeighbours(values);
    std::vector<std::size_t> rows;
    for (std::size_t n = 0; n < far.size(); ++n) {
        if (far[n]) {
            rows.push_back(n);
        }
    }
    return rows;
}

std::vector<CheckFlag> check(const Calculator& calculator, const std::vector<TakeoffRow>& rows)
{
    return CheckTakeoff(calculator, rows, RunPairs(calculator, rows, CheckStations(rows)));
}

}  // namespace

TEST(TakeoffChecks, FarFromNeighbours)
{
    const struct { const char* what; std::vector<std::optional<double>> values; std::vector<std::size_t> far; } cases[] = {
        {"8000 typed for 0.8", {0.8, 0.8, 0.8, 8000, 0.8, 0.8, 0.8}, {3}},
        {"0.08 typed for 0.8", {0.8, 0.82, 0.81, 0.08, 0.8, 0.79}, {3}},
        {"a negative among positives", {0.8, 0.8, -0.8, 0.8, 0.8}, {2}},
        {"a gradual rise", {0.5, 0.6, 0.7, 0.8, 0.9, 1.0, 1.1, 1.2, 1.3}, {}},
        {"a wall that steps up once", {0.5, 0.5, 0.5, 0.5, 2, 2, 2, 2}, {}},
        {"a median below 0.05", {0.01, 0.01, 0.5, 0.01, 0.01}, {}},
        {"a median of 0.05", {0.05, 0.05, 0.3, 0.05, 0.05}, {2}},
        {"zeros", {0, 0, 0, 7, 0}, {}},
        {"the first row", {8000, 0.8, 0.8, 0.8}, {0}},
        {"the last row", {0.8, 0.8, 0.8, 0.08}, {3}},
        {"one wrong neighbour of two marks no right value", {0.8, 8000}, {0, 1}},
        {"the second row, one wrong neighbour of two", {0.8, 0.8, 0.8, 0.8, 8000, 0.8}, {4}},
        {"empty cells are skipped", {0.8, kEmpty, 0.8, 8000, kEmpty, 0.8, 0.8}, {3}},
        {"only empty neighbours", {kEmpty, kEmpty, kEmpty, 8000, kEmpty}, {}},
        {"none", {}, {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(farRows(c.values), c.far) << c.what;
    }
}

TEST(TakeoffChecks, FlagsCellsThatCannotBeRight)
{
    // Type A: A B H C D E.
    const std::vector<TakeoffRow> rows{
        {"K0+000", {"0.5", "0.8", "3", "0.8", "0.8", "1.2"}},
        {"K0+010", {"0.5", "0.8", "3", "0.8", "8000", "1.2"}},  // D 8000 typed for 0.80
        {"K0+020", {"0.5", "0.8", "3.5m", "0.8", "0.8", "1.2"}},
        {"K0+030", {"0.5", "", "3", "0.8", "0.8", " "}},
        {"K0+040", {"0.5", "0.8", "3", "0,8", "0.8", "1.2"}},
        {"K0+050", {"0.5", "0.8", "3", "0.8", "0.8", "1.2"}},
    };
    const std::vector<CheckFlag> expected{
        {1, 5, CheckKind::FarFromNeighbours, "8000", {}},
        {2, 3, CheckKind::ReadsOtherwise, "3.5", {}},
        {3, 2, CheckKind::Empty, "0", {}},
        {3, 6, CheckKind::Empty, "0", {}},
        {4, 4, CheckKind::ReadsOtherwise, "0", {}},
        {4, 4, CheckKind::FarFromNeighbours, "0", {}},  // 「0,8」 reads 0
    };
    EXPECT_EQ(check(kTypeA, rows), expected);
}

TEST(TakeoffChecks, TypeBBattersOfOneOrMore)
{
    // A B C D E% F% G H I j% o: the batters are ratios; o of 1.5 m is no batter.
    const TakeoffRow good{"K0+000", {"0.5", "0.5", "2", "4", "0.25", "0.125", "5", "0.5", "2.125", "0.125", "1.5"}};
    TakeoffRow percent = good;
    percent.station = "K0+010";
    percent.inputs[4] = "25";  // E% typed as a percentage
    percent.inputs[9] = "1";   // j% of exactly 1
    std::vector<CheckFlag> batters;
    for (const CheckFlag& flag : check(kTypeB, {good, percent})) {
        if (flag.kind == CheckKind::BatterOfOneOrMore) {
            batters.push_back(flag);
        }
    }
    const std::vector<CheckFlag> expected{
        {1, 5, CheckKind::BatterOfOneOrMore, "25", {}},
        {1, 10, CheckKind::BatterOfOneOrMore, "1", {}},
    };
    EXPECT_EQ(batters, expected);
}

TEST(TakeoffChecks, FoundationNeedsOnlyTheShapesItHas)
{
    // Triangle 1 whole, triangle 2 half filled, trapezoid 1 empty, trapezoid 2 with its height negative.
    const std::vector<TakeoffRow> rows{
        {"K0+000", {"1", "2", "1.5", "", "", "", "", "2", "3", "1"}},
        {"K0+010", {"1", "2", "", "", "", "", "", "2", "3", "-0.6"}},
    };
    const std::vector<CheckFlag> expected{
        {0, 4, CheckKind::Empty, "0", {}},
        {0, kWholePair, CheckKind::NegativeArea, "-1.5", "Text32"},
        {1, 10, CheckKind::FarFromNeighbours, "-0.6", {}},
    };
    EXPECT_EQ(check(kFoundation, rows), expected);
}

TEST(TakeoffChecks, SectionsThatAreNoProperShape)
{
    // The second row's top width typed negative: its body's faces cross though its area is positive;
    // the third row's height negative: its area below 0.
    const std::vector<TakeoffRow> rows{
        {"K0+000", {"1", "2", "3", "0.5", "0.5", "2"}},
        {"K0+010", {"-1", "2", "3", "0.5", "0.5", "2"}},
        {"K0+020", {"1", "2", "-3", "0.5", "0.5", "2"}},
    };
    const std::vector<CheckFlag> expected{
        {0, kWholePair, CheckKind::CrossingOutline, "2.5", "Text17"},
        {1, 1, CheckKind::FarFromNeighbours, "-1", {}},
        {1, kWholePair, CheckKind::CrossingOutline, "2.5", "Text16"},
        {1, kWholePair, CheckKind::NegativeArea, "-3.5", "Text17"},
        {2, 3, CheckKind::FarFromNeighbours, "-3", {}},
    };
    EXPECT_EQ(check(kTypeA, rows), expected);
}
