// Station texts read digit by digit into whole micrometres, so a length between two stations is
// their exact difference and never a double's near miss (K1+234.5 − K1+220.1 is 14.4).
#include "wallcalc/station.h"

#include <string>

namespace wallcalc {

namespace {

constexpr std::size_t kMaxKilometreDigits = 9;
constexpr std::size_t kMaxMetreDigits = 12;
constexpr std::size_t kMaxDecimals = 6;
constexpr long long kMicrometresPerMetre = 1'000'000;
constexpr long long kMetresPerKilometre = 1000;
constexpr std::size_t kMaxLineLetters = 2;  // 「ZK」, 「YK」, 「AK」: the letters before the K name a line

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

// The text with each full-width form a Chinese input method types (U+FF01 to U+FF5E, as 「Ｋ２＋３５２．５」)
// as its ASCII twin, so that it reads as 「K2+352.5」; every other byte as it is.
std::string asciiTwins(std::string_view text)
{
    std::string ascii;
    ascii.reserve(text.size());
    for (std::size_t at = 0; at < text.size(); ++at) {
        const auto byte = [&](std::size_t n) { return static_cast<unsigned char>(text[n]); };
        // U+FF01 to U+FF3F are EF BC 81 to EF BC BF in UTF-8, U+FF40 to U+FF5E are EF BD 80 to EF BD 9E.
        if (byte(at) == 0xEF && at + 2 < text.size() &&
            ((byte(at + 1) == 0xBC && byte(at + 2) >= 0x81 && byte(at + 2) <= 0xBF) ||
             (byte(at + 1) == 0xBD && byte(at + 2) >= 0x80 && byte(at + 2) <= 0x9E))) {
            // The code point's low 8 bits and 0x20: U+FF01 is 「!」, 0x21.
            ascii += static_cast<char>((((byte(at + 1) & 0x03) << 6) | (byte(at + 2) & 0x3F)) + 0x20);
            at += 2;
        } else {
            ascii += text[at];
        }
    }
    return ascii;
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

StationReading ReadStation(std::string_view typed)
{
    const std::string ascii = asciiTwins(typed);
    const std::string_view text = trimmed(ascii);
    const std::size_t plus = text.find('+');
    if (plus == std::string_view::npos) {
        return readMetres(text);
    }
    // Kilometres: 「K2」, a line's 「ZK2」, or the bare 「2」 of 「2+365」.
    std::size_t letters = 0;
    while (letters < plus && isLetter(text[letters])) {
        ++letters;
    }
    if (letters > kMaxLineLetters + 1 || (letters > 0 && text[letters - 1] != 'K' && text[letters - 1] != 'k')) {
        return StationError::Unreadable;
    }
    const std::string_view kilometres = text.substr(letters, plus - letters);
    if (kilometres.empty() || !allDigits(kilometres)) {
        return StationError::Unreadable;
    }
    StationReading metres = readMetres(text.substr(plus + 1));
    if (std::holds_alternative<StationError>(metres)) {
        return metres;
    }
    if (kilometres.size() > kMaxKilometreDigits) {
        return StationError::TooManyDigits;
    }
    // 「K2+4100」 is K2+410 with a digit too many, not K6+100: the metres after the plus make less
    // than a kilometre.
    const long long kilometre = kMetresPerKilometre * kMicrometresPerMetre;
    if (std::get<ExactMetres>(metres).micrometres >= kilometre) {
        return StationError::MetresTooLarge;
    }
    // Below (10^9 − 1) · 10^9 + 10^9 = 10^18 µm, 10^12 m, by the bounds: plain metres write it.
    return ExactMetres{digitsValue(kilometres) * kilometre + std::get<ExactMetres>(metres).micrometres};
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

ExactMetres Distance(const ExactMetres& upper, const ExactMetres& lower)
{
    return lower < upper ? Difference(lower, upper) : Difference(upper, lower);
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
