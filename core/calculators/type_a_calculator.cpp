// The Type A calculator as the program lists it: a trapezoid wall body on a foundation, its press,
// the take-off's columns and volumes, and its section's outline.
#include "wallcalc/calculators.h"
#include "wallcalc/type_a_calculation.h"

namespace wallcalc {

namespace {

constexpr TakeoffColumn kColumns[] = {
    {"Text1", "Text10"}, {"Text2", "Text11"}, {"Text3", "Text12"},
    {"Text4", "Text13"}, {"Text5", "Text14"}, {"Text6", "Text15"},
};
constexpr std::string_view kVolumes[] = {"Text8", "Text19", "Text20"};

// The wall body on the foundation, both counted in the section's area: a trapezoid body standing
// on its base, its back face vertical, on a foundation whose top lies along y = 0 and whose
// heights at the left and right edges are C and D.
std::vector<OutlinePart> outline(std::span<const double> d)
{
    const double A = d[0], B = d[1], H = d[2], C = d[3], D = d[4], E = d[5];
    return {
        {{{0, 0}, {B, 0}, {A, H}, {0, H}}, "Text16", "Text17", true},
        {{{0, -C}, {E, -D}, {E, 0}, {0, 0}}, "Text16", "Text17"},
    };
}

constexpr DimensionPlace kDimensionPlaces[] = {
    {0, 0, 2, 3}, {1, 0, 0, 1}, {2, 0, 3, 0}, {3, 1, 3, 0}, {4, 1, 1, 2}, {5, 1, 0, 1},
};

}  // namespace

constinit const Calculator kTypeA{
    .caption = "挡土墙A类",
    .computation = TypeACalculation,
    .outputs = TypeAOutputs,
    .columns = kColumns,
    .length = "Text7",
    .volumes = kVolumes,
    .quantities = {"Text16", "Text17", "Text8"},
    .batters = {},
    .shapes = {},
    .outline = outline,
    .dimensionPlaces = kDimensionPlaces,
};

}  // namespace wallcalc
