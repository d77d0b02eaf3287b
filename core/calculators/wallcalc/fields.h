// The fields of one calculator window as a computation sees them.
#pragma once

#include <string>

namespace wallcalc {

class Fields {   // one window's fields by control name, texts in UTF-8
public:
    virtual ~Fields() = default;
    virtual std::string text(const std::string& name) const = 0;
    virtual void setText(const std::string& name, const std::string& text) = 0;
};

}  // namespace wallcalc
