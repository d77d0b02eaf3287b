// A window's client area built from its control table: the only place that turns twips into pixels.
#pragma once

#include "control_table.h"

#include <QWidget>

namespace ui {

class PictureBox;

// A place in twips as the area's pixels.
QRect pixelRect(Box box);

class ClientArea : public QWidget {
    Q_OBJECT
public:
    // The area is widthTwips × heightTwips and does not change with its window's size. The
    // legend marks the dimension of the box under the pointer, else of the box with the focus.
    ClientArea(ControlTable table, MarkTable marks, int widthTwips, int heightTwips, QWidget* parent = nullptr);

    // The window's default font, 宋体 9 pt, sized in pixels so that text fits the boxes
    // whatever DPI the screen reports.
    static QFont defaultFont();

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showMark(const QObject* box);
    void markLetter(bool marked);

    ControlTable table_;
    MarkTable marks_;
    const Mark* marked_ = nullptr;
    const QObject* hovered_ = nullptr;
    const QObject* focused_ = nullptr;
    PictureBox* picture_ = nullptr;
};

}  // namespace ui
