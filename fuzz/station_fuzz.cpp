// Fuzzes station reading: texts separated by 「|」 (full-width forms among them) each read either as
// the error their form calls for or as the exact value of their digits, computed here on its own in
// 128 bits; what is read writes back to itself, and differences and their sums along the texts are
// exact.
#include "press_properties.h"

#include "wallcalc/station.h"

#include <optional>

namespace {

__extension__ typedef __int128 Wide;

struct Reference {
    bool form = false;  // [[letters] K] digits + digits [. digits], or digits [. digits], blanks around
    bool kForm = false;
    std::size_t kilometreDigits = 0;
    std::size_t metreDigits = 0;
    std::size_t decimals = 0;
    std::string digits;  // kilometres, then metres, then decimals
};

bool blank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

std::size_t run(std::string_view text, std::size_t at, bool (*member)(char))
{
    std::size_t end = at;
    while (end < text.size() && member(text[end])) {
        ++end;
    }
    return end - at;
}

bool digit(char c)
{
    return c >= '0' && c <= '9';
}

bool letter(char c)
{
    return (c | 0x20) >= 'a' && (c | 0x20) <= 'z';
}

// Every well-formed three-byte UTF-8 sequence of a code point from U+FF01 to U+FF5E becomes the
// ASCII character 0xFEE0 below it.
std::string narrowed(std::string_view text)
{
    std::string out;
    std::size_t at = 0;
    while (at < text.size()) {
        const auto b = [&](std::size_t n) { return unsigned(static_cast<unsigned char>(text[at + n])); };
        if (at + 3 <= text.size() && b(0) == 0xEF && (b(1) & 0xC0) == 0x80 && (b(2) & 0xC0) == 0x80) {
            const unsigned cp = 0xF000 | (b(1) & 0x3F) << 6 | (b(2) & 0x3F);
            if (cp >= 0xFF01 && cp <= 0xFF5E) {
                out += char(cp - 0xFEE0);
                at += 3;
                continue;
            }
        }
        out += text[at++];
    }
    return out;
}

Reference reference(std::string_view typed)
{
    Reference r;
    const std::string wide = narrowed(typed);
    std::string_view text = wide;
    std::size_t at = 0;
    std::size_t end = text.size();
    while (at < end && blank(text[at])) {
        ++at;
    }
    while (end > at && blank(text[end - 1])) {
        --end;
    }
    text = text.substr(at, end - at);
    // Up to two letters of a line, then K, or no letters; kilometre digits and a plus, or plain metres.
    const std::size_t letters = run(text, 0, letter);
    if (letters > 3 || (letters > 0 && (text[letters - 1] | 0x20) != 'k')) {
        return r;
    }
    const std::size_t leading = run(text, letters, digit);
    r.kForm = letters + leading < text.size() && text[letters + leading] == '+';
    if (letters > 0 && !r.kForm) {
        return r;
    }
    if (r.kForm) {
        r.kilometreDigits = leading;
        if (leading == 0) {
            return r;
        }
        at = letters + leading + 1;
    } else {
        at = 0;
    }
    r.metreDigits = run(text, at, digit);
    at += r.metreDigits;
    if (r.metreDigits == 0) {
        return r;
    }
    if (at < text.size() && text[at] == '.') {
        r.decimals = run(text, at + 1, digit);
        if (r.decimals == 0) {
            return r;
        }
        at += 1 + r.decimals;
    }
    r.form = at == text.size();
    for (char c : text) {
        if (digit(c)) {
            r.digits += c;
        }
    }
    return r;
}

Wide valueOf(std::string_view digits)
{
    Wide value = 0;
    for (char c : digits) {
        value = value * 10 + (c - '0');
    }
    return value;
}

Wide metresAfterPlus(const Reference& r)
{
    return valueOf(std::string_view(r.digits).substr(r.kilometreDigits, r.metreDigits));
}

bool overBounds(const Reference& r)
{
    return r.kilometreDigits > 9 || r.metreDigits > 12;
}

// The micrometres the text stands for, when it is a station within the bounds.
std::optional<Wide> expected(const Reference& r)
{
    if (!r.form || r.decimals > 6 || overBounds(r) || (r.kForm && metresAfterPlus(r) >= 1000)) {
        return std::nullopt;
    }
    Wide value = valueOf(std::string_view(r.digits).substr(0, r.kilometreDigits)) * 1'000'000'000 +
                 metresAfterPlus(r) * 1'000'000;
    Wide fraction = valueOf(std::string_view(r.digits).substr(r.kilometreDigits + r.metreDigits));
    for (std::size_t n = r.decimals; n < 6; ++n) {
        fraction *= 10;
    }
    // Plain metres write any station, so none reaches 10^12 m.
    return value + fraction < Wide(1'000'000'000'000'000'000) ? std::optional(value + fraction) : std::nullopt;
}

wallcalc::StationError expectedError(const Reference& r)
{
    return !r.form          ? wallcalc::StationError::Unreadable
           : r.decimals > 6 ? wallcalc::StationError::TooManyDecimals
           : overBounds(r)  ? wallcalc::StationError::TooManyDigits
                            : wallcalc::StationError::MetresTooLarge;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    std::string_view rest(reinterpret_cast<const char*>(bytes), size);
    std::vector<wallcalc::ExactMetres> read;
    for (;;) {
        const std::size_t bar = rest.find('|');
        const std::string_view text = rest.substr(0, bar);
        const wallcalc::StationReading reading = wallcalc::ReadStation(text);
        const Reference r = reference(text);
        const std::optional<Wide> value = expected(r);
        if (const auto* metres = std::get_if<wallcalc::ExactMetres>(&reading)) {
            if (!value || Wide(metres->micrometres) != *value) {
                propertyBroken("read otherwise than its digits say", std::string(text));
            }
            const std::string written = wallcalc::DecimalText(*metres);
            if (wallcalc::ReadStation(written) != reading) {
                propertyBroken("DecimalText does not read back to itself", written);
            }
            read.push_back(*metres);
        } else if (value || std::get<wallcalc::StationError>(reading) != expectedError(r)) {
            propertyBroken("refused with the wrong error, or refused a station", std::string(text));
        }
        if (bar == std::string_view::npos) {
            break;
        }
        rest.remove_prefix(bar + 1);
    }
    // The lengths between the texts as read, in their order, sum to last − first without overflow.
    std::optional<wallcalc::ExactMetres> total = wallcalc::ExactMetres{};
    for (std::size_t n = 1; n < read.size(); ++n) {
        const wallcalc::ExactMetres length = wallcalc::Difference(read[n - 1], read[n]);
        if (Wide(length.micrometres) != Wide(read[n].micrometres) - Wide(read[n - 1].micrometres)) {
            propertyBroken("a difference is not exact", wallcalc::DecimalText(length));
        }
        total = wallcalc::Sum(*total, length);
        if (!total || Wide(total->micrometres) != Wide(read[n].micrometres) - Wide(read[0].micrometres)) {
            propertyBroken("the lengths do not sum to last − first", std::to_string(n));
        }
    }
    return 0;
}
