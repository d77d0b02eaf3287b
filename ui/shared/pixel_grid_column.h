// A column of widgets in the middle of its space, kept on whole device pixels at the fractional
// scales Windows offers (125 %, 150 %, 175 %): a frame drawn between two pixels can lose a line there,
// as the bottom border of a button on the take-off's start panel did.
#pragma once

#include <QWidget>

class QVBoxLayout;

namespace ui {

class PixelGridColumn : public QWidget {
public:
    // No narrower than minimumWidth; every widget in it takes the column's width.
    explicit PixelGridColumn(int minimumWidth, QWidget* parent = nullptr);

    void addWidget(QWidget* widget);
    void addSpacing(int space);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void place();

    QWidget* column_;
    QVBoxLayout* layout_;
    int width_;
};

}  // namespace ui
