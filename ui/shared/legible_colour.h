// Text colours that stay readable on their ground whatever colour scheme the user runs.
#pragma once

#include <QColor>

class QPalette;

namespace ui {

// The text colour itself when it stands out from the ground by 4.5:1 or more; else the nearest
// colour of its hue that does, darker on a light ground and lighter on a dark one.
QColor legible(const QColor& text, const QColor& ground);

// Whether the palette draws light text on a dark window.
bool darkScheme(const QPalette& palette);

}  // namespace ui
