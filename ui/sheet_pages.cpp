// Each block measures itself first, so a row or a formula is never split across two pages.
#include "sheet_pages.h"

#include "client_area.h"

#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>

namespace ui {

QFont sheetFont(qreal points, bool bold)
{
    QFont font = ClientArea::defaultFont();
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

Pages::Pages(QPagedPaintDevice& device, QPainter& painter) : device_(device), painter_(painter)
{
    const qreal mm = device.logicalDpiY() / 25.4;
    area_ = QRectF(20 * mm, 18 * mm, device.width() - 40 * mm, device.height() - 36 * mm);
    y_ = area_.top();
    footer();
}

qreal Pages::mm() const
{
    return device_.logicalDpiY() / 25.4;
}

void Pages::reserve(qreal height)
{
    if (y_ + height > area_.bottom() && y_ > area_.top()) {
        device_.newPage();
        y_ = area_.top();
        footer();
        if (head_) {
            const std::function<void()> head = std::exchange(head_, nullptr);  // the head itself starts no page
            const QFont font = painter_.font();
            head();
            painter_.setFont(font);
            head_ = head;
        }
    }
}

qreal Pages::text(const QString& text, const QFont& font, qreal indent, int flags)
{
    painter_.setFont(font);
    const QRectF box(left() + indent, 0, width() - indent, 1e6);
    const qreal height = painter_.boundingRect(box, flags | Qt::TextWordWrap, text).height();
    reserve(height);
    painter_.drawText(QRectF(box.left(), y_, box.width(), height), flags | Qt::TextWordWrap, text);
    y_ += height;
    return height;
}

void Pages::row(const QStringList& cells, const std::vector<qreal>& widths, const QFont& font)
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

void Pages::fillIn(const QStringList& labels, const QFont& font)
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

void Pages::footer()
{
    ++page_;
    painter_.setFont(sheetFont(9));
    painter_.drawText(QRectF(area_.left(), area_.bottom() + 4 * mm(), area_.width(), 8 * mm()), Qt::AlignHCenter,
                      QStringLiteral("第 %1 页").arg(page_));
}

}  // namespace ui
