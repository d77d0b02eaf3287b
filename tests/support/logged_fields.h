// The core's fields in a map with a log of the writes, for driving the computations in tests and
// fuzz targets that check what a press writes and in which order.
#pragma once

#include "wallcalc/map_fields.h"

#include <string>
#include <vector>

class LoggedFields : public wallcalc::MapFields {
public:
    void setText(const std::string& name, const std::string& text) override
    {
        MapFields::setText(name, text);
        writes_.push_back(name);
        written_.push_back(name + ' ' + text);
    }

    const std::vector<std::string>& writes() const { return writes_; }    // the names, in order
    const std::vector<std::string>& written() const { return written_; }  // "name text", in order

private:
    std::vector<std::string> writes_;
    std::vector<std::string> written_;
};
