// Reads the boxes of a calculator, in its window or as texts by name, into its calculation sheet.
// Every number on the sheet is a box's text or FormatResult of an input's value: nothing is computed again here.
#include "calculation_sheet.h"

#include "calculator_form.h"
#include "listed.h"
#include "value_box.h"

#include "wallcalc/arithmetic_fault.h"
#include "wallcalc/calculators.h"
#include "wallcalc/field_value.h"

#include <QRegularExpression>


namespace ui {

namespace {

// A box of the form with its text.
class Boxes {
public:
    Boxes(const CalculatorForm& form, const BoxTexts& texts) : form_(form), texts_(texts) {}

    SheetRow describe(std::string_view name) const
    {
        const BoxName box = describeHelp(boxHelp(form_, name));
        return {box.symbol, box.meaning, texts_(name), box.unit, {}, false};
    }
    bool result(std::string_view name) const { return listed(form_.calculator.outputs, name); }

private:
    const CalculatorForm& form_;
    const BoxTexts& texts_;
};

// The value the computation reads from an input, as the sheet writes it.
QString readValue(const QString& text)
{
    try {
        return QString::fromStdString(wallcalc::FormatResult(wallcalc::Val(text.toStdString())));
    } catch (const wallcalc::ArithmeticFault&) {
        return QStringLiteral("超出计算范围");
    }
}

SheetRow inputRow(SheetRow row)
{
    row.number = wallcalc::WholeNumber(row.text.toStdString()).has_value();
    if (!row.number) {
        row.readAs = readValue(row.text);
    }
    return row;
}

// {Text1} in a formula: the box's symbol among the letters; among the numbers an input's value as
// read, a result's text as shown.
QString filled(QString formula, const Boxes& boxes, bool numbers)
{
    static const QRegularExpression field(QStringLiteral("\\{(\\w+)\\}"));
    QString out;
    qsizetype from = 0;
    for (const QRegularExpressionMatch& match : field.globalMatch(formula)) {
        out += formula.mid(from, match.capturedStart() - from);
        const std::string name = match.captured(1).toStdString();
        const SheetRow row = boxes.describe(name);
        if (!numbers) {
            out += row.shortName();
        } else if (boxes.result(name)) {
            out += row.text;
        } else {
            out += readValue(row.text);
        }
        from = match.capturedEnd();
    }
    return out + formula.mid(from);
}

}  // namespace

QString SheetRow::name() const
{
    return BoxName{symbol, meaning, unit}.name();
}

QString SheetRow::shortName() const
{
    return BoxName{symbol, meaning, unit}.shortName();
}

CalculationSheet makeSheet(const CalculatorForm& form, const BoxTexts& texts)
{
    const Boxes boxes(form, texts);
    CalculationSheet sheet;
    sheet.calculator = QString::fromUtf8(form.calculator.caption);
    for (std::string_view name : form.readingOrder) {
        sheet.inputs.push_back(inputRow(boxes.describe(name)));
    }
    for (const WorkingStep& step : form.working) {
        SheetRow row = boxes.describe(step.result);
        row.number = !row.text.isEmpty();
        const QString formula = QString::fromUtf8(step.formula);
        sheet.working.push_back(
            {row.shortName(), filled(formula, boxes, false), filled(formula, boxes, true), row.text, row.unit});
        sheet.results.push_back(std::move(row));
    }
    return sheet;
}

CalculationSheet makeSheet(const QWidget& window, const CalculatorForm& form)
{
    return makeSheet(form, [&window](std::string_view name) {
        return window.findChild<const ValueBox*>(QString::fromUtf8(name))->text();
    });
}

}  // namespace ui
