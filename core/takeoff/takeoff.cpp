// The take-off's pairs and totals, run through the calculators' own presses on fields in a map.
#include "wallcalc/takeoff.h"

#include "wallcalc/field_value.h"
#include "wallcalc/map_fields.h"
#include "wallcalc/calculators.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace wallcalc {

bool TakeoffRow::blank() const
{
    return station.empty() && std::all_of(inputs.begin(), inputs.end(), [](const std::string& text) { return text.empty(); });
}

const std::string& TakeoffRow::cell(std::size_t column) const
{
    return column == kStationColumn ? station : inputs.at(InputOfColumn(column));
}

std::string& TakeoffRow::cell(std::size_t column)
{
    return column == kStationColumn ? station : inputs.at(InputOfColumn(column));
}

std::vector<RowProblem> CheckReadings(const std::vector<StationReading>& readings)
{
    std::vector<RowProblem> problems(readings.size(), RowProblem::None);
    std::vector<ExactMetres> stations;  // the readable ones, in row order
    std::vector<std::size_t> rows;      // the row of each
    for (std::size_t n = 0; n < readings.size(); ++n) {
        if (const auto* error = std::get_if<StationError>(&readings[n])) {
            problems[n] = *error == StationError::TooManyDecimals  ? RowProblem::TooManyDecimals
                          : *error == StationError::TooManyDigits  ? RowProblem::TooManyDigits
                          : *error == StationError::MetresTooLarge ? RowProblem::MetresTooLarge
                                                                   : RowProblem::Unreadable;
        } else {
            stations.push_back(std::get<ExactMetres>(readings[n]));
            rows.push_back(n);
        }
    }
    // A take-off runs the way most of its steps go, so that a few mistyped stations do not turn it;
    // as many rising steps as falling ones make it rising.
    long long rises = 0;
    for (std::size_t k = 1; k < stations.size(); ++k) {
        rises += stations[k - 1] < stations[k] ? 1 : stations[k] < stations[k - 1] ? -1 : 0;
    }
    const bool falling = rises < 0;
    const auto inOrder = [falling](const ExactMetres& before, const ExactMetres& after) {
        return falling ? after < before : before < after;
    };
    std::optional<ExactMetres> last;  // the last station in order
    for (std::size_t k = 0; k < stations.size(); ++k) {
        // A station out of order with the next one while the stations either side of it are in
        // order with each other is the mistyped one (K3+410 between K2+400 and K2+420): it is left
        // out, not every station after it. When the next station may be the mistyped one just as
        // well (this one is in order with the station after the next), the next one is.
        const std::size_t count = stations.size();
        const bool odd = k + 1 < count && inOrder(stations[k + 1], stations[k]) &&
                         (k + 2 == count || !inOrder(stations[k], stations[k + 2])) &&
                         (last ? inOrder(*last, stations[k + 1])
                               : k + 2 < count && inOrder(stations[k + 1], stations[k + 2]));
        if (odd || (last && !inOrder(*last, stations[k]))) {
            problems[rows[k]] = falling ? RowProblem::NotFalling : RowProblem::NotRising;
        } else {
            last = stations[k];
        }
    }
    return problems;
}

std::vector<RowProblem> CheckStations(const std::vector<TakeoffRow>& rows)
{
    std::vector<StationReading> readings;
    readings.reserve(rows.size());
    for (const TakeoffRow& row : rows) {
        readings.push_back(ReadStation(row.station));
    }
    return CheckReadings(readings);
}

PairResult RunPair(const Calculator& calculator, const TakeoffRow& upper, const TakeoffRow& lower)
{
    return RunPair(calculator, upper, lower,
                   Distance(std::get<ExactMetres>(ReadStation(upper.station)),
                            std::get<ExactMetres>(ReadStation(lower.station))));
}

PairResult RunPair(const Calculator& calculator, const TakeoffRow& upper, const TakeoffRow& lower,
                   ExactMetres length)
{
    PairResult result;
    result.computed = true;
    result.metres = length;
    result.length = DecimalText(length);
    std::map<std::string, std::string> texts;
    for (std::size_t n = 0; n < calculator.columns.size(); ++n) {
        texts[std::string(calculator.columns[n].first)] = n < upper.inputs.size() ? upper.inputs[n] : "";
        texts[std::string(calculator.columns[n].second)] = n < lower.inputs.size() ? lower.inputs[n] : "";
    }
    texts[std::string(calculator.length)] = result.length;
    MapFields fields(std::move(texts));
    try {
        calculator.computation(fields);
    } catch (const ArithmeticFault& fault) {
        result.fault = fault;
    }
    for (std::string_view output : calculator.outputs) {
        const auto it = fields.texts().find(std::string(output));
        if (it != fields.texts().end()) {
            result.texts.insert(*it);
        }
    }
    return result;
}

std::vector<PairResult> RunPairs(const Calculator& calculator, const std::vector<TakeoffRow>& rows,
                                 const std::vector<RowProblem>& problems)
{
    std::vector<PairResult> pairs;
    for (std::size_t n = 1; n < rows.size(); ++n) {
        const bool counted = problems[n - 1] == RowProblem::None && problems[n] == RowProblem::None;
        pairs.push_back(counted ? RunPair(calculator, rows[n - 1], rows[n]) : PairResult{});
    }
    return pairs;
}

TakeoffTotals SumPairs(const Calculator& calculator, const std::vector<PairResult>& pairs)
{
    TakeoffTotals totals;
    std::vector<double> sums(calculator.volumes.size(), 0.0);
    std::optional<ExactMetres> length = ExactMetres{};
    for (const PairResult& pair : pairs) {
        if (!pair.computed || pair.fault) {
            continue;
        }
        ++totals.counted;
        for (std::size_t v = 0; v < sums.size(); ++v) {
            sums[v] += Val(pair.texts.at(std::string(calculator.volumes[v])));
        }
        if (length) {
            length = Sum(*length, pair.metres);
        }
    }
    for (double sum : sums) {
        totals.volumes.push_back(std::isfinite(sum) ? std::optional(FormatResult(sum)) : std::nullopt);
    }
    if (length) {
        totals.length = DecimalText(*length);
    }
    return totals;
}

}  // namespace wallcalc
