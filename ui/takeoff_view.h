// The take-off's table view: it moves as a spreadsheet does among the station rows (Enter down,
// Tab right, on to the next row), sizes its columns to every text, and marks inputs that read
// otherwise than they show.
#pragma once

#include <QTableView>

namespace ui {

class TakeoffModel;

class TakeoffView : public QTableView {
    Q_OBJECT
public:
    explicit TakeoffView(TakeoffModel& model, QWidget* parent = nullptr);

protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    void fitColumns(int first, int last);
    QModelIndex below(const QModelIndex& index) const;

    TakeoffModel& model_;
    bool fresh_ = true;  // a new take-off: every width from its heading up
};

}  // namespace ui
