// Checks on a take-off's cells and sections for what cannot be right, so that it can be pointed out
// before it is summed. They are hints only: nothing is refused, and every number is computed as
// the calculators compute it.
#pragma once

#include "wallcalc/takeoff.h"

#include <cstddef>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace wallcalc {

enum class CheckKind {
    ReadsOtherwise,     // the text reads as another number than it shows: 「3.5m」 reads 3.5, 「1,5」 1
    BatterOfOneOrMore,  // a batter (Type B's E%, F%, j%) of 1 or more: a percentage typed for a ratio
    Empty,              // an empty cell that the section needs: it reads 0
    NegativeArea,       // an area text of the pair below 0
    CrossingOutline,    // a part of one of the pair's sections whose outline crosses itself
    FarFromNeighbours,  // far from the same column's values at the neighbouring stations
};

// The column of a flag on a whole pair.
inline constexpr std::size_t kWholePair = std::numeric_limits<std::size_t>::max();

struct CheckFlag {
    std::size_t row;       // a used row; for a pair flag, the pair, which is also its upper row
    std::size_t column;    // numbered as TakeoffRow::cell numbers them; kWholePair for a pair flag
    CheckKind kind;
    std::string read;      // the cell's value as read, or the area's text, as result text
    std::string_view box;  // for a pair flag, the area box of the section part
    bool operator==(const CheckFlag&) const = default;
};

// The flags of the used rows of a take-off of the calculator and of its pairs, row by row, each
// row's cells in column order and then the pair below it.
std::vector<CheckFlag> CheckTakeoff(const Calculator& calculator, std::span<const TakeoffRow> rows,
                                    std::span<const PairResult> pairs);

// Which of one column's values down the take-off (nothing for a cell that is empty or does not
// read) are far from their neighbours: more than five times, or less than a fifth of, the median of
// the values of up to three rows either side, where that median is at least 0.05 (so 8000 typed for
// 0.8 is, a small dimension among smaller ones is not). Of an even count of neighbours the value
// must be far from both middle ones, so that one wrong neighbour of two marks no right value.
std::vector<bool> FarFromNeighbours(const std::vector<std::optional<double>>& values);

}  // namespace wallcalc
