// Each calculator's section as the polygons its dimensions describe, and the two tests on a
// polygon the checks need: its area and whether it crosses itself.
#include "wallcalc/section_outline.h"

#include <algorithm>
#include <cstddef>

namespace wallcalc {

namespace {

// A trapezoid wall body standing on its base, its back face vertical, on a foundation whose top
// lies along y = 0 and whose heights at the left and right edges are C and D.
std::vector<OutlinePart> typeA(std::span<const double> d)
{
    const double A = d[0], B = d[1], H = d[2], C = d[3], D = d[4], E = d[5];
    return {
        {{{0, 0}, {B, 0}, {A, H}, {0, H}}, "Text16", "Text17"},
        {{{0, -C}, {E, -D}, {E, 0}, {0, 0}}, "Text16", "Text17"},
    };
}

// The points P1 to P9 of the Type B section, origin at the left end of the crest, depth downward
// as y below 0; listed backwards so that a proper part runs counter-clockwise.
std::vector<OutlinePart> typeB(std::span<const double> d)
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
        {{p1, p9, p8, p7, p3, p2}, "Text44", "Text46"},
        {{p7, p6, p5, p4}, "Text43", "Text45"},
    };
}

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

std::vector<OutlinePart> foundation(std::span<const double> d)
{
    return {
        {rightTriangle(0, d[0], d[1]), "Text25", "Text27"},
        {rightTriangle(d[0], d[2], d[3]), "Text26", "Text28"},
        {trapezoid(0, d[4], d[5], d[6]), "Text29", "Text31"},
        {trapezoid(std::max(d[4], d[5]), d[7], d[8], d[9]), "Text30", "Text32"},
    };
}

// Twice the signed area of the triangle a b c: positive when c lies left of a → b.
double turn(const Point& a, const Point& b, const Point& c)
{
    return (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
}

bool cross(const Point& a, const Point& b, const Point& c, const Point& d)
{
    const auto opposite = [](double u, double v) { return (u < 0 && v > 0) || (u > 0 && v < 0); };
    return opposite(turn(a, b, c), turn(a, b, d)) && opposite(turn(c, d, a), turn(c, d, b));
}

}  // namespace

std::vector<OutlinePart> SectionOutline(int type, std::span<const double> dimensions)
{
    switch (type) {
    case 0:
        return typeA(dimensions);
    case 1:
        return typeB(dimensions);
    default:
        return foundation(dimensions);
    }
}

double ShoelaceArea(const Outline& outline)
{
    double twice = 0;
    for (std::size_t n = 0; n < outline.size(); ++n) {
        const Point& a = outline[n];
        const Point& b = outline[(n + 1) % outline.size()];
        twice += a.x * b.y - b.x * a.y;
    }
    return twice / 2;
}

bool CrossesItself(const Outline& outline)
{
    const std::size_t count = outline.size();
    for (std::size_t first = 0; first < count; ++first) {
        // Edge n runs from corner n to corner n + 1; its neighbours are edges n − 1 and n + 1.
        for (std::size_t second = first + 2; second < count; ++second) {
            if (first == 0 && second == count - 1) {
                continue;
            }
            if (cross(outline[first], outline[first + 1], outline[second], outline[(second + 1) % count])) {
                return true;
            }
        }
    }
    return false;
}

}  // namespace wallcalc
