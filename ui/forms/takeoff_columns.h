// The columns of a take-off of one calculator: headings and help read from the calculator's form,
// so the table names each dimension as the calculator and its sheet do.
#pragma once

#include <QString>
#include <QStringList>

#include <string_view>
#include <vector>

namespace wallcalc {
struct Calculator;
}

namespace ui {

struct CalculatorForm;

struct TakeoffColumns {
    const CalculatorForm* form;
    QStringList inputHeadings;               // after 桩号, one a column of the calculator, none twice
    std::vector<std::string_view> results;   // the length box, then every result box the press writes, each once
    QStringList resultHeadings;

    const wallcalc::Calculator& calculator() const;
    // The box as its tooltip names it, 「A：第一断面墙身顶宽（米）」.
    QString help(std::string_view box) const;
};

TakeoffColumns takeoffColumns(const wallcalc::Calculator& calculator);

}  // namespace ui
