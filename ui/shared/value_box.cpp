// How a value box draws its text, its marks, and what its tooltip and description say.
#include "value_box.h"

#include "reading_mark.h"

#include "wallcalc/arithmetic_fault.h"
#include "wallcalc/field_value.h"

#include <QEvent>
#include <QPainter>
#include <QStyleOptionFrame>

#include <algorithm>
#include <limits>

namespace ui {

namespace {

// QLineEdit's own margin left and right of its text, inside the contents rectangle.
constexpr int kHorizontalMargin = 2;

bool ratioLooksLikePercent(const QString& text)
{
    try {
        return wallcalc::Val(text.toStdString()) >= 1;
    } catch (const wallcalc::ArithmeticFault&) {
        return false;  // already marked as too large
    }
}

}  // namespace

ValueBox::ValueBox(const QString& text, const QString& help, QWidget* parent)
    : QLineEdit(text, parent), help_(help)
{
    setMaxLength(std::numeric_limits<int>::max());  // nothing typed is cut off
    setAccessibleName(help);
    connect(this, &QLineEdit::textChanged, this, &ValueBox::refresh);
    refresh();
}

void ValueBox::setRole(Role role)
{
    role_ = role;
    refresh();
}

void ValueBox::setStale(bool stale)
{
    if (stale_ != stale) {
        stale_ = stale;
        refresh();
    }
}

void ValueBox::setLegendNote(const QString& note)
{
    legendNote_ = note;
    refresh();
}

void ValueBox::setCheckNotes(const QStringList& notes)
{
    if (checkNotes_ != notes) {
        checkNotes_ = notes;
        refresh();
    }
}

bool ValueBox::cut() const
{
    return fontMetrics().horizontalAdvance(text()) > textRect().width();
}

QRect ValueBox::textRect() const
{
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    const QRect contents =
        style()->subElementRect(QStyle::SE_LineEditContents, &panel, this).marginsRemoved(textMargins());
    // As QLineEdit places its line: a text whose ink is taller than the font's height (an
    // underline under Windows' DirectWrite, at 150 % and 200 %) is centred by its ink.
    const int height = std::max(fontMetrics().boundingRect(text()).height(), fontMetrics().height());
    return {contents.x() + kHorizontalMargin, contents.y() + (contents.height() - height + 1) / 2,
            contents.width() - 2 * kHorizontalMargin, height};
}

// The mark, the whole text where the box cuts it, and the out-of-date note, in the tooltip under
// the box's name and in its accessible description.
void ValueBox::refresh()
{
    QStringList reasons;
    if (role_ != Role::Result) {
        reasons << readingReason(text());
        if (reasons.front().isEmpty() && role_ == Role::Ratio && ratioLooksLikePercent(text())) {
            reasons.front() = QStringLiteral("坡率按比值填写：1:0.25 填 0.25");
        }
    }
    reasons << checkNotes_;
    reasons.removeAll(QString());
    markReason_ = reasons.join(QStringLiteral("；"));
    QStringList notes;
    if (cut()) {
        notes << QStringLiteral("完整内容：%1").arg(text());
    }
    notes << reasons;
    if (stale_) {
        notes << QStringLiteral("结果已过时：输入已改动，请重新计算");
    }
    setToolTip((QStringList{help_} + notes).join(QLatin1Char('\n')));
    if (!legendNote_.isEmpty()) {
        notes.prepend(legendNote_);
    }
    setAccessibleDescription(notes.join(QStringLiteral("；")));
    update();
}

// Whether the text is cut depends on the box's width and font.
void ValueBox::resizeEvent(QResizeEvent* event)
{
    QLineEdit::resizeEvent(event);
    refresh();
}

void ValueBox::changeEvent(QEvent* event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        refresh();
    }
}

// Being edited, the box is an ordinary text box. Otherwise it draws its text itself, from the
// first character, dropping whole characters before an ellipsis where the text is too wide, so no
// digit is ever half shown; an out-of-date result is grey and struck through.
void ValueBox::paintEvent(QPaintEvent* event)
{
    if (hasFocus()) {
        QLineEdit::paintEvent(event);
    } else {
        QPainter painter(this);
        QStyleOptionFrame panel;
        initStyleOption(&panel);
        style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);
        const QRect rect = textRect();
        QFont shown = font();
        shown.setStrikeOut(stale_);
        painter.setFont(shown);
        painter.setPen(palette().color(stale_ ? QPalette::Disabled : palette().currentColorGroup(),
                                       QPalette::Text));
        // Clipped where a QLineEdit clips: a glyph may reach into the margin left of the text.
        painter.setClipRect(
            style()->subElementRect(QStyle::SE_LineEditContents, &panel, this).marginsRemoved(textMargins()));
        // On the baseline QLineEdit's layout uses, which DirectWrite's metrics put between pixels.
        painter.drawText(QPointF(rect.left(), rect.top() + QFontMetricsF(font(), this).ascent()),
                         fontMetrics().elidedText(text(), Qt::ElideRight, rect.width()));
    }
    QPainter painter(this);
    paintReadingMark(painter, rect(), markReason_);
}

}  // namespace ui
