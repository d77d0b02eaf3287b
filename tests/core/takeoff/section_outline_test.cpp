// Sections as outlines: over many random proper sections of each calculator the polygons' areas
// are the areas the press writes, and a section whose faces cross is told by its outline alone.
#include "wallcalc/field_value.h"
#include "wallcalc/section_outline.h"
#include "wallcalc/takeoff.h"
#include "wallcalc/calculators.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <iterator>
#include <map>
#include <random>

using namespace wallcalc;

namespace {

using Between = std::function<double(double low, double high)>;  // a random number in [low, high)

// Dimensions of a proper section of each calculator, in metres (batters as ratios).
std::vector<double> typeASection(const Between& between)
{
    return {between(0.3, 2), between(0.5, 4), between(0.5, 8), between(0.2, 2), between(0.2, 2), between(0.5, 6)};
}

std::vector<double> typeBSection(const Between& between)
{
    const double A = between(0.3, 1.5), B = between(0.1, 1), C = between(0.5, 3), E = between(0, 0.5),
                 F = between(0, 0.5), G = C + between(0.5, 4), H = between(0.2, 1.5), o = between(0.1, 1);
    // The lower left face leans in no further than keeps the toe level wide, the heel corner
    // lies below the toe level, between the lower left face and the toe edge.
    const double j = between(0, 0.9) * (A + B + C * E) / (G - C);
    const double D = G - C + between(0.2, 2);
    const double w = G * F + A + C * E + B - (G - C) * j;
    const double I = between(0.1, 1) * (w + o);
    return {A, B, C, D, E, F, G, H, I, j, o};
}

std::vector<double> foundationSection(const Between& between)
{
    std::vector<double> d;
    for (int n = 0; n < 4; ++n) {
        d.push_back(between(0.1, 3));
    }
    for (int n = 0; n < 6; ++n) {
        d.push_back(between(0.1, 5));
    }
    return d;
}

constexpr struct {
    const Calculator& calculator;
    std::vector<double> (*section)(const Between& between);
} kProperSections[] = {
    {kTypeA, typeASection},
    {kTypeB, typeBSection},
    {kFoundation, foundationSection},
};
static_assert(std::size(kProperSections) == kCalculators.size(), "a proper section of every calculator");

// A proper section's dimensions as the press reads them: each rounded to its result text.
std::vector<double> properSection(std::vector<double> (*section)(const Between& between), std::mt19937& random)
{
    std::vector<double> d = section([&random](double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(random);
    });
    for (double& value : d) {
        value = Val(FormatResult(value));
    }
    return d;
}

TakeoffRow rowOf(const std::vector<double>& dimensions)
{
    TakeoffRow row{"0", {}};
    for (double value : dimensions) {
        row.inputs.push_back(FormatResult(value));
    }
    return row;
}

// Each area box's total of the parts' shoelace areas, for the section on the given side.
std::map<std::string, double> shoelaceAreas(const Calculator& calculator, const std::vector<double>& dimensions,
                                            bool first)
{
    std::map<std::string, double> areas;
    for (const OutlinePart& part : calculator.outline(dimensions)) {
        areas[std::string(first ? part.firstArea : part.secondArea)] += ShoelaceArea(part.outline);
    }
    return areas;
}

}  // namespace

TEST(SectionOutline, ShoelaceAreaAndCrossingOfPlainPolygons)
{
    // What the random proper sections below cannot show: a clockwise outline's sign, an edge of no
    // length, and a crossing between edges far apart on the outline.
    EXPECT_EQ(ShoelaceArea({{0, 0}, {0, 3}, {2, 3}, {2, 0}}), -6);
    EXPECT_FALSE(CrossesItself({{0, 0}, {4, 0}, {2, 2}, {2, 2}}));              // a trapezoid of no top
    EXPECT_TRUE(CrossesItself({{0, 0}, {4, 0}, {4, 2}, {3, -1}, {1, 3}, {0, 2}}));  // a notch through the base
}

TEST(SectionOutline, ProperSectionsAreSimpleAndTheirAreasAreThePresses)
{
    std::mt19937 random(20250418);
    for (const auto& [calculator, proper] : kProperSections) {
        for (int section = 0; section < 2000; ++section) {
            const std::vector<double> upper = properSection(proper, random);
            const std::vector<double> lower = properSection(proper, random);
            const PairResult pair = RunPair(calculator, rowOf(upper), rowOf(lower), ExactMetres{1'000'000});
            ASSERT_FALSE(pair.fault);
            for (const bool first : {true, false}) {
                const std::vector<double>& dimensions = first ? upper : lower;
                for (const OutlinePart& part : calculator.outline(dimensions)) {
                    EXPECT_FALSE(CrossesItself(part.outline)) << calculator.caption << ", " << part.firstArea;
                    EXPECT_GT(ShoelaceArea(part.outline), 0) << calculator.caption << ", " << part.firstArea;
                }
                for (const auto& [box, area] : shoelaceAreas(calculator, dimensions, first)) {
                    const double shown = Val(pair.texts.at(box));
                    EXPECT_NEAR(area, shown, 1e-9 * std::abs(shown)) << calculator.caption << ", " << box;
                }
            }
            if (testing::Test::HasFailure()) {
                return;
            }
        }
    }
}

// Sections whose area texts come out positive although a face crosses another: only the outline
// tells them from proper ones.
TEST(SectionOutline, CrossingFacesAreToldByTheOutline)
{
    const struct { const Calculator& calculator; std::vector<double> dimensions; std::string_view box; } cases[] = {
        // The top width typed negative: the body's face crosses its back.
        {kTypeA, {-1, 2, 3, 0.5, 0.5, 2}, "Text16"},
        // The foundation's left height negative: its base crosses its top.
        {kTypeA, {1, 2, 3, -0.5, 1.5, 2}, "Text16"},
        // The lower left face leans in past the right face: the toe level's width below zero.
        {kTypeB, {0.5, 0.5, 2, 4, 0.25, 0.125, 5, 0.5, 2.125, 1.2, 0.5}, "Text44"},
        // The heel corner beyond the toe edge: the base crosses the toe.
        {kTypeB, {0.5, 0.5, 2, 5, 0.25, 0.125, 5, 2, -1.5, 0.125, 0.5}, "Text43"},
        // A trapezoid's top typed negative.
        {kFoundation, {1, 1, 1, 1, -1, 3, 1, 1, 2, 1}, "Text29"},
    };
    for (const auto& c : cases) {
        const TakeoffRow row = rowOf(c.dimensions);
        const PairResult pair = RunPair(c.calculator, row, row, ExactMetres{1'000'000});
        EXPECT_GT(Val(pair.texts.at(std::string(c.box))), 0) << c.box;
        bool crossing = false;
        for (const OutlinePart& part : c.calculator.outline(c.dimensions)) {
            crossing = crossing || (part.firstArea == c.box && CrossesItself(part.outline));
        }
        EXPECT_TRUE(crossing) << c.calculator.caption << ", " << c.box;
    }
}

// Where the drawing writes each dimension: one place a column, in the columns' order, on an edge
// between two corners of a part of the calculator's section.
TEST(SectionOutline, EachDimensionHasItsPlaceOnAnEdge)
{
    for (const Calculator* calculator : kCalculators) {
        const std::vector<OutlinePart> parts = calculator->outline(std::vector<double>(calculator->columns.size(), 1));
        ASSERT_EQ(calculator->dimensionPlaces.size(), calculator->columns.size()) << calculator->caption;
        for (std::size_t n = 0; n < calculator->dimensionPlaces.size(); ++n) {
            const DimensionPlace& place = calculator->dimensionPlaces[n];
            EXPECT_EQ(place.column, n) << calculator->caption;
            ASSERT_LT(place.part, parts.size()) << calculator->caption << ", " << n;
            EXPECT_LT(place.a, parts[place.part].outline.size()) << calculator->caption << ", " << n;
            EXPECT_LT(place.b, parts[place.part].outline.size()) << calculator->caption << ", " << n;
            EXPECT_NE(place.a, place.b) << calculator->caption << ", " << n;
        }
    }
}
