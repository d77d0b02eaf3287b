// The Type B press: a wall with a ledge on its left face and a toe step on its right, cut by the
// toe level into the wall body above and the foundation below, at two sections.
#include "wallcalc/type_b_calculation.h"

#include "wallcalc/checked_arithmetic.h"
#include "wallcalc/fields.h"

namespace wallcalc {

namespace {

// The eleven dimensions of one section. E, F and j are batters, horizontal run per unit of
// depth, taken as typed: nothing is divided by 100.
struct Section {
    double A, B, C, D, E, F, G, H, I, j, o;
};

using SectionFields = std::array<const char*, 11>;  // the boxes of A..o, in the order they are read

constexpr SectionFields kFirstSection{
    "Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Text8", "Text9", "Text10", "Text41"};
constexpr SectionFields kSecondSection{
    "Text11", "Text12", "Text33", "Text34", "Text35", "Text36", "Text37", "Text38", "Text39", "Text40", "Text42"};

Section readSection(const Fields& fields, const SectionFields& names)
{
    // A braced list is evaluated left to right, so the boxes are read in the table's order.
    return {readField(fields, names[0]), readField(fields, names[1]), readField(fields, names[2]),
            readField(fields, names[3]), readField(fields, names[4]), readField(fields, names[5]),
            readField(fields, names[6]), readField(fields, names[7]), readField(fields, names[8]),
            readField(fields, names[9]), readField(fields, names[10])};
}

// The width of the section at the toe level, from the lower left face to the right face.
double toeLevelWidth(const Step& step, const Section& s)
{
    const double outward = step.add(step.add(step.add(step.mul(s.G, s.F), s.A), step.mul(s.C, s.E)), s.B);
    return step.sub(outward, step.mul(step.sub(s.G, s.C), s.j));
}

// The operations keep this grouping, not a polygon formula's: the grouping fixes the last digits.
double bodyArea(const Step& step, const Section& s)
{
    // The trapezoid from the crest down to the ledge.
    const double upper = step.half(
        step.mul(step.add(step.add(step.add(step.mul(s.C, s.E), s.A), step.mul(s.C, s.F)), s.A), s.C));
    // The trapezoid from the outer end of the ledge down to the toe level.
    const double w = toeLevelWidth(step, s);
    const double ledgeWidth = step.add(step.add(step.add(step.add(w, step.mul(s.C, s.E)), step.mul(s.C, s.F)), s.B), s.A);
    const double middle = step.half(step.mul(ledgeWidth, step.sub(s.G, s.C)));
    return step.add(upper, middle);
}

// A triangle left of the heel corner's vertical and a trapezoid right of it.
double foundationArea(const Step& step, const Section& s)
{
    const double heelDepth = step.sub(s.D, step.sub(s.G, s.C));  // below the toe level
    const double heelOffset = step.sub(toeLevelWidth(step, s), step.sub(s.I, s.o));
    const double triangle = step.half(step.mul(heelDepth, heelOffset));
    const double trapezoid = step.half(step.mul(step.add(heelDepth, s.H), s.I));
    return step.add(triangle, trapezoid);
}

// A volume by the average-end-area rule, from the two area texts as shown, so that the volume
// agrees with the digits on screen; the length is read at this moment, not kept from before.
void writeVolume(Fields& fields, const std::string& volume, const std::string& firstArea,
                 const std::string& secondArea)
{
    const double a = readField(fields, firstArea);
    const double L = readField(fields, "Text13");
    const double b = readField(fields, secondArea);
    const Step step(volume);
    writeField(fields, volume, step.mul(step.half(step.add(b, a)), L));
}

}  // namespace

void TypeBCalculation(Fields& fields)
{
    const Section first = readSection(fields, kFirstSection);
    const double body1 = bodyArea(Step("Text44"), first);
    const double foundation1 = foundationArea(Step("Text43"), first);
    const Step total1("Text16");
    writeField(fields, "Text16", total1.add(foundation1, body1));
    writeField(fields, "Text43", foundation1);
    writeField(fields, "Text44", body1);

    const Section second = readSection(fields, kSecondSection);
    const double body2 = bodyArea(Step("Text46"), second);
    const double foundation2 = foundationArea(Step("Text45"), second);
    writeField(fields, "Text46", body2);
    writeField(fields, "Text45", foundation2);

    writeVolume(fields, "Text14", "Text43", "Text45");
    writeVolume(fields, "Text15", "Text44", "Text46");

    // The section totals come from the areas in memory, at full precision.
    writeField(fields, "Text16", total1.add(body1, foundation1));
    writeField(fields, "Text17", Step("Text17").add(body2, foundation2));

    // The mean and the total are made from texts as shown, like the volumes.
    const double s2Shown = readField(fields, "Text17");
    const double s1Shown = readField(fields, "Text16");
    const Step mean("Text18");
    writeField(fields, "Text18", mean.half(mean.add(s1Shown, s2Shown)));

    const double bodyVolume = readField(fields, "Text15");
    const double foundationVolume = readField(fields, "Text14");
    writeField(fields, "Text19", Step("Text19").add(foundationVolume, bodyVolume));
}

}  // namespace wallcalc
