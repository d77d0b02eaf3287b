// A calculator's form: the calculator it is the window of, the window's control table in twips,
// what its buttons do, the working the sheet writes out, and the legend. The calculator window, its
// sheet and the take-off's columns are all built from it.
#pragma once

#include "control_table.h"

#include <QString>

#include <span>
#include <string_view>

namespace wallcalc {
struct Calculator;
}

namespace ui {

// What a button of the window does when clicked.
enum class Action { Calculate, Clear, Return };

// One button's Click handler: Command1_Click is {"Command1", Action::Calculate}.
struct Handler {
    std::string_view button;
    Action action;
};

// One result of the working: its box, and the formula with {TextN} standing for a box. The
// letters of the formula are the boxes' symbols; the numbers put in are an input's value as the
// computation reads it, or a result's text as the window shows it.
struct WorkingStep {
    std::string_view result;
    std::string_view formula;
};

struct CalculatorForm {
    // Its press and the boxes it writes, its batters, and its caption: the menu entry.
    const wallcalc::Calculator& calculator;
    std::string_view objectName;      // the window object, as "TypeAWindow"
    std::string_view menuObjectName;  // its entry in the main window's menu, as "dangqiangalei"
    std::string_view caption;         // the window's title
    int widthTwips;
    int heightTwips;
    ControlTable controls;
    std::span<const Handler> handlers;
    std::span<const std::string_view> startValues;  // boxes emptied by load and Clear, in order
    std::span<const std::string_view> readingOrder;  // the inputs as a person reads the window
    std::span<const WorkingStep> working;           // each result's formula, in the order written
    Box legend;                                     // the part of the client area the sheet shows
    MarkTable marks;                                // the legend's mark of each box it names
};

// A box's name as its tooltip gives it, 「A：第一断面墙身顶宽（米）」, taken apart.
struct BoxName {
    QString symbol;   // 「A」, 「s1面积」; empty where the box has none
    QString meaning;  // 「第一断面墙身顶宽」
    QString unit;     // 「米」, 「平方米」, 「立方米」, 「比值」

    QString name() const;       // 「A 第一断面墙身顶宽」
    QString shortName() const;  // 「A」, or the meaning where there is no symbol
};

BoxName describeHelp(QString help);
// The form's box as its tooltip names it; empty for a box with no help.
QString boxHelp(const CalculatorForm& form, std::string_view box);

}  // namespace ui
