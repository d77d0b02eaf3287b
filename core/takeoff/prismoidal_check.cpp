// The prismoidal cross-check, worked from texts as the calculators show them.
#include "wallcalc/prismoidal_check.h"

#include "wallcalc/checked_arithmetic.h"
#include "wallcalc/field_value.h"
#include "wallcalc/takeoff_table.h"
#include "wallcalc/calculators.h"

namespace wallcalc {

namespace {

std::string input(const TakeoffRow& row, std::size_t column)
{
    return column < row.inputs.size() ? row.inputs[column] : std::string();
}

}  // namespace

std::optional<PrismoidalCheck> PrismoidalCheckOf(const Calculator& calculator, const TakeoffRow& upper,
                                                 const TakeoffRow& lower, const PairResult& pair)
{
    if (!pair.computed || pair.fault) {
        return std::nullopt;
    }
    const QuantityBoxes& boxes = calculator.quantities;
    // A step of the check names no box: it writes none.
    const Step step("");
    try {
        PrismoidalCheck check;
        TakeoffRow middle;
        for (std::size_t n = 0; n < calculator.columns.size(); ++n) {
            middle.inputs.push_back(FormatResult(step.half(step.add(Val(input(upper, n)), Val(input(lower, n))))));
        }
        check.middle = middle.inputs;

        const PairResult pressed = RunPair(calculator, middle, middle, pair.metres);
        if (pressed.fault) {
            return std::nullopt;
        }
        check.middleArea = pressed.texts.at(std::string(boxes.firstArea));

        const double s1 = Val(pair.texts.at(std::string(boxes.firstArea)));
        const double s2 = Val(pair.texts.at(std::string(boxes.secondArea)));
        const double sm = Val(check.middleArea);
        const double L = Val(pair.length);
        // Dividing a finite number by 6 stays finite, so only the sums and products are checked.
        check.volume = FormatResult(step.mul(step.add(step.add(s1, step.mul(4, sm)), s2), L) / 6);

        const double endArea = Val(pair.texts.at(std::string(boxes.totalVolume)));
        check.difference = FormatResult(step.sub(Val(check.volume), endArea));
        return check;
    } catch (const ArithmeticFault&) {
        return std::nullopt;
    }
}

std::vector<std::optional<PrismoidalCheck>> PrismoidalChecksOf(const TakeoffTable& table)
{
    std::vector<std::optional<PrismoidalCheck>> checks;
    const std::vector<TakeoffRow>& rows = table.rows();
    for (std::size_t n = 0; n < table.pairs().size(); ++n) {
        checks.push_back(PrismoidalCheckOf(table.calculator(), rows[n], rows[n + 1], table.pairs()[n]));
    }
    return checks;
}

}  // namespace wallcalc
