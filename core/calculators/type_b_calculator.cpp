// The Type B calculator as the program lists it: a wall body with a step and battered faces on a
// foundation with a toe, its press, the take-off's columns and volumes, and its section's outline.
#include "wallcalc/calculators.h"
#include "wallcalc/type_b_calculation.h"

namespace wallcalc {

namespace {

constexpr TakeoffColumn kColumns[] = {
    {"Text1", "Text11"}, {"Text2", "Text12"}, {"Text3", "Text33"}, {"Text4", "Text34"},
    {"Text5", "Text35"}, {"Text6", "Text36"}, {"Text7", "Text37"}, {"Text8", "Text38"},
    {"Text9", "Text39"}, {"Text10", "Text40"}, {"Text41", "Text42"},
};
constexpr std::string_view kVolumes[] = {"Text14", "Text15", "Text19"};

// E%, F% and j% of each section: horizontal run per unit of depth.
constexpr std::string_view kBatters[] = {"Text5", "Text6", "Text10", "Text35", "Text36", "Text40"};

// The wall body P1 P2 P3 P7 P8 P9 and the foundation P7 P4 P5 P6, the toe level at y = −G: the
// points P1 to P9 of the section, origin at the left end of the crest, depth downward as y below
// 0; listed backwards so that a proper part runs counter-clockwise.
std::vector<OutlinePart> outline(std::span<const double> d)
{
    const double A = d[0], B = d[1], C = d[2], D = d[3], E = d[4], F = d[5], G = d[6], H = d[7], I = d[8],
                 j = d[9], o = d[10];
    const Point p1{0, 0};
    const Point p2{A, 0};
    const Point p3{A + G * F, -G};
    const Point p4{A + G * F + o, -G};
    const Point p5{A + G * F + o, -(G + H)};
    const Point p6{A + G * F + o - I, -(C + D)};
    const Point p7{-C * E - B + (G - C) * j, -G};
    const Point p8{-C * E - B, -C};
    const Point p9{-C * E, -C};
    return {
        {{p1, p9, p8, p7, p3, p2}, "Text44", "Text46", true},
        {{p7, p6, p5, p4}, "Text43", "Text45"},
    };
}

constexpr DimensionPlace kDimensionPlaces[] = {
    {0, 0, 5, 0},      {1, 0, 1, 2}, {2, 0, 0, 1, 0.3}, {3, 1, 0, 1}, {4, 0, 0, 1, 0.75}, {5, 0, 4, 5},
    {6, 0, 3, 4},      {7, 1, 2, 3}, {8, 1, 1, 2},      {9, 0, 2, 3}, {10, 1, 3, 0, 0.1},
};

}  // namespace

constinit const Calculator kTypeB{
    .caption = "挡土墙B类",
    .computation = TypeBCalculation,
    .outputs = TypeBOutputs,
    .columns = kColumns,
    .length = "Text13",
    .volumes = kVolumes,
    // The total is the sum of the foundation and wall-body volumes, each worked by the same rule from
    // that part's two areas.
    .quantities = {"Text16", "Text17", "Text19"},
    .batters = kBatters,
    .shapes = {},
    .outline = outline,
    .dimensionPlaces = kDimensionPlaces,
};

}  // namespace wallcalc
