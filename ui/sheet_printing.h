// Printing the calculation sheet: Qt's print preview, and from it the system's print dialog.
#pragma once

class QWidget;

namespace ui {

struct CalculationSheet;
struct LegendSource;

void previewAndPrint(QWidget& parent, const CalculationSheet& sheet, const LegendSource& legend);

}  // namespace ui
