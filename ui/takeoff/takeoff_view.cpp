// Only the station rows' input cells take the cursor; the pair rows between them are read.
#include "takeoff_view.h"

#include "reading_mark.h"
#include "takeoff_paste.h"
#include "takeoff_model.h"

#include "wallcalc/takeoff.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QToolTip>

#include <array>
#include <cmath>

namespace ui {

namespace {

constexpr int kWidestCharacters = 24;  // digits' widths a column grows to at the most
constexpr int kTipLine = 60;            // characters a line of a tooltip holding a whole text

// A long text for a tooltip, in lines short enough for any screen.
QString inLines(const QString& text)
{
    QStringList lines;
    for (qsizetype at = 0; at < text.size(); at += kTipLine) {
        lines << text.mid(at, kTipLine);
    }
    return lines.join(QLatin1Char('\n'));
}

// Draws the reading mark; gives editors the cell's size limit; names the whole text in the
// tooltip of a cell that cuts it.
class MarkingDelegate : public QStyledItemDelegate {
public:
    explicit MarkingDelegate(TakeoffView* view) : QStyledItemDelegate(view), view_(view) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::paint(painter, option, index);
        paintReadingMark(*painter, option.rect, index.data(TakeoffModel::MarkRole).toString());
    }

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor)) {
            line->setMaxLength(int(wallcalc::kMaxCellCharacters));
        }
        editor->installEventFilter(view_);
        return editor;
    }

    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override
    {
        const QString text = index.data().toString();
        const int margins = 2 * (view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1);
        if (event->type() != QEvent::ToolTip || option.fontMetrics.horizontalAdvance(text) + margins <= option.rect.width()) {
            return QStyledItemDelegate::helpEvent(event, view, option, index);
        }
        QStringList notes{QStringLiteral("完整内容：\n") + inLines(text)};
        if (const QString more = index.data(Qt::ToolTipRole).toString(); !more.isEmpty()) {
            notes << more;
        }
        QToolTip::showText(event->globalPos(), notes.join(QLatin1Char('\n')), view, option.rect);
        return true;
    }

private:
    TakeoffView* view_;
};

}  // namespace

TakeoffView::TakeoffView(TakeoffModel& model, QWidget* parent) : QTableView(parent), model_(model)
{
    setObjectName(QStringLiteral("takeoffTable"));
    setModel(&model);
    setItemDelegate(new MarkingDelegate(this));
    setWordWrap(false);
    setTextElideMode(Qt::ElideRight);
    setEditTriggers(AnyKeyPressed | DoubleClicked | EditKeyPressed);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    connect(&model, &TakeoffModel::modelReset, this, [this] { fresh_ = true; });
    connect(&model, &TakeoffModel::recomputed, this, &TakeoffView::fitColumns);
    connect(&model, &TakeoffModel::focusRequested, this, [this](const QModelIndex& index) {
        setCurrentIndex(index);
        scrollTo(index);
    });
    freezeStationColumn();
}

// The 桩号 column drawn again over the table's left edge while the table is scrolled sideways, so
// every row's station stays in view; with nothing scrolled the table's own column shows, and so
// does its editor.
void TakeoffView::freezeStationColumn()
{
    frozen_ = new QTableView(this);
    frozen_->setObjectName(QStringLiteral("takeoffStations"));
    frozen_->setModel(&model_);
    frozen_->setSelectionModel(selectionModel());
    frozen_->setItemDelegate(new MarkingDelegate(this));
    frozen_->setFocusPolicy(Qt::NoFocus);
    frozen_->setEditTriggers(NoEditTriggers);
    frozen_->setWordWrap(false);
    frozen_->setTextElideMode(Qt::ElideRight);
    frozen_->verticalHeader()->hide();
    frozen_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    frozen_->verticalHeader()->setDefaultSectionSize(verticalHeader()->defaultSectionSize());
    frozen_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    frozen_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    frozen_->setFrameShape(QFrame::NoFrame);
    frozen_->setStyleSheet(QStringLiteral("QTableView { border-right: 2px solid palette(mid); }"));
    const auto onlyStations = [this] {
        for (int column = 1; column < model_.columnCount(); ++column) {
            frozen_->setColumnHidden(column, true);
        }
        placeFrozen();
    };
    connect(&model_, &QAbstractItemModel::modelReset, this, onlyStations);
    connect(&model_, &QAbstractItemModel::columnsInserted, this, onlyStations);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, frozen_->verticalScrollBar(), &QScrollBar::setValue);
    connect(frozen_->verticalScrollBar(), &QScrollBar::valueChanged, verticalScrollBar(), &QScrollBar::setValue);
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, &TakeoffView::placeFrozen);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, &TakeoffView::placeFrozen);
    onlyStations();
}

void TakeoffView::placeFrozen()
{
    frozen_->setColumnWidth(0, columnWidth(0));
    frozen_->setGeometry(verticalHeader()->width() + frameWidth(), frameWidth(), columnWidth(0),
                         viewport()->height() + horizontalHeader()->height());
    frozen_->setVisible(horizontalScrollBar()->value() > 0);
}

void TakeoffView::resizeEvent(QResizeEvent* event)
{
    QTableView::resizeEvent(event);
    placeFrozen();
}

int TakeoffView::widestColumn() const
{
    return fontMetrics().horizontalAdvance(QString(kWidestCharacters, QLatin1Char('0')));
}

// Measured from the texts themselves, and only those an edit brought: the item delegates' size
// hints over two thousand rows would take a visible pause after every keystroke. A column widens
// to a new text, up to the widest, and narrows only when a take-off is opened or started.
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
    const int cap = widestColumn();
    for (int column = 0; column < model_.columnCount(); ++column) {
        qreal widest = fresh_ ? headMetrics.horizontalAdvance(model_.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString())
                              : columnWidth(column) - margin;
        for (int row = std::max(first, 0); row <= std::min(last, model_.rowCount() - 1) && widest < cap; ++row) {
            widest = std::max(widest, width(model_.text(row, column)));
        }
        setColumnWidth(column, std::min(int(std::ceil(widest)), cap) + margin);
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

// A spreadsheet pastes a block into the cells from the one being edited, not into that one cell.
bool TakeoffView::eventFilter(QObject* watched, QEvent* event)
{
    auto* editor = qobject_cast<QWidget*>(watched);
    if (editor && event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste) &&
        isBlock(QApplication::clipboard()->text())) {
        closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
        emit blockPasted();
        return true;
    }
    return QTableView::eventFilter(watched, event);
}

}  // namespace ui
