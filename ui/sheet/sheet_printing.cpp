// The print preview paints the same pages as the PDF, on the printer the user picks. Without any
// printer Qt would still open the preview, and its 打印 would quietly turn into a PDF dialog with no
// file name; the user is told instead.
#include "sheet_printing.h"

#include "calculation_sheet.h"
#include "sheet_document.h"

#include <QDateTime>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScreen>

namespace ui {

void previewAndPrint(QWidget& parent, const CalculationSheet& sheet, const LegendSource& legend,
                     const std::function<void()>& exportInstead)
{
    const QDateTime made = QDateTime::currentDateTime();
    previewAndPrint(
        parent, sheet.calculator,
        [&](QPagedPaintDevice& device) {
            paintSheet(device, sheet, legend, made);
            return true;
        },
        exportInstead);
}

void previewAndPrint(QWidget& parent, const QString& title, const PaintPages& paint,
                     const std::function<void()>& exportInstead)
{
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        if (offerPdfInstead(parent)) {
            exportInstead();
        }
        return;
    }
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

bool offerPdfInstead(QWidget& parent)
{
    QMessageBox message(QMessageBox::Information, QStringLiteral("打印计算书"),
                        QStringLiteral("这台电脑上没有安装打印机，不能打印计算书。\n\n"
                                       "可以先把计算书导出为 PDF 文件，再拿到有打印机的电脑上打印。"),
                        QMessageBox::NoButton, &parent);
    message.setObjectName(QStringLiteral("NoPrinterMessage"));
    QPushButton* pdf = message.addButton(QStringLiteral("导出计算书为 PDF…"), QMessageBox::AcceptRole);
    message.addButton(QStringLiteral("取消"), QMessageBox::RejectRole);
    message.setDefaultButton(pdf);
    message.exec();
    return message.clickedButton() == pdf;
}

}  // namespace ui
