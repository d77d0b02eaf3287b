// Centring a window on its screen at its first showing.
#include "window_placement.h"

#include <QScreen>
#include <QWidget>

namespace ui {

void centreOnScreen(QWidget& window)
{
    const QRect free = window.screen()->availableGeometry();
    QRect frame(QPoint(), window.size());
    frame.moveCenter(free.center());
    window.move(frame.topLeft());
}

}  // namespace ui
