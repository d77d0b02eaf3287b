// 棱台法复核: a pair's volume worked again by the prismoidal rule, V = (s1 + 4 × Sm + s2) × L / 6,
// with Sm the area of the section midway, beside the average-end-area volume the take-off counts.
#pragma once

#include "wallcalc/takeoff.h"

#include <optional>
#include <string>
#include <vector>

namespace wallcalc {

class TakeoffTable;

struct PrismoidalCheck {
    std::vector<std::string> middle;  // the mid-section's dimensions, one a column of the calculator
    std::string middleArea;           // Sm, as the calculator shows it for the mid-section
    std::string volume;               // (s1 + 4 × Sm + s2) × L / 6
    std::string difference;           // volume − the pair's end-area total volume
};

// pair: RunPair's result for upper and lower. Each mid-section dimension is the mean of the two
// typed ones; the mid-section is pressed as both sections of the calculator over the pair's length.
// Nothing for a pair not counted in the totals, or when the mid-section's press or the formula
// leaves the double range.
std::optional<PrismoidalCheck> PrismoidalCheckOf(const Calculator& calculator, const TakeoffRow& upper,
                                                 const TakeoffRow& lower, const PairResult& pair);

// One a pair of the take-off as of its last update(), with no edit since.
std::vector<std::optional<PrismoidalCheck>> PrismoidalChecksOf(const TakeoffTable& table);

}  // namespace wallcalc
