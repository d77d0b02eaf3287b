// The message shown when a press stops on a number beyond the computable range.
#pragma once

class QWidget;

namespace wallcalc {
class ArithmeticFault;
}

namespace ui {

// Opens a window-modal message over the calculator and returns at once; the program goes on.
void reportFault(QWidget& window, const wallcalc::ArithmeticFault& fault);

}  // namespace ui
