// Printing the calculation sheet: Qt's print preview, and from it the system's print dialog; on a
// system without a printer, an offer to export the sheet as a PDF instead.
#pragma once

#include "sheet_document.h"

#include <functional>

class QWidget;

namespace ui {

struct CalculationSheet;
struct LegendSource;

// exportInstead is the window's own 导出计算书为 PDF…, run when there is no printer and the user takes
// up the offer.
void previewAndPrint(QWidget& parent, const CalculationSheet& sheet, const LegendSource& legend,
                     const std::function<void()>& exportInstead);

// Any pages, titled 「打印计算书 - title」.
void previewAndPrint(QWidget& parent, const QString& title, const PaintPages& paint,
                     const std::function<void()>& exportInstead);

// Says that the system has no printer; true when the user chose 导出计算书为 PDF… over 取消.
bool offerPdfInstead(QWidget& parent);

}  // namespace ui
