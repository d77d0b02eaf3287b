// The Type A legend picture: the wall section with the letters of its dimensions.
#pragma once

class QPainter;
class QPalette;

namespace ui {

// The legend's dimension marks, each with its first-section and second-section letter.
enum TypeALegendMark : int { MarkAF, MarkBI, MarkHJ, MarkCK, MarkDN, MarkEO };

// Draws the 176 × 277 pixel legend with its top left corner at the painter's origin, the marked
// dimension (-1 for none) heavier in the palette's highlight colour.
void drawTypeALegend(QPainter& painter, const QPalette& palette, int marked);

}  // namespace ui
