// A window the main window gives way to, as a calculator or the take-off, with what it has around
// its contents: a menu bar whose entries' shortcuts work wherever the focus is in the window, and
// the way back. Esc, the close box and 返回 all hide it, keeping all it holds for the next visit,
// and say so, so the main window comes back.
#pragma once

#include <QKeySequence>
#include <QWidget>

#include <functional>

class QAction;
class QMenu;
class QMenuBar;

namespace ui {

class ReturningWindow : public QWidget {
    Q_OBJECT
public:
    explicit ReturningWindow(QWidget* parent = nullptr);

signals:
    void returned();

protected:
    // Above what the window's layout holds.
    QMenuBar* addMenuBar();
    // The entry belongs to the window as well as to its menu, so its shortcut reaches it from any child.
    QAction* addEntry(QMenu& menu, const char* objectName, const QString& text, const QKeySequence& keys,
                      const std::function<void()>& slot);
    // 返回 at the foot of the window's 文件 menu, below a separator.
    void addReturnEntry(QMenu& file);
    // The one way back: hides the window and says returned().
    void giveBack();
    void closeEvent(QCloseEvent* event) override;
};

}  // namespace ui
