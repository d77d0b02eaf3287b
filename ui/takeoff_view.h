// The take-off's table view: it moves as a spreadsheet does among the station rows (Enter down,
// Tab right, on to the next row), sizes its columns to their texts up to a limit and cuts longer
// ones with an ellipsis, and marks inputs that read otherwise than they show.
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

private:
    void fitColumns(int first, int last);
    QModelIndex below(const QModelIndex& index) const;

    TakeoffModel& model_;
    bool fresh_ = true;  // a new take-off: every width from its heading up
};

}  // namespace ui
