// Placing a window at its first showing: only then does the system know the frame it draws around
// it, which on a 1,366 × 768 laptop at 125 % is the difference between fitting and not.
#include "window_placement.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace ui {

namespace {

// Watches the window until its first Show event, which comes after the native window (and so its
// frame) exists and before it appears on screen.
class FirstShowing : public QObject {
public:
    FirstShowing(QWidget& window, bool mayShrink) : QObject(&window), mayShrink_(mayShrink)
    {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            watched->removeEventFilter(this);
            place(static_cast<QWidget&>(*watched));
            deleteLater();
        }
        return false;
    }

private:
    void place(QWidget& window) const
    {
        const QRect free = window.screen()->availableGeometry();
        const QRect outer = window.frameGeometry();
        const QRect inner = window.geometry();
        const QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                             outer.bottom() - inner.bottom());
        if (mayShrink_) {
            window.resize(window.size().boundedTo(free.size().shrunkBy(frame)));
        }
        QRect placed(QPoint(), window.size().grownBy(frame));
        placed.moveCenter(free.center());
        window.move(std::max(placed.left(), free.left()), std::max(placed.top(), free.top()));
    }

    bool mayShrink_;
};

}  // namespace

void centreOnScreen(QWidget& window)
{
    new FirstShowing(window, false);
}

void fitOnScreen(QWidget& window)
{
    new FirstShowing(window, true);
}

}  // namespace ui
