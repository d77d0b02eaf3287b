// CSV by RFC 4180: a cell with a comma, a quote or a line break is quoted, quotes doubled.
#include "wallcalc/takeoff_csv.h"

#include "wallcalc/calculators.h"

#include <algorithm>

namespace wallcalc {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

std::string quoted(const std::string& cell)
{
    if (cell.find_first_of(",\"\r\n") == std::string::npos) {
        return cell;
    }
    std::string out = "\"";
    for (char c : cell) {
        out += c == '"' ? "\"\"" : std::string(1, c);
    }
    return out + '"';
}

void writeLine(std::string& out, const std::vector<std::string>& cells)
{
    for (std::size_t n = 0; n < cells.size(); ++n) {
        out += (n ? "," : "") + quoted(cells[n]);
    }
    out += "\r\n";
}

// The line and column of the first byte that is not UTF-8, or line 0.
FileError checkUtf8(std::string_view bytes)
{
    std::size_t line = 1;
    std::size_t column = 1;
    for (std::size_t i = 0; i < bytes.size(); ++column) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        const std::size_t length = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
        bool good = length > 0 && i + length <= bytes.size();
        for (std::size_t k = 1; good && k < length; ++k) {
            good = (static_cast<unsigned char>(bytes[i + k]) >> 6) == 2;
        }
        if (!good) {
            return {line, column, "既不是 UTF-8 也不是 GBK 编码的文字。请在表格软件里另存为“CSV UTF-8”格式后再打开。"};
        }
        if (c == '\n') {
            ++line;
            column = 0;
        }
        i += length;
    }
    return {0, 0, {}};
}

std::size_t characters(std::string_view utf8)
{
    std::size_t count = 0;
    for (char c : utf8) {
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }
    return count;
}

// The text's records one at a time, so that the reader can stop at the first problem; a record
// is a line of cells, which a quoted cell may carry over several lines of text.
class CsvRecords {
public:
    explicit CsvRecords(std::string_view text) : text_(text) {}

    bool atEnd() const { return at_ >= text_.size(); }
    std::size_t line() const { return line_; }  // where the next record starts

    // The next record's cells, or a problem with its place.
    std::variant<std::vector<std::string>, FileError> next()
    {
        std::vector<std::string> cells;
        for (;;) {
            const std::size_t cellLine = line_;
            std::string cell;
            if (at_ < text_.size() && text_[at_] == '"') {
                ++at_;
                for (;;) {
                    if (at_ >= text_.size()) {
                        return FileError{cellLine, cells.size() + 1, "引号没有结束。"};
                    }
                    if (text_[at_] == '"' && at_ + 1 < text_.size() && text_[at_ + 1] == '"') {
                        cell += '"';
                        at_ += 2;
                    } else if (text_[at_] == '"') {
                        ++at_;
                        break;
                    } else {
                        line_ += text_[at_] == '\n';
                        cell += text_[at_++];
                    }
                }
                if (at_ < text_.size() && !endsCell(text_[at_])) {
                    return FileError{line_, cells.size() + 1, "引号后面还有别的字，引号用法不对。"};
                }
            } else {
                while (at_ < text_.size() && !endsCell(text_[at_])) {
                    if (text_[at_] == '"') {
                        return FileError{line_, cells.size() + 1, "格子中间有引号，引号用法不对。"};
                    }
                    cell += text_[at_++];
                }
            }
            if (characters(cell) > kMaxCellCharacters) {
                return FileError{cellLine, cells.size() + 1,
                                 "这一格超过 " + std::to_string(kMaxCellCharacters) + " 个字，太长了。"};
            }
            cells.push_back(std::move(cell));
            if (at_ >= text_.size() || text_[at_] != ',') {
                break;
            }
            ++at_;  // a comma at the very end still opens an empty cell
        }
        if (at_ < text_.size() && text_[at_] == '\r') {
            ++at_;
        }
        if (at_ < text_.size() && text_[at_] == '\n') {
            ++at_;
        }
        ++line_;
        return cells;
    }

private:
    static bool endsCell(char c) { return c == ',' || c == '\r' || c == '\n'; }

    std::string_view text_;
    std::size_t at_ = 0;
    std::size_t line_ = 1;
};

void dropTrailingEmpty(std::vector<std::string>& cells, std::size_t keep)
{
    while (cells.size() > keep && cells.back().empty()) {
        cells.pop_back();
    }
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string trimmed(const std::string& cell)
{
    std::size_t first = 0;
    std::size_t last = cell.size();
    while (first < last && isBlank(cell[first])) {
        ++first;
    }
    while (last > first && isBlank(cell[last - 1])) {
        --last;
    }
    return cell.substr(first, last - first);
}

// Every column's heading, in the take-off's order of columns.
std::vector<std::string> withStation(const std::vector<std::string>& headings)
{
    std::vector<std::string> all{"桩号"};
    all.insert(all.end(), headings.begin(), headings.end());
    return all;
}

std::string noHeaderLine(const std::vector<std::string>& headings)
{
    std::string list;
    for (const std::string& name : withStation(headings)) {
        list += (list.empty() ? "" : "、") + name;
    }
    return "文件缺少栏名行（" + list + "）。";
}

// Every calculator's caption in quotes, in the menu's order, 或 before the last.
std::string captionChoices()
{
    std::string choices;
    for (std::size_t n = 0; n < kCalculators.size(); ++n) {
        choices += (n > 0 && n + 1 == kCalculators.size() ? "或“" : "“") + std::string(kCalculators[n]->caption) + "”";
    }
    return choices;
}

// Where each cell of the header goes, the take-off's column of its heading; or what is wrong with
// the header, with its place.
std::variant<std::vector<std::size_t>, FileError> headerOrder(std::vector<std::string> cells,
                                                              const std::vector<std::string>& headings,
                                                              std::string_view caption, std::size_t line)
{
    const std::vector<std::string> wanted = withStation(headings);
    for (std::string& cell : cells) {
        cell = trimmed(cell);
    }
    dropTrailingEmpty(cells, 0);
    if (!cells.empty() && std::holds_alternative<ExactMetres>(ReadStation(cells[0]))) {
        return FileError{line, 0, "这一行是桩号，不是栏名：" + noHeaderLine(headings)};
    }
    std::vector<std::size_t> order;
    std::vector<std::size_t> columnOf(wanted.size(), 0);  // from 1; 0 while not met
    for (const std::string& cell : cells) {
        const std::size_t column = order.size() + 1;
        const auto found = std::find(wanted.begin(), wanted.end(), cell);
        if (cell.empty()) {
            return FileError{line, column, "这一栏没有栏名。"};
        }
        if (found == wanted.end()) {
            return FileError{line, column, "栏名“" + cell + "”不是" + std::string(caption) + "的栏名。"};
        }
        const std::size_t target = std::size_t(found - wanted.begin());
        if (columnOf[target]) {
            return FileError{line, column, "栏名“" + cell + "”重复了，第 " + std::to_string(columnOf[target]) +
                                               " 列已是这一栏。"};
        }
        columnOf[target] = column;
        order.push_back(target);
    }
    std::string missing;
    for (std::size_t n = 0; n < wanted.size(); ++n) {
        if (!columnOf[n]) {
            missing += "“" + wanted[n] + "”";
        }
    }
    if (!missing.empty()) {
        return FileError{line, cells.size() + 1, "缺少栏名" + missing + "。"};
    }
    return order;
}

}  // namespace

std::string WriteTakeoff(const Takeoff& takeoff, const std::vector<std::string>& header)
{
    std::string out(kBom);
    writeLine(out, {std::string(takeoff.calculator->caption)});
    writeLine(out, withStation(header));
    for (const TakeoffRow& row : takeoff.rows) {
        std::vector<std::string> cells{row.station};
        cells.insert(cells.end(), row.inputs.begin(), row.inputs.end());
        writeLine(out, cells);
    }
    return out;
}

std::variant<Takeoff, FileError> ReadTakeoff(
    std::string_view bytes, const std::function<std::vector<std::string>(const Calculator&)>& headings)
{
    if (bytes.starts_with(kBom)) {
        bytes.remove_prefix(kBom.size());
    }
    if (FileError bad = checkUtf8(bytes); bad.line) {
        return bad;
    }
    CsvRecords records(bytes);
    if (records.atEnd()) {
        return FileError{1, 0, "文件是空的，不是逐桩计算文件。"};
    }
    auto first = records.next();
    if (auto* error = std::get_if<FileError>(&first)) {
        return *error;
    }
    std::vector<std::string>& caption = std::get<0>(first);
    dropTrailingEmpty(caption, 1);
    Takeoff takeoff;
    for (const Calculator* calculator : kCalculators) {
        if (caption.size() == 1 && caption[0] == calculator->caption) {
            takeoff.calculator = calculator;
        }
    }
    if (!takeoff.calculator) {
        return FileError{1, 1, "第一行应是" + captionChoices() + "，这不是逐桩计算文件。"};
    }
    const std::vector<std::string> names = headings(*takeoff.calculator);
    if (records.atEnd()) {
        return FileError{records.line(), 0, noHeaderLine(names)};
    }
    const std::size_t headerLine = records.line();
    auto header = records.next();
    if (auto* error = std::get_if<FileError>(&header)) {
        return *error;
    }
    auto order = headerOrder(std::move(std::get<0>(header)), names, takeoff.calculator->caption, headerLine);
    if (auto* error = std::get_if<FileError>(&order)) {
        return *error;
    }
    const std::vector<std::size_t>& targets = std::get<0>(order);
    const std::size_t columns = targets.size();
    while (!records.atEnd()) {
        const std::size_t line = records.line();
        auto record = records.next();
        if (auto* error = std::get_if<FileError>(&record)) {
            return *error;
        }
        std::vector<std::string>& cells = std::get<0>(record);
        dropTrailingEmpty(cells, columns);
        if (cells.size() == 1 && cells[0].empty()) {
            continue;  // a blank line a spreadsheet leaves
        }
        if (cells.size() != columns) {
            return FileError{line, std::min(cells.size(), columns) + 1, "这一行有 " + std::to_string(cells.size()) +
                                                                            " 栏，应为 " + std::to_string(columns) + " 栏。"};
        }
        if (takeoff.rows.size() == kMaxTakeoffRows) {
            return FileError{line, 0, "桩号超过 " + std::to_string(kMaxTakeoffRows) + " 行，逐桩计算最多 " +
                                          std::to_string(kMaxTakeoffRows) + " 行。"};
        }
        TakeoffRow row;
        row.inputs.resize(columns - 1);
        for (std::size_t k = 0; k < columns; ++k) {
            row.cell(targets[k]) = std::move(cells[k]);
        }
        takeoff.rows.push_back(std::move(row));
    }
    return takeoff;
}

}  // namespace wallcalc
