// The application object: the main window, the calculator windows opened so far, and the moves
// between them.
#pragma once

#include "main_window.h"

#include <QObject>

#include <map>
#include <memory>
#include <string_view>

class QApplication;

namespace ui {
class CalculatorWindow;
struct CalculatorForm;
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
    // The calculator window of that objectName ("TypeAWindow"), null until it was first opened.
    ui::CalculatorWindow* calculatorWindow(std::string_view objectName) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showMainWindow();
    // Creates the window on first use; it then lives, hidden or shown, until the program ends.
    void showCalculator(const ui::CalculatorForm* form);

    std::unique_ptr<MainWindow> mainWindow_;
    std::map<const ui::CalculatorForm*, std::unique_ptr<ui::CalculatorWindow>> calculators_;
};
