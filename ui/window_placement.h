// Where a window first appears.
#pragma once

class QWidget;

namespace ui {

// Puts the window in the middle of its screen's free area; Qt keeps the place across hide and show.
void centreOnScreen(QWidget& window);

}  // namespace ui
