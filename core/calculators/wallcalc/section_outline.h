// A section drawn from its dimensions: each part of a calculator's cross-section as a polygon in
// metres, with the area boxes the press writes for it, so that a shape the dimensions cannot make
// (a face crossing another) can be told from a proper one.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace wallcalc {

struct Point {
    double x;  // metres to the right
    double y;  // metres up
};
using Outline = std::vector<Point>;

struct OutlinePart {
    Outline outline;               // counter-clockwise for a proper part
    std::string_view firstArea;    // the box whose area text counts this part for section one
    std::string_view secondArea;   // the same for section two
    bool body = false;             // the wall body; any other part is foundation
};

// Where a dimension is measured on a section: on the edge of one part from corner a to corner b,
// at a fraction of the way along.
struct DimensionPlace {
    std::size_t column;  // take-off column of the calculator, from 0
    std::size_t part;
    std::size_t a;
    std::size_t b;
    double along = 0.5;
};

// The signed area by the shoelace formula, positive for a counter-clockwise outline.
double ShoelaceArea(const Outline& outline);

// Whether two edges that are not neighbours cross each other, so that the outline is no simple
// polygon; edges that only touch at a corner do not cross.
bool CrossesItself(const Outline& outline);

}  // namespace wallcalc
