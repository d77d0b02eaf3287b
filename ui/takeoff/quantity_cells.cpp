// The quantities are the core's (rounded and summed there); here they are only put in words.
#include "quantity_cells.h"

#include "calculation_sheet.h"
#include "calculator_form.h"
#include "takeoff_texts.h"

#include "wallcalc/bill_rounding.h"
#include "wallcalc/prismoidal_check.h"
#include "wallcalc/quantity_table.h"
#include "wallcalc/takeoff_table.h"
#include "wallcalc/calculators.h"

namespace ui {

namespace {

QString named(const TakeoffColumns& columns, std::string_view box)
{
    const BoxName row = describeHelp(columns.help(box));
    return row.shortName() + QStringLiteral("\n（%1）").arg(row.unit);
}

QString billed(const wallcalc::BillFigure& figure)
{
    return QString::fromStdString(figure.billed.value_or(figure.shown));
}

QString billed(const std::optional<std::string>& total)
{
    return total ? QString::fromStdString(*total) : QStringLiteral("无法合计");
}

QString rounded(const std::string& shown)
{
    return QString::fromStdString(wallcalc::RoundedForBill(shown).value_or(shown));
}

}  // namespace

QuantityCells quantityCells(const TakeoffTexts& takeoff)
{
    const TakeoffColumns& columns = takeoff.columns();
    const wallcalc::QuantityTable quantities = wallcalc::QuantityTableOf(takeoff.table());
    const std::vector<std::optional<wallcalc::PrismoidalCheck>> checks = wallcalc::PrismoidalChecksOf(takeoff.table());
    const wallcalc::Calculator& calculator = columns.calculator();
    const wallcalc::QuantityBoxes& boxes = calculator.quantities;
    QuantityCells cells;
    cells.headings << QStringLiteral("起讫桩号") << named(columns, calculator.length) << named(columns, boxes.firstArea)
                   << named(columns, boxes.secondArea);
    for (std::string_view volume : calculator.volumes) {
        cells.headings << named(columns, volume);
    }
    cells.headings << QStringLiteral("棱台法复核\n方量\n（立方米）") << QStringLiteral("棱台法复核\n差值\n（立方米）")
                   << QStringLiteral("备注");
    for (std::size_t p = 0; p < quantities.rows.size(); ++p) {
        const wallcalc::QuantityRow& row = quantities.rows[p];
        QStringList cellsOfRow{QString::fromStdString(row.from) + QStringLiteral(" ～ ") + QString::fromStdString(row.to),
                               billed(row.length), billed(row.firstArea), billed(row.secondArea)};
        for (const wallcalc::BillFigure& volume : row.volumes) {
            cellsOfRow << billed(volume);
        }
        const std::optional<wallcalc::PrismoidalCheck>& check = checks[p];
        cellsOfRow << (check ? rounded(check->volume) : QString()) << (check ? rounded(check->difference) : QString())
                   << (row.counted ? QString() : QStringLiteral("不计入合计"));
        cells.rows.push_back(std::move(cellsOfRow));
    }
    cells.totals << takeoff.totalsRow().front() << billed(quantities.totals.length) << QString() << QString();
    for (const std::optional<std::string>& volume : quantities.totals.volumes) {
        cells.totals << billed(volume);
    }
    cells.totals << QString() << QString() << QString();
    return cells;
}


}  // namespace ui
