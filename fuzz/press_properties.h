// What every press must do, whatever its fields hold: finish with every output written in its
// order, or stop on the core's fault with only a first part of those writes made.
#pragma once

#include "../tests/support/logged_fields.h"
#include "result_text.h"

#include "wallcalc/arithmetic_fault.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstdio>
#include <span>
#include <string>
#include <string_view>
#include <vector>

[[noreturn]] inline void propertyBroken(const char* what, const std::string& detail)
{
    std::fprintf(stderr, "property broken: %s: %s\n", what, detail.c_str());
    std::abort();
}

// Fills every field the press may read, outputs included, with texts from the fuzzer's data.
inline LoggedFields fieldsFrom(FuzzedDataProvider& data, std::span<const std::string_view> inputs,
                               std::span<const std::string_view> outputs)
{
    LoggedFields fields;
    for (std::span<const std::string_view> names : {inputs, outputs}) {
        for (std::string_view name : names) {
            fields.setText(std::string(name), data.ConsumeRandomLengthString(4096));
        }
    }
    return fields;
}

inline void checkPress(const std::uint8_t* bytes, std::size_t size, void (*press)(wallcalc::Fields&),
                       std::span<const std::string_view> inputs, std::span<const std::string_view> outputs)
{
    // The writes of a press that meets no fault, in order; an empty window meets none.
    static const std::vector<std::string> fullRun = [&] {
        LoggedFields empty;
        press(empty);
        return empty.writes();
    }();

    FuzzedDataProvider data(bytes, size);
    LoggedFields fields = fieldsFrom(data, inputs, outputs);
    const std::size_t before = fields.writes().size();
    bool faulted = false;
    try {
        press(fields);
    } catch (const wallcalc::ArithmeticFault&) {
        faulted = true;
    }
    const std::vector<std::string> writes(fields.writes().begin() + static_cast<std::ptrdiff_t>(before),
                                          fields.writes().end());
    if (writes.size() > fullRun.size() || !std::equal(writes.begin(), writes.end(), fullRun.begin())) {
        propertyBroken("writes out of order", std::to_string(writes.size()) + " writes");
    }
    if (!faulted && writes.size() != fullRun.size()) {
        propertyBroken("press ended without writing every output", std::to_string(writes.size()) + " writes");
    }
    for (const std::string& name : writes) {
        const std::string text = fields.text(name);
        if (!isUnitText(text) && !isCanonicalResultText(text)) {
            propertyBroken("written text is not a result text", name + " = " + text);
        }
    }
}
