// A calculator's calculation table as an Excel workbook: its inputs as typed and its results as shown.
#pragma once

#include <QString>

namespace ui {

struct CalculationSheet;

// Empty, or what went wrong in Chinese; a failed export leaves no file at path (and an old one as it was).
QString writeSheetWorkbook(const QString& path, const CalculationSheet& sheet);

}  // namespace ui
