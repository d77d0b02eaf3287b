// Printing the calculation sheet: Qt's print preview, and from it the system's print dialog.
#pragma once

#include "sheet_document.h"

class QWidget;

namespace ui {

struct CalculationSheet;
struct LegendSource;

void previewAndPrint(QWidget& parent, const CalculationSheet& sheet, const LegendSource& legend);

// Any pages, titled 「打印计算书 - title」.
void previewAndPrint(QWidget& parent, const QString& title, const PaintPages& paint);

}  // namespace ui
