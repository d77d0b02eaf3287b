// How a number a person typed is marked when it reads otherwise than it shows: the wording of the
// mark and its drawing, shared by the calculators' boxes and the take-off's cells.
#pragma once

#include <QString>

class QPainter;
class QRect;

namespace ui {

// Empty when the text reads as it shows; else 「读作 1」 or why it cannot be read at all.
QString readingReason(const QString& text);

// The amber frame and corner triangle over a box or cell of that size, drawn when there is a
// reason for it: the calculators' boxes and the take-off's cells are marked by this alone.
void paintReadingMark(QPainter& painter, const QRect& rect, const QString& reason);

}  // namespace ui
