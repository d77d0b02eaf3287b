// Headings are the symbols the calculation sheet uses; where a symbol repeats (底, 高 of the
// foundation's shapes) the meaning stands instead, without the section it belongs to.
#include "takeoff_columns.h"

#include "calculator_form.h"
#include "calculator_forms.h"

#include "wallcalc/calculators.h"

#include <algorithm>

namespace ui {

const wallcalc::Calculator& TakeoffColumns::calculator() const
{
    return form->calculator;
}

QString TakeoffColumns::help(std::string_view box) const
{
    return boxHelp(*form, box);
}

TakeoffColumns takeoffColumns(const wallcalc::Calculator& calculator)
{
    TakeoffColumns columns{&formOf(calculator), {}, {}, {}};
    std::vector<BoxName> inputs;
    for (const wallcalc::TakeoffColumn& column : calculator.columns) {
        inputs.push_back(describeHelp(columns.help(column.first)));
    }
    for (const BoxName& row : inputs) {
        const bool repeated = std::count_if(inputs.begin(), inputs.end(),
                                            [&](const BoxName& other) { return other.shortName() == row.shortName(); }) > 1;
        columns.inputHeadings << (repeated ? QString(row.meaning).remove(QStringLiteral("第一断面")) : row.shortName());
    }
    columns.results.push_back(calculator.length);
    for (std::string_view output : calculator.outputs) {
        const bool unit = columns.help(output).isEmpty();  // 「立方米」 boxes: the heading's tooltip says it
        if (!unit && std::find(columns.results.begin(), columns.results.end(), output) == columns.results.end()) {
            columns.results.push_back(output);
        }
    }
    for (std::string_view box : columns.results) {
        columns.resultHeadings << describeHelp(columns.help(box)).shortName();
    }
    return columns;
}

}  // namespace ui
