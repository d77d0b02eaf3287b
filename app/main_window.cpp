// The main window's controls, in twips, its menu and its handlers.
#include "main_window.h"

#include "calculator_forms.h"
#include "form_builder.h"
#include "window_placement.h"

#include "wallcalc/calculators.h"

#include <QCloseEvent>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>

namespace {

using namespace ui;
using enum Kind;
using enum Font;
using enum Colour;

constexpr Control kControls[] = {
    {Button, "Command1", "结束", {4320, 7080, 735, 495}, WindowFont, Standard, true, 0},
    {Label, "Label1",
     "　　本程序用来计算挡土墙的断面面积和工程量：输入墙身和基础在两个断面上的尺寸以及两断面间的挡墙长度，"
     "按“计算”就能得到各断面面积、平均面积和墙身、基础、总方量。\n\n"
     "　　请从上面的“一般工具”菜单里选择计算器：挡土墙A类、挡土墙B类或挡墙基础计算。",
     {120, 360, 6375, 6135}, Song12, Highlight},
    {Line, "Line1", "", {0, 120, 6600, 120}, WindowFont, WindowText},
    {Line, "Line2", "", {120, 6840, 6720, 6840}, WindowFont, WindowText},
    {Line, "Line3", "", {6600, 6840, 6600, 120}, WindowFont, WindowText},
};

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent)
{
    setObjectName("MainWindow");
    setWindowTitle("挡墙计算");

    QMenu* tools = menuBar()->addMenu("一般工具");
    tools->setObjectName("yibangongju");
    tools->menuAction()->setObjectName("yibangongju");
    // One entry a calculator, captioned as the calculator.
    for (const CalculatorForm* form : kCalculatorForms) {
        QAction* action = tools->addAction(QString::fromUtf8(form->calculator.caption), this, [this, form] {
            hide();
            emit calculatorRequested(form);
        });
        action->setObjectName(QString::fromUtf8(form->menuObjectName));
    }
    tools->addAction("逐桩计算", this, [this] {
        hide();
        emit takeoffRequested();
    })->setObjectName("stationTakeoff");

    auto* area = new ClientArea(kControls, {}, 6645, 7665, this);
    setCentralWidget(area);
    layout()->setSizeConstraint(QLayout::SetFixedSize);  // the menu bar sits above the fixed client area
    connect(area->findChild<QPushButton*>("Command1"), &QPushButton::clicked, this, &MainWindow::Command1_Click);
    adjustSize();
    centreOnScreen(*this);
}

// The window stays until the program ends: a question about an unsaved take-off may be answered 取消.
void MainWindow::closeEvent(QCloseEvent* event)
{
    event->ignore();
    Command1_Click();
}

void MainWindow::Command1_Click()
{
    emit endRequested();
}
