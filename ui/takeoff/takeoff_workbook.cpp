// The quantity sheet's figures are read from the core's quantity table: each shown figure as a number,
// beside it the bill's figure as ROUND of it, and the totals as SUM of the rounded figures, each
// formula stored with the core's own value, so that a reader that does not recalculate agrees.
#include "takeoff_workbook.h"

#include "calculation_sheet.h"
#include "calculator_form.h"
#include "takeoff_texts.h"
#include "xlsx_file.h"

#include "wallcalc/quantity_table.h"
#include "wallcalc/takeoff_table.h"
#include "wallcalc/calculators.h"

#include <optional>

namespace ui {

namespace {

// 「s1面积 第一断面面积（平方米）」 from the box's help.
QString heading(const TakeoffTexts& texts, std::string_view box)
{
    const BoxName row = describeHelp(texts.columns().help(box));
    return row.unit.isEmpty() ? row.name() : row.name() + QStringLiteral("（%1）").arg(row.unit);
}

// The shown figure's heading and its rounded one's, 「V 总方量 取两位（立方米）」.
QStringList billedHeadings(const TakeoffTexts& texts, std::string_view box)
{
    const BoxName row = describeHelp(texts.columns().help(box));
    return {heading(texts, box), row.name() + QStringLiteral(" 取两位（%1）").arg(row.unit)};
}

void writeInputs(XlsxFile& file, const TakeoffTexts& texts, lxw_format* bold)
{
    XlsxSheet sheet = file.addSheet(QStringLiteral("逐桩输入"));
    const QStringList headings = texts.headings().mid(0, texts.inputColumns());
    for (int c = 0; c < headings.size(); ++c) {
        sheet.text(0, c, headings[c], bold);
    }
    for (std::size_t r = 0; r < texts.table().usedRows(); ++r) {
        for (int c = 0; c < texts.inputColumns(); ++c) {
            sheet.typed(int(r) + 1, c, texts.input(r, c));
        }
    }
    if (sheet.worksheet()) {
        sheet.library().worksheet_freeze_panes(sheet.worksheet(), 1, 0);
        sheet.check(sheet.library().worksheet_repeat_rows(sheet.worksheet(), 0, 0));
        sheet.library().worksheet_set_column(sheet.worksheet(), 0, 0, 14, nullptr);
    }
}

// A billed column: the figure as shown, and beside it ROUND of it holding the bill's figure. A row
// left out of the totals has no bill's figure, so that the column's SUM is the bill's total.
struct BilledColumn {
    int shown;  // the column of the shown figure; the rounded one is the next
};

void writeBilled(XlsxSheet& sheet, int row, BilledColumn column, const wallcalc::BillFigure& figure, bool counted,
                 lxw_format* hundredths)
{
    sheet.typed(row, column.shown, QString::fromStdString(figure.shown));
    if (counted && figure.billed) {
        sheet.formula(row, column.shown + 1, QStringLiteral("ROUND(%1,2)").arg(cellName(row, column.shown)),
                      QString::fromStdString(*figure.billed).toDouble(), hundredths);
    }
}

void writeTotal(XlsxSheet& sheet, int row, BilledColumn column, int rows, const std::optional<std::string>& total,
                lxw_format* hundredths)
{
    const int rounded = column.shown + 1;
    if (!total) {
        sheet.text(row, rounded, QStringLiteral("超出计算范围"));
    } else if (rows == 0) {
        sheet.number(row, rounded, 0, hundredths);
    } else {
        sheet.formula(row, rounded, QStringLiteral("SUM(%1:%2)").arg(cellName(1, rounded), cellName(rows, rounded)),
                      QString::fromStdString(*total).toDouble(), hundredths);
    }
}

void writeQuantities(XlsxFile& file, const TakeoffTexts& texts, lxw_format* bold, lxw_format* hundredths)
{
    XlsxSheet sheet = file.addSheet(QStringLiteral("工程数量表"));
    const wallcalc::Calculator& calculator = texts.columns().calculator();
    const wallcalc::QuantityBoxes& boxes = calculator.quantities;
    const wallcalc::QuantityTable table = wallcalc::QuantityTableOf(texts.table());

    // 起讫桩号, 长度 and its rounding, the two areas, each volume and its rounding, 说明.
    const BilledColumn length{1};
    const int areas = 3;
    const auto volume = [](std::size_t v) { return BilledColumn{5 + 2 * int(v)}; };
    const int note = 5 + 2 * int(calculator.volumes.size());
    QStringList headings{QStringLiteral("起讫桩号")};
    headings << billedHeadings(texts, calculator.length) << heading(texts, boxes.firstArea) << heading(texts, boxes.secondArea);
    for (std::string_view box : calculator.volumes) {
        headings << billedHeadings(texts, box);
    }
    headings << QStringLiteral("说明");
    for (int c = 0; c < headings.size(); ++c) {
        sheet.text(0, c, headings[c], bold);
    }

    const int rows = int(table.rows.size());
    for (int n = 0; n < rows; ++n) {
        const wallcalc::QuantityRow& row = table.rows[std::size_t(n)];
        const int r = n + 1;
        sheet.text(r, 0, QString::fromStdString(row.from) + QStringLiteral("～") + QString::fromStdString(row.to));
        writeBilled(sheet, r, length, row.length, row.counted, hundredths);
        sheet.typed(r, areas, QString::fromStdString(row.firstArea.shown));
        sheet.typed(r, areas + 1, QString::fromStdString(row.secondArea.shown));
        for (std::size_t v = 0; v < row.volumes.size(); ++v) {
            writeBilled(sheet, r, volume(v), row.volumes[v], row.counted, hundredths);
        }
        sheet.text(r, note, texts.pairProblem(std::size_t(n)));
    }
    const int totals = rows + 1;
    sheet.text(totals, 0, texts.totalsRow().value(0), bold);
    writeTotal(sheet, totals, length, rows, table.totals.length, hundredths);
    for (std::size_t v = 0; v < table.totals.volumes.size(); ++v) {
        writeTotal(sheet, totals, volume(v), rows, table.totals.volumes[v], hundredths);
    }

    if (lxw_worksheet* worksheet = sheet.worksheet()) {
        sheet.library().worksheet_freeze_panes(worksheet, 1, 0);
        sheet.check(sheet.library().worksheet_repeat_rows(worksheet, 0, 0));
        sheet.library().worksheet_set_landscape(worksheet);
        sheet.library().worksheet_fit_to_pages(worksheet, 1, 0);
        sheet.check(sheet.library().worksheet_set_footer(worksheet, "&C第 &P 页，共 &N 页"));
        sheet.library().worksheet_set_column(worksheet, 0, 0, 26, nullptr);
        sheet.library().worksheet_set_column(worksheet, 1, lxw_col_t(note - 1), 13, nullptr);
        sheet.library().worksheet_set_column(worksheet, lxw_col_t(note), lxw_col_t(note), 40, nullptr);
    }
}

}  // namespace

QString writeTakeoffWorkbook(const QString& path, const TakeoffTexts& texts)
{
    XlsxFile file;
    lxw_format* bold = file.addFormat();
    lxw_format* hundredths = file.addFormat();
    if (bold && hundredths) {
        file.library().format_set_bold(bold);
        file.library().format_set_num_format(hundredths, "0.00");
    }
    writeInputs(file, texts, bold);
    writeQuantities(file, texts, bold, hundredths);
    return file.commit(path);
}

}  // namespace ui
