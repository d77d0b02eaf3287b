// What a take-off along a wall needs of each calculator: its section-one inputs in reading order,
// each beside the same dimension's section-two box, the length box, the press and which of its
// results are the volumes summed over the wall.
#pragma once

#include "wallcalc/foundation_calculation.h"
#include "wallcalc/type_a_calculation.h"
#include "wallcalc/type_b_calculation.h"

#include <array>
#include <span>
#include <string_view>

namespace wallcalc {

class Fields;

struct TakeoffColumn {
    std::string_view first;   // the box of section one, the upper station
    std::string_view second;  // the same dimension's box of section two, the lower station
};

struct TakeoffType {
    std::string_view caption;  // the calculator's menu caption, the first line of a take-off file
    std::span<const TakeoffColumn> columns;
    std::string_view length;
    void (*computation)(Fields&);
    std::span<const std::string_view> outputs;
    std::span<const std::string_view> volumes;
};

inline constexpr TakeoffColumn kTypeAColumns[] = {
    {"Text1", "Text10"}, {"Text2", "Text11"}, {"Text3", "Text12"},
    {"Text4", "Text13"}, {"Text5", "Text14"}, {"Text6", "Text15"},
};
inline constexpr std::string_view kTypeAVolumes[] = {"Text8", "Text19", "Text20"};

inline constexpr TakeoffColumn kTypeBColumns[] = {
    {"Text1", "Text11"}, {"Text2", "Text12"}, {"Text3", "Text33"}, {"Text4", "Text34"},
    {"Text5", "Text35"}, {"Text6", "Text36"}, {"Text7", "Text37"}, {"Text8", "Text38"},
    {"Text9", "Text39"}, {"Text10", "Text40"}, {"Text41", "Text42"},
};
inline constexpr std::string_view kTypeBVolumes[] = {"Text14", "Text15", "Text19"};

// Left triangle, right triangle, left trapezoid, right trapezoid, as the window reads them.
inline constexpr TakeoffColumn kFoundationColumns[] = {
    {"Text1", "Text5"},   {"Text2", "Text6"},   {"Text3", "Text7"},   {"Text4", "Text8"},
    {"Text9", "Text15"},  {"Text10", "Text16"}, {"Text11", "Text17"}, {"Text12", "Text18"},
    {"Text13", "Text19"}, {"Text14", "Text20"},
};
inline constexpr std::string_view kFoundationVolumes[] = {"Text22"};

// In the order of the main window's menu.
inline constexpr std::array<TakeoffType, 3> TakeoffTypes{{
    {"挡土墙A类", kTypeAColumns, "Text7", TypeACalculation, TypeAOutputs, kTypeAVolumes},
    {"挡土墙B类", kTypeBColumns, "Text13", TypeBCalculation, TypeBOutputs, kTypeBVolumes},
    {"挡墙基础计算", kFoundationColumns, "Text21", FoundationCalculation, FoundationOutputs, kFoundationVolumes},
}};

}  // namespace wallcalc
