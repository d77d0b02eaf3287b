// The 工程数量表 of a take-off as cells of text: what the window's 汇总 page, the copy and the sheet
// show, each figure as billed (two decimals, rounded half up on its shown decimal).
#pragma once

#include <QStringList>

#include <vector>

namespace ui {

class TakeoffTexts;

struct QuantityCells {
    QStringList headings;  // each heading's lines apart: name, then unit
    std::vector<QStringList> rows;
    QStringList totals;
};

QuantityCells quantityCells(const TakeoffTexts& takeoff);

}  // namespace ui
