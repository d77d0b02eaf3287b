// The foundation calculator as the program lists it: two triangles and two trapezoids a section,
// its press, the take-off's columns and volume, and its section's outline.
#include "wallcalc/calculators.h"
#include "wallcalc/foundation_calculation.h"

#include <algorithm>

namespace wallcalc {

namespace {

// Left triangle, right triangle, left trapezoid, right trapezoid, as the window reads them.
constexpr TakeoffColumn kColumns[] = {
    {"Text1", "Text5"},   {"Text2", "Text6"},   {"Text3", "Text7"},   {"Text4", "Text8"},
    {"Text9", "Text15"},  {"Text10", "Text16"}, {"Text11", "Text17"}, {"Text12", "Text18"},
    {"Text13", "Text19"}, {"Text14", "Text20"},
};
constexpr std::string_view kVolumes[] = {"Text22"};

// The shapes by their columns: a foundation need not have all four.
constexpr ColumnRun kShapes[] = {{0, 2}, {2, 4}, {4, 7}, {7, 10}};

Outline rightTriangle(double left, double base, double height)
{
    return {{left, 0}, {left + base, 0}, {left + base, height}};
}

// Top edge on y = 0 and the bottom edge below it; the top begins two thirds of the difference of
// the widths in from the bottom's left end, as the diagram draws it.
Outline trapezoid(double left, double top, double bottom, double height)
{
    const double inset = (bottom - top) * 2 / 3;
    return {{left, -height}, {left + bottom, -height}, {left + inset + top, 0}, {left + inset, 0}};
}

// The two triangles, right angle at the lower right, side by side on y = 0, and the two
// trapezoids side by side below them, as the window's diagram places them; all foundation.
std::vector<OutlinePart> outline(std::span<const double> d)
{
    return {
        {rightTriangle(0, d[0], d[1]), "Text25", "Text27"},
        {rightTriangle(d[0], d[2], d[3]), "Text26", "Text28"},
        {trapezoid(0, d[4], d[5], d[6]), "Text29", "Text31"},
        {trapezoid(std::max(d[4], d[5]), d[7], d[8], d[9]), "Text30", "Text32"},
    };
}

constexpr DimensionPlace kDimensionPlaces[] = {
    {0, 0, 0, 1}, {1, 0, 1, 2}, {2, 1, 0, 1}, {3, 1, 1, 2}, {4, 2, 2, 3},
    {5, 2, 0, 1}, {6, 2, 3, 0}, {7, 3, 2, 3}, {8, 3, 0, 1}, {9, 3, 3, 0},
};

}  // namespace

constinit const Calculator kFoundation{
    .caption = "挡墙基础计算",
    .computation = FoundationCalculation,
    .outputs = FoundationOutputs,
    .columns = kColumns,
    .length = "Text21",
    .volumes = kVolumes,
    .quantities = {"Text33", "Text34", "Text22"},
    .batters = {},
    .shapes = kShapes,
    .outline = outline,
    .dimensionPlaces = kDimensionPlaces,
};

}  // namespace wallcalc
