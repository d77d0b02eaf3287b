// A take-off along a wall: stations with one section's inputs each, every pair of neighbouring
// stations pressed as the calculator presses, and the volumes summed over the wall.
#pragma once

#include "wallcalc/arithmetic_fault.h"
#include "wallcalc/station.h"

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace wallcalc {

struct Calculator;

// What a take-off holds at most, so that a file or a paste cannot exhaust the memory: rows of
// stations, and characters (Unicode code points of the UTF-8 text) in one cell.
inline constexpr std::size_t kMaxTakeoffRows = 100000;
inline constexpr std::size_t kMaxCellCharacters = 10000;

// A take-off's columns as its table, its file and its checks number them: the station first, then
// the calculator's inputs in the order of its columns.
inline constexpr std::size_t kStationColumn = 0;
constexpr std::size_t ColumnOfInput(std::size_t input) { return input + 1; }
constexpr std::size_t InputOfColumn(std::size_t column) { return column - 1; }

struct TakeoffRow {
    std::string station;
    std::vector<std::string> inputs;  // one text a column of the calculator

    bool operator==(const TakeoffRow&) const = default;
    // Nothing typed in it: such rows at the end of a take-off are not checked or pressed.
    bool blank() const;
    // The text in the column; the input must exist.
    const std::string& cell(std::size_t column) const;
    std::string& cell(std::size_t column);
};

// Why a row is left out of the totals. NotRising: the station is out of the take-off's order.
// NotRising and NotFalling: a station out of the order of a take-off that rises, or falls.
enum class RowProblem { None, Unreadable, TooManyDecimals, TooManyDigits, NotRising, MetresTooLarge, NotFalling };

struct PairResult {
    bool computed = false;                      // false when a row of the pair is left out
    ExactMetres metres;                         // the length, |lower − upper|
    std::string length;                         // the length text the press read: DecimalText(metres)
    std::map<std::string, std::string> texts;   // each output box's text, as the calculator shows it
    std::optional<ArithmeticFault> fault;       // the press stopped here; outputs not reached are absent
};

struct TakeoffTotals {
    std::vector<std::optional<std::string>> volumes;  // per volume of the calculator; nothing when the sum overflows
    std::optional<std::string> length;                // of the pairs counted; nothing when the sum overflows
    int counted = 0;                                  // pairs in the totals, always those summed
};

// Each row's problem from each row's reading: a reading error, or a station out of order. A
// take-off rises or falls, the way most steps between its readable stations go; a station is out
// of order when it is not beyond the last station in order, or when it alone is out of order with
// the stations either side of it (a mistyped station marks its own row, not the rows after it).
std::vector<RowProblem> CheckReadings(const std::vector<StationReading>& readings);

// Reads each row's 桩号, then checks the readings.
std::vector<RowProblem> CheckStations(const std::vector<TakeoffRow>& rows);

// The press on section one from upper, section two from lower and the distance between them,
// whichever way the take-off runs; both stations must read.
PairResult RunPair(const Calculator& calculator, const TakeoffRow& upper, const TakeoffRow& lower);

// The same with the length already known, for a caller that keeps the readings.
PairResult RunPair(const Calculator& calculator, const TakeoffRow& upper, const TakeoffRow& lower,
                   ExactMetres length);

// Every pair of neighbouring rows; pairs touching a row with a problem are not computed.
std::vector<PairResult> RunPairs(const Calculator& calculator, const std::vector<TakeoffRow>& rows,
                                 const std::vector<RowProblem>& problems);

// The sums of the volume texts as shown, in row order, and of the exact lengths, over the pairs
// computed without a fault.
TakeoffTotals SumPairs(const Calculator& calculator, const std::vector<PairResult>& pairs);

}  // namespace wallcalc
