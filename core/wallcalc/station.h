// Stations along a wall (「K1+234.5」 or plain metres) and the exact lengths between them.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace wallcalc {

// A distance in metres held exactly as its digits: units of 10^-scale metres.
struct ExactMetres {
    long long units = 0;
    int scale = 0;
};

// 「K1+234.5」, 「k1+234.5」 or 「1234.5」, blanks around allowed; 「K0+005」 is 5 m. Nothing for a
// text that is no station, or one with more digits than are held exactly (18).
std::optional<ExactMetres> ParseStation(std::string_view text);

// lower − upper, exactly; nothing when the difference does not fit.
std::optional<ExactMetres> Difference(const ExactMetres& upper, const ExactMetres& lower);
std::optional<ExactMetres> Sum(const ExactMetres& a, const ExactMetres& b);

// The shortest decimal: 「14.4」, 「5」, 「-0.25」.
std::string DecimalText(const ExactMetres& metres);

}  // namespace wallcalc
