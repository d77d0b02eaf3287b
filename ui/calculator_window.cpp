// The calculator windows' shared behaviour.
#include "calculator_window.h"

#include "client_area.h"
#include "fault_report.h"
#include "value_box.h"
#include "window_placement.h"
#include "window_fields.h"

#include "wallcalc/arithmetic_fault.h"

#include <QCloseEvent>
#include <QPushButton>

#include <algorithm>
#include <string>

namespace ui {

namespace {

bool listed(std::span<const std::string_view> names, const QString& name)
{
    return std::find(names.begin(), names.end(), name.toStdString()) != names.end();
}

}  // namespace

CalculatorWindow::CalculatorWindow(const CalculatorForm& form, QWidget* parent)
    : QWidget(parent), form_(form)
{
    setObjectName(QString::fromUtf8(form.objectName));
    setWindowTitle(QString::fromUtf8(form.caption));
    auto* area = new ClientArea(form.controls, form.widthTwips, form.heightTwips, this);
    setFixedSize(area->size());
    centreOnScreen(*this);

    for (ValueBox* box : findChildren<ValueBox*>()) {
        if (listed(form.outputs, box->objectName())) {
            box->setRole(ValueBox::Role::Result);
        } else {
            box->setRole(listed(form.ratioBoxes, box->objectName()) ? ValueBox::Role::Ratio : ValueBox::Role::Input);
            connect(box, &QLineEdit::textChanged, this, &CalculatorWindow::inputChanged);
        }
    }
}

QPushButton& CalculatorWindow::button(std::string_view name) const
{
    return *findChild<QPushButton*>(QString::fromUtf8(name));
}

void CalculatorWindow::writeStartValues()
{
    WindowFields fields(*this);
    for (std::string_view name : form_.startValues) {
        fields.setText(std::string(name), "");
    }
    resultsCurrent_ = false;
    setResultsStale(false);
}

void CalculatorWindow::calculate()
{
    WindowFields fields(*this);
    try {
        form_.computation(fields);
    } catch (const wallcalc::ArithmeticFault& fault) {
        for (std::string_view output : form_.outputs) {
            if (!fields.written(std::string(output))) {
                fields.setText(std::string(output), "");
            }
        }
        reportFault(*this, fault);
    }
    resultsCurrent_ = true;
    setResultsStale(false);
}

void CalculatorWindow::inputChanged()
{
    if (resultsCurrent_) {
        resultsCurrent_ = false;
        setResultsStale(true);
    }
}

void CalculatorWindow::setResultsStale(bool stale)
{
    for (ValueBox* box : findChildren<ValueBox*>()) {
        if (listed(form_.outputs, box->objectName())) {
            box->setStale(stale);
        }
    }
}

void CalculatorWindow::returnToMainWindow()
{
    hide();
    emit returned();
}

// The close box does what Return does: nothing is discarded and the main window comes back.
void CalculatorWindow::closeEvent(QCloseEvent* event)
{
    event->ignore();
    returnToMainWindow();
}

}  // namespace ui
