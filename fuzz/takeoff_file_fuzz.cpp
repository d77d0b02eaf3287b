// Fuzzes the take-off file reader: any bytes are refused or read into rows of the calculator's width,
// and whatever is read is written and read back to the same take-off.
#include "press_properties.h"

#include "wallcalc/takeoff_csv.h"
#include "wallcalc/calculators.h"

#include <algorithm>
#include <iterator>

namespace {

// Short, so that the fuzzer meets them; each calculator's own, none twice.
const struct {
    const wallcalc::Calculator& calculator;
    std::vector<std::string> names;
} kHeadings[] = {
    {wallcalc::kTypeA, {"A", "B", "H", "C", "D", "E"}},
    {wallcalc::kTypeB, {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k"}},
    {wallcalc::kFoundation, {"p", "q", "r", "s", "t", "u", "v", "w", "x", "y"}},
};
static_assert(std::size(kHeadings) == wallcalc::kCalculators.size(), "headings for every calculator");

std::vector<std::string> headingsOf(const wallcalc::Calculator& calculator)
{
    for (const auto& headings : kHeadings) {
        if (&headings.calculator == &calculator) {
            return headings.names;
        }
    }
    propertyBroken("a calculator without headings", std::string(calculator.caption));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(bytes), size);
    const auto read = wallcalc::ReadTakeoff(text, headingsOf);
    if (const auto* error = std::get_if<wallcalc::FileError>(&read)) {
        if (error->line == 0 || error->what.empty()) {
            propertyBroken("a refusal without its place or reason", error->what);
        }
        return 0;
    }
    const wallcalc::Takeoff& takeoff = std::get<wallcalc::Takeoff>(read);
    const auto listed = std::find(wallcalc::kCalculators.begin(), wallcalc::kCalculators.end(), takeoff.calculator);
    if (listed == wallcalc::kCalculators.end() || takeoff.rows.size() > wallcalc::kMaxTakeoffRows) {
        propertyBroken("read a take-off of no calculator, or too long", std::to_string(takeoff.rows.size()));
    }
    for (const wallcalc::TakeoffRow& row : takeoff.rows) {
        if (row.inputs.size() != takeoff.calculator->columns.size()) {
            propertyBroken("read a row of the wrong width", row.station);
        }
    }
    const std::string written = wallcalc::WriteTakeoff(takeoff, headingsOf(*takeoff.calculator));
    const auto again = wallcalc::ReadTakeoff(written, headingsOf);
    const auto* back = std::get_if<wallcalc::Takeoff>(&again);
    if (!back) {
        propertyBroken("what was written does not read", std::get<wallcalc::FileError>(again).what);
    }
    if (back->calculator != takeoff.calculator || back->rows != takeoff.rows) {
        propertyBroken("what was written reads as another take-off", written);
    }
    return 0;
}
