// The quantity sheet's rows and totals, read from a take-off's pairs.
#include "wallcalc/quantity_table.h"

#include "wallcalc/bill_rounding.h"
#include "wallcalc/takeoff_table.h"
#include "wallcalc/calculators.h"

namespace wallcalc {

namespace {

BillFigure figure(std::string shown)
{
    std::optional<std::string> billed = RoundedForBill(shown);
    return {std::move(shown), std::move(billed)};
}

BillFigure output(const PairResult& pair, std::string_view box)
{
    const auto it = pair.texts.find(std::string(box));
    return figure(it == pair.texts.end() ? std::string() : it->second);
}

// A column's running total, which stays nothing once a figure is missing or the sum overflows.
void add(std::optional<BillQuantity>& total, const BillFigure& figure)
{
    const std::optional<BillQuantity> printed = figure.billed ? BillQuantityOf(*figure.billed) : std::nullopt;
    total = total && printed ? BillSum(*total, *printed) : std::nullopt;
}

std::optional<std::string> text(const std::optional<BillQuantity>& total)
{
    return total ? std::optional(BillText(*total)) : std::nullopt;
}

}  // namespace

QuantityTable QuantityTableOf(const Calculator& calculator, std::span<const TakeoffRow> rows,
                              std::span<const PairResult> pairs)
{
    const QuantityBoxes& boxes = calculator.quantities;
    QuantityTable table;
    std::optional<BillQuantity> length = BillQuantity{};
    std::vector<std::optional<BillQuantity>> volumes(calculator.volumes.size(), BillQuantity{});
    for (std::size_t n = 0; n < pairs.size(); ++n) {
        const PairResult& pair = pairs[n];
        QuantityRow row;
        row.from = rows[n].station;
        row.to = rows[n + 1].station;
        row.counted = pair.computed && !pair.fault;
        row.length = figure(pair.length);
        row.firstArea = output(pair, boxes.firstArea);
        row.secondArea = output(pair, boxes.secondArea);
        for (std::string_view volume : calculator.volumes) {
            row.volumes.push_back(output(pair, volume));
        }
        if (row.counted) {
            ++table.totals.counted;
            add(length, row.length);
            for (std::size_t v = 0; v < volumes.size(); ++v) {
                add(volumes[v], row.volumes[v]);
            }
        }
        table.rows.push_back(std::move(row));
    }
    table.totals.length = text(length);
    for (const std::optional<BillQuantity>& volume : volumes) {
        table.totals.volumes.push_back(text(volume));
    }
    return table;
}

QuantityTable QuantityTableOf(const TakeoffTable& table)
{
    return QuantityTableOf(table.calculator(), std::span(table.rows()).first(table.usedRows()), table.pairs());
}

}  // namespace wallcalc
