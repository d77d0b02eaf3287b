// The calculation sheet on paper or in a PDF: A4 pages with the heading, the lines to sign, the
// legend as the window draws it, the inputs and the working, paginated.
#pragma once

#include <QRect>
#include <QString>

#include <functional>
#include <vector>

class QDateTime;
class QFont;
class QPainter;
class QPagedPaintDevice;
class QWidget;

namespace ui {

struct CalculationSheet;
struct WorkingLine;
class Pages;

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

// The title, what the sheet is of with the time it was made, and the lines to fill in by hand.
void paintSheetHead(Pages& pages, const QString& title, const QString& subject, const QString& place,
                    const QDateTime& made);

// The legend as its widget draws it, centred, at most 95 mm high.
void paintLegend(Pages& pages, const LegendSource& legend);

// Each result's formula, with the numbers put in, and its result.
void paintWorking(QPainter& painter, Pages& pages, const std::vector<WorkingLine>& working, const QFont& font);

// Pages painted onto a PDF written through a temporary file, so a failure leaves no half-written
// file; title follows 「挡墙计算 计算书 」 in its properties. Empty, or what went wrong in Chinese.
// paint returns false when the user stopped it: then no file is written, and the answer is empty.
using PaintPages = std::function<bool(QPagedPaintDevice&)>;
QString writePdf(const QString& path, const QString& title, const PaintPages& paint);

}  // namespace ui
