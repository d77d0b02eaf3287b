// Fields held in a map rather than a window, so that a computation can be pressed away from any
// window: by the take-off for each pair of stations, and by the tests and the benchmarks.
#pragma once

#include "wallcalc/fields.h"

#include <map>
#include <string>

namespace wallcalc {

class MapFields : public Fields {
public:
    MapFields() = default;
    explicit MapFields(std::map<std::string, std::string> texts);

    // A field never written reads empty, as an empty box does.
    std::string text(const std::string& name) const override;
    void setText(const std::string& name, const std::string& text) override;

    const std::map<std::string, std::string>& texts() const { return texts_; }

private:
    std::map<std::string, std::string> texts_;
};

}  // namespace wallcalc
