// The rows that describe a window's controls: one row a control, positions in twips.
#pragma once

#include <array>
#include <span>
#include <string_view>

class QPainter;
class QPalette;

namespace ui {

// A Letter is a label set into a drawing made of lines, as the letters of a legend sketch.
enum class Kind { Label, Letter, TextBox, Button, Line, Picture };

enum class Font {
    WindowFont,       // the window's own: 宋体 9 pt
    Song12,           // 宋体 12 pt
    Song12Underlined, // 宋体 12 pt, underlined
};

// System colours by role (Standard: the control's own default); form_builder.cpp says what each one is in Qt.
enum class Colour { Standard, Highlight, WindowText, ButtonText, Desktop, MenuText, CaptionText, ActiveCaption };

// Left, top, width, height in twips; for a line its end points X1, Y1, X2, Y2.
struct Box {
    int left;
    int top;
    int width;
    int height;
};

struct Control {
    Kind kind;
    std::string_view name;     // the objectName, array members as "Label2(12)"
    std::string_view caption;  // a label's or button's caption, a text box's first text
    Box box;
    Font font = Font::WindowFont;
    Colour colour = Colour::Standard;  // text colour; a line's colour
    bool enabled = true;
    int tabIndex = -1;             // place in the focus order; -1 for what never takes the focus
    std::string_view help = {};    // a value box's accessible name and tooltip
    Colour background = Colour::Standard;
    // A picture's drawing, in its own pixels, with one of its marks drawn heavier (-1 for none).
    void (*draw)(QPainter&, const QPalette&, int marked) = nullptr;
};

using ControlTable = std::span<const Control>;

// What the legend marks while a value box has the focus or the pointer: pieces of the window's
// lines (X1, Y1, X2, Y2; an all-zero box is no line) with the Letter that names them, or one of
// the marks of the window's picture.
struct Mark {
    std::array<Box, 3> lines = {};
    std::string_view letter = {};
    int picture = -1;
};

struct MarkedBox {
    std::string_view box;
    Mark mark;
};

using MarkTable = std::span<const MarkedBox>;

}  // namespace ui
