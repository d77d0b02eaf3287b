// Fields held in a map, with a log of the writes, for driving the computations in tests.
#pragma once

#include "wallcalc/fields.h"

#include <map>
#include <string>
#include <vector>

class MapFields : public wallcalc::Fields {
public:
    std::string text(const std::string& name) const override
    {
        const auto it = texts_.find(name);
        return it == texts_.end() ? std::string() : it->second;
    }
    void setText(const std::string& name, const std::string& text) override
    {
        texts_[name] = text;
        writes_.push_back(name);
        written_.push_back(name + ' ' + text);
    }

    const std::vector<std::string>& writes() const { return writes_; }    // the names, in order
    const std::vector<std::string>& written() const { return written_; }  // "name text", in order

private:
    std::map<std::string, std::string> texts_;
    std::vector<std::string> writes_;
    std::vector<std::string> written_;
};
