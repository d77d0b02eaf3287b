// Builds a window's controls from its table, sets their focus order, and draws its lines and the
// legend's mark of the box in hand.
#include "form_builder.h"

#include "legend_description.h"
#include "legible_colour.h"
#include "value_box.h"

#include <QEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>

#include <algorithm>
#include <utility>
#include <vector>

namespace ui {

namespace {

// A logical pixel is 15 twips; Qt's high-DPI scaling takes it from there.
constexpr int kTwipsPerPixel = 15;

int pixels(int twips)
{
    return twips / kTwipsPerPixel;
}


// 宋体 where it is installed, else a Song-style face of Debian's, then any CJK face.
QFont songFont(int pixelSize, bool underline)
{
    QFont font;
    font.setFamilies({"宋体", "SimSun", "AR PL UMing CN", "Noto Serif CJK SC", "WenQuanYi Zen Hei",
                      "WenQuanYi Micro Hei"});
    font.setPixelSize(pixelSize);  // 9 pt and 12 pt at the 96 DPI that the twips assume
    font.setUnderline(underline);
    return font;
}

QFont fontOf(Font font)
{
    switch (font) {
    case Font::WindowFont:
        return ClientArea::defaultFont();
    case Font::Song12:
        return songFont(16, false);
    case Font::Song12Underlined:
        return songFont(16, true);
    }
    return ClientArea::defaultFont();
}

// Qt has roles for highlight, window text and button text. Menu text maps to Text, the role
// Qt's menus draw their items with. Desktop, caption text and active caption have no role in
// Qt: they take the classic system defaults (steel blue, white, navy), the blues lightened where
// a dark window would swallow them; a box grounded in caption text takes the scheme's own box
// ground in a dark scheme instead of standing out white.
QColor colourOf(Colour colour, const QPalette& palette)
{
    const QColor window = palette.color(QPalette::Window);
    switch (colour) {
    case Colour::Standard:
    case Colour::WindowText:
        return palette.color(QPalette::WindowText);
    case Colour::Highlight:
        return palette.color(QPalette::Highlight);
    case Colour::ButtonText:
        return palette.color(QPalette::ButtonText);
    case Colour::MenuText:
        return palette.color(QPalette::Text);
    case Colour::Desktop:
        return legible(QColor(0x3A, 0x6E, 0xA5), window);
    case Colour::CaptionText:
        return darkScheme(palette) ? palette.color(QPalette::Base) : QColor(Qt::white);
    case Colour::ActiveCaption:
        return legible(QColor(0x0A, 0x24, 0x6A), window);
    }
    return palette.color(QPalette::WindowText);
}

// Only the active and inactive looks change: a disabled box keeps the platform's disabled style.
void setRole(QWidget& widget, QPalette::ColorRole role, const QColor& value)
{
    QPalette palette = widget.palette();
    if (value == palette.color(role)) {
        return;
    }
    palette.setColor(QPalette::Active, role, value);
    palette.setColor(QPalette::Inactive, role, value);
    widget.setPalette(palette);
}

// A text in its row's colour, or in the widget's own for the role, made legible on its ground.
void setTextColour(QWidget& widget, QPalette::ColorRole role, Colour colour, QPalette::ColorRole ground)
{
    const QPalette& palette = widget.palette();
    const QColor chosen = colour == Colour::Standard ? palette.color(role) : colourOf(colour, palette);
    setRole(widget, role, legible(chosen, palette.color(ground)));
}

}  // namespace

class PictureBox : public QWidget {
public:
    PictureBox(void (*draw)(QPainter&, const QPalette&, int), QWidget& area) : QWidget(&area), draw_(draw) {}

    void mark(int picture)
    {
        marked_ = picture;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        draw_(painter, palette(), marked_);
    }

private:
    void (*draw_)(QPainter&, const QPalette&, int);
    int marked_ = -1;
};

namespace {

QWidget* makeWidget(const Control& row, QWidget& area)
{
    switch (row.kind) {
    case Kind::Label:
    case Kind::Letter: {
        auto* label = new QLabel(QString::fromUtf8(row.caption), &area);
        if (row.kind == Kind::Letter) {
            // A line that runs through a letter's box stops at its ground instead of crossing
            // the letter, as dimension text stands in a gap of its line. Centred, a letter keeps
            // its whole glyph in a box lower than the font's line.
            label->setAlignment(Qt::AlignCenter);
            label->setAutoFillBackground(true);
        } else {
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            label->setWordWrap(true);
        }
        setTextColour(*label, QPalette::WindowText, row.colour, QPalette::Window);
        return label;
    }
    case Kind::TextBox: {
        // A box with a name of its own holds a value; the others show a unit.
        QLineEdit* box = row.help.empty()
                             ? new QLineEdit(QString::fromUtf8(row.caption), &area)
                             : new ValueBox(QString::fromUtf8(row.caption), QString::fromUtf8(row.help), &area);
        box->setEnabled(row.enabled);
        if (!row.enabled) {
            // Results are read off these boxes and copied into quantity sheets: the disabled
            // look keeps its grey ground, with grey text dark (or light) enough to read.
            QPalette palette = box->palette();
            palette.setColor(QPalette::Disabled, QPalette::Text,
                             legible(palette.color(QPalette::Disabled, QPalette::Text),
                                     palette.color(QPalette::Disabled, QPalette::Base)));
            box->setPalette(palette);
        }
        if (row.background != Colour::Standard) {
            setRole(*box, QPalette::Base, colourOf(row.background, box->palette()));
        }
        setTextColour(*box, QPalette::Text, row.colour, QPalette::Base);
        return box;
    }
    case Kind::Button: {
        auto* button = new QPushButton(QString::fromUtf8(row.caption), &area);
        button->setAutoDefault(false);
        setTextColour(*button, QPalette::ButtonText, row.colour, QPalette::Button);
        return button;
    }
    case Kind::Picture:
        return new PictureBox(row.draw, area);
    case Kind::Line:
        break;
    }
    return nullptr;
}

}  // namespace

QRect pixelRect(Box box)
{
    return {pixels(box.left), pixels(box.top), pixels(box.width), pixels(box.height)};
}

ClientArea::ClientArea(ControlTable table, MarkTable marks, int widthTwips, int heightTwips, QWidget* parent)
    : QWidget(parent), table_(table), marks_(marks)
{
    setFixedSize(pixels(widthTwips), pixels(heightTwips));
    setFont(defaultFont());

    std::vector<std::pair<int, QWidget*>> focusOrder;
    for (const Control& row : table_) {
        QWidget* widget = makeWidget(row, *this);
        if (!widget) {
            // A line is drawn, not a widget; the named object lets tools find it all the same.
            auto* line = new QObject(this);
            line->setObjectName(QString::fromUtf8(row.name));
            line->setProperty("line", QLine(row.box.left, row.box.top, row.box.width, row.box.height));
            continue;
        }
        widget->setObjectName(QString::fromUtf8(row.name));
        widget->setGeometry(pixelRect(row.box));
        if (row.kind == Kind::Picture) {
            picture_ = static_cast<PictureBox*>(widget);
        }
        if (std::any_of(marks_.begin(), marks_.end(), [&row](const MarkedBox& mark) { return mark.box == row.name; })) {
            if (auto* box = qobject_cast<ValueBox*>(widget)) {
                box->setLegendNote(legendDescription(row.help));
            }
            widget->installEventFilter(this);
        }
        if (row.font != Font::WindowFont) {
            widget->setFont(fontOf(row.font));
        }
        if (row.tabIndex >= 0) {
            focusOrder.emplace_back(row.tabIndex, widget);
        } else {
            widget->setFocusPolicy(Qt::NoFocus);
        }
    }

    std::sort(focusOrder.begin(), focusOrder.end());
    for (std::size_t n = 1; n < focusOrder.size(); ++n) {
        setTabOrder(focusOrder[n - 1].second, focusOrder[n].second);
    }
    const auto first = std::find_if(focusOrder.begin(), focusOrder.end(),
                                    [](const auto& entry) { return entry.second->isEnabled(); });
    if (first != focusOrder.end()) {
        first->second->setFocus();
    }
}

QFont ClientArea::defaultFont()
{
    return songFont(12, false);
}

// A line is one logical pixel wide, so that it thickens with text and boxes on a scaled screen;
// a marked line is twice that, in the highlight colour.
void ClientArea::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.setClipRegion(event->region());  // the screen clips by itself; a sheet copying a part does not
    painter.scale(1.0 / kTwipsPerPixel, 1.0 / kTwipsPerPixel);
    for (const Control& row : table_) {
        if (row.kind == Kind::Line) {
            painter.setPen(QPen(colourOf(row.colour, palette()), kTwipsPerPixel));
            painter.drawLine(row.box.left, row.box.top, row.box.width, row.box.height);
        }
    }
    if (marked_) {
        painter.setPen(QPen(legible(palette().color(QPalette::Highlight), palette().color(QPalette::Window)),
                            2 * kTwipsPerPixel));
        for (const Box& line : marked_->lines) {
            if (line.left || line.top || line.width || line.height) {
                painter.drawLine(line.left, line.top, line.width, line.height);
            }
        }
    }
}

// The pointer resting on a box shows its dimension; leaving it shows the focused box's again. A
// focus lost to another window keeps the mark, as the box keeps the focus within its window.
bool ClientArea::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Enter:
        hovered_ = watched;
        break;
    case QEvent::Leave:
        hovered_ = hovered_ == watched ? nullptr : hovered_;
        break;
    case QEvent::FocusIn:
        focused_ = watched;
        break;
    case QEvent::FocusOut:
        if (static_cast<QFocusEvent*>(event)->reason() != Qt::ActiveWindowFocusReason) {
            focused_ = focused_ == watched ? nullptr : focused_;
        }
        break;
    default:
        return false;
    }
    showMark(hovered_ ? hovered_ : focused_);
    return false;
}

void ClientArea::showMark(const QObject* box)
{
    const auto found = std::find_if(marks_.begin(), marks_.end(), [box](const MarkedBox& mark) {
        return box && box->objectName() == QString::fromUtf8(mark.box);
    });
    const Mark* mark = found == marks_.end() ? nullptr : &found->mark;
    if (mark == marked_) {
        return;
    }
    markLetter(false);
    marked_ = mark;
    markLetter(true);
    if (picture_) {
        picture_->mark(marked_ ? marked_->picture : -1);
    }
    update();
}

// A marked letter is drawn bold in the highlight colour, as legible on its ground as any text.
void ClientArea::markLetter(bool marked)
{
    if (!marked_ || marked_->letter.empty()) {
        return;
    }
    auto* letter = findChild<QLabel*>(QString::fromUtf8(marked_->letter));
    setRole(*letter, QPalette::Highlight,
            legible(letter->palette().color(QPalette::Highlight), letter->palette().color(QPalette::Window)));
    letter->setForegroundRole(marked ? QPalette::Highlight : QPalette::WindowText);
    QFont font = letter->font();
    font.setBold(marked);
    letter->setFont(font);
}

}  // namespace ui
