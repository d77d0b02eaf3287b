// The take-off as a table: one row a station with its inputs as typed, and between each two
// stations a row with that pair's results, pressed by the calculator's own computation. Every edit
// is a step on the undo stack; after each the pairs and totals are pressed again.
#pragma once

#include "takeoff_columns.h"

#include "wallcalc/takeoff.h"

#include <QAbstractTableModel>
#include <QUndoStack>

#include <vector>

namespace ui {

class TakeoffModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Role { MarkRole = Qt::UserRole };  // true for an input whose text reads otherwise than it shows

    explicit TakeoffModel(QObject* parent = nullptr);

    // A take-off of that calculator with these rows, nothing to undo.
    void start(int calculatorIndex, std::vector<wallcalc::TakeoffRow> rows);
    int calculatorIndex() const { return calculatorIndex_; }
    const TakeoffColumns& columns() const { return columns_; }
    // The rows as typed, without the empty rows at the end.
    std::vector<wallcalc::TakeoffRow> usedRows() const;
    const std::vector<wallcalc::TakeoffRow>& rows() const { return rows_; }
    const std::vector<wallcalc::PairResult>& pairs() const { return pairs_; }
    const wallcalc::TakeoffTotals& totals() const { return totals_; }
    // 「合计（计入 9 段，共 9 段）：长度 95.3 米；基础方量 … 立方米；…」
    QString totalsLine() const;
    // One message a row left out of the totals, 「第 3 行：…」.
    QStringList problems() const;
    QUndoStack& undoStack() { return undo_; }

    // One undo step: the rows become after, and the view's current cell goes to focus.
    void edit(const QString& what, std::vector<wallcalc::TakeoffRow> after, QModelIndex focus);
    // Applied by the undo stack.
    void setRows(std::vector<wallcalc::TakeoffRow> rows, int focusRow, int focusColumn);

    // Table rows: station n at 2n, the pair of stations n and n+1 at 2n+1, and an empty station last
    // to type the next one into.
    static bool isStation(int row) { return row % 2 == 0; }
    static int station(int row) { return row / 2; }
    static int tableRow(int station) { return 2 * station; }
    int inputColumns() const { return 1 + int(columns_.inputHeadings.size()); }
    // The cell's text as the table shows it.
    QString text(int row, int column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

signals:
    // The table rows first..last show texts they did not show before (none when first > last).
    void recomputed(int first, int last);
    void focusRequested(const QModelIndex& index);

private:
    struct Changed {
        int first;
        int last;
    };
    Changed recompute();
    QString rowProblem(int station) const;
    QString pairProblem(int pair) const;

    int calculatorIndex_ = 0;
    TakeoffColumns columns_;
    std::vector<wallcalc::TakeoffRow> rows_;
    std::vector<wallcalc::TakeoffRow> used_;  // the rows last pressed
    std::vector<wallcalc::RowProblem> problems_;
    std::vector<wallcalc::PairResult> pairs_;
    wallcalc::TakeoffTotals totals_;
    QUndoStack undo_;
};

}  // namespace ui
