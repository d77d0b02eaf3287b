// The boxes' names, read from the help texts of a form's control table.
#include "calculator_form.h"

#include <algorithm>

namespace ui {

BoxName describeHelp(QString help)
{
    BoxName name;
    const qsizetype colon = help.indexOf(QStringLiteral("："));
    if (colon >= 0 && !help.left(colon).contains(QStringLiteral("（"))) {
        name.symbol = help.left(colon);
        help = help.mid(colon + 1);
    }
    const qsizetype open = help.lastIndexOf(QStringLiteral("（"));
    if (open >= 0 && help.endsWith(QStringLiteral("）"))) {
        name.unit = help.mid(open + 1, help.size() - open - 2).section(QStringLiteral("："), 0, 0);
        help = help.left(open);
    }
    name.meaning = help;
    return name;
}

QString BoxName::name() const
{
    return symbol.isEmpty() ? meaning : symbol + ' ' + meaning;
}

QString BoxName::shortName() const
{
    return symbol.isEmpty() ? meaning : symbol;
}

QString boxHelp(const CalculatorForm& form, std::string_view box)
{
    const auto control = std::find_if(form.controls.begin(), form.controls.end(),
                                      [box](const Control& c) { return c.name == box; });
    return control == form.controls.end() ? QString() : QString::fromUtf8(control->help);
}

}  // namespace ui
