// The one failure a computation can meet: a number beyond the range of a double.
#pragma once

#include <exception>
#include <string>

namespace wallcalc {

class ArithmeticFault : public std::exception {
public:
    enum class Cause {
        FieldValue,  // the text of field() holds a number beyond the double range
        Operation,   // an operation on the way to field()'s result left the double range
    };

    ArithmeticFault(Cause cause, std::string field);

    Cause cause() const noexcept { return cause_; }
    // The control name, as in "Text16"; empty when a bare text was read.
    const std::string& field() const noexcept { return field_; }
    const char* what() const noexcept override { return message_.c_str(); }

private:
    Cause cause_;
    std::string field_;
    std::string message_;
};

}  // namespace wallcalc
