// Lays out the calculation sheet on A4 pages, top to bottom, starting a new page where the next
// block would not fit. The text stays text, the legend stays vector, and the fonts are embedded.
#include "sheet_document.h"

#include "calculation_sheet.h"
#include "sheet_pages.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QWidget>

#include <algorithm>
#include <vector>

namespace ui {

void paintLegend(Pages& pages, const LegendSource& legend)
{
    const qreal maxWidth = pages.width() * 0.9;
    const qreal maxHeight = 95 * pages.mm();
    const qreal scale = std::min(maxWidth / legend.rect.width(), maxHeight / legend.rect.height());
    const QSizeF size = QSizeF(legend.rect.size()) * scale;
    const qreal indent = (pages.width() - size.width()) / 2;
    pages.drawing(size.height(), [legend, scale, indent](QPainter& painter, QPointF topLeft) {
        painter.save();
        painter.translate(topLeft.x() + indent, topLeft.y());
        painter.scale(scale, scale);
        legend.widget->render(&painter, QPoint(), QRegion(legend.rect), QWidget::DrawChildren);
        painter.restore();
    });
    pages.skip(4 * pages.mm());
}

void paintSheet(QPagedPaintDevice& device, const CalculationSheet& sheet, const LegendSource& legend,
                const QDateTime& made)
{
    QPainter painter(&device);
    Pages pages(device, painter);
    const QFont body = sheetFont(10.5);
    const QFont heading = sheetFont(12, true);

    paintSheetHead(pages, QStringLiteral("挡墙计算 计算书"), sheet.calculator, QStringLiteral("部位/桩号："), made);
    paintLegend(pages, legend);

    pages.text(QStringLiteral("一、输入尺寸"), heading);
    const std::vector<qreal> inputColumns{0.14, 0.44, 0.2, 0.08, 0.14};
    pages.row({QStringLiteral("代号"), QStringLiteral("含义"), QStringLiteral("输入"), QStringLiteral("单位"),
               QStringLiteral("按此计算")},
              inputColumns, sheetFont(10.5, true));
    bool anyReadOtherwise = false;
    for (const SheetRow& row : sheet.inputs) {
        const bool marked = !row.readAs.isEmpty() && !row.text.trimmed().isEmpty();
        anyReadOtherwise = anyReadOtherwise || marked;
        const QString typed = row.text.trimmed().isEmpty() ? QStringLiteral("（空）") : row.text;
        pages.row({row.symbol, row.meaning, typed, row.unit, row.readAs.isEmpty() ? QString() : (marked ? "※ " : "") + row.readAs},
                  inputColumns, body);
    }
    if (anyReadOtherwise) {
        pages.text(QStringLiteral("※ 输入的文字不全是一个数，计算按“按此计算”一栏的数进行。"), sheetFont(9));
    }
    pages.skip(5 * pages.mm());

    pages.reserve(30 * pages.mm());  // the heading not alone at the foot of a page
    pages.text(QStringLiteral("二、计算过程"), heading);
    pages.skip(2 * pages.mm());
    paintWorking(painter, pages, sheet.working, body);
    pages.paint();
}

void paintSheetHead(Pages& pages, const QString& title, const QString& subject, const QString& place,
                    const QDateTime& made)
{
    const QFont body = sheetFont(10.5);
    pages.text(title, sheetFont(18, true), 0, Qt::AlignHCenter);
    pages.text(subject + QStringLiteral("　　") + made.toString(QStringLiteral("yyyy-MM-dd HH:mm")), body, 0,
               Qt::AlignHCenter);
    pages.skip(4 * pages.mm());
    pages.fillIn({QStringLiteral("工程名称："), place}, body);
    pages.fillIn({QStringLiteral("计算："), QStringLiteral("复核：")}, body);
    pages.skip(3 * pages.mm());
}

void paintWorking(QPainter& painter, Pages& pages, const std::vector<WorkingLine>& working, const QFont& font)
{
    for (const WorkingLine& line : working) {
        const QString text = line.name + QStringLiteral(" = ") + line.letters + QStringLiteral("\n= ") + line.numbers +
                             QStringLiteral("\n= ") + line.result + (line.unit.isEmpty() ? "" : " " + line.unit);
        painter.setFont(font);
        pages.reserve(painter.boundingRect(QRectF(0, 0, pages.width(), 1e6), Qt::TextWordWrap, text).height());
        pages.text(text, font);
        pages.skip(2.5 * pages.mm());
    }
}

QString writeSheetPdf(const QString& path, const CalculationSheet& sheet, const LegendSource& legend,
                      const QDateTime& made)
{
    return writePdf(path, sheet.calculator, [&](QPagedPaintDevice& device) {
        paintSheet(device, sheet, legend, made);
        return true;
    });
}

QString writePdf(const QString& path, const QString& title, const PaintPages& paint)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return QStringLiteral("无法在“%1”里写文件：%2")
            .arg(QDir::toNativeSeparators(QFileInfo(path).absolutePath()), file.errorString());
    }
    bool painted = false;
    {
        QPdfWriter writer(&file);
        writer.setTitle(QStringLiteral("挡墙计算 计算书 ") + title);
        writer.setCreator(QStringLiteral("挡墙计算"));
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        painted = paint(writer);
    }
    if (!painted) {
        file.cancelWriting();  // stopped by the user: the file stays as it was, or is not made
        return {};
    }
    if (!file.commit()) {
        return QStringLiteral("计算书没有保存成功：%1").arg(file.errorString());
    }
    return {};
}

}  // namespace ui
