// Station texts read digit by digit, so a length between two stations is their exact difference
// and never a double's near miss (K1+234.5 − K1+220.1 is 14.4).
#include "wallcalc/station.h"

#include <cctype>
#include <limits>

namespace wallcalc {

namespace {

constexpr int kMaxDigits = 18;

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) {
        text.remove_prefix(1);
    }
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) {
        text.remove_suffix(1);
    }
    return text;
}

// Appends the digits of text to units; false when a character is no digit or too many digits.
bool appendDigits(std::string_view text, long long& units, int& digits)
{
    for (char c : text) {
        if (!isDigit(c) || ++digits > kMaxDigits) {
            return false;
        }
        units = units * 10 + (c - '0');
    }
    return true;
}

// Digits with at most one point and at least one digit before it: 「234.5」, 「005」.
std::optional<ExactMetres> parseMetres(std::string_view text, int& digits)
{
    const std::size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction = point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    if (whole.empty() || (point != std::string_view::npos && fraction.empty())) {
        return std::nullopt;
    }
    ExactMetres metres;
    if (!appendDigits(whole, metres.units, digits) || !appendDigits(fraction, metres.units, digits)) {
        return std::nullopt;
    }
    metres.scale = int(fraction.size());
    return metres;
}

// Both at the larger scale; false when that does not fit.
bool align(ExactMetres& a, ExactMetres& b)
{
    ExactMetres& finer = a.scale < b.scale ? b : a;
    ExactMetres& coarser = a.scale < b.scale ? a : b;
    while (coarser.scale < finer.scale) {
        if (__builtin_mul_overflow(coarser.units, 10LL, &coarser.units)) {
            return false;
        }
        ++coarser.scale;
    }
    return true;
}

}  // namespace

std::optional<ExactMetres> ParseStation(std::string_view text)
{
    text = trimmed(text);
    int digits = 0;
    if (text.empty() || (text.front() != 'K' && text.front() != 'k')) {
        return parseMetres(text, digits);
    }
    const std::size_t plus = text.find('+');
    if (plus == std::string_view::npos || plus == 1) {
        return std::nullopt;
    }
    long long kilometres = 0;
    if (!appendDigits(text.substr(1, plus - 1), kilometres, digits)) {
        return std::nullopt;
    }
    std::optional<ExactMetres> metres = parseMetres(text.substr(plus + 1), digits);
    if (!metres) {
        return std::nullopt;
    }
    ExactMetres start{kilometres * 1000, 0};
    return Sum(start, *metres);
}

std::optional<ExactMetres> Difference(const ExactMetres& upper, const ExactMetres& lower)
{
    if (upper.units == std::numeric_limits<long long>::min()) {
        return std::nullopt;
    }
    return Sum(lower, {-upper.units, upper.scale});
}

std::optional<ExactMetres> Sum(const ExactMetres& a, const ExactMetres& b)
{
    ExactMetres x = a;
    ExactMetres y = b;
    ExactMetres result;
    if (!align(x, y) || __builtin_add_overflow(x.units, y.units, &result.units)) {
        return std::nullopt;
    }
    result.scale = x.scale;
    return result;
}

std::string DecimalText(const ExactMetres& metres)
{
    const bool negative = metres.units < 0;
    std::string digits = std::to_string(negative ? -static_cast<unsigned long long>(metres.units)
                                                 : static_cast<unsigned long long>(metres.units));
    if (int(digits.size()) <= metres.scale) {
        digits.insert(0, std::size_t(metres.scale) - digits.size() + 1, '0');
    }
    std::string whole = digits.substr(0, digits.size() - std::size_t(metres.scale));
    std::string fraction = digits.substr(whole.size());
    while (!fraction.empty() && fraction.back() == '0') {
        fraction.pop_back();
    }
    const std::string text = fraction.empty() ? whole : whole + '.' + fraction;
    return negative && text != "0" ? '-' + text : text;
}

}  // namespace wallcalc
