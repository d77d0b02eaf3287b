// The calculation as the clipboard carries it: tab-separated text and an HTML table, so that a
// paste into a spreadsheet gives one value a cell and every number as a number.
#pragma once

class QMimeData;

namespace ui {

struct CalculationSheet;

QMimeData* sheetMimeData(const CalculationSheet& sheet);

}  // namespace ui
