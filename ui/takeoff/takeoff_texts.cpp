// The take-off's words. Messages quote what was typed cut short, so a long station cannot make the
// list under the table, or the sheet's line, wider than the window or the page.
#include "takeoff_texts.h"

#include "calculation_sheet.h"
#include "calculator_form.h"
#include "check_words.h"
#include "fault_report.h"

#include "wallcalc/takeoff_table.h"
#include "wallcalc/calculators.h"

#include <algorithm>

namespace ui {

namespace {

constexpr int kQuotedCharacters = 30;

}  // namespace

QString quoted(const QString& text)
{
    const QString trimmed = text.trimmed();
    return trimmed.size() <= kQuotedCharacters ? trimmed : trimmed.left(kQuotedCharacters) + QStringLiteral("…");
}

QStringList TakeoffTexts::headings() const
{
    return QStringList{QStringLiteral("桩号")} + columns_.inputHeadings + columns_.resultHeadings;
}

QString TakeoffTexts::input(std::size_t row, int column) const
{
    if (row >= table_.rows().size() || column >= inputColumns()) {
        return {};
    }
    return QString::fromStdString(table_.cell(row, std::size_t(column)));
}

QString TakeoffTexts::result(std::size_t pair, int column) const
{
    if (pair >= table_.pairs().size()) {
        return {};
    }
    const wallcalc::PairResult& result = table_.pairs()[pair];
    if (column == wallcalc::kStationColumn) {
        return !result.computed ? QStringLiteral("未计算") : result.fault ? QStringLiteral("溢出") : QString();
    }
    if (column < inputColumns()) {
        return {};
    }
    const std::string_view box = columns_.results[std::size_t(column - inputColumns())];
    if (box == columns_.calculator().length) {
        return QString::fromStdString(result.length);
    }
    const auto it = result.texts.find(std::string(box));
    return it == result.texts.end() ? QString() : QString::fromStdString(it->second);
}

QString TakeoffTexts::rowProblem(std::size_t row) const
{
    if (row >= table_.problems().size()) {
        return {};
    }
    const QString typed = quoted(input(row, wallcalc::kStationColumn));
    switch (table_.problems()[row]) {
    case wallcalc::RowProblem::None:
        return {};
    case wallcalc::RowProblem::Unreadable:
        return typed.isEmpty() ? QStringLiteral("没有填桩号，本行不计入合计")
                               : QStringLiteral("桩号“%1”读不出，请写成 K1+234.5 或 1234.5；本行不计入合计").arg(typed);
    case wallcalc::RowProblem::TooManyDecimals:
        return QStringLiteral("桩号“%1”的小数位太多（最多 6 位小数）；本行不计入合计").arg(typed);
    case wallcalc::RowProblem::TooManyDigits:
        return QStringLiteral("桩号“%1”的位数太多（公里数最多 9 位）；本行不计入合计").arg(typed);
    case wallcalc::RowProblem::MetresTooLarge:
        return QStringLiteral("桩号“%1”读不出：加号后的米数应小于 1000；本行不计入合计").arg(typed);
    case wallcalc::RowProblem::NotFalling:
        return QStringLiteral("桩号“%1”不小于上面的桩号，这段挡墙的桩号逐行减小；本行不计入合计").arg(typed);
    case wallcalc::RowProblem::NotRising:
        break;
    }
    return QStringLiteral("桩号“%1”不大于上面的桩号，桩号应逐行增大；本行不计入合计").arg(typed);
}

QString TakeoffTexts::pairProblem(std::size_t pair) const
{
    if (pair >= table_.pairs().size()) {
        return {};
    }
    const wallcalc::PairResult& result = table_.pairs()[pair];
    if (!result.computed) {
        return QStringLiteral("本段未计算：相邻的桩号行没有计入合计");
    }
    if (result.fault) {
        const QString help = columns_.help(result.fault->field());
        return faultWhat(*result.fault, help.isEmpty() ? QString::fromStdString(result.fault->field()) : help) +
               QStringLiteral("本段不计入合计。");
    }
    return {};
}

QStringList TakeoffTexts::problems() const
{
    QStringList messages;
    for (std::size_t n = 0; n < table_.problems().size(); ++n) {
        if (table_.problems()[n] != wallcalc::RowProblem::None) {
            messages << QStringLiteral("第 %1 行：%2").arg(n + 1).arg(rowProblem(n));
        }
    }
    return messages;
}

QString TakeoffTexts::checkReason(const wallcalc::CheckFlag& flag) const
{
    const bool pair = flag.column == wallcalc::kWholePair;
    return checkWords(flag, pair ? QString() : input(flag.row, int(flag.column)),
                      describeHelp(columns_.help(flag.box)).name());
}

int TakeoffTexts::checkColumn(const wallcalc::CheckFlag& flag) const
{
    if (flag.column != wallcalc::kWholePair) {
        return int(flag.column);
    }
    const auto area = std::find(columns_.results.begin(), columns_.results.end(), flag.box);
    return area == columns_.results.end() ? int(wallcalc::kStationColumn)
                                          : inputColumns() + int(area - columns_.results.begin());
}

std::size_t TakeoffTexts::checkCount() const
{
    return std::size_t(std::count_if(table_.problems().begin(), table_.problems().end(),
                                     [](wallcalc::RowProblem problem) { return problem != wallcalc::RowProblem::None; })) +
           table_.checks().size();
}

QString TakeoffTexts::checkNote() const
{
    const std::size_t count = checkCount();
    return count == 0 ? QString() : QStringLiteral("另有 %1 处需要核对").arg(count);
}

std::vector<CheckEntry> TakeoffTexts::checkEntries(std::size_t limit) const
{
    std::vector<CheckEntry> entries;
    const QStringList names = headings();
    for (std::size_t row = 0; row < table_.usedRows() && entries.size() < limit; ++row) {
        const QString station = quoted(input(row, wallcalc::kStationColumn));
        if (const QString problem = rowProblem(row); !problem.isEmpty()) {
            entries.push_back({row, false, wallcalc::kStationColumn, QString::number(row + 1), station,
                               names[wallcalc::kStationColumn], station, problem});
        }
        for (const wallcalc::CheckFlag& flag : table_.checksOf(row)) {
            const bool pair = flag.column == wallcalc::kWholePair;
            const int column = checkColumn(flag);
            entries.push_back({row, pair, column,
                               pair ? QStringLiteral("%1–%2").arg(row + 1).arg(row + 2) : QString::number(row + 1),
                               pair ? station + QStringLiteral("～") + quoted(input(row + 1, wallcalc::kStationColumn)) : station,
                               names[column], QString::fromStdString(flag.read), checkReason(flag)});
        }
    }
    if (entries.size() > limit) {
        entries.resize(limit);
    }
    return entries;
}

QString TakeoffTexts::countedPairs() const
{
    return QStringLiteral("合计（计入 %1 段，共 %2 段）").arg(table_.totals().counted).arg(table_.pairs().size());
}

QString TakeoffTexts::totalsLine() const
{
    const wallcalc::TakeoffTotals& totals = table_.totals();
    QStringList parts{countedPairs() + QStringLiteral("：") +
                      (totals.length ? QStringLiteral("长度 %1 米").arg(QString::fromStdString(*totals.length))
                                     : QStringLiteral("长度 超出了能计算的范围"))};
    for (std::size_t v = 0; v < totals.volumes.size(); ++v) {
        const BoxName volume = describeHelp(columns_.help(columns_.calculator().volumes[v]));
        const QString name = volume.shortName();
        parts << (totals.volumes[v] ? QStringLiteral("%1 %2 %3").arg(name, QString::fromStdString(*totals.volumes[v]), volume.unit)
                                    : QStringLiteral("%1 超出了能计算的范围").arg(name));
    }
    if (const QString note = checkNote(); !note.isEmpty()) {
        parts << note;
    }
    return parts.join(QStringLiteral("；"));
}

QStringList TakeoffTexts::totalsRow() const
{
    const wallcalc::TakeoffTotals& totals = table_.totals();
    QStringList cells(columnCount());
    cells[0] = countedPairs();
    for (std::size_t r = 0; r < columns_.results.size(); ++r) {
        const std::string_view box = columns_.results[r];
        const std::span<const std::string_view> volumes = columns_.calculator().volumes;
        const auto volume = std::find(volumes.begin(), volumes.end(), box);
        QString& cell = cells[inputColumns() + int(r)];
        const std::optional<std::string>& sum =
            box == columns_.calculator().length ? totals.length
            : volume != volumes.end()            ? totals.volumes[std::size_t(volume - volumes.begin())]
                                                     : std::optional<std::string>(std::string());
        cell = sum ? QString::fromStdString(*sum) : QStringLiteral("超出计算范围");
    }
    if (const QString note = checkNote(); !note.isEmpty()) {
        cells << note;
    }
    return cells;
}

}  // namespace ui
