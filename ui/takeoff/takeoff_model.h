// The take-off as a table for the view: one row a station with its inputs as typed, and between
// each two stations a row with that pair's results. The take-off itself is the core's object; this
// adapts it, turns the user's edits into undo commands and tells the view what each one changed.
#pragma once

#include "takeoff_columns.h"
#include "takeoff_texts.h"

#include "wallcalc/takeoff_table.h"

#include <QAbstractTableModel>
#include <QUndoStack>

#include <vector>

namespace ui {

class TakeoffModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Role { MarkRole = Qt::UserRole };  // why the checks flag a cell, one a line: empty for most

    explicit TakeoffModel(QObject* parent = nullptr);

    // This take-off, with nothing to undo.
    void start(wallcalc::TakeoffTable table);
    const wallcalc::TakeoffTable& table() const { return table_; }
    const TakeoffColumns& columns() const { return columns_; }
    TakeoffTexts texts() const { return {table_, columns_}; }
    QUndoStack& undoStack() { return undo_; }

    // The user's edits, each one step on the undo stack; a station is a row of the take-off.
    // Empty, or why the edit was refused (nothing changed then).
    QString setCell(int station, int column, const QString& text);
    QString pasteBlock(int station, int column, const QString& block);
    void clearCells(const QModelIndexList& cells);
    QString insertStation(int station);
    void removeStations(int first, int last);

    // What the undo commands do, each announced to the view where it happens.
    std::vector<wallcalc::TakeoffCell> applyCells(std::vector<wallcalc::TakeoffCell> cells);
    void applyInsert(std::size_t at, std::vector<wallcalc::TakeoffRow> rows);
    std::vector<wallcalc::TakeoffRow> applyRemove(std::size_t first, std::size_t count);
    void requestFocus(int row, int column);

    // Table rows: station n at 2n, the pair of stations n and n+1 at 2n+1, and an empty station last
    // to type the next one into.
    static bool isStation(int row) { return row % 2 == 0; }
    static int station(int row) { return row / 2; }
    static int tableRow(int station) { return 2 * station; }
    int inputColumns() const { return texts().inputColumns(); }
    // The cell's text as the table shows it.
    QString text(int row, int column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

signals:
    // The table rows first..last show texts they did not show before (none when first > last);
    // the totals and the messages may have changed too.
    void recomputed(int first, int last);
    void focusRequested(const QModelIndex& index);

private:
    void announce(const wallcalc::TakeoffChange& change);
    QStringList flagged(int row, int column) const;
    QString inputRefusal(const QString& text) const;

    wallcalc::TakeoffTable table_;
    TakeoffColumns columns_;
    QUndoStack undo_;
};

}  // namespace ui
