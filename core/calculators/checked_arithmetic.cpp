// Field access and checked arithmetic for the computations.
#include "wallcalc/checked_arithmetic.h"

#include "wallcalc/arithmetic_fault.h"
#include "wallcalc/field_value.h"
#include "wallcalc/fields.h"

#include <cmath>

namespace wallcalc {

double readField(const Fields& fields, const std::string& name)
{
    try {
        return Val(fields.text(name));
    } catch (const ArithmeticFault&) {
        throw ArithmeticFault(ArithmeticFault::Cause::FieldValue, name);
    }
}

void writeField(Fields& fields, const std::string& name, double value)
{
    fields.setText(name, FormatResult(value));
}

double Step::checked(double result) const
{
    if (!std::isfinite(result)) {
        throw ArithmeticFault(ArithmeticFault::Cause::Operation, target_);
    }
    return result;
}

}  // namespace wallcalc
