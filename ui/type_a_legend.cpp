// The Type A legend, drawn as vectors so that it stays crisp at any screen scale. Coordinates are
// the picture's own pixels: the wall body stands on the foundation, first-section letter before
// the slash and second-section letter after it.
#include "type_a_legend.h"

#include "client_area.h"

#include <QPainter>

namespace ui {

namespace {

constexpr int kWidth = 176;
constexpr int kHeight = 277;
constexpr int kTick = 3;  // half the length of a dimension line's end tick

void horizontalDimension(QPainter& painter, int y, int x1, int x2)
{
    painter.drawLine(x1, y, x2, y);
    painter.drawLine(x1, y - kTick, x1, y + kTick);
    painter.drawLine(x2, y - kTick, x2, y + kTick);
}

// Letters along a vertical mark read bottom to top, a quarter turn from upright.
void turnedLetters(QPainter& painter, const QPointF& centre, const QString& letters)
{
    painter.save();
    painter.translate(centre);
    painter.rotate(-90);
    painter.drawText(QRectF(-15, -6, 30, 12), Qt::AlignCenter, letters);
    painter.restore();
}

}  // namespace

void drawTypeALegend(QPainter& painter)
{
    painter.save();
    painter.fillRect(0, 0, kWidth, kHeight, Qt::black);
    painter.setPen(QPen(Qt::white, 0));
    painter.drawLine(0, kHeight - 1, kWidth - 1, kHeight - 1);

    // Wall body and foundation outlines.
    painter.setPen(QPen(Qt::green, 0));
    painter.drawLine(41, 28, 89, 28);
    painter.drawLine(41, 28, 34, 193);
    painter.drawLine(89, 28, 137, 193);
    painter.drawLine(17, 193, 150, 193);
    painter.drawLine(17, 193, 17, 218);
    painter.drawLine(150, 193, 150, 240);
    painter.drawLine(17, 218, 150, 240);

    // Red dimension marks: A/F over the top, H/J down the body, B/I under the body's base,
    // C/K and D/N beside the foundation's two edges.
    painter.setPen(QPen(Qt::red, 0));
    horizontalDimension(painter, 18, 41, 88);
    painter.drawLine(60, 28, 60, 100);
    painter.drawLine(60, 122, 60, 193);
    horizontalDimension(painter, 199, 34, 137);
    painter.drawLine(4, 193, 12, 193);
    painter.drawLine(4, 218, 12, 218);
    painter.drawLine(165, 193, 165, 203);
    painter.drawLine(165, 229, 165, 239);
    painter.drawLine(162, 193, 168, 193);
    painter.drawLine(162, 239, 168, 239);

    // E/O in white under the foundation.
    painter.setPen(QPen(Qt::white, 0));
    horizontalDimension(painter, 251, 17, 150);

    QFont letters = ClientArea::defaultFont();
    letters.setPixelSize(11);
    painter.setFont(letters);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.drawText(QRectF(41, 3, 48, 12), Qt::AlignCenter, "A/F");
    painter.drawText(QRectF(45, 105, 30, 12), Qt::AlignCenter, "H/J");
    painter.drawText(QRectF(70, 201, 30, 12), Qt::AlignCenter, "B/I");
    turnedLetters(painter, QPointF(8, 205.5), "C/K");
    turnedLetters(painter, QPointF(165, 216), "D/N");
    painter.drawText(QRectF(68, 256, 32, 12), Qt::AlignCenter, "E/O");
    painter.restore();
}

}  // namespace ui
