// Field access by control name over a window's QLineEdit children.
#include "window_fields.h"

#include <QLineEdit>
#include <QWidget>

#include <stdexcept>

namespace ui {

QLineEdit& WindowFields::box(const std::string& name) const
{
    auto* box = window_.findChild<QLineEdit*>(QString::fromStdString(name));
    if (!box) {
        throw std::logic_error("no text box named " + name + " in " + window_.objectName().toStdString());
    }
    return *box;
}

std::string WindowFields::text(const std::string& name) const
{
    return box(name).text().toStdString();
}

void WindowFields::setText(const std::string& name, const std::string& text)
{
    // A box shows its text from the first character, whatever it showed before.
    QLineEdit& target = box(name);
    target.setText(QString::fromStdString(text));
    target.setCursorPosition(0);
    written_.insert(name);
}

}  // namespace ui
