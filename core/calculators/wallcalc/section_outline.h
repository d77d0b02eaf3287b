// A section drawn from its dimensions: each part of a calculator's cross-section as a polygon in
// metres, with the area boxes the press writes for it, so that a shape the dimensions cannot make
// (a face crossing another) can be told from a proper one.
#pragma once

#include <span>
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
};

// The parts of one section of a take-off type (an index into TakeoffTypes) from its dimensions, one
// a column of the type, in the columns' order. Type A: the wall body on the foundation, both counted in the
// section's area. Type B: the wall body P1 P2 P3 P7 P8 P9 and the foundation P7 P4 P5 P6, the toe
// level at y = −G. Foundation: the two triangles, right angle at the lower right, side by side on
// y = 0, and the two trapezoids side by side below them, as the window's diagram places them.
std::vector<OutlinePart> SectionOutline(int type, std::span<const double> dimensions);

// The signed area by the shoelace formula, positive for a counter-clockwise outline.
double ShoelaceArea(const Outline& outline);

// Whether two edges that are not neighbours cross each other, so that the outline is no simple
// polygon; edges that only touch at a corner do not cross.
bool CrossesItself(const Outline& outline);

}  // namespace wallcalc
