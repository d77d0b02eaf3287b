// Each command changes the take-off through the model, which tells the view where rows came or
// went and which texts changed.
#include "takeoff_commands.h"

#include "takeoff_model.h"

namespace ui {

CellsCommand::CellsCommand(TakeoffModel& model, const QString& what, std::vector<wallcalc::TakeoffCell> cells,
                           std::size_t rowsAdded, TakeoffFocus focus)
    : QUndoCommand(what), model_(model), cells_(std::move(cells)), rowsAdded_(rowsAdded), focus_(focus)
{
}

void CellsCommand::redo()
{
    if (rowsAdded_ > 0) {
        model_.applyInsert(model_.table().rows().size(), std::vector<wallcalc::TakeoffRow>(rowsAdded_));
    }
    cells_ = model_.applyCells(std::move(cells_));
    model_.requestFocus(focus_.row, focus_.column);
}

void CellsCommand::undo()
{
    cells_ = model_.applyCells(std::move(cells_));
    if (rowsAdded_ > 0) {
        model_.applyRemove(model_.table().rows().size() - rowsAdded_, rowsAdded_);
    }
    model_.requestFocus(focus_.row, focus_.column);
}

InsertRowsCommand::InsertRowsCommand(TakeoffModel& model, std::size_t at, std::size_t count, TakeoffFocus focus)
    : QUndoCommand(QStringLiteral("插入行")), model_(model), at_(at), count_(count), focus_(focus)
{
}

void InsertRowsCommand::redo()
{
    model_.applyInsert(at_, std::vector<wallcalc::TakeoffRow>(count_));
    model_.requestFocus(focus_.row, focus_.column);
}

void InsertRowsCommand::undo()
{
    model_.applyRemove(at_, count_);
    model_.requestFocus(focus_.row, focus_.column);
}

RemoveRowsCommand::RemoveRowsCommand(TakeoffModel& model, std::size_t first, std::size_t count, TakeoffFocus focus)
    : QUndoCommand(QStringLiteral("删除行")), model_(model), first_(first), count_(count), focus_(focus)
{
}

void RemoveRowsCommand::redo()
{
    removed_ = model_.applyRemove(first_, count_);
    model_.requestFocus(focus_.row, focus_.column);
}

void RemoveRowsCommand::undo()
{
    model_.applyInsert(first_, std::move(removed_));
    removed_.clear();
    model_.requestFocus(focus_.row, focus_.column);
}

}  // namespace ui
