// What a take-off says in words: each cell's text as the table, the copy and the sheet show it, the
// messages on rows left out, and the totals line, all read from the one take-off object.
#pragma once

#include "takeoff_columns.h"

#include "wallcalc/takeoff.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace wallcalc {
class TakeoffTable;
struct CheckFlag;
}

namespace ui {

// One entry of the list of what to check: a row left out, or a flagged cell or section.
struct CheckEntry {
    std::size_t row;   // the station row, or for a section the pair (its upper row)
    bool pair;         // a section of the pair below the row, not one of the row's cells
    int column;        // the column of the table it points at
    QString rows;      // 「3」, or 「3–4」 for a pair
    QString station;   // as typed, cut short; 「K0+010～K0+020」 for a pair
    QString heading;   // the column's heading
    QString read;      // what was read
    QString why;
};

class TakeoffTexts {
public:
    TakeoffTexts(const wallcalc::TakeoffTable& table, const TakeoffColumns& columns)
        : table_(table), columns_(columns)
    {
    }

    const wallcalc::TakeoffTable& table() const { return table_; }
    const TakeoffColumns& columns() const { return columns_; }
    // 桩号 and the inputs, numbered as the take-off numbers them.
    int inputColumns() const { return int(wallcalc::ColumnOfInput(columns_.inputHeadings.size())); }
    int columnCount() const { return inputColumns() + int(columns_.results.size()); }
    QStringList headings() const;

    // A station row's cell as typed; empty past the last row and in the result columns.
    QString input(std::size_t row, int column) const;
    // A pair's cell: 「未计算」 or 「溢出」 under 桩号, nothing under the inputs, the results after.
    QString result(std::size_t pair, int column) const;
    // Why a row or a pair is left out of the totals; empty when it counts.
    QString rowProblem(std::size_t row) const;
    QString pairProblem(std::size_t pair) const;
    // 「第 3 行：…」, one a row left out.
    QStringList problems() const;
    // Why a flag is raised, in an engineer's words; and the column of the table it sits in.
    QString checkReason(const wallcalc::CheckFlag& flag) const;
    int checkColumn(const wallcalc::CheckFlag& flag) const;
    // The rows left out and every flag, in row order: at most limit of them, and how many in all.
    std::vector<CheckEntry> checkEntries(std::size_t limit) const;
    std::size_t checkCount() const;
    // 「另有 3 处需要核对」 while anything is to be checked, else empty.
    QString checkNote() const;
    // 「合计（计入 9 段，共 9 段）：长度 95.3 米；基础方量 … 立方米；…」, and the note of what to check.
    QString totalsLine() const;
    // The totals under the length and volume columns, the count of pairs under 桩号, and after the
    // last column the note of what to check while there is any.
    QStringList totalsRow() const;

private:
    QString countedPairs() const;

    const wallcalc::TakeoffTable& table_;
    const TakeoffColumns& columns_;
};

// A typed text as a message quotes it: at most a few dozen characters, the rest cut with 「…」,
// so that no text can widen the window that shows the message.
QString quoted(const QString& text);

}  // namespace ui
