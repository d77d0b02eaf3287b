// A calculator window, built from its form: the client area from the form's table, its buttons'
// handlers, the press with its fault report, the start values, the Return rule (the close box
// included), and around the client area a menu bar and a right-click menu to copy, print and export
// the calculation and to undo 清零, to check the two sections and to draw them.
#pragma once

#include "calculator_form.h"
#include "returning_window.h"

#include <QStringList>
#include <QUndoStack>

#include <span>
#include <string_view>

class QAction;

namespace wallcalc {
class Fields;
}

namespace ui {

class ResultsList;
class SectionDrawing;
class ValueBox;
struct LegendSource;

class CalculatorWindow final : public ReturningWindow {
    Q_OBJECT
public:
    // Loads the window as it opens: the start values in every box they name.
    explicit CalculatorWindow(const CalculatorForm& form, QWidget* parent = nullptr);

    const CalculatorForm& form() const { return form_; }

    // What the menus do, without their dialogs. Each first presses 计算 as its button does; a press
    // that faults copies or writes nothing.
    bool copySheet();
    // Empty, or what went wrong, in Chinese (the press's fault is reported as the press reports it).
    QString exportSheet(const QString& path);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void run(Action action);
    void writeStartValues();
    // 清零: the start values, as a command that 撤销清零 undoes.
    void clearFields();
    // Runs the computation on this window's boxes. A fault stops it without ending the program:
    // inputs stay as typed, results written so far stay, results not reached are emptied so no
    // stale number stands beside new ones, and a message says what overflowed.
    void calculate();
    void addMenus();
    void showContextMenu(ValueBox* box, QContextMenuEvent* event);
    bool press();
    LegendSource legend() const;
    void exportSheetAs();
    void exportWorkbookAs();
    void printSheet();
    // After a press, a change to an input puts the results out of date until the next press or Clear.
    void inputChanged();
    void setResultsStale(bool stale);
    void showResults();
    // The take-off's checks on the window's two sections, each flag on its box: an empty box the
    // section needs, and an area below 0 or an outline crossing itself once results are current.
    void checkSections();
    // Section one's or two's boxes' texts, in the order of the calculator's take-off columns.
    QStringList sectionTexts(bool first) const;
    // 查看 → 断面图: the drawing beside the results list, the window growing to hold it.
    void showDrawing(bool shown);
    void drawSections();

    class ClearCommand;

    const CalculatorForm& form_;
    QWidget* area_ = nullptr;
    ResultsList* results_ = nullptr;
    SectionDrawing* drawing_ = nullptr;
    bool resultsCurrent_ = false;
    bool stale_ = false;
    bool pressFaulted_ = false;
    bool restoring_ = false;
    // Only the last 清零, and only until a box is edited by hand or 计算 is pressed.
    QUndoStack clears_;
    QAction* copyValue_ = nullptr;
    QAction* undoClear_ = nullptr;
    ValueBox* copyTarget_ = nullptr;
};

}  // namespace ui
