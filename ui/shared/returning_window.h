// A window the main window gives way to, as a calculator or the take-off: Esc, its close box and
// 返回 all hide it, keeping all it holds for the next visit, and say so, so the main window comes back.
#pragma once

#include <QWidget>

class QMenu;

namespace ui {

class ReturningWindow : public QWidget {
    Q_OBJECT
public:
    explicit ReturningWindow(QWidget* parent = nullptr);

signals:
    void returned();

protected:
    // The one way back: hides the window and says returned().
    void giveBack();
    // 返回 at the foot of the window's 文件 menu, below a separator.
    void addReturnEntry(QMenu& file);
    void closeEvent(QCloseEvent* event) override;
};

}  // namespace ui
