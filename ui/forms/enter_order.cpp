// Enter (either key) in an input moves to the next one, Shift+Enter to the one before; Enter on
// a button presses it, as Space does.
#include "enter_order.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include <algorithm>

namespace ui {

EnterOrder::EnterOrder(std::span<const std::string_view> names, QWidget& window) : QObject(&window)
{
    for (std::string_view name : names) {
        order_ << window.findChild<QWidget*>(QString::fromUtf8(name));
    }
    order_ << window.findChild<QWidget*>("Command1");  // 计算 comes after the last input
    for (QLineEdit* box : window.findChildren<QLineEdit*>()) {
        box->installEventFilter(this);
    }
    for (QPushButton* button : window.findChildren<QPushButton*>()) {
        button->installEventFilter(this);
    }
}

bool EnterOrder::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) {
        return false;
    }
    const bool back = key->modifiers() & Qt::ShiftModifier;
    if (auto* button = qobject_cast<QPushButton*>(watched); button && !back) {
        button->click();
        return true;
    }
    const qsizetype place = order_.indexOf(static_cast<QWidget*>(watched));
    if (place < 0) {
        return false;
    }
    order_[std::clamp<qsizetype>(back ? place - 1 : place + 1, 0, order_.size() - 1)]->setFocus(
        back ? Qt::BacktabFocusReason : Qt::TabFocusReason);
    return true;
}

}  // namespace ui
