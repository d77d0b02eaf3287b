// Every number here is a text of the one take-off object, as the table shows it, or of the core's
// quantity table and prismoidal check of it: the sheet and the copy compute nothing again, and read
// nothing back from the view.
#include "takeoff_sheet.h"

#include "calculation_sheet.h"
#include "calculator_form.h"
#include "form_builder.h"
#include "sheet_copy.h"
#include "sheet_document.h"
#include "quantity_cells.h"
#include "reading_mark.h"
#include "takeoff_texts.h"

#include "wallcalc/bill_rounding.h"
#include "wallcalc/field_value.h"
#include "wallcalc/prismoidal_check.h"
#include "wallcalc/quantity_table.h"
#include "wallcalc/takeoff_table.h"
#include "wallcalc/calculators.h"

#include <QDateTime>
#include <QMimeData>
#include <QPagedPaintDevice>
#include <QPainter>

namespace ui {

namespace {

// The pair's boxes as its calculator would hold them after the press.
BoxTexts pairTexts(const TakeoffTexts& takeoff, std::size_t pair)
{
    return [&takeoff, pair](std::string_view name) -> QString {
        const wallcalc::Calculator& calculator = takeoff.columns().calculator();
        const wallcalc::PairResult& result = takeoff.table().pairs()[pair];
        for (std::size_t n = 0; n < calculator.columns.size(); ++n) {
            if (calculator.columns[n].first == name || calculator.columns[n].second == name) {
                return QString::fromStdString(takeoff.table().rows()[pair + (calculator.columns[n].first == name ? 0 : 1)].inputs[n]);
            }
        }
        if (name == calculator.length) {
            return QString::fromStdString(result.length);
        }
        const auto it = result.texts.find(std::string(name));
        return it == result.texts.end() ? QString() : QString::fromStdString(it->second);
    };
}

const QString kQuantityNote = QStringLiteral(
    "注：长度、面积、方量按计算结果显示的数四舍五入到 0.01（第三位小数满 5 进位），合计为各行舍入后的数相加，"
    "全部位数见各段计算。方量按平均断面法计算，计入数量；棱台法 V = L/6 × (S1 + 4Sm + S2) 只作复核，"
    "Sm 为两端尺寸取平均后的断面面积，差值为棱台法方量减平均断面法总方量。");

// Each column's symbol with its meaning and unit, two to a row.
void paintSymbols(Pages& pages, const TakeoffColumns& columns)
{
    std::vector<QStringList> symbols;
    for (std::size_t n = 0; n < columns.calculator().columns.size(); ++n) {
        const BoxName row = describeHelp(columns.help(columns.calculator().columns[n].first));
        symbols.push_back({columns.inputHeadings[qsizetype(n)], QString(row.meaning).remove(QStringLiteral("第一断面")), row.unit});
    }
    for (std::size_t r = 0; r < columns.results.size(); ++r) {
        const BoxName row = describeHelp(columns.help(columns.results[r]));
        symbols.push_back({columns.resultHeadings[qsizetype(r)], row.meaning, row.unit});
    }
    pages.text(QStringLiteral("表中各列的代号即图中第一断面的代号，每个桩号填该处断面的尺寸："), sheetFont(9));
    const std::vector<qreal> widths{0.1, 0.3, 0.1, 0.1, 0.3, 0.1};
    const QStringList heading{QStringLiteral("代号"), QStringLiteral("含义"), QStringLiteral("单位")};
    pages.row(heading + heading, widths, sheetFont(8, true));
    for (std::size_t n = 0; n < symbols.size(); n += 2) {
        pages.row(symbols[n] + (n + 1 < symbols.size() ? symbols[n + 1] : QStringList(3)), widths, sheetFont(8));
    }
}

}  // namespace

QMimeData* takeoffMimeData(const TakeoffTexts& takeoff)
{
    QString plain;
    QString html;
    const auto add = [&](const QStringList& cells, bool numbers) {
        plain += cells.join('\t') + '\n';
        html += QStringLiteral("<tr>");
        for (const QString& cell : cells) {
            html += sheetCell(cell, numbers && wallcalc::WholeNumber(cell.toStdString()));
        }
        html += QStringLiteral("</tr>\n");
    };
    add(QStringList{QString::fromUtf8(takeoff.table().calculator().caption) + QStringLiteral(" 逐桩计算")}, false);
    add(takeoff.headings(), false);
    const std::size_t rows = takeoff.table().usedRows();
    for (std::size_t row = 0; row < rows; ++row) {
        QStringList station;
        QStringList pair;
        for (int c = 0; c < takeoff.columnCount(); ++c) {
            station << takeoff.input(row, c);
            pair << takeoff.result(row, c);
        }
        add(station, true);
        if (row + 1 < rows) {
            add(pair, true);
        }
    }
    add(takeoff.totalsRow(), true);
    add(QStringList{QString()}, false);
    const QuantityCells quantities = quantityCells(takeoff);
    add(QStringList{QStringLiteral("工程数量表")}, false);
    add(QStringList(quantities.headings).replaceInStrings(QStringLiteral("\n"), QString()), false);
    for (const QStringList& row : quantities.rows) {
        add(row, true);
    }
    add(quantities.totals, true);
    return tableMimeData(plain, html);
}

bool paintTakeoffSheet(QPagedPaintDevice& device, const TakeoffTexts& takeoff, const QString& title,
                       const QDateTime& made, bool summaryOnly, const PageProgress& progress)
{
    QPainter painter(&device);
    Pages pages(device, painter, progress);
    const QFont body = sheetFont(10.5);
    const QFont heading = sheetFont(12, true);
    const QFont small = sheetFont(8);
    const QFont bold = sheetFont(8, true);
    const std::vector<wallcalc::TakeoffRow>& rows = takeoff.table().rows();
    const QString caption = QString::fromUtf8(takeoff.table().calculator().caption);
    const TakeoffColumns& columns = takeoff.columns();

    paintSheetHead(pages, QStringLiteral("挡墙计算 计算书（逐桩计算）"), caption + QStringLiteral("　　") + title,
                   QStringLiteral("部位："), made);
    const QString running = QStringLiteral("逐桩计算 %1 %2（续）").arg(caption, title);

    // The calculator's own legend, drawn by its own window's code; it lives until the pages are painted.
    ClientArea legend(columns.form->controls, columns.form->marks, columns.form->widthTwips,
                            columns.form->heightTwips);
    paintLegend(pages, {&legend, pixelRect(columns.form->legend)});
    paintSymbols(pages, columns);
    pages.skip(5 * pages.mm());

    pages.reserve(30 * pages.mm());  // the heading not alone at the foot of a page
    pages.text(QStringLiteral("一、工程数量表"), heading);
    const QuantityCells quantities = quantityCells(takeoff);
    // 起讫桩号 and 备注 take what they need, the figures share the rest.
    std::vector<qreal> quantityWidths(std::size_t(quantities.headings.size()), 0.71 / qreal(quantities.headings.size() - 2));
    quantityWidths.front() = 0.22;
    quantityWidths.back() = 0.07;
    pages.row(quantities.headings, quantityWidths, bold);
    pages.setPageHead([&] {
        pages.text(running, sheetFont(9));
        pages.row(quantities.headings, quantityWidths, bold);
    });
    for (const QStringList& row : quantities.rows) {
        pages.row(row, quantityWidths, small);
    }
    pages.row(quantities.totals, quantityWidths, bold);
    pages.setPageHead([&] { pages.text(running, sheetFont(9)); });
    pages.text(kQuantityNote, sheetFont(9));
    if (summaryOnly) {
        return !pages.cancelled() && pages.paint();
    }
    pages.skip(5 * pages.mm());

    pages.reserve(30 * pages.mm());
    pages.text(QStringLiteral("二、桩号与输入尺寸"), heading);
    const QStringList inputHeadings = takeoff.headings().mid(0, takeoff.inputColumns());
    const std::vector<qreal> widths(std::size_t(takeoff.inputColumns()), 1.0 / takeoff.inputColumns());
    pages.row(inputHeadings, widths, bold);
    pages.setPageHead([&] {
        pages.text(running, sheetFont(9));
        pages.row(inputHeadings, widths, bold);
    });
    QStringList readOtherwise;
    for (std::size_t n = 0; n < takeoff.table().usedRows() && !pages.cancelled(); ++n) {
        QStringList cells;
        for (int c = 0; c < takeoff.inputColumns(); ++c) {
            const QString typed = takeoff.input(n, c);
            const QString reason = c > 0 ? readingReason(typed) : QString();
            cells << typed + (reason.isEmpty() ? QString() : QStringLiteral(" ※"));
            if (!reason.isEmpty()) {
                readOtherwise << QStringLiteral("第 %1 行 %2 %3").arg(n + 1).arg(inputHeadings[c], reason);
            }
        }
        pages.row(cells, widths, small);
    }
    pages.setPageHead([&] { pages.text(running, sheetFont(9)); });
    if (!readOtherwise.isEmpty()) {
        pages.text(QStringLiteral("※ 输入的文字不全是一个数，计算按读出的数进行：\n") + readOtherwise.join('\n'), sheetFont(9));
    }
    const QStringList problems = takeoff.problems();
    if (!problems.isEmpty()) {
        pages.text(QStringLiteral("不计入合计的桩号行：\n") + problems.join('\n'), sheetFont(9));
    }
    pages.skip(5 * pages.mm());

    pages.reserve(30 * pages.mm());
    pages.text(QStringLiteral("三、各段计算"), heading);
    for (std::size_t p = 0; p < takeoff.table().pairs().size() && !pages.cancelled(); ++p) {
        const wallcalc::PairResult& pair = takeoff.table().pairs()[p];
        pages.skip(2 * pages.mm());
        pages.reserve(20 * pages.mm());
        pages.text(QStringLiteral("第 %1 段：%2 ～ %3")
                           .arg(p + 1)
                           .arg(QString::fromStdString(rows[p].station), QString::fromStdString(rows[p + 1].station)) +
                       (pair.computed ? QStringLiteral("，长度 %1 米").arg(QString::fromStdString(pair.length)) : QString()),
                   sheetFont(10.5, true));
        const QString problem = takeoff.pairProblem(p);
        if (!problem.isEmpty()) {
            pages.text(problem, body);
            continue;
        }
        paintWorking(painter, pages, makeSheet(*columns.form, pairTexts(takeoff, p)).working, body);
    }
    pages.skip(3 * pages.mm());
    pages.reserve(20 * pages.mm());
    pages.text(QStringLiteral("四、合计（全部位数）"), heading);
    pages.text(takeoff.totalsLine(), body);
    return !pages.cancelled() && pages.paint();
}

}  // namespace ui
