// The application object: one reference for each of the four windows, and the moves between them.
#pragma once

#include "main_window.h"

#include <QObject>

#include <memory>

class QApplication;

namespace ui {
class CalculatorWindow;
class FoundationWindow;
class TypeAWindow;
class TypeBWindow;
}  // namespace ui

// What holds for the whole application before its first window: the icon every window shows,
// and that hiding the last shown window does not end the program ("结束" alone does).
void prepareApplication(QApplication& application);

class WallCalcApp : public QObject {
    Q_OBJECT
public:
    // Shows the main window; no calculator exists until its menu entry is first chosen.
    WallCalcApp();
    ~WallCalcApp() override;

    MainWindow* mainWindow() const { return mainWindow_.get(); }
    ui::TypeAWindow* typeAWindow() const { return typeAWindow_.get(); }
    ui::TypeBWindow* typeBWindow() const { return typeBWindow_.get(); }
    ui::FoundationWindow* foundationWindow() const { return foundationWindow_.get(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showMainWindow();
    void showCalculator(Calculator calculator);
    // Creates the window on first use; it then lives, hidden or shown, until the program ends.
    template <typename Window>
    Window& calculator(std::unique_ptr<Window>& reference);

    std::unique_ptr<MainWindow> mainWindow_;
    std::unique_ptr<ui::TypeAWindow> typeAWindow_;
    std::unique_ptr<ui::TypeBWindow> typeBWindow_;
    std::unique_ptr<ui::FoundationWindow> foundationWindow_;
};
