// A take-off as a CSV file in UTF-8 with a byte-order mark: the calculator's caption alone on the
// first line, the header, then one row a station, every text exactly as typed.
#pragma once

#include "wallcalc/takeoff.h"

#include <functional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace wallcalc {

struct Takeoff {
    const Calculator* calculator = nullptr;  // one of kCalculators
    std::vector<TakeoffRow> rows;
};

struct FileError {
    std::size_t line;    // from 1
    std::size_t column;  // from 1; 0 when the whole line is meant
    std::string what;    // in Chinese
};

// header: the column headings after 桩号.
std::string WriteTakeoff(const Takeoff& takeoff, const std::vector<std::string>& header);

// headings: a calculator's input column headings (without 桩号), in column order; asked of the
// calculator whose caption the first line holds. The header line must hold 桩号 and each of the
// calculator's headings once, in any order; columns are taken by heading, so a file whose columns a
// spreadsheet reordered reads in the calculator's order. Empty cells a spreadsheet adds at a line's
// end are dropped. The bytes are UTF-8: the program turns a GBK file into UTF-8 before, so a file
// that is not UTF-8 here is in neither.
std::variant<Takeoff, FileError> ReadTakeoff(
    std::string_view bytes, const std::function<std::vector<std::string>(const Calculator&)>& headings);

}  // namespace wallcalc
