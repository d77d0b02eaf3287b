// What a screen reader says about a value box whose dimension the legend marks.
#pragma once

#include <QString>

#include <string_view>

namespace ui {

// From the box's help 「A：第一断面墙身顶宽（米）」, 「第一断面墙身顶宽 A，图例中已标出」.
QString legendDescription(std::string_view help);

}  // namespace ui
