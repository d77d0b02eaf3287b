// The main window: the information text, the "一般工具" menu and "结束".
#pragma once

#include <QMainWindow>

enum class Calculator { TypeA, TypeB, Foundation };

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);

signals:
    // A menu entry hid this window; the application shows the calculator.
    void calculatorRequested(Calculator calculator);
    // "结束" or the close box: the program ends.
    void endRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Command1_Click();
    void dangqiangalei_Click();
    void dangtuqiangalei_Click();
    void jichujisuan_Click();
};
