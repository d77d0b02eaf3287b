// The calculation sheet on paper or in a PDF: A4 pages with the heading, the lines to sign, the
// legend as the window draws it, the inputs and the working, paginated.
#pragma once

#include <QRect>
#include <QString>

class QDateTime;
class QPagedPaintDevice;
class QWidget;

namespace ui {

struct CalculationSheet;

// Where the legend is: the widget that draws it and the part of it to copy, in its own pixels.
struct LegendSource {
    QWidget* widget;
    QRect rect;
};

void paintSheet(QPagedPaintDevice& device, const CalculationSheet& sheet, const LegendSource& legend,
                const QDateTime& made);

// Writes the sheet to a PDF through a temporary file, so a failure leaves no half-written file.
// Returns an empty text, or what went wrong in Chinese.
QString writeSheetPdf(const QString& path, const CalculationSheet& sheet, const LegendSource& legend,
                      const QDateTime& made);

}  // namespace ui
