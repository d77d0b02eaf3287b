// Bill rounding done on the digits of the text, so that a tie such as 「2.675」 (2.67499… as a
// double) rounds up as a person rounding the printed figure would.
#include "wallcalc/bill_rounding.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace wallcalc {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The digits from at while they last.
std::string_view digitsFrom(std::string_view text, std::size_t& at)
{
    const std::size_t start = at;
    while (at < text.size() && isDigit(text[at])) {
        ++at;
    }
    return text.substr(start, at - start);
}

// The point may stand this far beyond the digits at most; any more is as good as infinite, and
// the cap keeps the arithmetic on positions far from overflow whatever a text's length.
constexpr long long kExponentCap = 1'000'000'000;

// Hundredths below 10^18, so that rounding up and adding two of them still fit a long long.
constexpr long long kMaxPointPosition = 16;

}  // namespace

std::optional<BillQuantity> BillQuantityOf(std::string_view text)
{
    std::size_t at = 0;
    const bool negative = at < text.size() && text[at] == '-';
    if (negative) {
        ++at;
    }
    const std::string_view whole = digitsFrom(text, at);
    std::string_view fraction;
    if (at < text.size() && text[at] == '.') {
        ++at;
        fraction = digitsFrom(text, at);
        if (fraction.empty()) {
            return std::nullopt;
        }
    }
    if (whole.empty()) {
        return std::nullopt;
    }
    long long exponent = 0;
    if (at < text.size() && (text[at] == 'E' || text[at] == 'e')) {
        ++at;
        const bool negativeExponent = at < text.size() && text[at] == '-';
        if (at < text.size() && (text[at] == '-' || text[at] == '+')) {
            ++at;
        }
        const std::string_view power = digitsFrom(text, at);
        if (power.empty()) {
            return std::nullopt;
        }
        for (char c : power) {
            exponent = std::min(exponent * 10 + (c - '0'), kExponentCap);
        }
        if (negativeExponent) {
            exponent = -exponent;
        }
    }
    if (at != text.size()) {
        return std::nullopt;
    }

    // The number is 0.d1d2d3… × 10^point, its digits without leading zeros.
    std::string digits(whole);
    digits.append(fraction);
    long long point = static_cast<long long>(whole.size()) + exponent;
    const std::size_t firstNonZero = digits.find_first_not_of('0');
    if (firstNonZero == std::string::npos) {
        return BillQuantity{};
    }
    digits.erase(0, firstNonZero);
    point -= static_cast<long long>(firstNonZero);
    if (point > kMaxPointPosition) {
        return std::nullopt;
    }

    // The hundredths are the digits before point + 2; the digit there decides the rounding.
    const long long kept = point + 2;
    long long hundredths = 0;
    for (long long n = 0; n < kept; ++n) {
        hundredths = hundredths * 10 + (n < static_cast<long long>(digits.size()) ? digits[static_cast<std::size_t>(n)] - '0' : 0);
    }
    const bool roundsUp = kept >= 0 && kept < static_cast<long long>(digits.size()) && digits[static_cast<std::size_t>(kept)] >= '5';
    if (roundsUp) {
        ++hundredths;
    }
    return BillQuantity{negative ? -hundredths : hundredths};
}

std::string BillText(BillQuantity quantity)
{
    const bool negative = quantity.hundredths < 0;
    // Through unsigned, so that the most negative long long has a magnitude too.
    const unsigned long long magnitude =
        negative ? 0ULL - static_cast<unsigned long long>(quantity.hundredths) : static_cast<unsigned long long>(quantity.hundredths);
    char whole[24];
    std::string text(whole, std::to_chars(whole, whole + sizeof whole, magnitude / 100).ptr);
    text += '.';
    text += static_cast<char>('0' + magnitude % 100 / 10);
    text += static_cast<char>('0' + magnitude % 10);
    return negative ? "-" + text : text;
}

std::optional<std::string> RoundedForBill(std::string_view shownText)
{
    const std::optional<BillQuantity> quantity = BillQuantityOf(shownText);
    return quantity ? std::optional(BillText(*quantity)) : std::nullopt;
}

std::optional<BillQuantity> BillSum(BillQuantity a, BillQuantity b)
{
    constexpr long long kMax = std::numeric_limits<long long>::max();
    constexpr long long kMin = std::numeric_limits<long long>::min();
    if ((b.hundredths > 0 && a.hundredths > kMax - b.hundredths) || (b.hundredths < 0 && a.hundredths < kMin - b.hundredths)) {
        return std::nullopt;
    }
    return BillQuantity{a.hundredths + b.hundredths};
}

}  // namespace wallcalc
