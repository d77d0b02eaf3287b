// The message shown when a press stops on a number beyond the computable range.
#pragma once

#include <QString>

class QWidget;

namespace wallcalc {
class ArithmeticFault;
}

namespace ui {

// What overflowed, in one sentence: field is the box as its tooltip names it.
QString faultWhat(const wallcalc::ArithmeticFault& fault, const QString& field);

// Opens a window-modal message over the calculator and returns at once; the program goes on.
void reportFault(QWidget& window, const wallcalc::ArithmeticFault& fault);

}  // namespace ui
