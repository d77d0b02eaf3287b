// The take-off table's texts, marks and messages, and the user's edits as undo commands.
#include "takeoff_model.h"

#include "takeoff_commands.h"
#include "takeoff_paste.h"

#include "wallcalc/calculators.h"

#include <QBrush>
#include <QColor>

#include <algorithm>

namespace ui {

TakeoffModel::TakeoffModel(QObject* parent) : QAbstractTableModel(parent), columns_(takeoffColumns(table_.calculator()))
{
    undo_.setUndoLimit(1000);
}

void TakeoffModel::start(wallcalc::TakeoffTable table)
{
    beginResetModel();
    table_ = std::move(table);
    columns_ = takeoffColumns(table_.calculator());
    endResetModel();
    undo_.clear();
    emit recomputed(0, rowCount() - 1);
}

QString TakeoffModel::inputRefusal(const QString& text) const
{
    return std::size_t(text.size()) > wallcalc::kMaxCellCharacters
               ? QStringLiteral("一个格子最多 %1 个字，这段文字有 %2 个字，没有放进表格。")
                     .arg(wallcalc::kMaxCellCharacters)
                     .arg(text.size())
               : QString();
}

QString TakeoffModel::setCell(int station, int column, const QString& text)
{
    if (const QString refusal = inputRefusal(text); !refusal.isEmpty()) {
        return refusal;
    }
    const std::size_t row = std::size_t(station);
    if (row < table_.rows().size() && table_.cell(row, std::size_t(column)) == text.toStdString()) {
        return {};
    }
    const std::size_t added = row < table_.rows().size() ? 0 : row + 1 - table_.rows().size();
    undo_.push(new CellsCommand(*this, QStringLiteral("输入"), {{row, std::size_t(column), text.toStdString()}}, added,
                                {tableRow(station), column}));
    return {};
}

QString TakeoffModel::pasteBlock(int station, int column, const QString& block)
{
    PastedBlock pasted = pastedBlock(block, std::size_t(station), column, inputColumns());
    if (pasted.lastRow >= wallcalc::kMaxTakeoffRows) {
        return QStringLiteral("逐桩计算最多 %1 行，粘贴的内容到第 %2 行，没有粘贴。")
            .arg(wallcalc::kMaxTakeoffRows)
            .arg(pasted.lastRow + 1);
    }
    for (const wallcalc::TakeoffCell& cell : pasted.cells) {
        if (const QString refusal = inputRefusal(QString::fromStdString(cell.text)); !refusal.isEmpty()) {
            return QStringLiteral("第 %1 行：").arg(cell.row + 1) + refusal;
        }
    }
    const std::size_t rows = table_.rows().size();
    const std::size_t added = pasted.lastRow < rows ? 0 : pasted.lastRow + 1 - rows;
    undo_.push(new CellsCommand(*this, QStringLiteral("粘贴"), std::move(pasted.cells), added, {tableRow(station), column}));
    return pasted.clipped > 0
               ? QStringLiteral("粘贴的内容超出了表格的输入栏，右边多出的 %1 格没有粘贴。").arg(pasted.clipped)
               : QString();
}

void TakeoffModel::clearCells(const QModelIndexList& cells)
{
    std::vector<wallcalc::TakeoffCell> cleared;
    for (const QModelIndex& index : cells) {
        const std::size_t row = std::size_t(station(index.row()));
        if (isStation(index.row()) && row < table_.rows().size() && index.column() < inputColumns() &&
            !table_.cell(row, std::size_t(index.column())).empty()) {
            cleared.push_back({row, std::size_t(index.column()), {}});
        }
    }
    if (!cleared.empty()) {
        const TakeoffFocus focus{tableRow(int(cleared.front().row)), int(cleared.front().column)};
        undo_.push(new CellsCommand(*this, QStringLiteral("清除内容"), std::move(cleared), 0, focus));
    }
}

QString TakeoffModel::insertStation(int station)
{
    if (table_.rows().size() >= wallcalc::kMaxTakeoffRows) {
        return QStringLiteral("逐桩计算最多 %1 行，不能再插入。").arg(wallcalc::kMaxTakeoffRows);
    }
    const std::size_t at = std::min(std::size_t(station), table_.rows().size());
    undo_.push(new InsertRowsCommand(*this, at, 1, {tableRow(int(at)), 0}));
    return {};
}

void TakeoffModel::removeStations(int first, int last)
{
    const std::size_t rows = table_.rows().size();
    const std::size_t begin = std::size_t(first);
    const std::size_t end = std::min(std::size_t(last) + 1, rows);
    if (begin < end) {
        undo_.push(new RemoveRowsCommand(*this, begin, end - begin, {tableRow(first), 0}));
    }
}

std::vector<wallcalc::TakeoffCell> TakeoffModel::applyCells(std::vector<wallcalc::TakeoffCell> cells)
{
    std::vector<wallcalc::TakeoffCell> before = table_.setCells(std::move(cells));
    announce(table_.update());
    return before;
}

// The pairs beside the new rows keep showing what they showed until the rows are announced, and
// only then are pressed again, so a view sees rows come first and changed texts after.
void TakeoffModel::applyInsert(std::size_t at, std::vector<wallcalc::TakeoffRow> rows)
{
    if (rows.empty()) {
        return;
    }
    // Empty rows at the end look like the empty row to type into, so they are announced after it:
    // the row being typed into becomes the new station, and keeps its editor and the cursor.
    const bool blankAtEnd = at == table_.rows().size() &&
                            std::all_of(rows.begin(), rows.end(), [](const wallcalc::TakeoffRow& row) { return row.blank(); });
    const int first = tableRow(int(at)) + (blankAtEnd ? 1 : 0);
    beginInsertRows({}, first, first + 2 * int(rows.size()) - 1);
    table_.insertRows(at, std::move(rows));
    endInsertRows();
    emit headerDataChanged(Qt::Vertical, first, rowCount() - 1);
    announce(table_.update());
}

std::vector<wallcalc::TakeoffRow> TakeoffModel::applyRemove(std::size_t first, std::size_t count)
{
    count = std::min(count, table_.rows().size() - std::min(first, table_.rows().size()));
    if (count == 0) {
        return {};
    }
    const int top = tableRow(int(first));
    beginRemoveRows({}, top, top + 2 * int(count) - 1);
    std::vector<wallcalc::TakeoffRow> removed = table_.removeRows(first, count);
    endRemoveRows();
    emit headerDataChanged(Qt::Vertical, std::min(top, rowCount() - 1), rowCount() - 1);
    announce(table_.update());
    return removed;
}

void TakeoffModel::announce(const wallcalc::TakeoffChange& change)
{
    int first = rowCount();
    int last = -1;
    if (change.firstRow <= change.lastRow) {
        first = tableRow(int(change.firstRow));
        last = tableRow(int(change.lastRow));
    }
    if (change.firstPair <= change.lastPair) {
        first = std::min(first, tableRow(int(change.firstPair)) + 1);
        last = std::max(last, tableRow(int(change.lastPair)) + 1);
    }
    last = std::min(last, rowCount() - 1);
    if (first <= last) {
        emit dataChanged(index(first, 0), index(last, columnCount() - 1));
    }
    emit recomputed(first, last);
}

void TakeoffModel::requestFocus(int row, int column)
{
    emit focusRequested(index(std::min(row, rowCount() - 1), column));
}

QString TakeoffModel::text(int row, int column) const
{
    const std::size_t n = std::size_t(station(row));
    return isStation(row) ? texts().input(n, column) : texts().result(n, column);
}

int TakeoffModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 2 * int(table_.rows().size()) + 1;
}

int TakeoffModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : texts().columnCount();
}

// The reasons of the checks that flag this cell: a station row's input, or a pair's area.
QStringList TakeoffModel::flagged(int row, int column) const
{
    const TakeoffTexts words = texts();
    QStringList reasons;
    for (const wallcalc::CheckFlag& flag : table_.checksOf(std::size_t(station(row)))) {
        const bool pair = flag.column == wallcalc::kWholePair;
        if (pair != !isStation(row) || words.checkColumn(flag) != column) {
            continue;
        }
        reasons << words.checkReason(flag);
    }
    return reasons;
}

QVariant TakeoffModel::data(const QModelIndex& index, int role) const
{
    const int row = index.row();
    const int column = index.column();
    const std::size_t n = std::size_t(station(row));
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return text(row, column);
    case MarkRole:
        return flagged(row, column).join(QLatin1Char('\n'));
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole: {
        QStringList notes = flagged(row, column);
        const QString problem = isStation(row) ? (column == wallcalc::kStationColumn ? texts().rowProblem(n) : QString())
                                               : texts().pairProblem(n);
        if (!problem.isEmpty()) {
            notes.prepend(problem);
        }
        return notes.join(QLatin1Char('\n'));
    }
    case Qt::BackgroundRole:
        if (isStation(row)) {
            return column == wallcalc::kStationColumn && !texts().rowProblem(n).isEmpty() ? QBrush(QColor(0xFF, 0xD8, 0xD8)) : QVariant();
        }
        return QBrush(QColor(0xEE, 0xF3, 0xFA));
    case Qt::ForegroundRole:
        return !isStation(row) && column == wallcalc::kStationColumn ? QBrush(QColor(0xB0, 0x00, 0x00)) : QVariant();
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
    if (section < 0 || section >= columnCount()) {
        return {};
    }
    const bool result = section >= inputColumns();
    const bool stationColumn = section == wallcalc::kStationColumn;
    const std::string_view box = stationColumn ? std::string_view()
                                 : result      ? columns_.results[std::size_t(section - inputColumns())]
                                               : columns_.calculator().columns[wallcalc::InputOfColumn(std::size_t(section))].first;
    if (role == Qt::DisplayRole) {
        return texts().headings()[section];
    }
    if (role == Qt::ToolTipRole) {
        return stationColumn ? QStringLiteral("桩号：K1+234.5、ZK1+234.5 或 1234.5（米），逐行增大或逐行减小") : columns_.help(box);
    }
    return {};
}

Qt::ItemFlags TakeoffModel::flags(const QModelIndex& index) const
{
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    const Qt::ItemFlags shown = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return isStation(index.row()) && index.column() < inputColumns() ? shown | Qt::ItemIsEditable : shown;
}

bool TakeoffModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable)) {
        return false;
    }
    return setCell(station(index.row()), index.column(), value.toString()).isEmpty();
}

}  // namespace ui
