// Builds a window's controls from its table, sets their focus order, and draws its lines.
#include "client_area.h"

#include "value_box.h"

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

QRect pixelRect(Box box)
{
    return {pixels(box.left), pixels(box.top), pixels(box.width), pixels(box.height)};
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
// Qt: they take the classic system defaults (steel blue, white, navy).
QColor colourOf(Colour colour, const QPalette& palette)
{
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
        return QColor(0x3A, 0x6E, 0xA5);
    case Colour::CaptionText:
        return Qt::white;
    case Colour::ActiveCaption:
        return QColor(0x0A, 0x24, 0x6A);
    }
    return palette.color(QPalette::WindowText);
}

// Only the active and inactive looks change: a disabled box keeps the platform's disabled style.
void setColour(QWidget& widget, QPalette::ColorRole role, Colour colour)
{
    if (colour == Colour::Standard) {
        return;
    }
    QPalette palette = widget.palette();
    const QColor value = colourOf(colour, palette);
    palette.setColor(QPalette::Active, role, value);
    palette.setColor(QPalette::Inactive, role, value);
    widget.setPalette(palette);
}

class PictureBox : public QWidget {
public:
    PictureBox(void (*draw)(QPainter&), QWidget* parent) : QWidget(parent), draw_(draw) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        draw_(painter);
    }

private:
    void (*draw_)(QPainter&);
};

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
        setColour(*label, QPalette::WindowText, row.colour);
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
            // look keeps its grey ground, with text dark enough to read (the classic GrayText).
            QPalette palette = box->palette();
            palette.setColor(QPalette::Disabled, QPalette::Text, QColor(0x6D, 0x6D, 0x6D));
            box->setPalette(palette);
        }
        setColour(*box, QPalette::Text, row.colour);
        setColour(*box, QPalette::Base, row.background);
        return box;
    }
    case Kind::Button: {
        auto* button = new QPushButton(QString::fromUtf8(row.caption), &area);
        button->setAutoDefault(false);
        setColour(*button, QPalette::ButtonText, row.colour);
        return button;
    }
    case Kind::Picture:
        return new PictureBox(row.draw, &area);
    case Kind::Line:
        break;
    }
    return nullptr;
}

}  // namespace

ClientArea::ClientArea(ControlTable table, int widthTwips, int heightTwips, QWidget* parent)
    : QWidget(parent), table_(table)
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

void ClientArea::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.setClipRegion(event->region());  // the screen clips by itself; a sheet copying a part does not
    painter.scale(1.0 / kTwipsPerPixel, 1.0 / kTwipsPerPixel);
    for (const Control& row : table_) {
        if (row.kind == Kind::Line) {
            painter.setPen(QPen(colourOf(row.colour, palette()), 0));  // width 0: one pixel at any scale
            painter.drawLine(row.box.left, row.box.top, row.box.width, row.box.height);
        }
    }
}

}  // namespace ui
