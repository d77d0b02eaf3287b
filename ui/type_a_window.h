// The Type A calculator: a trapezoid wall body on a trapezoid foundation, at two sections.
#pragma once

#include "calculator_window.h"

namespace ui {

class TypeAWindow : public CalculatorWindow {
    Q_OBJECT
public:
    explicit TypeAWindow(QWidget* parent = nullptr);

private:
    void Form_Load();
    void Command1_Click();  // 计算
    void Command2_Click();  // 返回
    void Command3_Click();  // 清零
};

}  // namespace ui
