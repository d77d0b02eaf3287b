// The Type B calculator: a wall with a ledge and a toe step, its body and foundation at two sections.
#pragma once

#include "calculator_window.h"

namespace ui {

class TypeBWindow : public CalculatorWindow {
    Q_OBJECT
public:
    explicit TypeBWindow(QWidget* parent = nullptr);

private:
    void Form_Load();
    void Command1_Click();  // 计算
    void Command2_Click();  // 清零
    void Command3_Click();  // 返回
};

}  // namespace ui
