// Station texts read digit by digit into whole micrometres, so a length between two stations is
// their exact difference and never a double's near miss (K1+234.5 − K1+220.1 is 14.4).
#include "wallcalc/station.h"

namespace wallcalc {

namespace {

constexpr std::size_t kMaxKilometreDigits = 9;
constexpr std::size_t kMaxMetreDigits = 12;
constexpr std::size_t kMaxDecimals = 6;
constexpr long long kMicrometresPerMetre = 1'000'000;
constexpr long long kPlainLimit = 1'000'000'000'000 * kMicrometresPerMetre;  // 12 digits of metres

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

bool allDigits(std::string_view text)
{
    for (char c : text) {
        if (!isDigit(c)) {
            return false;
        }
    }
    return true;
}

// The digits' value; the callers bound them to 12 digits, so it stays below 10^12.
long long digitsValue(std::string_view digits)
{
    long long value = 0;
    for (char c : digits) {
        value = value * 10 + (c - '0');
    }
    return value;
}

// Metres with at most one point and at least one digit before it: 「234.5」, 「005」.
StationReading readMetres(std::string_view text)
{
    const std::size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction = point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    if (whole.empty() || (point != std::string_view::npos && fraction.empty()) || !allDigits(whole) ||
        !allDigits(fraction)) {
        return StationError::Unreadable;
    }
    if (fraction.size() > kMaxDecimals) {
        return StationError::TooManyDecimals;
    }
    if (whole.size() > kMaxMetreDigits) {
        return StationError::TooManyDigits;
    }
    long long scale = kMicrometresPerMetre;
    for (std::size_t n = 0; n < fraction.size(); ++n) {
        scale /= 10;
    }
    // Below 10^12 · 10^6 + 10^6: the bounds keep it far from overflow.
    return ExactMetres{digitsValue(whole) * kMicrometresPerMetre + digitsValue(fraction) * scale};
}

}  // namespace

StationReading ReadStation(std::string_view text)
{
    text = trimmed(text);
    if (text.empty() || (text.front() != 'K' && text.front() != 'k')) {
        return readMetres(text);
    }
    const std::size_t plus = text.find('+');
    if (plus == std::string_view::npos || plus == 1) {
        return StationError::Unreadable;
    }
    const std::string_view kilometres = text.substr(1, plus - 1);
    if (!allDigits(kilometres)) {
        return StationError::Unreadable;
    }
    StationReading metres = readMetres(text.substr(plus + 1));
    if (std::holds_alternative<StationError>(metres)) {
        return metres;
    }
    if (kilometres.size() > kMaxKilometreDigits) {
        return StationError::TooManyDigits;
    }
    // Below 10^9 · 10^9 + 10^18 = 2·10^18 < 2^63 by the bounds: no overflow.
    const ExactMetres station{digitsValue(kilometres) * 1000 * kMicrometresPerMetre +
                              std::get<ExactMetres>(metres).micrometres};
    // A station must also be one that plain metres can write, as DecimalText does.
    if (station.micrometres >= kPlainLimit) {
        return StationError::TooManyDigits;
    }
    return station;
}

std::optional<ExactMetres> Sum(const ExactMetres& a, const ExactMetres& b)
{
    ExactMetres sum;
    if (__builtin_add_overflow(a.micrometres, b.micrometres, &sum.micrometres)) {
        return std::nullopt;
    }
    return sum;
}

ExactMetres Difference(const ExactMetres& upper, const ExactMetres& lower)
{
    // Unsigned arithmetic wraps instead of overflowing; readings lie in [0, 2·10^18), so the true
    // difference lies within long long and the wrapped result converts back to it exactly.
    return {static_cast<long long>(static_cast<unsigned long long>(lower.micrometres) -
                                   static_cast<unsigned long long>(upper.micrometres))};
}

std::string DecimalText(const ExactMetres& metres)
{
    const bool negative = metres.micrometres < 0;
    // Negated as unsigned, so the most negative value has its magnitude too.
    const unsigned long long magnitude = negative ? 0ULL - static_cast<unsigned long long>(metres.micrometres)
                                                  : static_cast<unsigned long long>(metres.micrometres);
    const unsigned long long perMetre = kMicrometresPerMetre;
    std::string text = std::to_string(magnitude / perMetre);
    std::string fraction = std::to_string(magnitude % perMetre + perMetre).substr(1);
    while (!fraction.empty() && fraction.back() == '0') {
        fraction.pop_back();
    }
    if (!fraction.empty()) {
        text += '.' + fraction;
    }
    return negative ? '-' + text : text;
}

}  // namespace wallcalc
