// The outlines and the places of the dimensions' letters come from the core's description of the
// calculator, the same polygons the checks test; this only places them in the widget at one scale
// for x and y, so a dimension typed a thousand times too large shows.
#include "section_drawing.h"

#include "calculator_form.h"
#include "takeoff_columns.h"

#include "wallcalc/arithmetic_fault.h"
#include "wallcalc/field_value.h"
#include "wallcalc/calculators.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace ui {

namespace {

// The smallest rectangle holding every corner; empty for no corners.
QRectF bounds(const std::vector<wallcalc::OutlinePart>& parts)
{
    double left = INFINITY, right = -INFINITY, bottom = INFINITY, top = -INFINITY;
    for (const wallcalc::OutlinePart& part : parts) {
        for (const wallcalc::Point& point : part.outline) {
            left = std::min(left, point.x);
            right = std::max(right, point.x);
            bottom = std::min(bottom, point.y);
            top = std::max(top, point.y);
        }
    }
    return left > right ? QRectF() : QRectF(QPointF(left, bottom), QPointF(right, top));
}

QPolygonF polygon(const wallcalc::Outline& outline, const QPointF& offset)
{
    QPolygonF shape;
    for (const wallcalc::Point& point : outline) {
        shape << QPointF(point.x, point.y) + offset;
    }
    return shape;
}

}  // namespace

double drawnValue(const QString& text)
{
    try {
        const double value = wallcalc::Val(text.toStdString());
        return std::isfinite(value) ? value : 0;
    } catch (const wallcalc::ArithmeticFault&) {
        return 0;
    }
}

SectionExtent sectionExtent(const wallcalc::Calculator& calculator, const std::vector<double>& dimensions)
{
    const std::vector<wallcalc::OutlinePart> parts = calculator.outline(dimensions);
    std::vector<wallcalc::OutlinePart> foundation;
    for (const wallcalc::OutlinePart& part : parts) {
        if (!part.body) {
            foundation.push_back(part);
        }
    }
    return {bounds(parts).height(), bounds(foundation).height()};
}

SectionDrawing::SectionDrawing(QWidget* parent) : QWidget(parent), calculator_(wallcalc::kCalculators.front())
{
    setObjectName(QStringLiteral("sectionView"));
    setAccessibleName(QStringLiteral("断面图"));
    setMinimumSize(200, 160);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
}

void SectionDrawing::setSections(const wallcalc::Calculator& calculator, std::vector<DrawnSection> solid,
                                 std::optional<DrawnSection> dashed)
{
    calculator_ = &calculator;
    solid_ = std::move(solid);
    dashed_ = std::move(dashed);
    update();
}

QSize SectionDrawing::sizeHint() const
{
    return {260, 220};
}

void SectionDrawing::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const TakeoffColumns columns = takeoffColumns(*calculator_);
    // Side by side with a gap of a fifth of the first section's width, one scale for all.
    std::vector<std::vector<wallcalc::OutlinePart>> parts;
    std::vector<QPointF> offsets;
    QRectF all;
    double x = 0;
    for (const DrawnSection& section : solid_) {
        parts.push_back(calculator_->outline(section.dimensions));
        const QRectF box = bounds(parts.back());
        offsets.emplace_back(x - box.left(), 0);
        all |= box.translated(offsets.back());
        x += box.width() * 1.2 + 1e-6;
    }
    std::vector<wallcalc::OutlinePart> behind;
    if (dashed_ && !offsets.empty()) {
        behind = calculator_->outline(dashed_->dimensions);
        all |= bounds(behind).translated(offsets.front());
    }
    const int text = fontMetrics().height();
    const QRectF room = QRectF(rect()).adjusted(text * 1.5, text * 1.5, -text * 1.5, -text * 2.5);
    if (all.width() <= 0 || all.height() <= 0 || !std::isfinite(all.width()) || !std::isfinite(all.height())) {
        painter.drawText(rect(), Qt::AlignCenter, QStringLiteral("尺寸不全，画不出断面"));
        return;
    }
    const double scale = std::min(room.width() / all.width(), room.height() / all.height());
    // Metres up on paper are pixels down on screen.
    QTransform toScreen;
    toScreen.translate(room.center().x(), room.center().y());
    toScreen.scale(scale, -scale);
    toScreen.translate(-all.center().x(), -all.center().y());

    const QColor body(0xC8, 0xC8, 0xC8);
    const QColor foundation(0xE6, 0xD2, 0xAA);
    painter.setPen(QPen(palette().color(QPalette::Text), 1, Qt::DashLine));
    for (const wallcalc::OutlinePart& part : behind) {
        painter.drawPolygon(toScreen.map(polygon(part.outline, offsets.front())));
    }
    for (std::size_t s = 0; s < parts.size(); ++s) {
        for (std::size_t p = 0; p < parts[s].size(); ++p) {
            painter.setPen(QPen(palette().color(QPalette::Text), 1.5));
            painter.setBrush(parts[s][p].body ? body : foundation);
            painter.drawPolygon(toScreen.map(polygon(parts[s][p].outline, offsets[s])));
        }
        painter.setBrush(Qt::NoBrush);
        for (const wallcalc::DimensionPlace& place : calculator_->dimensionPlaces) {
            const wallcalc::Outline& outline = parts[s][place.part].outline;
            const wallcalc::Point& a = outline[place.a];
            const wallcalc::Point& b = outline[place.b];
            const QPointF at = toScreen.map(QPointF(a.x + (b.x - a.x) * place.along, a.y + (b.y - a.y) * place.along) + offsets[s]);
            const BoxName row = describeHelp(columns.help(calculator_->columns[place.column].first));
            const QString letter = row.symbol.isEmpty() ? columns.inputHeadings[qsizetype(place.column)] : row.symbol;
            const QRectF box(at.x() - text * 2, at.y() - text / 2.0, text * 4, text);
            painter.setPen(palette().color(QPalette::Link));
            painter.drawText(box, Qt::AlignCenter, letter);
        }
        const QRectF shown = toScreen.mapRect(bounds(parts[s]).translated(offsets[s]));
        painter.setPen(palette().color(QPalette::Text));
        painter.drawText(QRectF(shown.left() - text, shown.bottom() + text / 2.0, shown.width() + 2 * text, text * 1.2),
                         Qt::AlignHCenter | Qt::AlignTop, solid_[s].title);
    }
}

}  // namespace ui
