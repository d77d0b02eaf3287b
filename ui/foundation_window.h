// The foundation calculator: two right triangles and two trapezoids at each of two sections.
#pragma once

#include "calculator_window.h"

namespace ui {

class FoundationWindow : public CalculatorWindow {
    Q_OBJECT
public:
    explicit FoundationWindow(QWidget* parent = nullptr);

private:
    void Form_Load();
    void Command1_Click();  // 计算
    void Command2_Click();  // 返回
    void Command3_Click();  // 清零
};

}  // namespace ui
