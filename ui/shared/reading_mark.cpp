// The reading mark: amber, and a corner triangle that says it without colour.
#include "reading_mark.h"

#include "wallcalc/arithmetic_fault.h"
#include "wallcalc/field_value.h"

#include <QPainter>

namespace ui {

namespace {

const QColor kMarkColour(0xE0, 0x8A, 0x00);

}  // namespace

QString readingReason(const QString& text)
{
    try {
        const wallcalc::NumberReading reading = wallcalc::ReadNumber(text.toStdString());
        if (reading.whole) {
            return {};
        }
        return QStringLiteral("读作 %1").arg(QString::fromStdString(wallcalc::FormatResult(reading.value)));
    } catch (const wallcalc::ArithmeticFault&) {
        return QStringLiteral("数太大，超出了能计算的范围");
    }
}

void paintReadingMark(QPainter& painter, const QRect& rect, const QString& reason)
{
    if (reason.isEmpty()) {
        return;
    }
    painter.save();
    painter.setPen(QPen(kMarkColour, 2));
    painter.drawRect(QRectF(rect).adjusted(1, 1, -1, -1));
    const qreal side = rect.height() / 2.5;
    const QPointF corner[] = {{rect.right() + 1 - side, qreal(rect.top())},
                              {rect.right() + 1.0, qreal(rect.top())},
                              {rect.right() + 1.0, rect.top() + side}};
    painter.setBrush(kMarkColour);
    painter.drawPolygon(corner, 3);
    painter.restore();
}

}  // namespace ui
