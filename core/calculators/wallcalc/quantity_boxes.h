// Which output boxes of each calculator a quantity sheet reads: each section's whole-section area
// (wall body and foundation together) and the total volume by the average-end-area rule.
#pragma once

#include <array>
#include <string_view>

namespace wallcalc {

struct QuantityBoxes {
    std::string_view firstArea;    // s1, the section at the upper station
    std::string_view secondArea;   // s2, the section at the lower station
    std::string_view totalVolume;  // (s1 + s2) / 2 × length, as the calculator works it
};

// In the order of TakeoffTypes. Type B's total is the sum of its foundation and wall-body volumes,
// each worked by the same rule from that part's two areas.
inline constexpr std::array<QuantityBoxes, 3> kQuantityBoxes{{
    {"Text16", "Text17", "Text8"},
    {"Text16", "Text17", "Text19"},
    {"Text33", "Text34", "Text22"},
}};

}  // namespace wallcalc
