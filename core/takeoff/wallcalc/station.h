// Stations along a wall (「K1+234.5」 or plain metres) and the exact lengths between them.
#pragma once

#include <compare>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace wallcalc {

// A distance held exactly in whole micrometres: a station has at most 6 decimals of a metre.
struct ExactMetres {
    long long micrometres = 0;
    auto operator<=>(const ExactMetres&) const = default;
};

// Why a text is no station: not one at all, more than 6 decimals, more digits than the bounds, or
// 1000 m or more after the plus (「K2+4100」).
enum class StationError { Unreadable, TooManyDecimals, TooManyDigits, MetresTooLarge };
using StationReading = std::variant<ExactMetres, StationError>;

// 「K1+234.5」, 「k1+234.5」, a line's 「ZK1+234.5」 (one or two letters before the K), 「1+234.5」 or
// 「1234.5」, blanks around allowed; 「K0+005」 is 5 m. Full-width forms read as their ASCII twins
// (「Ｋ１＋２３４．５」). At most 9 digits of kilometres, 12 digits of metres before the point and 6
// after it, as written, and less than 1000 m after a plus, so that every reading is below 10^12 m
// and DecimalText writes it as plain metres that read back. Every reading is below 10^18 µm: any
// difference of two readings, or sum of a monotonic run's lengths, fits.
StationReading ReadStation(std::string_view text);

// a + b; nothing when the sum does not fit.
std::optional<ExactMetres> Sum(const ExactMetres& a, const ExactMetres& b);

// lower − upper, exact for any two readings.
ExactMetres Difference(const ExactMetres& upper, const ExactMetres& lower);

// |lower − upper|, exact for any two readings: the length between two stations either way.
ExactMetres Distance(const ExactMetres& upper, const ExactMetres& lower);

// The shortest decimal: 「14.4」, 「5」, 「-0.25」.
std::string DecimalText(const ExactMetres& metres);

}  // namespace wallcalc
