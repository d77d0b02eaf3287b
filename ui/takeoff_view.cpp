// Only the station rows' input cells take the cursor; the pair rows between them are read.
#include "takeoff_view.h"

#include "reading_mark.h"
#include "takeoff_model.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QStyledItemDelegate>

#include <array>
#include <cmath>

namespace ui {

namespace {

class MarkingDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::paint(painter, option, index);
        if (index.data(TakeoffModel::MarkRole).toBool()) {
            paintReadingMark(*painter, option.rect);
        }
    }
};

}  // namespace

TakeoffView::TakeoffView(TakeoffModel& model, QWidget* parent) : QTableView(parent), model_(model)
{
    setObjectName(QStringLiteral("takeoffTable"));
    setModel(&model);
    setItemDelegate(new MarkingDelegate(this));
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);
    setEditTriggers(AnyKeyPressed | DoubleClicked | EditKeyPressed);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    connect(&model, &TakeoffModel::modelReset, this, [this] { fresh_ = true; });
    connect(&model, &TakeoffModel::recomputed, this, &TakeoffView::fitColumns);
    connect(&model, &TakeoffModel::focusRequested, this, [this](const QModelIndex& index) {
        setCurrentIndex(index);
        scrollTo(index);
    });
}

// Measured from the texts themselves, and only those an edit brought: the item delegates' size
// hints over two thousand rows would take a visible pause after every keystroke. A column widens
// to a new text and narrows only when a take-off is opened or started.
void TakeoffView::fitColumns(int first, int last)
{
    const QFontMetricsF metrics(font());
    std::array<qreal, 128> ascii{};
    for (std::size_t c = 32; c < ascii.size(); ++c) {
        ascii[c] = metrics.horizontalAdvance(QChar(char16_t(c)));
    }
    const auto width = [&](const QString& text) {
        qreal sum = 0;
        for (const QChar c : text) {
            if (c.unicode() >= ascii.size()) {
                return metrics.horizontalAdvance(text);
            }
            sum += ascii[c.unicode()];
        }
        return sum;
    };
    const QFontMetrics headMetrics(horizontalHeader()->font());
    const int margin = 2 * style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 8;
    for (int column = 0; column < model_.columnCount(); ++column) {
        qreal widest = fresh_ ? headMetrics.horizontalAdvance(model_.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString())
                              : columnWidth(column) - margin;
        for (int row = std::max(first, 0); row <= std::min(last, model_.rowCount() - 1); ++row) {
            widest = std::max(widest, width(model_.text(row, column)));
        }
        setColumnWidth(column, int(std::ceil(widest)) + margin);
    }
    fresh_ = false;
}

QModelIndex TakeoffView::below(const QModelIndex& index) const
{
    return model_.index(std::min(index.row() + 2, model_.rowCount() - 1), index.column());
}

QModelIndex TakeoffView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    const QModelIndex current = currentIndex();
    const int last = model_.inputColumns() - 1;
    if (current.isValid() && TakeoffModel::isStation(current.row()) && current.column() <= last) {
        const int row = current.row();
        switch (action) {
        case MoveDown:
            return below(current);
        case MoveUp:
            return model_.index(std::max(row - 2, 0), current.column());
        case MoveNext:
            return current.column() < last ? model_.index(row, current.column() + 1) : below(model_.index(row, 0));
        case MovePrevious:
            return current.column() > 0 ? model_.index(row, current.column() - 1)
                                        : model_.index(std::max(row - 2, 0), row > 0 ? last : 0);
        default:
            break;
        }
    }
    return QTableView::moveCursor(action, modifiers);
}

// Enter goes down to the next station, whether or not the cell is being edited.
void TakeoffView::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && state() != EditingState) {
        setCurrentIndex(below(currentIndex()));
        return;
    }
    QTableView::keyPressEvent(event);
}

void TakeoffView::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint)
{
    QTableView::closeEditor(editor, hint == QAbstractItemDelegate::SubmitModelCache ? QAbstractItemDelegate::NoHint : hint);
    if (hint == QAbstractItemDelegate::SubmitModelCache) {
        setCurrentIndex(below(currentIndex()));
    }
}

}  // namespace ui
