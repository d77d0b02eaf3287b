// What the window tests know of each calculator, written down by hand from how the windows are
// meant to be: which button does what, the orders a person moves in, and inputs to type.
#pragma once

#include "window_driver.h"

#include "calculator_forms.h"
#include "calculator_window.h"
#include "value_box.h"

#include <QMessageBox>

#include <iterator>
#include <memory>

using Typed = std::initializer_list<std::pair<const char*, const char*>>;

struct Calculator {
    const char* name;  // the window's objectName
    const char* menuEntry;
    const ui::CalculatorForm* form;
    const char* clearButton;
    const char* returnButton;
    Typed workedExample;  // Type A's length typed with its unit, which reads as 10
    Typed siteInputs;     // dimensions as a site engineer types them
    QStringList readingOrder;
    QStringList tabOrder;  // from the first box
};

inline const Calculator kCalculators[] = {
    {"TypeAWindow", "dangqiangalei", &ui::kTypeAForm, "Command3", "Command2",
     {{"Text1", "1"}, {"Text2", "2"}, {"Text3", "3"}, {"Text4", "0.5"}, {"Text5", "1.5"}, {"Text6", "2"},
      {"Text10", "1"}, {"Text11", "3"}, {"Text12", "2"}, {"Text13", "1"}, {"Text14", "1"}, {"Text15", "3"},
      {"Text7", "10m"}},
     {{"Text1", "0.45"}, {"Text2", "1.237"}, {"Text3", "3.333"}, {"Text4", "0.6"}, {"Text5", "0.85"},
      {"Text6", "2.47"}, {"Text10", "0.5"}, {"Text11", "1.3"}, {"Text12", "2.9"}, {"Text13", "0.6"},
      {"Text14", "0.9"}, {"Text15", "2.3"}, {"Text7", "17.65"}},
     {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text10", "Text11", "Text12", "Text13", "Text14",
      "Text15", "Text7", "Command1"},
     {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Command1", "Text7", "Command2", "Text10", "Text11",
      "Text12", "Text13", "Text14", "Text15", "Command3"}},
    {"TypeBWindow", "dangtuqiangalei", &ui::kTypeBForm, "Command2", "Command3",
     {{"Text1", "0.5"}, {"Text2", "0.5"}, {"Text3", "2"}, {"Text4", "4"}, {"Text5", "0.25"}, {"Text6", "0.125"},
      {"Text7", "5"}, {"Text8", "0.5"}, {"Text9", "2.125"}, {"Text10", "0.125"}, {"Text41", "0.5"},
      {"Text11", "0.5"}, {"Text12", "0.5"}, {"Text33", "3"}, {"Text34", "4"}, {"Text35", "0.25"},
      {"Text36", "0.125"}, {"Text37", "6"}, {"Text38", "0.5"}, {"Text39", "2.125"}, {"Text40", "0.125"},
      {"Text42", "0.5"}, {"Text13", "10"}},
     {{"Text1", "0.5"}, {"Text2", "0.35"}, {"Text3", "2.45"}, {"Text4", "3.125"}, {"Text5", "0.25"},
      {"Text6", "0.05"}, {"Text7", "5.875"}, {"Text8", "0.85"}, {"Text9", "2.4375"}, {"Text10", "0.2"},
      {"Text41", "0.4"}, {"Text11", "0.5"}, {"Text12", "0.35"}, {"Text33", "2.675"}, {"Text34", "3.3125"},
      {"Text35", "0.25"}, {"Text36", "0.05"}, {"Text37", "6.2"}, {"Text38", "0.85"}, {"Text39", "2.5625"},
      {"Text40", "0.2"}, {"Text42", "0.45"}, {"Text13", "18.75"}},
     {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Text8", "Text9", "Text10", "Text41",
      "Text11", "Text12", "Text33", "Text34", "Text35", "Text36", "Text37", "Text38", "Text39", "Text40",
      "Text42", "Text13", "Command1"},
     {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Text8", "Text9", "Text10", "Text13",
      "Text14", "Text15", "Text16", "Text17", "Text18", "Text19", "Command1", "Command2", "Command3", "Text11",
      "Text12", "Text33", "Text34", "Text35", "Text36", "Text37", "Text38", "Text39", "Text40", "Text41", "Text42",
      "Text43", "Text44", "Text45", "Text46"}},
    {"FoundationWindow", "jichujisuan", &ui::kFoundationForm, "Command3", "Command2",
     {{"Text1", "3"}, {"Text2", "2"}, {"Text9", "1"}, {"Text10", "2"}, {"Text11", "1"}, {"Text21", "10"}},
     {{"Text1", "0.45"}, {"Text2", "0.35"}, {"Text3", "0.375"}, {"Text4", "0.35"}, {"Text5", "0.65"},
      {"Text6", "0.35"}, {"Text7", "0.425"}, {"Text8", "0.35"}, {"Text9", "1.237"}, {"Text10", "1.55"},
      {"Text11", "0.6"}, {"Text12", "1.125"}, {"Text13", "1.33"}, {"Text14", "0.625"}, {"Text15", "1.3"},
      {"Text16", "1.645"}, {"Text17", "0.6"}, {"Text18", "1.1"}, {"Text19", "1.45"}, {"Text20", "0.65"},
      {"Text21", "12.85"}},
     {"Text1", "Text2", "Text3", "Text4", "Text9", "Text10", "Text11", "Text12", "Text13", "Text14", "Text5",
      "Text6", "Text7", "Text8", "Text15", "Text16", "Text17", "Text18", "Text19", "Text20", "Text21", "Command1"},
     {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Text8", "Text9", "Text10", "Text11",
      "Text12", "Text13", "Text14", "Text15", "Text16", "Text17", "Text18", "Text19", "Text20", "Text21", "Text22",
      "Command1", "Command2", "Command3", "Text33", "Text34", "Text35"}},
};
static_assert(std::size(kCalculators) == wallcalc::kCalculators.size(), "every calculator's window is tested");

// The calculator's window, shown and active (its shortcuts work only then), with the inputs typed.
inline std::unique_ptr<ui::CalculatorWindow> opened(const Calculator& calculator, Typed inputs = {})
{
    auto window = std::make_unique<ui::CalculatorWindow>(*calculator.form);
    window->show();
    if (!QTest::qWaitForWindowActive(window.get())) {
        qFatal("%s did not become active", calculator.name);
    }
    typeEach(*window, inputs);
    return window;
}

// Every text box's text, in the window's order of them.
inline QStringList allTexts(const QWidget& window)
{
    QStringList texts;
    for (const QLineEdit* box : window.findChildren<QLineEdit*>()) {
        texts << box->text();
    }
    return texts;
}

inline ui::ValueBox* valueBox(const QWidget& window, const QString& name)
{
    return qobject_cast<ui::ValueBox*>(box(window, name));
}

// The fault message a press or an export left showing, if any.
inline QMessageBox* shownFault(const QWidget& window)
{
    for (QMessageBox* message : window.findChildren<QMessageBox*>("FaultMessage")) {
        if (message->isVisible()) {
            return message;
        }
    }
    return nullptr;
}
