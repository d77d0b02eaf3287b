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

struct SheetRow {
    QString symbol;   // 「A」, 「s1面积」; empty where the box has none
    QString meaning;  // 「第一断面墙身顶宽」
    QString text;     // exactly as the box shows it
    QString unit;     // 「米」, 「平方米」, 「立方米」, 「比值」
    QString readAs;   // for an input whose text reads otherwise: the number the computation used
    bool number;      // the text is a number that reads as it shows, so a spreadsheet takes it as one

    QString name() const;       // 「A 第一断面墙身顶宽」
    QString shortName() const;  // 「A」, or the meaning where there is no symbol
};

struct WorkingLine {
    QString name;     // the result's symbol, or its meaning where it has none
    QString letters;  // 「(A+B)×H÷2」
    QString numbers;  // 「(1+2)×3÷2」
    QString result;   // the text the window shows
    QString unit;
};

struct CalculationSheet {
    QString calculator;  // its caption, as the menu names it
    std::vector<SheetRow> inputs;   // in reading order
    std::vector<SheetRow> results;  // in the order the computation writes them
    std::vector<WorkingLine> working;
};

// A box's text by control name.
using BoxTexts = std::function<QString(std::string_view)>;

// From the texts of the form's boxes, wherever they are held.
CalculationSheet makeSheet(const CalculatorForm& form, const BoxTexts& texts);
// From a calculator window's boxes.
CalculationSheet makeSheet(const QWidget& window, const CalculatorForm& form);

}  // namespace ui
