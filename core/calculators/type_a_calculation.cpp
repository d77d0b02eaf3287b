// The Type A press: a trapezoid wall body on a trapezoid foundation, at two sections.
#include "wallcalc/type_a_calculation.h"

#include "wallcalc/checked_arithmetic.h"
#include "wallcalc/fields.h"

namespace wallcalc {

namespace {

// ((a + b) × h) / 2, the area of every trapezoid of this calculator.
double trapezoid(const Step& step, double a, double b, double h)
{
    return step.half(step.mul(step.add(a, b), h));
}

}  // namespace

void TypeACalculation(Fields& fields)
{
    // All thirteen inputs are taken before anything is written, so a faulty input changes no box.
    const double A = readField(fields, "Text1");
    const double B = readField(fields, "Text2");
    const double C = readField(fields, "Text4");
    const double D = readField(fields, "Text5");
    const double E = readField(fields, "Text6");
    const double H = readField(fields, "Text3");
    const double L = readField(fields, "Text7");
    const double f = readField(fields, "Text10");
    const double i = readField(fields, "Text11");
    const double j = readField(fields, "Text12");
    const double k = readField(fields, "Text13");
    const double n = readField(fields, "Text14");
    const double o = readField(fields, "Text15");

    const Step s1("Text16");
    const double body1 = trapezoid(s1, A, B, H);
    const double foundation1 = trapezoid(s1, C, D, E);
    writeField(fields, "Text16", s1.add(body1, foundation1));

    const Step s2("Text17");
    const double body2 = trapezoid(s2, f, i, j);
    const double foundation2 = trapezoid(s2, k, n, o);
    writeField(fields, "Text17", s2.add(body2, foundation2));

    // The average is made from the two area texts as shown, and the total from the average's
    // text, so that the digits on screen agree with each other.
    const double s1Shown = readField(fields, "Text16");
    const double s2Shown = readField(fields, "Text17");
    const Step average("Text18");
    writeField(fields, "Text18", average.half(average.add(s1Shown, s2Shown)));

    const double averageShown = readField(fields, "Text18");
    writeField(fields, "Text8", Step("Text8").mul(averageShown, L));

    fields.setText("Text9", "立方米");
    fields.setText("Text21", "立方米");
    fields.setText("Text22", "立方米");

    // Both volumes work again from the inputs, step by step as the areas did.
    const Step foundation("Text19");
    const double foundationFirst = trapezoid(foundation, C, D, E);
    const double foundationSecond = trapezoid(foundation, k, n, o);
    writeField(fields, "Text19", trapezoid(foundation, foundationFirst, foundationSecond, L));

    // The wall body's sum takes the second section first, in the order of the steps; an addition
    // gives the same double whichever addend comes first.
    const Step body("Text20");
    const double bodySecond = trapezoid(body, f, i, j);
    const double bodyFirst = trapezoid(body, A, B, H);
    writeField(fields, "Text20", trapezoid(body, bodySecond, bodyFirst, L));
}

}  // namespace wallcalc
