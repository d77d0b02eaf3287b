// Fields held in a map, with a log of the writes, for driving the computations in tests.
#pragma once

#include "wallcalc/fields.h"

#include <map>
#include <string>
#include <vector>

class MapFields : public wallcalc::Fields {
public:
    MapFields() = default;
    MapFields(std::initializer_list<std::pair<const std::string, std::string>> texts) : texts_(texts) {}

    std::string text(const std::string& name) const override
    {
        const auto it = texts_.find(name);
        return it == texts_.end() ? std::string() : it->second;
    }
    void setText(const std::string& name, const std::string& text) override
    {
        texts_[name] = text;
        writes_.push_back(name);
    }

    const std::vector<std::string>& writes() const { return writes_; }

private:
    std::map<std::string, std::string> texts_;
    std::vector<std::string> writes_;
};
