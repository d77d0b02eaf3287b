// The take-off's table view: it moves as a spreadsheet does among the station rows (Enter down,
// Tab right, on to the next row), sizes its columns to their texts up to a limit and cuts longer
// ones with an ellipsis, keeps the 桩号 column in view while it scrolls sideways, and marks what a
// check flags.
#pragma once

#include <QTableView>

namespace ui {

class TakeoffModel;

class TakeoffView : public QTableView {
    Q_OBJECT
public:
    explicit TakeoffView(TakeoffModel& model, QWidget* parent = nullptr);

    // The widest a column grows: a text wider than this is cut where it is shown.
    int widestColumn() const;

signals:
    // Ctrl+V in a cell's editor with a block on the clipboard: the block goes in from this cell.
    void blockPasted();

protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void fitColumns(int first, int last);
    void freezeStationColumn();
    void placeFrozen();
    QModelIndex below(const QModelIndex& index) const;

    TakeoffModel& model_;
    bool fresh_ = true;  // a new take-off: every width from its heading up
    QTableView* frozen_ = nullptr;  // the 桩号 column kept in view
};

}  // namespace ui
