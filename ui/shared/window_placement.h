// Where a window first appears.
#pragma once

class QWidget;

namespace ui {

// At the window's first showing, puts it, frame included, in the middle of its screen's free area
// (the taskbar left out), its title bar never above the top; Qt keeps the place across hide and show.
void centreOnScreen(QWidget& window);
// The same for a window whose size is only a wish: where it does not fit the free area, frame
// included, it is first made as small as it has to be.
void fitOnScreen(QWidget& window);

}  // namespace ui
