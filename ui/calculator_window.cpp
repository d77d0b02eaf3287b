// The calculator windows' shared behaviour.
#include "calculator_window.h"

#include "client_area.h"
#include "fault_report.h"
#include "reading_order.h"
#include "window_placement.h"
#include "window_fields.h"

#include "wallcalc/arithmetic_fault.h"

#include <QCloseEvent>
#include <QPushButton>
#include <QShortcut>

#include <string>

namespace ui {

CalculatorWindow::CalculatorWindow(const CalculatorForm& form, QWidget* parent)
    : QWidget(parent), form_(form)
{
    setObjectName(QString::fromUtf8(form.objectName));
    setWindowTitle(QString::fromUtf8(form.caption));
    auto* area = new ClientArea(form.controls, form.marks, form.widthTwips, form.heightTwips, this);
    setFixedSize(area->size());
    new ReadingOrder(form.readingOrder, *this);
    // Esc leaves the window as Return does.
    connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, this, &CalculatorWindow::returnToMainWindow);
    centreOnScreen(*this);
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
