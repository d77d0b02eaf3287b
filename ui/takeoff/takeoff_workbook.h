// A take-off as an Excel workbook: 「逐桩输入」, the stations and inputs as typed, and 「工程数量表」,
// the quantity sheet with the bill's rounding and totals as formulas a spreadsheet recalculates.
#pragma once

#include <QString>

namespace ui {

class TakeoffTexts;

// Empty, or what went wrong in Chinese; a failed export leaves no file at path (and an old one as it was).
QString writeTakeoffWorkbook(const QString& path, const TakeoffTexts& texts);

}  // namespace ui
