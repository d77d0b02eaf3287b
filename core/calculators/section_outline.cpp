// The two tests on a section's polygon that the checks need: its area and whether it crosses
// itself. Each calculator's own outline is worked beside its press.
#include "wallcalc/section_outline.h"

#include <cstddef>

namespace wallcalc {

namespace {

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
