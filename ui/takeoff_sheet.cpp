// Every number here is a text of the one take-off object, as the table shows it: the sheet and the
// copy compute nothing again, and read nothing back from the view.
#include "takeoff_sheet.h"

#include "calculation_sheet.h"
#include "calculator_window.h"
#include "sheet_copy.h"
#include "sheet_document.h"
#include "reading_mark.h"
#include "sheet_pages.h"
#include "takeoff_texts.h"

#include "wallcalc/arithmetic_fault.h"
#include "wallcalc/field_value.h"
#include "wallcalc/takeoff_table.h"
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

// The pair's boxes as its calculator would hold them after the press.
BoxTexts pairTexts(const TakeoffTexts& takeoff, std::size_t pair)
{
    return [&takeoff, pair](std::string_view name) -> QString {
        const wallcalc::TakeoffType& type = *takeoff.columns().type;
        const wallcalc::PairResult& result = takeoff.table().pairs()[pair];
        for (std::size_t n = 0; n < type.columns.size(); ++n) {
            if (type.columns[n].first == name || type.columns[n].second == name) {
                return fromUtf8(takeoff.table().rows()[pair + (type.columns[n].first == name ? 0 : 1)].inputs[n]);
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

QMimeData* takeoffMimeData(const TakeoffTexts& takeoff)
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
    add(QStringList{takeoffCaption(takeoff.table().type()) + QStringLiteral(" 逐桩计算")}, false);
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
    return tableMimeData(plain, html);
}

void paintTakeoffSheet(QPagedPaintDevice& device, const TakeoffTexts& takeoff, const QString& title,
                       const QDateTime& made)
{
    QPainter painter(&device);
    Pages pages(device, painter);
    const QFont body = sheetFont(10.5);
    const QFont heading = sheetFont(12, true);
    const QFont small = sheetFont(8);
    const std::vector<wallcalc::TakeoffRow>& rows = takeoff.table().rows();
    const QString caption = takeoffCaption(takeoff.table().type());

    paintSheetHead(pages, QStringLiteral("挡墙计算 计算书（逐桩计算）"), caption + QStringLiteral("　　") + title,
                   QStringLiteral("部位："), made);
    const QString running = QStringLiteral("逐桩计算 %1 %2（续）").arg(caption, title);

    pages.text(QStringLiteral("一、桩号与输入尺寸"), heading);
    const QStringList inputHeadings = takeoff.headings().mid(0, takeoff.inputColumns());
    const std::vector<qreal> widths(std::size_t(takeoff.inputColumns()), 1.0 / takeoff.inputColumns());
    const QFont bold = sheetFont(8, true);
    pages.row(inputHeadings, widths, bold);
    pages.setPageHead([&] {
        pages.text(running, sheetFont(9));
        pages.row(inputHeadings, widths, bold);
    });
    QStringList readOtherwise;
    for (std::size_t n = 0; n < takeoff.table().usedRows(); ++n) {
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
    if (!readOtherwise.isEmpty()) {
        pages.text(QStringLiteral("※ 输入的文字不全是一个数，计算按读出的数进行：") + readOtherwise.join(QStringLiteral("；")),
                   sheetFont(9));
    }
    const QStringList problems = takeoff.problems();
    if (!problems.isEmpty()) {
        pages.text(QStringLiteral("不计入合计的桩号行：\n") + problems.join('\n'), sheetFont(9));
    }
    pages.setPageHead([&] { pages.text(running, sheetFont(9)); });
    pages.skip(5 * pages.mm());

    pages.reserve(30 * pages.mm());
    pages.text(QStringLiteral("二、各段计算"), heading);
    for (std::size_t p = 0; p < takeoff.table().pairs().size(); ++p) {
        const wallcalc::PairResult& pair = takeoff.table().pairs()[p];
        pages.skip(2 * pages.mm());
        pages.reserve(20 * pages.mm());
        pages.text(QStringLiteral("第 %1 段：%2 ～ %3").arg(p + 1).arg(fromUtf8(rows[p].station), fromUtf8(rows[p + 1].station)) +
                       (pair.computed ? QStringLiteral("，长度 %1 米").arg(fromUtf8(pair.length)) : QString()),
                   sheetFont(10.5, true));
        const QString problem = takeoff.pairProblem(p);
        if (!problem.isEmpty()) {
            pages.text(problem, body);
            continue;
        }
        paintWorking(painter, pages, makeSheet(*takeoff.columns().form, pairTexts(takeoff, p)).working, body);
    }
    pages.skip(3 * pages.mm());
    pages.reserve(20 * pages.mm());
    pages.text(QStringLiteral("三、合计"), heading);
    pages.text(takeoff.totalsLine(), body);
}

}  // namespace ui
