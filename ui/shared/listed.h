// Whether a name is among a list of names, as a form lists the boxes its computation writes.
#pragma once

#include <algorithm>
#include <span>
#include <string_view>

namespace ui {

inline bool listed(std::span<const std::string_view> names, std::string_view name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

}  // namespace ui
