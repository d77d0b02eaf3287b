// Lays out the calculation sheet on A4 pages, top to bottom, starting a new page where the next
// block would not fit. The text stays text, the legend stays vector, and the fonts are embedded.
#include "sheet_document.h"

#include "calculation_sheet.h"
#include "client_area.h"

#include <QDateTime>
#include <QFileInfo>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QWidget>

#include <algorithm>
#include <vector>

namespace ui {

namespace {

QFont sheetFont(qreal points, bool bold = false)
{
    QFont font = ClientArea::defaultFont();
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

class Pages {
public:
    Pages(QPagedPaintDevice& device, QPainter& painter) : device_(device), painter_(painter)
    {
        const qreal mm = device.logicalDpiY() / 25.4;
        area_ = QRectF(20 * mm, 18 * mm, device.width() - 40 * mm, device.height() - 36 * mm);
        y_ = area_.top();
        footer();
    }

    qreal mm() const { return device_.logicalDpiY() / 25.4; }
    qreal width() const { return area_.width(); }
    qreal left() const { return area_.left(); }
    qreal top() const { return y_; }

    // Room for a block of this height, on a new page if this one has too little left.
    void reserve(qreal height)
    {
        if (y_ + height > area_.bottom() && y_ > area_.top()) {
            device_.newPage();
            y_ = area_.top();
            footer();
        }
    }

    void skip(qreal height) { y_ += height; }

    // Text wrapped to the width from indent on; the height it took.
    qreal text(const QString& text, const QFont& font, qreal indent = 0, int flags = Qt::AlignLeft)
    {
        painter_.setFont(font);
        const QRectF box(left() + indent, 0, width() - indent, 1e6);
        const qreal height = painter_.boundingRect(box, flags | Qt::TextWordWrap, text).height();
        reserve(height);
        painter_.drawText(QRectF(box.left(), y_, box.width(), height), flags | Qt::TextWordWrap, text);
        y_ += height;
        return height;
    }

    // A table row: cells of the given widths (fractions of the page width), a line under it.
    void row(const QStringList& cells, const std::vector<qreal>& widths, const QFont& font)
    {
        painter_.setFont(font);
        qreal height = 0;
        for (qsizetype n = 0; n < cells.size(); ++n) {
            const QRectF box(0, 0, widths[n] * width() - mm(), 1e6);
            height = std::max(height, painter_.boundingRect(box, Qt::TextWordWrap, cells[n]).height());
        }
        height += mm();
        reserve(height);
        qreal x = left();
        for (qsizetype n = 0; n < cells.size(); ++n) {
            painter_.drawText(QRectF(x, y_ + mm() / 2, widths[n] * width() - mm(), height), Qt::TextWordWrap, cells[n]);
            x += widths[n] * width();
        }
        y_ += height;
        painter_.drawLine(QPointF(left(), y_), QPointF(left() + width(), y_));
    }

    // Labels side by side, each with a line to write on by hand up to the next.
    void fillIn(const QStringList& labels, const QFont& font)
    {
        painter_.setFont(font);
        const qreal height = painter_.fontMetrics().height() + 5 * mm();
        reserve(height);
        const qreal baseline = y_ + height - 2 * mm();
        const qreal share = width() / labels.size();
        for (qsizetype n = 0; n < labels.size(); ++n) {
            const qreal x = left() + n * share;
            painter_.drawText(QPointF(x, baseline), labels[n]);
            painter_.drawLine(QPointF(x + painter_.fontMetrics().horizontalAdvance(labels[n]), baseline + mm() / 2),
                              QPointF(x + share - 4 * mm(), baseline + mm() / 2));
        }
        y_ += height;
    }

private:
    void footer()
    {
        ++page_;
        painter_.setFont(sheetFont(9));
        painter_.drawText(QRectF(area_.left(), area_.bottom() + 4 * mm(), area_.width(), 8 * mm()), Qt::AlignHCenter,
                          QStringLiteral("第 %1 页").arg(page_));
    }

    QPagedPaintDevice& device_;
    QPainter& painter_;
    QRectF area_;
    qreal y_ = 0;
    int page_ = 0;
};

void paintLegend(QPainter& painter, Pages& pages, const LegendSource& legend)
{
    const qreal maxWidth = pages.width() * 0.9;
    const qreal maxHeight = 95 * pages.mm();
    const qreal scale = std::min(maxWidth / legend.rect.width(), maxHeight / legend.rect.height());
    const QSizeF size = QSizeF(legend.rect.size()) * scale;
    pages.reserve(size.height());
    painter.save();
    painter.translate(pages.left() + (pages.width() - size.width()) / 2, pages.top());
    painter.scale(scale, scale);
    legend.widget->render(&painter, QPoint(), QRegion(legend.rect), QWidget::DrawChildren);
    painter.restore();
    pages.skip(size.height() + 4 * pages.mm());
}

}  // namespace

void paintSheet(QPagedPaintDevice& device, const CalculationSheet& sheet, const LegendSource& legend,
                const QDateTime& made)
{
    QPainter painter(&device);
    Pages pages(device, painter);
    const QFont body = sheetFont(10.5);
    const QFont heading = sheetFont(12, true);

    pages.text(QStringLiteral("挡墙计算 计算书"), sheetFont(18, true), 0, Qt::AlignHCenter);
    pages.text(sheet.calculator + QStringLiteral("　　") + made.toString(QStringLiteral("yyyy-MM-dd HH:mm")), body,
               0, Qt::AlignHCenter);
    pages.skip(4 * pages.mm());
    pages.fillIn({QStringLiteral("工程名称："), QStringLiteral("部位/桩号：")}, body);
    pages.fillIn({QStringLiteral("计算："), QStringLiteral("复核：")}, body);
    pages.skip(3 * pages.mm());
    paintLegend(painter, pages, legend);

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
    for (const WorkingLine& line : sheet.working) {
        const QString text = line.name + QStringLiteral(" = ") + line.letters + QStringLiteral("\n= ") + line.numbers +
                             QStringLiteral("\n= ") + line.result + (line.unit.isEmpty() ? "" : " " + line.unit);
        painter.setFont(body);
        pages.reserve(painter.boundingRect(QRectF(0, 0, pages.width(), 1e6), Qt::TextWordWrap, text).height());
        pages.text(text, body);
        pages.skip(2.5 * pages.mm());
    }
}

QString writeSheetPdf(const QString& path, const CalculationSheet& sheet, const LegendSource& legend,
                      const QDateTime& made)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return QStringLiteral("无法在“%1”里写文件：%2").arg(QFileInfo(path).absolutePath(), file.errorString());
    }
    {
        QPdfWriter writer(&file);
        writer.setTitle(QStringLiteral("挡墙计算 计算书 ") + sheet.calculator);
        writer.setCreator(QStringLiteral("挡墙计算"));
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        paintSheet(writer, sheet, legend, made);
    }
    if (!file.commit()) {
        return QStringLiteral("计算书没有保存成功：%1").arg(file.errorString());
    }
    return {};
}

}  // namespace ui
