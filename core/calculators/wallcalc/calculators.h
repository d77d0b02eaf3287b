// The calculators, each one description of all that the program knows of it beside its window:
// its caption, its press with the boxes it writes, what a take-off along a wall needs of it, what
// its checks and its quantity sheet read, and how its section is drawn. Whatever lists the
// calculators goes through kCalculators.
#pragma once

#include "wallcalc/section_outline.h"

#include <array>
#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

namespace wallcalc {

class Fields;

struct TakeoffColumn {
    std::string_view first;   // the box of section one, the upper station
    std::string_view second;  // the same dimension's box of section two, the lower station
};

// Which output boxes a quantity sheet and the prismoidal cross-check read: each section's
// whole-section area (wall body and foundation together) and the total volume by the
// average-end-area rule.
struct QuantityBoxes {
    std::string_view firstArea;    // s1, the section at the upper station
    std::string_view secondArea;   // s2, the section at the lower station
    std::string_view totalVolume;  // (s1 + s2) / 2 × length, as the calculator works it
};

// Columns first to end − 1 (take-off columns of the calculator, from 0) that together make one
// shape of the section: a shape left empty is no shape of it, one partly filled needs all of them.
struct ColumnRun {
    std::size_t first;
    std::size_t end;
};

struct Calculator {
    std::string_view caption;  // the calculator's menu caption, the first line of a take-off file
    void (*computation)(Fields&);
    std::span<const std::string_view> outputs;  // every box the press writes, in the order of first writes
    // The section-one inputs in reading order, each beside the same dimension's section-two box:
    // the columns of a take-off.
    std::span<const TakeoffColumn> columns;
    std::string_view length;                    // the length between the two sections
    std::span<const std::string_view> volumes;  // the results a take-off sums over the wall
    QuantityBoxes quantities;
    std::span<const std::string_view> batters;  // inputs of both sections that hold a batter ratio
    std::span<const ColumnRun> shapes;          // none when the section needs every column
    // The parts of one section from its dimensions, one a column, in the columns' order.
    std::vector<OutlinePart> (*outline)(std::span<const double> dimensions);
    std::span<const DimensionPlace> dimensionPlaces;  // where the drawing writes each dimension
};

// Each defined beside its press, constant-initialised, so that the windows' forms may read them as
// they are initialised themselves.
extern const Calculator kTypeA;
extern const Calculator kTypeB;
extern const Calculator kFoundation;

// In the order of the main window's menu.
inline constexpr std::array<const Calculator*, 3> kCalculators{&kTypeA, &kTypeB, &kFoundation};

}  // namespace wallcalc
