// A take-off being edited: the rows as typed, each row's problem, each pair's results and the
// totals, kept up to date edit by edit with no more presses than the edit calls for. Windows,
// copies, files and sheets all read this one object.
#pragma once

#include "wallcalc/calculators.h"
#include "wallcalc/takeoff.h"
#include "wallcalc/takeoff_checks.h"

#include <cstddef>
#include <span>
#include <string>
#include <vector>

namespace wallcalc {

struct TakeoffCell {
    std::size_t row;
    std::size_t column;  // numbered as TakeoffRow::cell numbers them
    std::string text;
};

// What an update changed, each run from first to last, none where first > last.
struct TakeoffChange {
    std::size_t firstRow = 1;   // rows whose texts, problems or checks changed
    std::size_t lastRow = 0;
    std::size_t firstPair = 1;  // pairs whose results or checks changed, came or went
    std::size_t lastPair = 0;
};

class TakeoffTable {
public:
    // calculator: one of kCalculators.
    explicit TakeoffTable(const Calculator& calculator = *kCalculators.front(), std::vector<TakeoffRow> rows = {});

    const Calculator& calculator() const { return *calculator_; }
    // Every row, the empty ones at the end included; each has one input a column of the calculator.
    const std::vector<TakeoffRow>& rows() const { return rows_; }
    // The rows without the empty ones at the end: those that are checked and pressed.
    std::size_t usedRows() const { return problems_.size(); }
    std::vector<TakeoffRow> used() const;
    const std::string& cell(std::size_t row, std::size_t column) const;
    // Each row's station as read.
    const std::vector<StationReading>& readings() const { return readings_; }
    // One a used row, one a pair of neighbouring used rows, as of the last update().
    const std::vector<RowProblem>& problems() const { return problems_; }
    const std::vector<PairResult>& pairs() const { return pairs_; }
    const TakeoffTotals& totals() const { return totals_; }
    // What to check in the used rows and their pairs, row by row; and those of one row (its cells,
    // then the pair below it).
    const std::vector<CheckFlag>& checks() const { return checks_; }
    std::span<const CheckFlag> checksOf(std::size_t row) const;

    // Edits change the rows at once and leave the results where they were until update(), so that
    // a view can be told of rows coming and going before it is told of results changing.
    // Each cell's text before the edit, in the same order; the cells must exist.
    std::vector<TakeoffCell> setCells(std::vector<TakeoffCell> cells);
    void insertRows(std::size_t at, std::vector<TakeoffRow> rows);
    // The rows taken out.
    std::vector<TakeoffRow> removeRows(std::size_t first, std::size_t count);

    // Presses the pairs the edits since the last update touched, checks the stations again and
    // sums the wall.
    TakeoffChange update();

private:
    void normalise(TakeoffRow& row) const;
    std::size_t usedCount() const;
    void recheck(TakeoffChange& change);

    const Calculator* calculator_;
    std::vector<TakeoffRow> rows_;
    std::vector<StationReading> readings_;  // one a row
    std::vector<char> stale_;               // one a row: its texts, or the row above it, changed
    std::vector<RowProblem> problems_;
    std::vector<PairResult> pairs_;
    TakeoffTotals totals_;
    std::vector<CheckFlag> checks_;
    std::vector<std::size_t> firstCheck_;  // one a used row and one more: where its checks begin
};

}  // namespace wallcalc
