// The application object: the main window, the calculator and take-off windows opened so far,
// and the moves between them.
#pragma once

#include "main_window.h"

#include <QObject>
#include <QString>

#include <map>
#include <memory>
#include <string_view>

class QApplication;

namespace ui {
class CalculatorWindow;
struct CalculatorForm;
class TakeoffWindow;
}  // namespace ui

// What holds for the whole application before its first window: the icon every window shows, where
// its settings are kept, and that hiding the last shown window does not end the program ("结束" alone
// does).
void prepareApplication(QApplication& application);

class WallCalcApp : public QObject {
    Q_OBJECT
public:
    // Shows the main window, or with a take-off file (given on the command line) the take-off window
    // with that file open; no calculator exists until its menu entry is first chosen.
    explicit WallCalcApp(const QString& takeoffFile = {});
    ~WallCalcApp() override;

    MainWindow* mainWindow() const { return mainWindow_.get(); }
    // The calculator window of that objectName ("TypeAWindow"), null until it was first opened.
    ui::CalculatorWindow* calculatorWindow(std::string_view objectName) const;
    // The station take-off, null until "逐桩计算" was first chosen.
    ui::TakeoffWindow* takeoffWindow() const { return takeoff_.get(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showMainWindow();
    // Creates the window on first use; it then lives, hidden or shown, until the program ends.
    void showCalculator(const ui::CalculatorForm* form);
    void showTakeoff();
    void show(QWidget& window);
    // Leaves the event loop unless a take-off holds unsaved work that the user will not let go.
    void end();

    std::unique_ptr<MainWindow> mainWindow_;
    std::map<const ui::CalculatorForm*, std::unique_ptr<ui::CalculatorWindow>> calculators_;
    std::unique_ptr<ui::TakeoffWindow> takeoff_;
    bool settling_ = false;
};
