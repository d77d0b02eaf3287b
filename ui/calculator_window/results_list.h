// Beside a calculator's client area: every result with its name, its whole text and its unit, so no
// result needs a hover to be read, greyed and struck through while the results are out of date.
#pragma once

#include <QTreeWidget>

#include <functional>
#include <string_view>

namespace ui {

struct CalculatorForm;

class ResultsList : public QTreeWidget {
    Q_OBJECT
public:
    ResultsList(const CalculatorForm& form, QWidget* parent = nullptr);

    // The texts of the window's result boxes, by control name, and whether they are out of date.
    void showResults(const std::function<QString(std::string_view)>& texts, bool stale);

    QSize sizeHint() const override;

private:
    const CalculatorForm& form_;
};

}  // namespace ui
