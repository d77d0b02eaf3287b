// Fuzzes station reading: texts separated by 「|」 each read either as the error their form calls for
// or as the exact value of their digits, computed here on its own in 128 bits; what is read writes
// back to itself, and differences and their sums along the texts are exact.
#include "press_properties.h"

#include "wallcalc/station.h"

#include <optional>

namespace {

__extension__ typedef __int128 Wide;

struct Reference {
    bool form = false;  // K digits + digits [. digits], or digits [. digits], blanks around
    std::size_t kilometreDigits = 0;
    std::size_t metreDigits = 0;
    std::size_t decimals = 0;
    std::string digits;  // kilometres, then metres, then decimals
};

bool blank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

std::size_t digitRun(std::string_view text, std::size_t at)
{
    std::size_t end = at;
    while (end < text.size() && text[end] >= '0' && text[end] <= '9') {
        ++end;
    }
    return end - at;
}

Reference reference(std::string_view text)
{
    Reference r;
    std::size_t at = 0;
    std::size_t end = text.size();
    while (at < end && blank(text[at])) {
        ++at;
    }
    while (end > at && blank(text[end - 1])) {
        --end;
    }
    text = text.substr(at, end - at);
    at = 0;
    if (!text.empty() && (text[0] == 'K' || text[0] == 'k')) {
        r.kilometreDigits = digitRun(text, 1);
        if (r.kilometreDigits == 0 || 1 + r.kilometreDigits >= text.size() || text[1 + r.kilometreDigits] != '+') {
            return r;
        }
        at = 2 + r.kilometreDigits;
    }
    r.metreDigits = digitRun(text, at);
    at += r.metreDigits;
    if (r.metreDigits == 0) {
        return r;
    }
    if (at < text.size() && text[at] == '.') {
        r.decimals = digitRun(text, at + 1);
        if (r.decimals == 0) {
            return r;
        }
        at += 1 + r.decimals;
    }
    r.form = at == text.size();
    for (char c : text) {
        if (c >= '0' && c <= '9') {
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

// The micrometres the text stands for, when it is a station within the bounds.
std::optional<Wide> expected(const Reference& r)
{
    if (!r.form || r.decimals > 6 || r.kilometreDigits > 9 || r.metreDigits > 12) {
        return std::nullopt;
    }
    Wide value = valueOf(std::string_view(r.digits).substr(0, r.kilometreDigits)) * 1'000'000'000 +
                 valueOf(std::string_view(r.digits).substr(r.kilometreDigits, r.metreDigits)) * 1'000'000;
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
                            : wallcalc::StationError::TooManyDigits;
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
