// The checks on a take-off: each cell read as Val reads it, each column against its neighbours,
// and each pair's sections by their area texts and their outlines.
#include "wallcalc/takeoff_checks.h"

#include "wallcalc/arithmetic_fault.h"
#include "wallcalc/field_value.h"
#include "wallcalc/calculators.h"

#include <algorithm>
#include <span>

namespace wallcalc {

namespace {

constexpr std::size_t kNeighbours = 3;  // rows either side
constexpr double kFar = 5;
constexpr double kSmallestMedian = 0.05;  // metres: below it a ratio of five is no sign of a slip

struct Cell {
    std::optional<double> value;  // nothing when empty, or beyond the double range (the press faults)
    bool empty = false;
    bool readsOtherwise = false;
};

Cell readCell(const std::string& text)
{
    Cell cell;
    try {
        const NumberReading reading = ReadNumber(text);
        cell.empty = reading.whole && reading.length == 0;  // nothing but blanks
        cell.readsOtherwise = !reading.whole;
        if (!cell.empty) {
            cell.value = reading.value;
        }
    } catch (const ArithmeticFault&) {
    }
    return cell;
}

// Whether the calculator's section needs the column's value, given the row's cells.
bool needed(const Calculator& calculator, std::size_t column, const std::vector<Cell>& cells)
{
    for (const auto& [first, end] : calculator.shapes) {
        if (column >= first && column < end) {
            return std::any_of(cells.begin() + std::ptrdiff_t(first), cells.begin() + std::ptrdiff_t(end),
                               [](const Cell& cell) { return !cell.empty; });
        }
    }
    return true;
}

// The pair's flags for one of its sections: area texts below 0 and outlines that cross themselves,
// each once a box.
void checkSection(const Calculator& calculator, const std::vector<Cell>& cells, const PairResult& pair, bool first,
                  std::size_t row, std::vector<CheckFlag>& flags)
{
    std::vector<double> dimensions;
    for (const Cell& cell : cells) {
        dimensions.push_back(cell.value.value_or(0));
    }
    const std::size_t from = flags.size();
    const auto flag = [&](CheckKind kind, std::string_view box, const std::string& text) {
        const auto seen = [&](const CheckFlag& f) { return f.kind == kind && f.box == box; };
        if (std::none_of(flags.begin() + std::ptrdiff_t(from), flags.end(), seen)) {
            flags.push_back({row, kWholePair, kind, text, box});
        }
    };
    for (const OutlinePart& part : calculator.outline(dimensions)) {
        const std::string_view box = first ? part.firstArea : part.secondArea;
        const auto shown = pair.texts.find(std::string(box));
        const std::string text = shown == pair.texts.end() ? std::string() : shown->second;  // none after a fault
        if (!text.empty() && Val(text) < 0) {
            flag(CheckKind::NegativeArea, box, text);
        }
        if (CrossesItself(part.outline)) {
            flag(CheckKind::CrossingOutline, box, text);
        }
    }
}

}  // namespace

std::vector<bool> FarFromNeighbours(const std::vector<std::optional<double>>& values)
{
    std::vector<bool> far(values.size(), false);
    for (std::size_t n = 0; n < values.size(); ++n) {
        if (!values[n]) {
            continue;
        }
        std::vector<double> around;
        for (std::size_t m = n > kNeighbours ? n - kNeighbours : 0; m <= n + kNeighbours && m < values.size(); ++m) {
            if (m != n && values[m]) {
                around.push_back(*values[m]);
            }
        }
        if (around.empty()) {
            continue;
        }
        std::sort(around.begin(), around.end());
        const double low = around[(around.size() - 1) / 2];
        const double high = around[around.size() / 2];
        far[n] = (high >= kSmallestMedian && *values[n] > kFar * high) ||
                 (low >= kSmallestMedian && *values[n] < low / kFar);
    }
    return far;
}

std::vector<CheckFlag> CheckTakeoff(const Calculator& calculator, std::span<const TakeoffRow> rows,
                                    std::span<const PairResult> pairs)
{
    const std::size_t columns = calculator.columns.size();
    std::vector<std::vector<Cell>> cells(rows.size());
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t c = 0; c < columns; ++c) {
            cells[r].push_back(readCell(c < rows[r].inputs.size() ? rows[r].inputs[c] : std::string()));
        }
    }
    std::vector<std::vector<bool>> far;  // a column's, down the rows
    for (std::size_t c = 0; c < columns; ++c) {
        std::vector<std::optional<double>> column;
        for (const std::vector<Cell>& row : cells) {
            column.push_back(row[c].value);
        }
        far.push_back(FarFromNeighbours(column));
    }
    std::vector<CheckFlag> flags;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t c = 0; c < columns; ++c) {
            const Cell& cell = cells[r][c];
            const bool batter = std::find(calculator.batters.begin(), calculator.batters.end(),
                                          calculator.columns[c].first) != calculator.batters.end();
            // Written only for a flag: most cells have none, and a take-off is checked at every edit.
            const auto flag = [&](CheckKind kind) {
                flags.push_back({r, ColumnOfInput(c), kind, FormatResult(cell.value.value_or(0)), {}});
            };
            if (cell.readsOtherwise && cell.value) {
                flag(CheckKind::ReadsOtherwise);
            }
            if (batter && cell.value && *cell.value >= 1) {
                flag(CheckKind::BatterOfOneOrMore);
            }
            if (cell.empty && needed(calculator, c, cells[r])) {
                flag(CheckKind::Empty);
            }
            if (far[c][r]) {
                flag(CheckKind::FarFromNeighbours);
            }
        }
        if (r < pairs.size() && r + 1 < rows.size() && pairs[r].computed) {
            checkSection(calculator, cells[r], pairs[r], true, r, flags);
            checkSection(calculator, cells[r + 1], pairs[r], false, r, flags);
        }
    }
    return flags;
}

}  // namespace wallcalc
