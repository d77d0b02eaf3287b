// A menu entry of a window's own menu bar whose shortcut works wherever the focus is in the window.
#pragma once

#include <QKeySequence>
#include <QString>

#include <functional>

class QAction;
class QMenu;
class QWidget;

namespace ui {

QAction* addWindowAction(QWidget& window, QMenu& menu, const char* objectName, const QString& text,
                         const QKeySequence& keys, const std::function<void()>& slot);

}  // namespace ui
