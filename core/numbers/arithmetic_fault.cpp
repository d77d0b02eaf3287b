// Messages of the arithmetic fault, for tools that only print what().
#include "wallcalc/arithmetic_fault.h"

#include <utility>

namespace wallcalc {

namespace {

std::string describe(ArithmeticFault::Cause cause, const std::string& field)
{
    if (cause == ArithmeticFault::Cause::FieldValue) {
        return field.empty() ? "overflow: the number is beyond the range of a double"
                             : "overflow: the number in " + field + " is beyond the range of a double";
    }
    return "overflow: computing " + field + " left the range of a double";
}

}  // namespace

ArithmeticFault::ArithmeticFault(Cause cause, std::string field)
    : cause_(cause), field_(std::move(field)), message_(describe(cause_, field_))
{
}

}  // namespace wallcalc
