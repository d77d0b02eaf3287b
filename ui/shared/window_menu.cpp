// The action belongs to the window as well as to its menu, so its shortcut reaches it from any child.
#include "window_menu.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

namespace ui {

QAction* addWindowAction(QWidget& window, QMenu& menu, const char* objectName, const QString& text,
                         const QKeySequence& keys, const std::function<void()>& slot)
{
    QAction* action = menu.addAction(text);
    action->setObjectName(objectName);
    action->setShortcut(keys);
    window.addAction(action);
    QObject::connect(action, &QAction::triggered, &window, slot);
    return action;
}

}  // namespace ui
