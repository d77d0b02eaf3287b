// Fuzzes the take-off file reader: any bytes are refused or read into rows of the type's width,
// and whatever is read is written and read back to the same take-off.
#include "press_properties.h"

#include "wallcalc/takeoff_csv.h"
#include "wallcalc/calculators.h"

namespace {

// Short, so that the fuzzer meets them; each type's own, none twice.
const std::vector<std::vector<std::string>> kHeadings{
    {"A", "B", "H", "C", "D", "E"},
    {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k"},
    {"p", "q", "r", "s", "t", "u", "v", "w", "x", "y"},
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(bytes), size);
    const auto read = wallcalc::ReadTakeoff(text, kHeadings);
    if (const auto* error = std::get_if<wallcalc::FileError>(&read)) {
        if (error->line == 0 || error->what.empty()) {
            propertyBroken("a refusal without its place or reason", error->what);
        }
        return 0;
    }
    const wallcalc::Takeoff& takeoff = std::get<wallcalc::Takeoff>(read);
    const std::size_t type = std::size_t(takeoff.type);
    if (type >= wallcalc::TakeoffTypes.size() || takeoff.rows.size() > wallcalc::kMaxTakeoffRows) {
        propertyBroken("read a take-off of no type, or too long", std::to_string(takeoff.type));
    }
    for (const wallcalc::TakeoffRow& row : takeoff.rows) {
        if (row.inputs.size() != wallcalc::TakeoffTypes[type].columns.size()) {
            propertyBroken("read a row of the wrong width", row.station);
        }
    }
    const std::string written = wallcalc::WriteTakeoff(takeoff, kHeadings[type]);
    const auto again = wallcalc::ReadTakeoff(written, kHeadings);
    const auto* back = std::get_if<wallcalc::Takeoff>(&again);
    if (!back) {
        propertyBroken("what was written does not read", std::get<wallcalc::FileError>(again).what);
    }
    if (back->type != takeoff.type || back->rows != takeoff.rows) {
        propertyBroken("what was written reads as another take-off", written);
    }
    return 0;
}
