// What a calculator's calculation sheet and copied table hold, taken after a press from the window or
// from the texts of one pair of a take-off:
// the inputs as typed and as read, the results as shown, and the working of each result.
#pragma once

#include <QString>

#include <functional>
#include <span>
#include <string_view>
#include <vector>

class QWidget;

namespace ui {

struct CalculatorForm;

// One result of the working: its box, and the formula with {TextN} standing for a box. The
// letters of the formula are the boxes' symbols; the numbers put in are an input's value as the
// computation reads it, or a result's text as the window shows it.
struct WorkingStep {
    std::string_view result;
    std::string_view formula;
};

struct SheetRow {
    QString symbol;   // 「A」, 「s1面积」; empty where the box has none
    QString meaning;  // 「第一断面墙身顶宽」
    QString text;     // exactly as the box shows it
    QString unit;     // 「米」, 「平方米」, 「立方米」, 「比值」
    QString readAs;   // for an input whose text reads otherwise: the number the computation used
    bool number;      // the text is a number that reads as it shows, so a spreadsheet takes it as one

    QString name() const;  // 「A 第一断面墙身顶宽」
};

struct WorkingLine {
    QString name;     // the result's symbol, or its meaning where it has none
    QString letters;  // 「(A+B)×H÷2」
    QString numbers;  // 「(1+2)×3÷2」
    QString result;   // the text the window shows
    QString unit;
};

struct CalculationSheet {
    QString calculator;  // 「挡土墙A类」
    std::vector<SheetRow> inputs;   // in reading order
    std::vector<SheetRow> results;  // in the order the computation writes them
    std::vector<WorkingLine> working;
};

// A box's name, 「A：第一断面墙身顶宽（米）」, taken apart into symbol, meaning and unit; no text.
SheetRow describeHelp(QString help);
// The form's box as its tooltip names it, 「A：第一断面墙身顶宽（米）」; empty for a box with no help.
QString boxHelp(const CalculatorForm& form, std::string_view box);

// A box's text by control name.
using BoxTexts = std::function<QString(std::string_view)>;

// From the texts of the form's boxes, wherever they are held.
CalculationSheet makeSheet(const CalculatorForm& form, const BoxTexts& texts);
// From a calculator window's boxes.
CalculationSheet makeSheet(const QWidget& window, const CalculatorForm& form);

}  // namespace ui
