// The Type A legend picture: the wall section with the letters of its dimensions.
#pragma once

class QPainter;

namespace ui {

// Draws the 176 × 277 pixel legend with its top left corner at the painter's origin.
void drawTypeALegend(QPainter& painter);

}  // namespace ui
