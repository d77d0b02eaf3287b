// What the three computations share within one press: reading and writing fields by the
// field-value rules, and arithmetic that faults instead of going past the double range.
#pragma once

#include <string>
#include <utility>

namespace wallcalc {

class Fields;

// Val of the field's current text; a number beyond the double range faults with the field's name.
double readField(const Fields& fields, const std::string& name);

// Replaces the field's text with the result text of the value.
void writeField(Fields& fields, const std::string& name, double value);

// The arithmetic of one step. Every operation is checked, and a result that is not finite
// is the overflow fault, named after the field that the step is working towards.
class Step {
public:
    explicit Step(std::string target) : target_(std::move(target)) {}

    double add(double a, double b) const { return checked(a + b); }
    double sub(double a, double b) const { return checked(a - b); }
    double mul(double a, double b) const { return checked(a * b); }
    double half(double a) const { return checked(a / 2); }

private:
    double checked(double result) const;

    std::string target_;
};

}  // namespace wallcalc
