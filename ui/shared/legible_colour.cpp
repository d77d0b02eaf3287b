// Contrast by the relative luminance of the 8-bit colours that reach the screen.
#include "legible_colour.h"

#include <QPalette>

#include <algorithm>
#include <cmath>

namespace ui {

namespace {

constexpr double kLeastContrast = 4.5;

double luminance(const QColor& colour)
{
    const auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.red()) + 0.7152 * linear(colour.green()) + 0.0722 * linear(colour.blue());
}

double contrast(const QColor& a, const QColor& b)
{
    const auto [dark, light] = std::minmax(luminance(a), luminance(b));
    return (light + 0.05) / (dark + 0.05);
}

}  // namespace

QColor legible(const QColor& text, const QColor& ground)
{
    if (contrast(text, ground) >= kLeastContrast) {
        return text;
    }
    // With hue and saturation held, luminance rises with lightness, so halving the interval
    // between the text's lightness and black (or white) finds the nearest one that passes.
    const double hue = std::max(text.hslHueF(), 0.0f);
    const double saturation = text.hslSaturationF();
    double fails = text.lightnessF();
    double passes = luminance(ground) > 0.18 ? 0.0 : 1.0;
    for (int step = 0; step < 20; ++step) {
        const double middle = (fails + passes) / 2;
        (contrast(QColor::fromHslF(hue, saturation, middle), ground) >= kLeastContrast ? passes : fails) = middle;
    }
    return QColor::fromHslF(hue, saturation, passes);
}

bool darkScheme(const QPalette& palette)
{
    return palette.color(QPalette::Window).lightness() < palette.color(QPalette::WindowText).lightness();
}

}  // namespace ui
