// Heights up from a common base line and foundation depths down from it, both at one scale, so the
// strip reads like a long section of the wall.
#include "wall_strip.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace ui {

WallStrip::WallStrip(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("wallStrip"));
    setAccessibleName(QStringLiteral("沿桩号的墙高和基础深度"));
    setMinimumHeight(60);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
}

void WallStrip::setStations(std::vector<StripStation> stations, int current)
{
    stations_ = std::move(stations);
    current_ = current;
    update();
}

QSize WallStrip::sizeHint() const
{
    return {260, 70};
}

void WallStrip::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (stations_.size() < 2) {
        painter.drawText(rect(), Qt::AlignCenter, QStringLiteral("两个桩号以上才画沿线图"));
        return;
    }
    const auto ends = std::minmax_element(stations_.begin(), stations_.end(),
                                          [](const StripStation& a, const StripStation& b) { return a.metres < b.metres; });
    const double start = ends.first->metres;
    const double end = ends.second->metres;
    double tallest = 0;
    double deepest = 0;
    for (const StripStation& station : stations_) {
        tallest = std::max(tallest, station.height);
        deepest = std::max(deepest, station.foundation);
    }
    const QRectF room = QRectF(rect()).adjusted(6, 6, -6, -6);
    const double span = std::max(end - start, 1e-9);
    const double depth = std::max(tallest + deepest, 1e-9);
    const double base = room.top() + room.height() * tallest / depth;
    const auto x = [&](double metres) { return room.left() + room.width() * (metres - start) / span; };
    const auto y = [&](double up) { return base - room.height() * up / depth; };
    QPolygonF top;
    QPolygonF bottom;
    for (const StripStation& station : stations_) {
        top << QPointF(x(station.metres), y(station.height));
        bottom << QPointF(x(station.metres), y(-station.foundation));
    }
    painter.setPen(QPen(palette().color(QPalette::Mid), 1));
    painter.drawLine(QPointF(room.left(), base), QPointF(room.right(), base));
    painter.setPen(QPen(palette().color(QPalette::Text), 1.5));
    painter.drawPolyline(top);
    painter.setPen(QPen(QColor(0xA0, 0x70, 0x20), 1.5));
    painter.drawPolyline(bottom);
    if (current_ >= 0 && std::size_t(current_) < stations_.size()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        const double at = x(stations_[std::size_t(current_)].metres);
        painter.drawLine(QPointF(at, room.top()), QPointF(at, room.bottom()));
    }
}

}  // namespace ui
