// Every press of the three calculators against its golden file in tests/data/presses/: the texts
// typed, the writes the press must make in their order with their texts, and the fault it must
// stop on, if any. A file holds one press (blank lines and lines starting with # are skipped):
//
//   press TypeACalculation       the computation
//   typed:                       then a line "field text" for each text typed before the press
//                                (a text without blanks; a field left empty is not listed)
//   written:                     then a line "field text" for each write, in order
//   fault: Operation Text17      the fault that stops the press after those writes: its cause and field
//
// A press without a fault line must finish, and its first writes follow its calculator's list of
// outputs (TypeAOutputs and the others), which the windows and the fuzz targets rely on.
#include "../../support/logged_fields.h"

#include "wallcalc/arithmetic_fault.h"
#include "wallcalc/calculators.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

using wallcalc::ArithmeticFault;

namespace {

// The calculator of each press a golden file names.
const std::map<std::string, const wallcalc::Calculator*> kPresses{
    {"TypeACalculation", &wallcalc::kTypeA},
    {"TypeBCalculation", &wallcalc::kTypeB},
    {"FoundationCalculation", &wallcalc::kFoundation},
};

std::vector<std::string> goldenFiles()
{
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(WALLCALC_TEST_DATA "/presses")) {
        if (entry.path().extension() == ".txt") {
            files.push_back(entry.path().string());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

class GoldenPress : public testing::TestWithParam<std::string> {};

TEST_P(GoldenPress, WritesWhatItsFileSays)
{
    std::ifstream file(GetParam());
    ASSERT_TRUE(file) << GetParam();
    LoggedFields fields;
    std::string press, section, fault;
    std::vector<std::string> expected;
    for (std::string line; std::getline(file, line);) {
        std::istringstream words(line);
        std::string first, second, third;
        words >> first >> second >> third;
        if (first.empty() || first[0] == '#') {
            continue;
        } else if (first == "press") {
            press = second;
        } else if (first == "typed:" || first == "written:") {
            section = first;
        } else if (first == "fault:") {
            fault = second + ' ' + third;
        } else if (section == "typed:") {
            fields.setText(first, second);
        } else {
            expected.push_back(first + ' ' + second);
        }
    }
    const auto typed = static_cast<std::ptrdiff_t>(fields.written().size());
    std::string faulted;
    try {
        kPresses.at(press)->computation(fields);
    } catch (const ArithmeticFault& stop) {
        faulted = (stop.cause() == ArithmeticFault::Cause::FieldValue ? "FieldValue " : "Operation ") + stop.field();
        EXPECT_NE(std::string(stop.what()).find(stop.field()), std::string::npos) << stop.what();
    }
    EXPECT_EQ(faulted, fault);
    EXPECT_EQ(std::vector<std::string>(fields.written().begin() + typed, fields.written().end()), expected);

    std::vector<std::string> firstWrites;
    for (auto name = fields.writes().begin() + typed; name != fields.writes().end(); ++name) {
        if (std::ranges::find(firstWrites, *name) == firstWrites.end()) {
            firstWrites.push_back(*name);
        }
    }
    EXPECT_TRUE(!fault.empty() || std::ranges::equal(firstWrites, kPresses.at(press)->outputs));
}

INSTANTIATE_TEST_SUITE_P(Presses, GoldenPress, testing::ValuesIn(goldenFiles()),
                         [](const auto& info) { return std::filesystem::path(info.param).stem().string(); });

}  // namespace
