// 工程数量表: a take-off as the quantity sheet a supervisor signs, one row a pair of neighbouring
// stations with its figures rounded for the bill, and totals that are the sums of the printed rows.
#pragma once

#include "wallcalc/takeoff.h"

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace wallcalc {

class TakeoffTable;

// A figure as the calculator shows it and as the bill prints it.
struct BillFigure {
    std::string shown;                  // empty when the press did not reach it
    std::optional<std::string> billed;  // RoundedForBill(shown); nothing when shown is no number
};

struct QuantityRow {
    std::string from;  // 起讫桩号, the two stations as typed
    std::string to;
    bool counted = false;  // in the totals: both stations read and rise, and the press had no fault
    BillFigure length;
    BillFigure firstArea;  // the whole-section areas at the two stations
    BillFigure secondArea;
    std::vector<BillFigure> volumes;  // one a volume of the calculator, in its order
};

// Section areas have no total: a sum of areas is no quantity of the wall.
struct QuantityTotals {
    // Each the exact sum of the printed figures of the counted rows; nothing when a counted row
    // prints no figure in that column or the sum does not fit.
    std::optional<std::string> length;
    std::vector<std::optional<std::string>> volumes;
    int counted = 0;
};

struct QuantityTable {
    std::vector<QuantityRow> rows;  // one a pair
    QuantityTotals totals;
};

// rows: the used rows; pairs: one a pair of neighbouring rows, none when there are fewer than two rows.
QuantityTable QuantityTableOf(const Calculator& calculator, std::span<const TakeoffRow> rows,
                              std::span<const PairResult> pairs);

// The same for a take-off as of its last update(), with no edit since.
QuantityTable QuantityTableOf(const TakeoffTable& table);

}  // namespace wallcalc
