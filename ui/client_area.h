// A window's client area built from its control table: the only place that turns twips into pixels.
#pragma once

#include "control_table.h"

#include <QWidget>

namespace ui {

class ClientArea : public QWidget {
    Q_OBJECT
public:
    // The area is widthTwips × heightTwips and does not change with its window's size.
    ClientArea(ControlTable table, int widthTwips, int heightTwips, QWidget* parent = nullptr);

    // The window's default font, 宋体 9 pt, sized in pixels so that text fits the boxes
    // whatever DPI the screen reports.
    static QFont defaultFont();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ControlTable table_;
};

}  // namespace ui
