// The Type A legend, drawn as vectors so that it stays crisp at any screen scale. Coordinates are
// the picture's own pixels: the wall body stands on the foundation, first-section letter before
// the slash and second-section letter after it.
#include "type_a_legend.h"

#include "form_builder.h"
#include "legible_colour.h"

#include <QPainter>

#include <array>

namespace ui {

namespace {

constexpr int kWidth = 176;
constexpr int kHeight = 277;

// A dimension's lines (a null line is none) and its letters, centred on a point and turned a
// quarter turn to read bottom to top where they run along a vertical edge.
struct Dimension {
    std::array<QLine, 6> lines;
    QPointF letterCentre;
    const char* letters;
    bool turned;
    bool white;
};

// In the order of TypeALegendMark. A/F over the top, B/I under the body's base and E/O under the
// foundation have end ticks; H/J runs down the body with its letters in a gap; C/K and D/N stand
// beside the foundation's two edges.
constexpr Dimension kDimensions[] = {
    {{QLine(41, 18, 88, 18), QLine(41, 15, 41, 21), QLine(88, 15, 88, 21)}, {65, 9}, "A/F", false, false},
    {{QLine(34, 199, 137, 199), QLine(34, 196, 34, 202), QLine(137, 196, 137, 202)}, {85, 207}, "B/I", false, false},
    {{QLine(60, 28, 60, 100), QLine(60, 122, 60, 193)}, {60, 111}, "H/J", false, false},
    {{QLine(4, 193, 12, 193), QLine(4, 218, 12, 218)}, {8, 205.5}, "C/K", true, false},
    {{QLine(165, 193, 165, 203), QLine(165, 229, 165, 239), QLine(162, 193, 168, 193), QLine(162, 239, 168, 239)},
     {165, 216}, "D/N", true, false},
    {{QLine(17, 251, 150, 251), QLine(17, 248, 17, 254), QLine(150, 248, 150, 254)}, {84, 262}, "E/O", false, true},
};

// Lines in their colour and the letters in white; a marked dimension all in the mark's colour.
void drawDimension(QPainter& painter, const Dimension& dimension, const QColor* mark)
{
    painter.setPen(mark ? QPen(*mark, 2) : QPen(dimension.white ? Qt::white : Qt::red, 1));
    for (const QLine& line : dimension.lines) {
        if (!line.isNull()) {
            painter.drawLine(line);
        }
    }
    painter.setPen(mark ? *mark : QColor(Qt::white));
    QFont font = painter.font();
    font.setBold(mark);
    painter.setFont(font);
    painter.save();
    painter.translate(dimension.letterCentre);
    painter.rotate(dimension.turned ? -90 : 0);
    painter.drawText(QRectF(-16, -6, 32, 12), Qt::AlignCenter, dimension.letters);
    painter.restore();
}

}  // namespace

void drawTypeALegend(QPainter& painter, const QPalette& palette, int marked)
{
    painter.save();
    painter.fillRect(0, 0, kWidth, kHeight, Qt::black);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawLine(0, kHeight - 1, kWidth - 1, kHeight - 1);

    // Wall body and foundation outlines.
    painter.setPen(QPen(Qt::green, 1));
    painter.drawLine(41, 28, 89, 28);
    painter.drawLine(41, 28, 34, 193);
    painter.drawLine(89, 28, 137, 193);
    painter.drawLine(17, 193, 150, 193);
    painter.drawLine(17, 193, 17, 218);
    painter.drawLine(150, 193, 150, 240);
    painter.drawLine(17, 218, 150, 240);

    QFont letters = ClientArea::defaultFont();
    letters.setPixelSize(11);
    painter.setFont(letters);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QColor mark = legible(palette.color(QPalette::Highlight), Qt::black);
    for (int n = 0; n < int(std::size(kDimensions)); ++n) {
        drawDimension(painter, kDimensions[n], n == marked ? &mark : nullptr);
    }
    painter.restore();
}

}  // namespace ui
