// Every edge of the column's widgets lies on a grid of 4 logical pixels counted from the window's
// corner, which at 125 %, 150 % and 175 % falls on whole device pixels.
#include "pixel_grid_column.h"

#include <QVBoxLayout>

#include <algorithm>

namespace ui {

namespace {

constexpr int kGrid = 4;

int onGrid(int length)
{
    return (length + kGrid - 1) / kGrid * kGrid;
}

// The offset in [0, room] nearest to the middle that puts origin + offset on the grid.
int gridOffset(int origin, int room)
{
    int offset = (origin + room / 2) / kGrid * kGrid - origin;
    while (offset < 0) {
        offset += kGrid;
    }
    return std::min(offset, std::max(room, 0));
}

}  // namespace

PixelGridColumn::PixelGridColumn(int minimumWidth, QWidget* parent)
    : QWidget(parent), column_(new QWidget(this)), layout_(new QVBoxLayout(column_)), width_(onGrid(minimumWidth))
{
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setSpacing(2 * kGrid);
}

void PixelGridColumn::addWidget(QWidget* widget)
{
    widget->setFixedHeight(onGrid(widget->sizeHint().height()));
    width_ = std::max(width_, onGrid(widget->sizeHint().width()));
    layout_->addWidget(widget);
    column_->setFixedSize(width_, layout_->sizeHint().height());
    updateGeometry();
}

void PixelGridColumn::addSpacing(int space)
{
    layout_->addSpacing(onGrid(space));
}

QSize PixelGridColumn::sizeHint() const
{
    return column_->size();
}

QSize PixelGridColumn::minimumSizeHint() const
{
    return column_->size();
}

void PixelGridColumn::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    place();
}

void PixelGridColumn::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    place();
}

void PixelGridColumn::place()
{
    const QPoint origin = mapTo(window(), QPoint());
    column_->move(gridOffset(origin.x(), width() - column_->width()), gridOffset(origin.y(), height() - column_->height()));
}

}  // namespace ui
