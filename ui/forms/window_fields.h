// A window's text boxes seen as the fields a computation reads and writes by name.
#pragma once

#include "wallcalc/fields.h"

#include <set>
#include <string>

class QLineEdit;
class QWidget;

namespace ui {

class WindowFields : public wallcalc::Fields {
public:
    explicit WindowFields(QWidget& window) : window_(window) {}

    std::string text(const std::string& name) const override;
    void setText(const std::string& name, const std::string& text) override;

    // Whether setText has reached the box since these fields were made.
    bool written(const std::string& name) const { return written_.count(name) != 0; }

private:
    QLineEdit& box(const std::string& name) const;

    QWidget& window_;
    std::set<std::string> written_;
};

}  // namespace ui
