// Reads a calculator window's boxes into its calculation sheet. Every number on the sheet is a box's
// text or FormatResult of an input's value: nothing is computed again here.
#include "calculation_sheet.h"

#include "calculator_window.h"
#include "value_box.h"

#include "wallcalc/arithmetic_fault.h"
#include "wallcalc/field_value.h"

#include <QRegularExpression>

namespace ui {

SheetRow describeHelp(QString help)
{
    SheetRow row{};
    const qsizetype colon = help.indexOf(QStringLiteral("："));
    if (colon >= 0 && !help.left(colon).contains(QStringLiteral("（"))) {
        row.symbol = help.left(colon);
        help = help.mid(colon + 1);
    }
    const qsizetype open = help.lastIndexOf(QStringLiteral("（"));
    if (open >= 0 && help.endsWith(QStringLiteral("）"))) {
        row.unit = help.mid(open + 1, help.size() - open - 2).section(QStringLiteral("："), 0, 0);
        help = help.left(open);
    }
    row.meaning = help;
    return row;
}

namespace {

SheetRow describe(const ValueBox& box)
{
    SheetRow row = describeHelp(box.accessibleName());
    row.text = box.text();
    return row;
}

const ValueBox& valueBox(const QWidget& window, std::string_view name)
{
    return *window.findChild<const ValueBox*>(QString::fromUtf8(name.data(), qsizetype(name.size())));
}

// The value the computation reads from an input, as the sheet writes it.
QString readValue(const QString& text)
{
    try {
        return QString::fromStdString(wallcalc::FormatResult(wallcalc::Val(text.toStdString())));
    } catch (const wallcalc::ArithmeticFault&) {
        return QStringLiteral("超出计算范围");
    }
}

SheetRow inputRow(const ValueBox& box)
{
    SheetRow row = describe(box);
    bool whole = false;
    try {
        whole = wallcalc::ReadNumber(row.text.toStdString()).whole;
    } catch (const wallcalc::ArithmeticFault&) {
    }
    row.number = whole && !row.text.trimmed().isEmpty();
    if (!whole || row.text.trimmed().isEmpty()) {
        row.readAs = readValue(row.text);
    }
    return row;
}

// {Text1} in a formula: the box's symbol among the letters; among the numbers an input's value as
// read, a result's text as shown.
QString filled(QString formula, const QWidget& window, bool numbers)
{
    static const QRegularExpression field(QStringLiteral("\\{(\\w+)\\}"));
    QString out;
    qsizetype from = 0;
    for (const QRegularExpressionMatch& match : field.globalMatch(formula)) {
        out += formula.mid(from, match.capturedStart() - from);
        const ValueBox& box = valueBox(window, match.captured(1).toStdString());
        if (!numbers) {
            const SheetRow row = describe(box);
            out += row.symbol.isEmpty() ? row.meaning : row.symbol;
        } else if (box.role() == ValueBox::Role::Result) {
            out += box.text();
        } else {
            out += readValue(box.text());
        }
        from = match.capturedEnd();
    }
    return out + formula.mid(from);
}

}  // namespace

QString SheetRow::name() const
{
    return symbol.isEmpty() ? meaning : symbol + ' ' + meaning;
}

CalculationSheet makeSheet(const QWidget& window, const CalculatorForm& form)
{
    CalculationSheet sheet;
    sheet.calculator = QString::fromUtf8(form.name.data(), qsizetype(form.name.size()));
    for (std::string_view name : form.readingOrder) {
        sheet.inputs.push_back(inputRow(valueBox(window, name)));
    }
    for (const WorkingStep& step : form.working) {
        const ValueBox& box = valueBox(window, step.result);
        SheetRow row = describe(box);
        row.number = !row.text.isEmpty();
        const QString formula = QString::fromUtf8(step.formula.data(), qsizetype(step.formula.size()));
        sheet.working.push_back({row.symbol.isEmpty() ? row.meaning : row.symbol, filled(formula, window, false),
                                 filled(formula, window, true), row.text, row.unit});
        sheet.results.push_back(std::move(row));
    }
    return sheet;
}

}  // namespace ui
