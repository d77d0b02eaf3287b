// The take-off's edits as undo commands, one a kind of edit, each holding only what it changed.
#pragma once

#include "wallcalc/takeoff_table.h"

#include <QUndoCommand>

#include <vector>

namespace ui {

class TakeoffModel;

// Where the cursor goes after the command is done or undone: a table row and column.
struct TakeoffFocus {
    int row;
    int column;
};

// Cells typed, pasted or cleared, with the empty rows added at the end to hold them. It keeps one
// text a cell: the one that is not in the table now, swapped in on redo and on undo.
class CellsCommand : public QUndoCommand {
public:
    CellsCommand(TakeoffModel& model, const QString& what, std::vector<wallcalc::TakeoffCell> cells,
                 std::size_t rowsAdded, TakeoffFocus focus);
    void redo() override;
    void undo() override;

private:
    TakeoffModel& model_;
    std::vector<wallcalc::TakeoffCell> cells_;
    std::size_t rowsAdded_;
    TakeoffFocus focus_;
};

// Empty rows put in before a row.
class InsertRowsCommand : public QUndoCommand {
public:
    InsertRowsCommand(TakeoffModel& model, std::size_t at, std::size_t count, TakeoffFocus focus);
    void redo() override;
    void undo() override;

private:
    TakeoffModel& model_;
    std::size_t at_;
    std::size_t count_;
    TakeoffFocus focus_;
};

// Rows taken out, kept to be put back.
class RemoveRowsCommand : public QUndoCommand {
public:
    RemoveRowsCommand(TakeoffModel& model, std::size_t first, std::size_t count, TakeoffFocus focus);
    void redo() override;
    void undo() override;

private:
    TakeoffModel& model_;
    std::size_t first_;
    std::size_t count_;
    std::vector<wallcalc::TakeoffRow> removed_;
    TakeoffFocus focus_;
};

}  // namespace ui
