// What the three calculator windows share: their build from a table, the press with its fault
// report, the start values, and the Return rule (the close box included).
#pragma once

#include "control_table.h"

#include <QWidget>

#include <span>
#include <string_view>

class QPushButton;

namespace wallcalc {
class Fields;
}

namespace ui {

struct CalculatorForm {
    std::string_view objectName;  // the window object, as "TypeAWindow"
    std::string_view caption;
    int widthTwips;
    int heightTwips;
    ControlTable controls;
    std::span<const std::string_view> startValues;  // boxes emptied by load and Clear, in order
    void (*computation)(wallcalc::Fields&);
    std::span<const std::string_view> outputs;      // every box the computation writes
    std::span<const std::string_view> ratioBoxes = {};  // inputs that hold a batter ratio
};

class CalculatorWindow : public QWidget {
    Q_OBJECT
public:
    // The named button of this window's table.
    QPushButton& button(std::string_view name) const;

signals:
    // Return hid the window; the application shows the main window.
    void returned();

protected:
    CalculatorWindow(const CalculatorForm& form, QWidget* parent);

    void writeStartValues();
    // Runs the computation on this window's boxes. A fault stops it without ending the program:
    // inputs stay as typed, results written so far stay, results not reached are emptied so no
    // stale number stands beside new ones, and a message says what overflowed.
    void calculate();
    void returnToMainWindow();

    void closeEvent(QCloseEvent* event) override;

private:
    // After a press, a change to an input puts the results out of date until the next press or Clear.
    void inputChanged();
    void setResultsStale(bool stale);

    const CalculatorForm& form_;
    bool resultsCurrent_ = false;
};

}  // namespace ui
