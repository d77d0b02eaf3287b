// A calculation sheet's pages: A4 with margins, 「第 N 页 共 M 页」 at the foot, and blocks of text
// and table rows laid top to bottom, each on a new page where it would not fit.
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

// Told of each page as it is laid out (total 0: not known yet), then as it is painted (done of
// total); returns false to stop the sheet.
using PageProgress = std::function<bool(int done, int total)>;

// Blocks are laid out first and painted by paint(), once the number of pages is known.
class Pages {
public:
    Pages(QPagedPaintDevice& device, QPainter& painter, PageProgress progress = {});

    qreal mm() const;
    qreal width() const { return area_.width(); }
    qreal left() const { return area_.left(); }
    qreal top() const { return y_; }

    // Room for a block of this height, on a new page if this one has too little left.
    void reserve(qreal height);
    void skip(qreal height) { y_ += height; }
    // Drawn at the top of every page begun from now on, as a table's heading row.
    void setPageHead(std::function<void()> head) { head_ = std::move(head); }

    // Text wrapped to the width from indent on; the height it took. A block taller than a page
    // goes on over as many pages as it needs, line by line.
    qreal text(const QString& text, const QFont& font, qreal indent = 0, int flags = Qt::AlignLeft);
    // A table row: cells of the given widths (fractions of the page width), a line under it.
    void row(const QStringList& cells, const std::vector<qreal>& widths, const QFont& font);
    // Labels side by side, each with a line to write on by hand up to the next.
    void fillIn(const QStringList& labels, const QFont& font);
    // A drawing of that height at the current place, across the width; draw paints it from the
    // given top left corner when the page is painted.
    void drawing(qreal height, std::function<void(QPainter&, QPointF)> draw);

    // The user stopped the sheet: what is still laid out is skipped, and paint() paints nothing.
    bool cancelled() const { return cancelled_; }
    int count() const { return int(pages_.size()); }
    // Paints every page with its number of the count; false when stopped.
    bool paint();

private:
    // Text in its box; a line along the top of its box; or drawings_[drawing] from its top left.
    struct Block {
        QRectF rect;
        QString text;
        QFont font;
        int flags = 0;
        int drawing = -1;
        bool line = false;
    };

    void add(Block block);
    void newPage();
    void flow(const QString& text, const QFont& font, const QRectF& box, int flags);

    QPagedPaintDevice& device_;
    QPainter& painter_;
    PageProgress progress_;
    QRectF area_;
    qreal y_ = 0;
    bool cancelled_ = false;
    std::vector<std::vector<Block>> pages_;
    std::vector<std::function<void(QPainter&, QPointF)>> drawings_;
    std::function<void()> head_;
};

}  // namespace ui
