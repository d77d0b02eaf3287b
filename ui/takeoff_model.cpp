// The take-off table's texts, marks and messages, and its edits as undo steps.
#include "takeoff_model.h"

#include "calculation_sheet.h"
#include "fault_report.h"
#include "reading_mark.h"

#include "wallcalc/takeoff_types.h"

#include <QBrush>
#include <QColor>

#include <algorithm>

namespace ui {

namespace {

// Every edit keeps the rows before and after: a take-off of a thousand stations is small beside
// what a step of the stack may hold, and one kind of step serves typing, pasting and rows.
class RowsStep : public QUndoCommand {
public:
    RowsStep(TakeoffModel& model, const QString& what, std::vector<wallcalc::TakeoffRow> after, QModelIndex focus)
        : QUndoCommand(what), model_(model), before_(model.rows()), after_(std::move(after)),
          focus_(focus.row(), focus.column())
    {
    }
    void redo() override { model_.setRows(after_, focus_.first, focus_.second); }
    void undo() override { model_.setRows(before_, focus_.first, focus_.second); }

private:
    TakeoffModel& model_;
    std::vector<wallcalc::TakeoffRow> before_;
    std::vector<wallcalc::TakeoffRow> after_;
    std::pair<int, int> focus_;
};

bool empty(const wallcalc::TakeoffRow& row)
{
    return row.station.empty() && std::all_of(row.inputs.begin(), row.inputs.end(),
                                              [](const std::string& text) { return text.empty(); });
}

QString fromUtf8(const std::string& text)
{
    return QString::fromStdString(text);
}

}  // namespace

TakeoffModel::TakeoffModel(QObject* parent) : QAbstractTableModel(parent), columns_(takeoffColumns(0))
{
    undo_.setUndoLimit(200);
}

void TakeoffModel::start(int calculatorIndex, std::vector<wallcalc::TakeoffRow> rows)
{
    beginResetModel();
    calculatorIndex_ = calculatorIndex;
    columns_ = takeoffColumns(calculatorIndex);
    for (wallcalc::TakeoffRow& row : rows) {
        row.inputs.resize(columns_.type->columns.size());
    }
    rows_ = std::move(rows);
    used_.clear();
    problems_.clear();
    pairs_.clear();
    const Changed changed = recompute();
    endResetModel();
    undo_.clear();
    emit recomputed(changed.first, changed.last);
}

std::vector<wallcalc::TakeoffRow> TakeoffModel::usedRows() const
{
    std::size_t used = rows_.size();
    while (used > 0 && empty(rows_[used - 1])) {
        --used;
    }
    return {rows_.begin(), rows_.begin() + std::ptrdiff_t(used)};
}

// An edit changes a run of rows; the rows before it and after it stay (shifted where rows came or
// went), and so do their pairs, unless a station in the run changed which rows count. Only the
// other pairs are pressed again: a thousand stations would otherwise be pressed at every keystroke.
TakeoffModel::Changed TakeoffModel::recompute()
{
    const std::vector<wallcalc::TakeoffRow> used = usedRows();
    const std::vector<wallcalc::RowProblem> problems = wallcalc::CheckStations(used);
    const std::size_t before = used_.size();
    const std::size_t after = used.size();
    std::size_t prefix = 0;
    while (prefix < std::min(before, after) && used_[prefix] == used[prefix]) {
        ++prefix;
    }
    std::size_t suffix = 0;
    while (suffix < std::min(before, after) - prefix && used_[before - 1 - suffix] == used[after - 1 - suffix]) {
        ++suffix;
    }
    Changed changed{tableRow(int(prefix)), tableRow(int(after - suffix)) - 1};
    std::vector<wallcalc::PairResult> pairs(after > 0 ? after - 1 : 0);
    for (std::size_t p = 0; p + 1 < after; ++p) {
        const std::size_t old = p + 1 < prefix ? p : p >= after - suffix ? p + before - after : before;
        const bool counted = problems[p] == wallcalc::RowProblem::None && problems[p + 1] == wallcalc::RowProblem::None;
        if (old + 1 < before && problems_[old] == problems[p] && problems_[old + 1] == problems[p + 1]) {
            pairs[p] = std::move(pairs_[old]);
            continue;
        }
        pairs[p] = counted ? wallcalc::RunPair(*columns_.type, used[p], used[p + 1]) : wallcalc::PairResult{};
        changed.first = std::min(changed.first, tableRow(int(p)) + 1);
        changed.last = std::max(changed.last, tableRow(int(p)) + 1);
    }
    used_ = used;
    problems_ = problems;
    pairs_ = std::move(pairs);
    totals_ = wallcalc::SumPairs(*columns_.type, pairs_);
    return changed;
}

void TakeoffModel::edit(const QString& what, std::vector<wallcalc::TakeoffRow> after, QModelIndex focus)
{
    undo_.push(new RowsStep(*this, what, std::move(after), focus));
}

// Rows come and go at the end of the table only, and texts change from the edit on: the view
// keeps its current cell and any open editor.
void TakeoffModel::setRows(std::vector<wallcalc::TakeoffRow> rows, int focusRow, int focusColumn)
{
    const int before = rowCount();
    const int after = 2 * int(rows.size()) + 1;
    if (after > before) {
        beginInsertRows({}, before, after - 1);
    } else if (after < before) {
        beginRemoveRows({}, after, before - 1);
    }
    std::size_t first = 0;
    while (first < std::min(rows.size(), rows_.size()) && rows[first] == rows_[first]) {
        ++first;
    }
    rows_ = std::move(rows);
    const Changed changed = recompute();
    if (after > before) {
        endInsertRows();
    } else if (after < before) {
        endRemoveRows();
    }
    const int top = std::min(tableRow(int(first)), changed.first);
    if (top < rowCount()) {
        emit dataChanged(index(std::max(top - 1, 0), 0), index(rowCount() - 1, columnCount() - 1));
    }
    emit recomputed(changed.first, changed.last);
    emit focusRequested(index(std::min(focusRow, rowCount() - 1), focusColumn));
}

QString TakeoffModel::totalsLine() const
{
    QStringList parts{QStringLiteral("合计（计入 %1 段，共 %2 段）：%3")
                          .arg(totals_.counted)
                          .arg(pairs_.size())
                          .arg(totals_.length ? QStringLiteral("长度 %1 米").arg(fromUtf8(*totals_.length))
                                              : QStringLiteral("长度 超出了能计算的范围"))};
    for (std::size_t v = 0; v < totals_.volumes.size(); ++v) {
        const SheetRow volume = describeHelp(columns_.help(columns_.type->volumes[v]));
        const QString name = volume.symbol.isEmpty() ? volume.meaning : volume.symbol;
        parts << (totals_.volumes[v] ? QStringLiteral("%1 %2 %3").arg(name, fromUtf8(*totals_.volumes[v]), volume.unit)
                                     : QStringLiteral("%1 超出了能计算的范围").arg(name));
    }
    return parts.join(QStringLiteral("；"));
}

QStringList TakeoffModel::problems() const
{
    QStringList messages;
    for (std::size_t n = 0; n < problems_.size(); ++n) {
        if (problems_[n] != wallcalc::RowProblem::None) {
            messages << QStringLiteral("第 %1 行：%2").arg(n + 1).arg(rowProblem(int(n)));
        }
    }
    return messages;
}

QString TakeoffModel::rowProblem(int station) const
{
    if (std::size_t(station) >= problems_.size()) {
        return {};
    }
    const QString typed = fromUtf8(rows_[std::size_t(station)].station).trimmed();
    switch (problems_[std::size_t(station)]) {
    case wallcalc::RowProblem::None:
        return {};
    case wallcalc::RowProblem::Unreadable:
        return typed.isEmpty() ? QStringLiteral("没有填桩号，本行不计入合计")
                               : QStringLiteral("桩号“%1”读不出，请写成 K1+234.5 或 1234.5；本行不计入合计").arg(typed);
    case wallcalc::RowProblem::TooManyDecimals:
        return QStringLiteral("桩号“%1”的小数位太多（最多 6 位小数）；本行不计入合计").arg(typed);
    case wallcalc::RowProblem::TooManyDigits:
        return QStringLiteral("桩号“%1”的位数太多；本行不计入合计").arg(typed);
    case wallcalc::RowProblem::NotRising:
        break;
    }
    return QStringLiteral("桩号“%1”不大于上面的桩号，桩号应逐行增大；本行不计入合计").arg(typed);
}

QString TakeoffModel::pairProblem(int pair) const
{
    const wallcalc::PairResult& result = pairs_[std::size_t(pair)];
    if (!result.computed) {
        return QStringLiteral("本段未计算：相邻的桩号行没有计入合计");
    }
    if (result.fault) {
        const QString help = columns_.help(result.fault->field());
        return faultWhat(*result.fault, help.isEmpty() ? fromUtf8(result.fault->field()) : help) +
               QStringLiteral("本段不计入合计。");
    }
    return {};
}

QString TakeoffModel::text(int row, int column) const
{
    const int n = station(row);
    if (isStation(row)) {
        if (std::size_t(n) >= rows_.size() || column >= inputColumns()) {
            return {};
        }
        const wallcalc::TakeoffRow& typed = rows_[std::size_t(n)];
        return fromUtf8(column == 0 ? typed.station : typed.inputs[std::size_t(column - 1)]);
    }
    if (std::size_t(n) >= pairs_.size()) {
        return {};
    }
    const wallcalc::PairResult& pair = pairs_[std::size_t(n)];
    if (column == 0) {
        return !pair.computed ? QStringLiteral("未计算") : pair.fault ? QStringLiteral("溢出") : QString();
    }
    if (column < inputColumns()) {
        return {};
    }
    const std::string_view box = columns_.results[std::size_t(column - inputColumns())];
    if (box == columns_.type->length) {
        return fromUtf8(pair.length);
    }
    const auto it = pair.texts.find(std::string(box));
    return it == pair.texts.end() ? QString() : fromUtf8(it->second);
}

int TakeoffModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 2 * int(rows_.size()) + 1;
}

int TakeoffModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : inputColumns() + int(columns_.results.size());
}

QVariant TakeoffModel::data(const QModelIndex& index, int role) const
{
    const int row = index.row();
    const int column = index.column();
    const bool input = isStation(row) && column > 0 && column < inputColumns();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return text(row, column);
    case MarkRole:
        return input && !readingReason(text(row, column)).isEmpty();
    case Qt::ToolTipRole:
        if (input) {
            return readingReason(text(row, column));
        }
        return isStation(row) ? (column == 0 ? rowProblem(station(row)) : QString())
                              : (std::size_t(station(row)) < pairs_.size() ? pairProblem(station(row)) : QString());
    case Qt::BackgroundRole:
        if (isStation(row)) {
            return column == 0 && !rowProblem(station(row)).isEmpty() ? QBrush(QColor(0xFF, 0xD8, 0xD8)) : QVariant();
        }
        return QBrush(QColor(0xEE, 0xF3, 0xFA));
    case Qt::ForegroundRole:
        return !isStation(row) && column == 0 ? QBrush(QColor(0xB0, 0x00, 0x00)) : QVariant();
    case Qt::TextAlignmentRole:
        return column >= inputColumns() ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
    default:
        return {};
    }
}

QVariant TakeoffModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Vertical) {
        return role == Qt::DisplayRole && isStation(section) ? QVariant(station(section) + 1) : QVariant();
    }
    const bool result = section >= inputColumns();
    const std::string_view box = section == 0 ? std::string_view()
                                 : result     ? columns_.results[std::size_t(section - inputColumns())]
                                              : columns_.type->columns[std::size_t(section - 1)].first;
    if (role == Qt::DisplayRole) {
        return section == 0 ? QStringLiteral("桩号")
               : result     ? columns_.resultHeadings[section - inputColumns()]
                            : columns_.inputHeadings[section - 1];
    }
    if (role == Qt::ToolTipRole) {
        return section == 0 ? QStringLiteral("桩号：K1+234.5 或 1234.5（米），逐行增大") : columns_.help(box);
    }
    return {};
}

Qt::ItemFlags TakeoffModel::flags(const QModelIndex& index) const
{
    const Qt::ItemFlags shown = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return isStation(index.row()) && index.column() < inputColumns() ? shown | Qt::ItemIsEditable : shown;
}

bool TakeoffModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable) || value.toString() == text(index.row(), index.column())) {
        return false;
    }
    std::vector<wallcalc::TakeoffRow> after = rows_;
    const std::size_t n = std::size_t(station(index.row()));
    if (n >= after.size()) {
        after.resize(n + 1, {{}, std::vector<std::string>(columns_.type->columns.size())});
    }
    std::string& cell = index.column() == 0 ? after[n].station : after[n].inputs[std::size_t(index.column() - 1)];
    cell = value.toString().toStdString();
    edit(QStringLiteral("输入"), std::move(after), index);
    return true;
}

}  // namespace ui
