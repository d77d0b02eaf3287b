// Enter moves through a window's inputs in the order a person reads them, whatever the tab order.
#pragma once

#include <QList>
#include <QObject>

#include <span>
#include <string_view>

class QWidget;

namespace ui {

class EnterOrder : public QObject {
    Q_OBJECT
public:
    // The window's inputs in reading order; Enter on the last one goes on to 计算.
    EnterOrder(std::span<const std::string_view> names, QWidget& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QList<QWidget*> order_;
};

}  // namespace ui
