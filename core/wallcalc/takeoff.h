// A take-off along a wall: stations with one section's inputs each, every pair of neighbouring
// stations pressed as the calculator presses, and the volumes summed over the wall.
#pragma once

#include "wallcalc/arithmetic_fault.h"
#include "wallcalc/station.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace wallcalc {

struct TakeoffType;

struct TakeoffRow {
    std::string station;
    std::vector<std::string> inputs;  // one text a column of the type

    bool operator==(const TakeoffRow&) const = default;
};

// Why a row is left out of the totals.
enum class RowProblem { None, Unreadable, NotRising };

struct PairResult {
    bool computed = false;                      // false when a row of the pair is left out
    std::string length;                         // the length text the press read
    std::map<std::string, std::string> texts;   // each output box's text, as the calculator shows it
    std::optional<ArithmeticFault> fault;       // the press stopped here; outputs not reached are absent
};

struct TakeoffTotals {
    std::vector<std::optional<std::string>> volumes;  // per volume of the type; nothing when the sum overflows
    std::string length;                               // of the pairs counted
    int counted = 0;                                  // pairs in the totals
};

// Each row's problem: a 桩号 that does not read, or one not beyond the last row that reads.
std::vector<RowProblem> CheckStations(const std::vector<TakeoffRow>& rows);

// The press on section one from upper, section two from lower and the length between them.
PairResult RunPair(const TakeoffType& type, const TakeoffRow& upper, const TakeoffRow& lower);

// Every pair of neighbouring rows; pairs touching a row with a problem are not computed.
std::vector<PairResult> RunPairs(const TakeoffType& type, const std::vector<TakeoffRow>& rows,
                                 const std::vector<RowProblem>& problems);

// The sums of the volume texts as shown, in row order, over the pairs computed without a fault.
TakeoffTotals SumPairs(const TakeoffType& type, const std::vector<PairResult>& pairs);

}  // namespace wallcalc
