// A press stopped by an overflow, checked alike for every calculator: which fault, and which boxes it wrote.
#pragma once

#include "../support/map_fields.h"

#include "wallcalc/arithmetic_fault.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

struct FaultCase {
    const char* name;
    std::vector<std::pair<std::string, std::string>> inputs;
    wallcalc::ArithmeticFault::Cause cause;
    const char* field;
    std::size_t writesBeforeFault;
};

inline std::string faultCaseName(const testing::TestParamInfo<FaultCase>& info)
{
    return info.param.name;
}

// Sets every output to "old" and the case's inputs, then presses: the fault must be the case's,
// the outputs before it written in their order, and the others still "old".
inline void expectFaultKeepsEarlierWrites(void (*press)(wallcalc::Fields&), MapFields fields,
                                          const std::vector<std::string>& writeOrder, const FaultCase& expected)
{
    for (const std::string& output : writeOrder) {
        fields.setText(output, "old");
    }
    for (const auto& [name, text] : expected.inputs) {
        fields.setText(name, text);
    }
    const auto writesBefore = static_cast<std::ptrdiff_t>(fields.writes().size());
    try {
        press(fields);
        FAIL() << "no fault";
    } catch (const wallcalc::ArithmeticFault& fault) {
        EXPECT_EQ(fault.cause(), expected.cause);
        EXPECT_EQ(fault.field(), expected.field);
        EXPECT_NE(std::string(fault.what()).find(expected.field), std::string::npos);
    }
    const auto reached = static_cast<std::ptrdiff_t>(expected.writesBeforeFault);
    EXPECT_EQ(std::vector<std::string>(fields.writes().begin() + writesBefore, fields.writes().end()),
              std::vector<std::string>(writeOrder.begin(), writeOrder.begin() + reached));
    for (auto unreached = writeOrder.begin() + reached; unreached != writeOrder.end(); ++unreached) {
        EXPECT_EQ(fields.text(*unreached), "old") << *unreached;
    }
}
