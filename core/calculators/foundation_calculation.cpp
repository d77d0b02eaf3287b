// The foundation press: two right triangles and two trapezoids at each of two sections.
#include "wallcalc/foundation_calculation.h"

#include "wallcalc/checked_arithmetic.h"
#include "wallcalc/fields.h"

#include <array>
#include <string>

namespace wallcalc {

namespace {

// In every step the first operand is read last; when two fields hold numbers beyond the
// double range, this order decides which of them the fault names.

// (base × height) / 2, written to the area field.
void triangle(Fields& fields, const std::string& base, const std::string& height, const std::string& area)
{
    const double h = readField(fields, height);
    const double b = readField(fields, base);
    const Step step(area);
    writeField(fields, area, step.half(step.mul(b, h)));
}

// ((top + bottom) × height) / 2, written to the area field.
void trapezoid(Fields& fields, const std::string& top, const std::string& bottom, const std::string& height,
               const std::string& area)
{
    const double lower = readField(fields, bottom);
    const double h = readField(fields, height);
    const double upper = readField(fields, top);
    const Step step(area);
    writeField(fields, area, step.half(step.mul(step.add(upper, lower), h)));
}

// The sum of a section's four shape areas as their fields show them, so that the section area
// on screen is the sum of the four numbers above it. Written to the section field and returned
// unrounded: the average and the volume carry its full precision.
double section(Fields& fields, const std::array<std::string, 4>& shapes, const std::string& target)
{
    const double second = readField(fields, shapes[1]);
    const double third = readField(fields, shapes[2]);
    const double fourth = readField(fields, shapes[3]);
    const double first = readField(fields, shapes[0]);
    const Step step(target);
    const double sum = step.add(step.add(step.add(first, second), third), fourth);
    writeField(fields, target, sum);
    return sum;
}

}  // namespace

void FoundationCalculation(Fields& fields)
{
    triangle(fields, "Text1", "Text2", "Text25");
    triangle(fields, "Text3", "Text4", "Text26");
    triangle(fields, "Text5", "Text6", "Text27");
    triangle(fields, "Text7", "Text8", "Text28");
    trapezoid(fields, "Text9", "Text10", "Text11", "Text29");
    trapezoid(fields, "Text12", "Text13", "Text14", "Text30");
    trapezoid(fields, "Text15", "Text16", "Text17", "Text31");
    trapezoid(fields, "Text18", "Text19", "Text20", "Text32");

    const double first = section(fields, {"Text25", "Text26", "Text29", "Text30"}, "Text33");
    const double second = section(fields, {"Text27", "Text28", "Text31", "Text32"}, "Text34");

    const Step average("Text35");
    const double mean = average.half(average.add(first, second));
    writeField(fields, "Text35", mean);

    const double length = readField(fields, "Text21");
    writeField(fields, "Text22", Step("Text22").mul(length, mean));
}

}  // namespace wallcalc
