// An edit marks the rows it touched; update() presses again only the pairs beside a marked row or
// a row whose problem changed, and keeps the others where the edits moved them. Checking the
// stations and summing stay whole passes: each is a few operations a row, and the sums must add
// in row order to be the sums a fresh take-off gives.
#include "wallcalc/takeoff_table.h"

#include "wallcalc/calculators.h"

#include <algorithm>
#include <utility>

namespace wallcalc {

namespace {

void widen(std::size_t& first, std::size_t& last, std::size_t at)
{
    if (first > last) {
        first = last = at;
    } else {
        first = std::min(first, at);
        last = std::max(last, at);
    }
}

}  // namespace

TakeoffTable::TakeoffTable(const Calculator& calculator, std::vector<TakeoffRow> rows)
    : calculator_(&calculator), rows_(std::move(rows))
{
    for (TakeoffRow& row : rows_) {
        normalise(row);
        readings_.push_back(ReadStation(row.station));
    }
    stale_.assign(rows_.size(), 1);
    update();
}

void TakeoffTable::normalise(TakeoffRow& row) const
{
    row.inputs.resize(calculator().columns.size());
}

std::size_t TakeoffTable::usedCount() const
{
    std::size_t used = rows_.size();
    while (used > 0 && rows_[used - 1].blank()) {
        --used;
    }
    return used;
}

std::vector<TakeoffRow> TakeoffTable::used() const
{
    return {rows_.begin(), rows_.begin() + std::ptrdiff_t(usedCount())};
}

const std::string& TakeoffTable::cell(std::size_t row, std::size_t column) const
{
    return rows_.at(row).cell(column);
}

std::vector<TakeoffCell> TakeoffTable::setCells(std::vector<TakeoffCell> cells)
{
    for (TakeoffCell& edit : cells) {
        TakeoffRow& row = rows_.at(edit.row);
        std::swap(row.cell(edit.column), edit.text);
        if (edit.column == kStationColumn) {
            readings_[edit.row] = ReadStation(row.station);
        }
        stale_[edit.row] = 1;
    }
    return cells;
}

void TakeoffTable::insertRows(std::size_t at, std::vector<TakeoffRow> rows)
{
    at = std::min(at, rows_.size());
    const std::size_t count = rows.size();
    std::vector<StationReading> readings;
    for (TakeoffRow& row : rows) {
        normalise(row);
        readings.push_back(ReadStation(row.station));
    }
    rows_.insert(rows_.begin() + std::ptrdiff_t(at), std::make_move_iterator(rows.begin()),
                 std::make_move_iterator(rows.end()));
    readings_.insert(readings_.begin() + std::ptrdiff_t(at), readings.begin(), readings.end());
    stale_.insert(stale_.begin() + std::ptrdiff_t(at), count, 1);
    // The pair above the new rows keeps its old results until update(); the pairs below move down.
    if (at < problems_.size()) {
        problems_.insert(problems_.begin() + std::ptrdiff_t(at), count, RowProblem::None);
        pairs_.insert(pairs_.begin() + std::ptrdiff_t(at), count, PairResult{});
    }
}

std::vector<TakeoffRow> TakeoffTable::removeRows(std::size_t first, std::size_t count)
{
    first = std::min(first, rows_.size());
    const auto begin = std::ptrdiff_t(first);
    const auto end = std::ptrdiff_t(std::min(first + count, rows_.size()));
    std::vector<TakeoffRow> removed(std::make_move_iterator(rows_.begin() + begin),
                                    std::make_move_iterator(rows_.begin() + end));
    rows_.erase(rows_.begin() + begin, rows_.begin() + end);
    readings_.erase(readings_.begin() + begin, readings_.begin() + end);
    stale_.erase(stale_.begin() + begin, stale_.begin() + end);
    if (first < rows_.size()) {
        stale_[first] = 1;  // the row below the gap has a new row above it
    }
    // As on insertion, the pair above the gap keeps its old results until update().
    const auto clip = [&](auto& runs) {
        const auto size = std::ptrdiff_t(runs.size());
        runs.erase(runs.begin() + std::min(begin, size), runs.begin() + std::min(end, size));
    };
    clip(problems_);
    clip(pairs_);
    return removed;
}

std::span<const CheckFlag> TakeoffTable::checksOf(std::size_t row) const
{
    if (row + 1 >= firstCheck_.size()) {
        return {};
    }
    return std::span(checks_).subspan(firstCheck_[row], firstCheck_[row + 1] - firstCheck_[row]);
}

// The checks look along whole columns (a value against its neighbours), so they are made afresh;
// a row whose checks differ from those its place held before is named as changed.
void TakeoffTable::recheck(TakeoffChange& change)
{
    const std::vector<CheckFlag> before = std::move(checks_);
    const std::vector<std::size_t> beforeFirst = std::move(firstCheck_);
    checks_ = CheckTakeoff(calculator(), std::span(rows_).first(problems_.size()), pairs_);
    firstCheck_.assign(problems_.size() + 1, checks_.size());
    for (std::size_t n = checks_.size(); n-- > 0;) {
        firstCheck_[checks_[n].row] = n;
    }
    for (std::size_t row = problems_.size(); row-- > 0;) {
        firstCheck_[row] = std::min(firstCheck_[row], firstCheck_[row + 1]);
    }
    const auto of = [](const std::vector<CheckFlag>& flags, const std::vector<std::size_t>& first, std::size_t row) {
        return row + 1 < first.size() ? std::span(flags).subspan(first[row], first[row + 1] - first[row])
                                      : std::span<const CheckFlag>();
    };
    for (std::size_t row = 0; row + 1 < std::max(firstCheck_.size(), beforeFirst.size()); ++row) {
        const auto now = of(checks_, firstCheck_, row);
        const auto then = of(before, beforeFirst, row);
        if (!std::equal(now.begin(), now.end(), then.begin(), then.end())) {
            widen(change.firstRow, change.lastRow, row);
            widen(change.firstPair, change.lastPair, row);
        }
    }
}

TakeoffChange TakeoffTable::update()
{
    TakeoffChange change;
    const std::size_t used = usedCount();
    const std::vector<RowProblem> problems =
        CheckReadings({readings_.begin(), readings_.begin() + std::ptrdiff_t(used)});
    for (std::size_t n = 0; n < std::max(rows_.size(), problems_.size()); ++n) {
        const bool checkedBefore = n < problems_.size();
        const bool checkedNow = n < used;
        const bool problemChanged = checkedBefore != checkedNow || (checkedNow && problems_[n] != problems[n]);
        if ((n < stale_.size() && stale_[n]) || problemChanged) {
            widen(change.firstRow, change.lastRow, n);
        }
    }
    std::vector<PairResult> pairs(used > 0 ? used - 1 : 0);
    for (std::size_t p = 0; p < pairs.size(); ++p) {
        const bool kept = p < pairs_.size() && p + 1 < problems_.size() && !stale_[p] && !stale_[p + 1] &&
                          problems_[p] == problems[p] && problems_[p + 1] == problems[p + 1];
        if (kept) {
            pairs[p] = std::move(pairs_[p]);
            continue;
        }
        if (problems[p] == RowProblem::None && problems[p + 1] == RowProblem::None) {
            const ExactMetres length = Distance(std::get<ExactMetres>(readings_[p]), std::get<ExactMetres>(readings_[p + 1]));
            pairs[p] = RunPair(calculator(), rows_[p], rows_[p + 1], length);
        }
        widen(change.firstPair, change.lastPair, p);
    }
    for (std::size_t p = std::min(pairs.size(), pairs_.size()); p < std::max(pairs.size(), pairs_.size()); ++p) {
        widen(change.firstPair, change.lastPair, p);
    }
    problems_ = std::move(problems);
    pairs_ = std::move(pairs);
    totals_ = SumPairs(calculator(), pairs_);
    recheck(change);
    std::fill(stale_.begin(), stale_.end(), 0);
    return change;
}

}  // namespace wallcalc
