// Val and FormatResult: the two conversions every computation shares.
#include "wallcalc/field_value.h"

#include "wallcalc/arithmetic_fault.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <optional>
#include <vector>

namespace wallcalc {

namespace {

constexpr char kNotAscii = '\x7f';  // stands for any other character; it ends a number

// One code point of UTF-8, or nothing for a malformed sequence (one byte is then skipped).
std::optional<char32_t> decodeUtf8(std::string_view text, std::size_t& pos)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(pos);
    std::size_t length = 0;
    char32_t cp = 0;
    if (lead < 0x80) {
        ++pos;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2;
        cp = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        cp = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        cp = lead & 0x07;
    } else {
        ++pos;
        return std::nullopt;
    }
    if (pos + length > text.size()) {
        ++pos;
        return std::nullopt;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(pos + i) & 0xC0) != 0x80) {
            ++pos;
            return std::nullopt;
        }
        cp = (cp << 6) | (byte(pos + i) & 0x3F);
    }
    pos += length;
    return cp;
}

// Characters that stand for ASCII ones: the full-width forms a Chinese input method types
// (so 「１２．５」 is 12.5, not a silent 0), its full stop 「。」 typed for the decimal point, and
// the minus sign and the no-break and thin spaces that a paste from a document brings in.
char asciiTwin(char32_t cp)
{
    if (cp < 0x80) {
        return static_cast<char>(cp);
    }
    if (cp >= 0xFF01 && cp <= 0xFF5E) {
        return static_cast<char>(cp - 0xFEE0);
    }
    switch (cp) {
    case 0x3002:
        return '.';
    case 0x2212:
        return '-';
    case 0x3000:
    case 0x00A0:
    case 0x2009:
    case 0x202F:
        return ' ';
    default:
        return kNotAscii;
    }
}

// The text as Val sees it: blanks dropped wherever they stand, every character that is no ASCII
// one kept as a stop mark; and for each character kept, where it ends in the text.
struct Folded {
    std::string chars;
    std::vector<std::size_t> ends;
};

Folded folded(std::string_view text)
{
    Folded out;
    out.chars.reserve(text.size());
    out.ends.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const std::optional<char32_t> cp = decodeUtf8(text, pos);
        const char c = cp ? asciiTwin(*cp) : kNotAscii;
        if (c != ' ' && c != '\t' && c != '\n') {
            out.chars += c;
            out.ends.push_back(pos);
        }
    }
    return out;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

void appendInteger(std::string& out, std::int64_t value)
{
    char buf[24];
    out.append(buf, std::to_chars(buf, buf + sizeof buf, value).ptr);
}

[[noreturn]] void overflow() { throw ArithmeticFault(ArithmeticFault::Cause::FieldValue, {}); }

// 「&H」 and 「&O」 numbers: up to four hex (six octal) digits make a signed 16-bit value,
// so 「&HFFFF」 is -1; up to eight hex (eleven octal) digits a signed 32-bit value.
double radixValue(std::string_view digits, int radix, std::size_t& taken)
{
    const std::size_t short16 = radix == 16 ? 4 : 6;
    const std::size_t long32 = radix == 16 ? 8 : 11;
    std::uint64_t value = 0;
    const char* const end = std::from_chars(digits.data(), digits.data() + digits.size(), value, radix).ptr;
    taken = static_cast<std::size_t>(end - digits.data());  // every digit, even past 64 bits
    if (taken > long32) {
        overflow();
    }
    if (taken <= short16 && value <= 0xFFFF) {
        return static_cast<std::int16_t>(static_cast<std::uint16_t>(value));
    }
    if (value <= 0xFFFFFFFF) {
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
    }
    overflow();
}

// A decimal number: sign, digits, an optional fraction and an optional exponent (E or D).
double decimalValue(std::string_view s, std::size_t& taken)
{
    std::size_t i = 0;
    const bool negative = i < s.size() && s[i] == '-';
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) {
        ++i;
    }
    const std::size_t intStart = i;
    while (i < s.size() && isDigit(s[i])) {
        ++i;
    }
    const std::string_view intDigits = s.substr(intStart, i - intStart);
    std::string_view fracDigits;
    if (i < s.size() && s[i] == '.') {
        const std::size_t fracStart = ++i;
        while (i < s.size() && isDigit(s[i])) {
            ++i;
        }
        fracDigits = s.substr(fracStart, i - fracStart);
    }
    if (intDigits.empty() && fracDigits.empty()) {
        taken = 0;
        return 0;
    }
    taken = i;

    // The exponent saturates far beyond any text's length, so the digits can never make up for it.
    constexpr std::int64_t kExponentCap = 1'000'000'000'000'000;
    std::int64_t exponent = 0;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
        std::size_t j = i + 1;
        const bool negativeExponent = j < s.size() && s[j] == '-';
        if (j < s.size() && (s[j] == '-' || s[j] == '+')) {
            ++j;
        }
        const std::size_t digitsStart = j;
        for (; j < s.size() && isDigit(s[j]); ++j) {
            exponent = std::min(exponent * 10 + (s[j] - '0'), kExponentCap);
        }
        if (j > digitsStart) {
            taken = j;
        }
        if (negativeExponent) {
            exponent = -exponent;
        }
    }

    std::string number;
    number.reserve(intDigits.size() + fracDigits.size() + 16);
    number.append(intDigits.empty() ? "0" : intDigits);
    number += '.';
    number.append(fracDigits.empty() ? "0" : fracDigits);
    number += 'e';
    appendInteger(number, exponent);

    double value = 0;
    const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    (void)end;
    if (ec == std::errc::result_out_of_range) {
        // Too large is a fault; too small to tell from zero reads as zero.
        const std::size_t firstInt = intDigits.find_first_not_of('0');
        const std::size_t firstFrac = fracDigits.find_first_not_of('0');
        const std::int64_t leadingPower =
            firstInt != std::string_view::npos
                ? static_cast<std::int64_t>(intDigits.size() - firstInt) - 1
                : -static_cast<std::int64_t>(firstFrac) - 1;
        if (leadingPower + exponent > 0) {
            overflow();
        }
        value = 0;
    }
    return negative ? -value : value;
}

// Most texts are a plain number, as 「12.5」 or 「3.5m」: ASCII without blanks as far as the number
// goes, and no exponent letter where it stops. from_chars reads such a number just as the full
// reading below would, without its copies, and says where it stopped; anything else is left to
// the full reading.
std::optional<double> plainNumber(std::string_view text)
{
    const std::size_t start = !text.empty() && (text[0] == '-' || text[0] == '+') ? 1 : 0;
    if (start == text.size() || !(isDigit(text[start]) || text[start] == '.')) {
        return std::nullopt;
    }
    double value = 0;
    const auto [stop, ec] = std::from_chars(text.data() + start, text.data() + text.size(), value);
    if (ec != std::errc()) {
        return std::nullopt;  // no digits, or beyond the double range: the full reading decides
    }
    if (stop != text.data() + text.size()) {
        const auto c = static_cast<unsigned char>(*stop);
        // A blank or a full-width character may fold into more of the number, and an exponent
        // letter with nothing after it that from_chars takes may still be one the full reading takes.
        if (c >= 0x80 || c == ' ' || c == '\t' || c == '\n' || c == 'E' || c == 'e' || c == 'D' || c == 'd') {
            return std::nullopt;
        }
    }
    return text[0] == '-' ? -value : value;
}

}  // namespace

NumberReading ReadNumber(std::string_view text)
{
    const Folded f = folded(text);
    const std::string_view s = f.chars;
    std::size_t taken = 0;
    double value = 0;
    if (s.size() >= 2 && s[0] == '&' && (s[1] == 'H' || s[1] == 'h' || s[1] == 'O' || s[1] == 'o')) {
        value = radixValue(s.substr(2), s[1] == 'H' || s[1] == 'h' ? 16 : 8, taken);
        taken = taken == 0 ? 0 : taken + 2;
    } else {
        value = decimalValue(s, taken);
    }
    return {value, taken == 0 ? 0 : f.ends[taken - 1], taken == s.size()};
}

std::optional<double> WholeNumber(std::string_view text)
{
    try {
        const NumberReading reading = ReadNumber(text);
        if (reading.whole && reading.length > 0) {
            return reading.value;
        }
    } catch (const ArithmeticFault&) {
    }
    return std::nullopt;
}

double Val(std::string_view text)
{
    if (const std::optional<double> value = plainNumber(text)) {
        return *value;
    }
    return ReadNumber(text).value;
}

std::string FormatResult(double x)
{
    if (x == 0) {
        return "0";  // negative zero too
    }
    // Correctly rounded to 15 significant digits without trailing zeros, in exponent form below
    // 1E-4 and from 1E15 on, with at least two exponent digits.
    char buf[32];
    char* const end = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::general, 15).ptr;
    std::replace(buf, end, 'e', 'E');
    return std::string(buf, end);
}

}  // namespace wallcalc
