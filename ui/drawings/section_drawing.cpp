// The outlines come from the core, the same polygons the checks test; this only places them in
// the widget at one scale for x and y, so a dimension typed a thousand times too large shows.
#include "section_drawing.h"

#include "calculator_form.h"
#include "takeoff_columns.h"

#include "wallcalc/arithmetic_fault.h"
#include "wallcalc/field_value.h"
#include "wallcalc/section_outline.h"
#include "wallcalc/calculators.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace ui {

namespace {

// Where a dimension's letter goes: on an edge of one part, from corner a to corner b, at a
// fraction of the way along.
struct LetterPlace {
    int column;  // input column of the type, from 0
    int part;
    int a;
    int b;
    double along = 0.5;
};

constexpr LetterPlace kTypeA[] = {
    {0, 0, 2, 3}, {1, 0, 0, 1}, {2, 0, 3, 0}, {3, 1, 3, 0}, {4, 1, 1, 2}, {5, 1, 0, 1},
};
constexpr LetterPlace kTypeB[] = {
    {0, 0, 5, 0},      {1, 0, 1, 2}, {2, 0, 0, 1, 0.3}, {3, 1, 0, 1}, {4, 0, 0, 1, 0.75}, {5, 0, 4, 5},
    {6, 0, 3, 4},      {7, 1, 2, 3}, {8, 1, 1, 2},      {9, 0, 2, 3}, {10, 1, 3, 0, 0.1},
};
constexpr LetterPlace kFoundation[] = {
    {0, 0, 0, 1}, {1, 0, 1, 2}, {2, 1, 0, 1}, {3, 1, 1, 2}, {4, 2, 2, 3},
    {5, 2, 0, 1}, {6, 2, 3, 0}, {7, 3, 2, 3}, {8, 3, 0, 1}, {9, 3, 3, 0},
};

std::span<const LetterPlace> letterPlaces(int type)
{
    return type == 0 ? std::span<const LetterPlace>(kTypeA) : type == 1 ? std::span<const LetterPlace>(kTypeB)
                                                                        : std::span<const LetterPlace>(kFoundation);
}

// The wall body is the first part of Type A and Type B; every part of the foundation calculator,
// and the other parts, are foundation.
bool isBody(int type, std::size_t part)
{
    return type != 2 && part == 0;
}

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

SectionExtent sectionExtent(int type, const std::vector<double>& dimensions)
{
    const std::vector<wallcalc::OutlinePart> parts = wallcalc::SectionOutline(type, dimensions);
    std::vector<wallcalc::OutlinePart> foundation;
    for (std::size_t p = 0; p < parts.size(); ++p) {
        if (!isBody(type, p)) {
            foundation.push_back(parts[p]);
        }
    }
    return {bounds(parts).height(), bounds(foundation).height()};
}

SectionDrawing::SectionDrawing(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("sectionView"));
    setAccessibleName(QStringLiteral("断面图"));
    setMinimumSize(200, 160);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
}

void SectionDrawing::setSections(int type, std::vector<DrawnSection> solid, std::optional<DrawnSection> dashed)
{
    type_ = type;
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
    const TakeoffColumns columns = takeoffColumns(type_);
    // Side by side with a gap of a fifth of the first section's width, one scale for all.
    std::vector<std::vector<wallcalc::OutlinePart>> parts;
    std::vector<QPointF> offsets;
    QRectF all;
    double x = 0;
    for (const DrawnSection& section : solid_) {
        parts.push_back(wallcalc::SectionOutline(type_, section.dimensions));
        const QRectF box = bounds(parts.back());
        offsets.emplace_back(x - box.left(), 0);
        all |= box.translated(offsets.back());
        x += box.width() * 1.2 + 1e-6;
    }
    std::vector<wallcalc::OutlinePart> behind;
    if (dashed_ && !offsets.empty()) {
        behind = wallcalc::SectionOutline(type_, dashed_->dimensions);
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
            painter.setBrush(isBody(type_, p) ? body : foundation);
            painter.drawPolygon(toScreen.map(polygon(parts[s][p].outline, offsets[s])));
        }
        painter.setBrush(Qt::NoBrush);
        for (const LetterPlace& place : letterPlaces(type_)) {
            const wallcalc::Outline& outline = parts[s][std::size_t(place.part)].outline;
            const wallcalc::Point& a = outline[std::size_t(place.a)];
            const wallcalc::Point& b = outline[std::size_t(place.b)];
            const QPointF at = toScreen.map(QPointF(a.x + (b.x - a.x) * place.along, a.y + (b.y - a.y) * place.along) + offsets[s]);
            const BoxName row = describeHelp(columns.help(columns.type->columns[std::size_t(place.column)].first));
            const QString letter = row.symbol.isEmpty() ? columns.inputHeadings[place.column] : row.symbol;
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
