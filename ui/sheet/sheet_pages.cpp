// Each block measures itself first, so a row or a formula is never split across two pages; only a
// block taller than a whole page is, between its lines. Nothing is drawn below the text area, where
// the page number goes.
#include "sheet_pages.h"

#include "form_builder.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextLayout>

#include <algorithm>

namespace ui {

QFont sheetFont(qreal points, bool bold)
{
    QFont font = ClientArea::defaultFont();
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

Pages::Pages(QPagedPaintDevice& device, QPainter& painter, PageProgress progress)
    : device_(device), painter_(painter), progress_(std::move(progress))
{
    const qreal mm = device.logicalDpiY() / 25.4;
    area_ = QRectF(20 * mm, 18 * mm, device.width() - 40 * mm, device.height() - 36 * mm);
    y_ = area_.top();
    pages_.emplace_back();
}

qreal Pages::mm() const
{
    return device_.logicalDpiY() / 25.4;
}

void Pages::add(Block block)
{
    pages_.back().push_back(std::move(block));
}

void Pages::newPage()
{
    pages_.emplace_back();
    y_ = area_.top();
    if (progress_ && !progress_(count(), 0)) {
        cancelled_ = true;
    }
}

void Pages::reserve(qreal height)
{
    if (cancelled_ || y_ + height <= area_.bottom() || y_ <= area_.top()) {
        return;
    }
    newPage();
    if (head_) {
        const std::function<void()> head = std::exchange(head_, nullptr);  // the head itself starts no page
        const QFont font = painter_.font();
        head();
        painter_.setFont(font);
        head_ = head;
    }
}

qreal Pages::text(const QString& text, const QFont& font, qreal indent, int flags)
{
    if (cancelled_) {
        return 0;
    }
    painter_.setFont(font);
    const QRectF box(left() + indent, 0, width() - indent, 1e6);
    const qreal height = painter_.boundingRect(box, flags | Qt::TextWordWrap, text).height();
    if (height <= area_.height()) {
        reserve(height);
    }
    if (y_ + height > area_.bottom()) {
        const qreal from = y_;
        flow(text, font, box, flags);
        return y_ - from;
    }
    add({QRectF(box.left(), y_, box.width(), height), text, font, flags | Qt::TextWordWrap, -1, false});
    y_ += height;
    return height;
}

// Line by line as the text wraps; a run with no place to break (a long typed number) breaks at the
// page's edge.
void Pages::flow(const QString& text, const QFont& font, const QRectF& box, int flags)
{
    QTextOption option(Qt::Alignment(flags & Qt::AlignHorizontal_Mask));
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    for (const QString& paragraph : text.split('\n')) {
        QTextLayout layout(paragraph, font, painter_.device());
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(box.width());
        }
        layout.endLayout();
        for (int n = 0; n < layout.lineCount() && !cancelled_; ++n) {
            const QTextLine line = layout.lineAt(n);
            reserve(line.height());
            add({QRectF(box.left(), y_, box.width(), line.height()), paragraph.mid(line.textStart(), line.textLength()),
                 font, flags & ~Qt::TextWordWrap, -1, false});
            y_ += line.height();
        }
    }
}

void Pages::row(const QStringList& cells, const std::vector<qreal>& widths, const QFont& font)
{
    if (cancelled_) {
        return;
    }
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
        if (!cells[n].isEmpty()) {
            add({QRectF(x, y_ + mm() / 2, widths[n] * width() - mm(), height), cells[n], font, Qt::TextWordWrap, -1, false});
        }
        x += widths[n] * width();
    }
    y_ += height;
    add({QRectF(left(), y_, width(), 0), {}, {}, 0, -1, true});
}

void Pages::fillIn(const QStringList& labels, const QFont& font)
{
    if (cancelled_) {
        return;
    }
    painter_.setFont(font);
    const qreal height = painter_.fontMetrics().height() + 5 * mm();
    reserve(height);
    const qreal baseline = y_ + height - 2 * mm();
    const qreal share = width() / labels.size();
    for (qsizetype n = 0; n < labels.size(); ++n) {
        const qreal x = left() + n * share;
        const QFontMetricsF metrics(font, painter_.device());
        const qreal advance = metrics.horizontalAdvance(labels[n]);
        add({QRectF(x, baseline - metrics.ascent(), advance + mm(), metrics.height()), labels[n], font, Qt::AlignLeft, -1, false});
        add({QRectF(x + advance, baseline + mm() / 2, share - 4 * mm() - advance, 0), {}, {}, 0, -1, true});
    }
    y_ += height;
}

void Pages::drawing(qreal height, std::function<void(QPainter&, QPointF)> draw)
{
    if (cancelled_) {
        return;
    }
    reserve(height);
    drawings_.push_back(std::move(draw));
    add({QRectF(left(), y_, width(), height), {}, {}, 0, int(drawings_.size()) - 1, false});
    y_ += height;
}

bool Pages::paint()
{
    const int total = count();
    for (int page = 0; page < total && !cancelled_; ++page) {
        if (page > 0) {
            device_.newPage();
        }
        for (const Block& block : pages_[std::size_t(page)]) {
            if (block.drawing >= 0) {
                drawings_[std::size_t(block.drawing)](painter_, block.rect.topLeft());
            } else if (block.line) {
                painter_.drawLine(block.rect.topLeft(), block.rect.topRight());
            } else {
                painter_.setFont(block.font);
                painter_.drawText(block.rect, block.flags, block.text);
            }
        }
        painter_.setFont(sheetFont(9));
        painter_.drawText(QRectF(area_.left(), area_.bottom() + 4 * mm(), area_.width(), 8 * mm()), Qt::AlignHCenter,
                          QStringLiteral("第 %1 页 共 %2 页").arg(page + 1).arg(total));
        if (progress_ && !progress_(page + 1, total)) {
            cancelled_ = true;
        }
    }
    return !cancelled_;
}

}  // namespace ui
