// A block pasted into the take-off: what a spreadsheet copies, taken apart into the cells it sets.
#pragma once

#include "wallcalc/takeoff_table.h"

#include <QString>

#include <vector>

namespace ui {

struct PastedBlock {
    std::vector<wallcalc::TakeoffCell> cells;  // each text as copied
    std::size_t lastRow = 0;                   // the last row the block reaches
    int clipped = 0;                           // cells beyond the last input column, left out
};

// A text that is a block rather than one cell's text: it holds a tab or a line end.
bool isBlock(const QString& text);

// A block copied from a spreadsheet (cells by tab, rows by CR LF or LF, a line end after the last
// row, which is no row) put in from row and column on, numbered as the take-off numbers them;
// columns: how many columns take input, 桩号 and the inputs.
PastedBlock pastedBlock(const QString& block, std::size_t row, int column, int columns);

}  // namespace ui
