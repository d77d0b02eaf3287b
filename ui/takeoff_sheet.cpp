// Every number here is a text the table shows: the sheet and the copy compute nothing again.
#include "takeoff_sheet.h"

#include "calculation_sheet.h"
#include "calculator_window.h"
#include "sheet_copy.h"
#include "sheet_document.h"
#include "sheet_pages.h"
#include "takeoff_model.h"

#include "wallcalc/arithmetic_fault.h"
#include "wallcalc/field_value.h"
#include "wallcalc/takeoff_types.h"

#include <QDateTime>
#include <QMimeData>
#include <QPagedPaintDevice>
#include <QPainter>

namespace ui {

namespace {

bool isNumber(const QString& text)
{
    try {
        return !text.trimmed().isEmpty() && wallcalc::ReadNumber(text.toStdString()).whole;
    } catch (const wallcalc::ArithmeticFault&) {
        return false;
    }
}

QString fromUtf8(const std::string& text)
{
    return QString::fromStdString(text);
}

QStringList headings(const TakeoffModel& model)
{
    QStringList cells;
    for (int c = 0; c < model.columnCount(); ++c) {
        cells << model.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
    }
    return cells;
}

// The totals under the length and volume columns, the count of pairs in the first.
QStringList totalsRow(const TakeoffModel& model)
{
    const TakeoffColumns& columns = model.columns();
    const wallcalc::TakeoffTotals& totals = model.totals();
    QStringList cells(model.columnCount());
    cells[0] = QStringLiteral("合计（计入 %1 段，共 %2 段）").arg(totals.counted).arg(model.pairs().size());
    for (std::size_t r = 0; r < columns.results.size(); ++r) {
        const std::string_view box = columns.results[r];
        const auto volume = std::find(columns.type->volumes.begin(), columns.type->volumes.end(), box);
        QString& cell = cells[model.inputColumns() + int(r)];
        if (box == columns.type->length) {
            cell = totals.length ? fromUtf8(*totals.length) : QStringLiteral("超出计算范围");
        } else if (volume != columns.type->volumes.end()) {
            const auto& sum = totals.volumes[std::size_t(volume - columns.type->volumes.begin())];
            cell = sum ? fromUtf8(*sum) : QStringLiteral("超出计算范围");
        }
    }
    return cells;
}

// The pair's boxes as its calculator would hold them after the press.
BoxTexts pairTexts(const TakeoffModel& model, std::size_t pair)
{
    return [&model, pair](std::string_view name) -> QString {
        const wallcalc::TakeoffType& type = *model.columns().type;
        const wallcalc::PairResult& result = model.pairs()[pair];
        for (std::size_t n = 0; n < type.columns.size(); ++n) {
            if (type.columns[n].first == name || type.columns[n].second == name) {
                return fromUtf8(model.rows()[pair + (type.columns[n].first == name ? 0 : 1)].inputs[n]);
            }
        }
        if (name == type.length) {
            return fromUtf8(result.length);
        }
        const auto it = result.texts.find(std::string(name));
        return it == result.texts.end() ? QString() : fromUtf8(it->second);
    };
}

}  // namespace

QMimeData* takeoffMimeData(const TakeoffModel& model)
{
    QString plain;
    QString html;
    const auto add = [&](const QStringList& cells, bool numbers) {
        plain += cells.join('\t') + '\n';
        html += QStringLiteral("<tr>");
        for (const QString& cell : cells) {
            html += sheetCell(cell, numbers && isNumber(cell));
        }
        html += QStringLiteral("</tr>\n");
    };
    add({takeoffCaption(model.calculatorIndex()) + QStringLiteral(" 逐桩计算")}, false);
    add(headings(model), false);
    const int rows = TakeoffModel::tableRow(int(model.usedRows().size())) - 1;
    for (int row = 0; row < rows; ++row) {
        QStringList cells;
        for (int c = 0; c < model.columnCount(); ++c) {
            cells << model.text(row, c);
        }
        add(cells, true);
    }
    add(totalsRow(model), true);
    return tableMimeData(plain, html);
}

void paintTakeoffSheet(QPagedPaintDevice& device, const TakeoffModel& model, const QString& title,
                       const QDateTime& made)
{
    QPainter painter(&device);
    Pages pages(device, painter);
    const QFont body = sheetFont(10.5);
    const QFont heading = sheetFont(12, true);
    const QFont small = sheetFont(8);
    const std::vector<wallcalc::TakeoffRow> rows = model.usedRows();

    paintSheetHead(pages, QStringLiteral("挡墙计算 计算书（逐桩计算）"), takeoffCaption(model.calculatorIndex()) + QStringLiteral("　　") + title,
                   QStringLiteral("部位："), made);
    const QString running = QStringLiteral("逐桩计算 %1 %2（续）").arg(takeoffCaption(model.calculatorIndex()), title);

    pages.text(QStringLiteral("一、桩号与输入尺寸"), heading);
    const QStringList inputHeadings = headings(model).mid(0, model.inputColumns());
    const std::vector<qreal> widths(std::size_t(model.inputColumns()), 1.0 / model.inputColumns());
    const QFont bold = sheetFont(8, true);
    pages.row(inputHeadings, widths, bold);
    pages.setPageHead([&] {
        pages.text(running, sheetFont(9));
        pages.row(inputHeadings, widths, bold);
    });
    QStringList readOtherwise;
    for (int n = 0; n < int(rows.size()); ++n) {
        QStringList cells;
        for (int c = 0; c < model.inputColumns(); ++c) {
            const QModelIndex cell = model.index(TakeoffModel::tableRow(n), c);
            const bool marked = cell.data(TakeoffModel::MarkRole).toBool();
            cells << model.text(cell.row(), c) + (marked ? QStringLiteral(" ※") : QString());
            if (marked) {
                readOtherwise << QStringLiteral("第 %1 行 %2 %3").arg(n + 1).arg(inputHeadings[c], cell.data(Qt::ToolTipRole).toString());
            }
        }
        pages.row(cells, widths, small);
    }
    if (!readOtherwise.isEmpty()) {
        pages.text(QStringLiteral("※ 输入的文字不全是一个数，计算按读出的数进行：") + readOtherwise.join(QStringLiteral("；")),
                   sheetFont(9));
    }
    const QStringList problems = model.problems();
    if (!problems.isEmpty()) {
        pages.text(QStringLiteral("不计入合计的桩号行：\n") + problems.join('\n'), sheetFont(9));
    }
    pages.setPageHead([&] { pages.text(running, sheetFont(9)); });
    pages.skip(5 * pages.mm());

    pages.reserve(30 * pages.mm());
    pages.text(QStringLiteral("二、各段计算"), heading);
    for (std::size_t p = 0; p < model.pairs().size(); ++p) {
        const wallcalc::PairResult& pair = model.pairs()[p];
        pages.skip(2 * pages.mm());
        pages.reserve(20 * pages.mm());
        pages.text(QStringLiteral("第 %1 段：%2 ～ %3").arg(p + 1).arg(fromUtf8(rows[p].station), fromUtf8(rows[p + 1].station)) +
                       (pair.computed ? QStringLiteral("，长度 %1 米").arg(fromUtf8(pair.length)) : QString()),
                   sheetFont(10.5, true));
        const QString problem = model.data(model.index(TakeoffModel::tableRow(int(p)) + 1, 0), Qt::ToolTipRole).toString();
        if (!problem.isEmpty()) {
            pages.text(problem, body);
            continue;
        }
        paintWorking(painter, pages, makeSheet(*model.columns().form, pairTexts(model, p)).working, body);
    }
    pages.skip(3 * pages.mm());
    pages.reserve(20 * pages.mm());
    pages.text(QStringLiteral("三、合计"), heading);
    pages.text(model.totalsLine(), body);
}

}  // namespace ui
