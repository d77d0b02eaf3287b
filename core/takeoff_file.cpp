// CSV by RFC 4180: a cell with a comma, a quote or a line break is quoted, quotes doubled.
#include "wallcalc/takeoff_file.h"

#include "wallcalc/takeoff_types.h"

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
            return {line, column, "不是 UTF-8 编码的文字。请在表格软件里另存为“CSV UTF-8”格式后再打开。"};
        }
        if (c == '\n') {
            ++line;
            column = 0;
        }
        i += length;
    }
    return {0, 0, {}};
}

// Splits the text into rows of cells; a problem with its place.
std::variant<std::vector<std::vector<std::string>>, FileError> parseCsv(std::string_view text)
{
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> row;
    std::string cell;
    std::size_t line = 1;
    std::size_t i = 0;
    bool rowStarted = false;
    while (i < text.size()) {
        rowStarted = true;
        const std::size_t cellLine = line;
        if (text[i] == '"') {
            ++i;
            for (;;) {
                if (i >= text.size()) {
                    return FileError{cellLine, row.size() + 1, "引号没有结束。"};
                }
                if (text[i] == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                    cell += '"';
                    i += 2;
                } else if (text[i] == '"') {
                    ++i;
                    break;
                } else {
                    line += text[i] == '\n';
                    cell += text[i++];
                }
            }
            if (i < text.size() && text[i] != ',' && text[i] != '\r' && text[i] != '\n') {
                return FileError{line, row.size() + 1, "引号后面还有别的字，引号用法不对。"};
            }
        } else {
            while (i < text.size() && text[i] != ',' && text[i] != '\r' && text[i] != '\n') {
                if (text[i] == '"') {
                    return FileError{line, row.size() + 1, "格子中间有引号，引号用法不对。"};
                }
                cell += text[i++];
            }
        }
        row.push_back(std::move(cell));
        cell.clear();
        if (i < text.size() && text[i] == ',') {
            ++i;
            if (i == text.size()) {
                row.emplace_back();
            }
            continue;
        }
        if (i < text.size() && text[i] == '\r') {
            ++i;
        }
        if (i < text.size() && text[i] == '\n') {
            ++i;
        }
        ++line;
        rows.push_back(std::move(row));
        row.clear();
        rowStarted = false;
    }
    if (rowStarted) {
        rows.push_back(std::move(row));
    }
    return rows;
}

void dropTrailingEmpty(std::vector<std::string>& cells, std::size_t keep)
{
    while (cells.size() > keep && cells.back().empty()) {
        cells.pop_back();
    }
}

}  // namespace

std::string WriteTakeoff(const Takeoff& takeoff, const std::vector<std::string>& header)
{
    std::string out(kBom);
    writeLine(out, {std::string(TakeoffTypes[std::size_t(takeoff.type)].caption)});
    std::vector<std::string> heading{"桩号"};
    heading.insert(heading.end(), header.begin(), header.end());
    writeLine(out, heading);
    for (const TakeoffRow& row : takeoff.rows) {
        std::vector<std::string> cells{row.station};
        cells.insert(cells.end(), row.inputs.begin(), row.inputs.end());
        writeLine(out, cells);
    }
    return out;
}

std::variant<Takeoff, FileError> ReadTakeoff(std::string_view bytes)
{
    if (bytes.starts_with(kBom)) {
        bytes.remove_prefix(kBom.size());
    }
    if (FileError bad = checkUtf8(bytes); bad.line) {
        return bad;
    }
    auto parsed = parseCsv(bytes);
    if (auto* error = std::get_if<FileError>(&parsed)) {
        return *error;
    }
    auto& lines = std::get<0>(parsed);
    if (lines.empty()) {
        return FileError{1, 0, "文件是空的，不是逐桩计算文件。"};
    }
    dropTrailingEmpty(lines[0], 1);
    Takeoff takeoff;
    takeoff.type = -1;
    for (std::size_t t = 0; t < TakeoffTypes.size(); ++t) {
        if (lines[0].size() == 1 && lines[0][0] == TakeoffTypes[t].caption) {
            takeoff.type = int(t);
        }
    }
    if (takeoff.type < 0) {
        return FileError{1, 1, "第一行应是“挡土墙A类”“挡土墙B类”或“挡墙基础计算”，这不是逐桩计算文件。"};
    }
    const std::size_t columns = TakeoffTypes[std::size_t(takeoff.type)].columns.size() + 1;
    for (std::size_t n = 2; n < lines.size(); ++n) {
        std::vector<std::string>& cells = lines[n];
        dropTrailingEmpty(cells, columns);
        if (cells.size() == 1 && cells[0].empty()) {
            continue;  // a blank line a spreadsheet leaves
        }
        if (cells.size() != columns) {
            return FileError{n + 1, std::min(cells.size(), columns) + 1, "这一行有 " + std::to_string(cells.size()) + " 栏，应为 " +
                                                    std::to_string(columns) + " 栏。"};
        }
        takeoff.rows.push_back({cells[0], {cells.begin() + 1, cells.end()}});
    }
    return takeoff;
}

}  // namespace wallcalc
