// The main window: the information text, the "一般工具" menu and "结束".
#pragma once

#include <QMainWindow>

namespace ui {
struct CalculatorForm;
}

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);

signals:
    // A menu entry hid this window; the application shows the calculator of that form.
    void calculatorRequested(const ui::CalculatorForm* form);
    // "结束" or the close box: the program ends.
    void endRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Command1_Click();
};
