// A calculation sheet's pages: A4 with margins, a page number at the foot, and blocks of text and
// table rows laid top to bottom, each on a new page where it would not fit.
#pragma once

#include <QFont>
#include <QRectF>
#include <QStringList>

#include <functional>
#include <vector>

class QPagedPaintDevice;
class QPainter;

namespace ui {

QFont sheetFont(qreal points, bool bold = false);

class Pages {
public:
    Pages(QPagedPaintDevice& device, QPainter& painter);

    qreal mm() const;
    qreal width() const { return area_.width(); }
    qreal left() const { return area_.left(); }
    qreal top() const { return y_; }

    // Room for a block of this height, on a new page if this one has too little left.
    void reserve(qreal height);
    void skip(qreal height) { y_ += height; }
    // Drawn at the top of every page begun from now on, as a table's heading row.
    void setPageHead(std::function<void()> head) { head_ = std::move(head); }

    // Text wrapped to the width from indent on; the height it took.
    qreal text(const QString& text, const QFont& font, qreal indent = 0, int flags = Qt::AlignLeft);
    // A table row: cells of the given widths (fractions of the page width), a line under it.
    void row(const QStringList& cells, const std::vector<qreal>& widths, const QFont& font);
    // Labels side by side, each with a line to write on by hand up to the next.
    void fillIn(const QStringList& labels, const QFont& font);

private:
    void footer();

    QPagedPaintDevice& device_;
    QPainter& painter_;
    QRectF area_;
    qreal y_ = 0;
    int page_ = 0;
    std::function<void()> head_;
};

}  // namespace ui
