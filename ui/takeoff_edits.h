// The take-off's edits that change more than one cell: a pasted block, inserted and deleted rows.
// Each gives the rows after it, for one step on the undo stack.
#pragma once

#include "wallcalc/takeoff.h"

#include <QString>

#include <vector>

namespace ui {

using TakeoffRows = std::vector<wallcalc::TakeoffRow>;

// A block copied from a spreadsheet (cells by tab, rows by newline, a newline at the end) put in
// from station row and column on (0 is 桩号), with rows added as needed. Cells beyond the last
// input column are counted in clipped and left out.
TakeoffRows pasted(TakeoffRows rows, int row, int column, const QString& block, int inputs, int* clipped);

// An empty row before row.
TakeoffRows inserted(TakeoffRows rows, int row, int inputs);

// Rows first..last, both included.
TakeoffRows removed(TakeoffRows rows, int first, int last);

}  // namespace ui
