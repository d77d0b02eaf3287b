// The print preview paints the same pages as the PDF, on the printer the user picks.
#include "sheet_printing.h"

#include "calculation_sheet.h"
#include "sheet_document.h"

#include <QDateTime>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>

namespace ui {

void previewAndPrint(QWidget& parent, const CalculationSheet& sheet, const LegendSource& legend)
{
    const QDateTime made = QDateTime::currentDateTime();
    previewAndPrint(parent, sheet.calculator, [&](QPagedPaintDevice& device) {
        paintSheet(device, sheet, legend, made);
        return true;
    });
}

void previewAndPrint(QWidget& parent, const QString& title, const PaintPages& paint)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setDocName(QStringLiteral("挡墙计算 计算书 ") + title);
    printer.setFullPage(true);
    QPrintPreviewDialog preview(&printer, &parent);
    preview.setWindowTitle(QStringLiteral("打印计算书 - ") + title);
    preview.resize(parent.screen()->availableGeometry().size() * 0.8);  // a page in view, not a strip
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, [&](QPrinter* target) {
        if (!paint(*target)) {
            target->abort();  // stopped: no half a sheet to the printer
        }
    });
    preview.exec();
}

}  // namespace ui
