// The Type A window: its controls, in twips, and what its buttons do.
#include "calculator_forms.h"

#include "type_a_legend.h"

#include "wallcalc/calculators.h"

#include <array>

namespace ui {

namespace {

using enum Kind;
using enum Font;
using enum Colour;

constexpr Control kControls[] = {
    // Inputs.
    {TextBox, "Text1", "", {3000, 600, 1215, 270}, WindowFont, Standard, true, 4, "A：第一断面墙身顶宽（米）"},
    {TextBox, "Text2", "", {3000, 960, 1215, 270}, WindowFont, Standard, true, 5, "B：第一断面墙身底宽（米）"},
    {TextBox, "Text3", "", {3000, 1320, 1215, 270}, WindowFont, Standard, true, 6, "H：第一断面墙身高度（米）"},
    {TextBox, "Text4", "", {5040, 600, 1215, 270}, WindowFont, Standard, true, 10, "C：第一断面基础左侧高度（米）"},
    {TextBox, "Text5", "", {5040, 960, 1215, 270}, WindowFont, Standard, true, 11, "D：第一断面基础右侧高度（米）"},
    {TextBox, "Text6", "", {5040, 1320, 1215, 270}, WindowFont, Standard, true, 12, "E：第一断面基础宽度（米）"},
    {TextBox, "Text10", "", {3000, 2160, 1215, 270}, WindowFont, Standard, true, 25, "f：第二断面墙身顶宽（米）"},
    {TextBox, "Text11", "", {3000, 2520, 1215, 270}, WindowFont, Standard, true, 26, "i：第二断面墙身底宽（米）"},
    {TextBox, "Text12", "", {3000, 2880, 1215, 270}, WindowFont, Standard, true, 27, "j：第二断面墙身高度（米）"},
    {TextBox, "Text13", "", {5040, 2160, 1215, 270}, WindowFont, Standard, true, 28, "k：第二断面基础左侧高度（米）"},
    {TextBox, "Text14", "", {5040, 2520, 1215, 270}, WindowFont, Standard, true, 29, "n：第二断面基础右侧高度（米）"},
    {TextBox, "Text15", "", {5040, 2880, 1215, 270}, WindowFont, Standard, true, 30, "o：第二断面基础宽度（米）"},
    {TextBox, "Text7", "", {5280, 3840, 975, 270}, Song12, Highlight, true, 15, "挡墙L：两断面之间的挡墙长度（米）",
     CaptionText},
    // Results. Disabled, they draw their text in the disabled style, not in a colour of their own.
    {TextBox, "Text16", "", {3240, 3360, 975, 270}, Song12, Standard, false, 32, "s1面积：第一断面面积，墙身加基础（平方米）"},
    {TextBox, "Text17", "", {3240, 3840, 975, 270}, Song12, Standard, false, 34, "s2面积：第二断面面积，墙身加基础（平方米）"},
    {TextBox, "Text18", "", {5280, 3360, 975, 270}, Song12, Standard, false, 36, "平均面积：两断面面积的平均值（平方米）"},
    {TextBox, "Text19", "", {4200, 4320, 1335, 270}, WindowFont, Standard, false, 40, "基础方量：两断面之间基础的体积（立方米）"},
    {TextBox, "Text20", "", {4200, 4680, 1335, 270}, WindowFont, Standard, false, 41, "墙身方量：两断面之间墙身的体积（立方米）"},
    {TextBox, "Text8", "", {960, 5160, 1095, 375}, Song12Underlined, Standard, false, 16, "总方量：平均面积乘挡墙长度（立方米）"},
    // Units, disabled like the results.
    {TextBox, "Text9", "", {2280, 5160, 855, 375}, Song12, Standard, false, 37},
    {TextBox, "Text21", "", {5640, 4320, 615, 270}, WindowFont, Standard, false, 42},
    {TextBox, "Text22", "", {5640, 4680, 615, 270}, WindowFont, Standard, false, 43},
    // Labels.
    {Label, "Label1(0)", "图例", {840, 240, 480, 240}, Song12, Highlight},
    {Label, "Label1(1)", "第一断面墙身", {2760, 240, 1440, 240}, Song12, Highlight},
    {Label, "Label1(2)", "第一断面基础", {4680, 240, 1440, 240}, Song12, Highlight},
    {Label, "Label1(3)", "第二断面基础", {4680, 1800, 1440, 240}, Song12, Highlight},
    {Label, "Label1(4)", "第二断面墙身", {2760, 1800, 1440, 240}, Song12, Highlight},
    {Label, "Label2(0)", "A", {2640, 600, 255, 255}, WindowFont, ButtonText},
    {Label, "Label2(1)", "H", {2640, 1320, 255, 255}, WindowFont, ButtonText},
    {Label, "Label2(2)", "B", {2640, 960, 255, 255}, WindowFont, ButtonText},
    {Label, "Label2(3)", "C", {4560, 600, 255, 255}, WindowFont, ButtonText},
    {Label, "Label2(4)", "E", {4560, 1320, 255, 255}, WindowFont, ButtonText},
    {Label, "Label2(5)", "D", {4560, 960, 255, 255}, WindowFont, ButtonText},
    {Label, "Label2(6)", "n", {4560, 2520, 255, 255}, WindowFont, ButtonText},
    {Label, "Label2(7)", "o", {4560, 2880, 255, 255}, WindowFont, ButtonText},
    {Label, "Label2(8)", "k", {4560, 2160, 255, 255}, WindowFont, ButtonText},
    {Label, "Label2(9)", "i", {2640, 2520, 255, 255}, WindowFont, ButtonText},
    {Label, "Label2(10)", "j", {2640, 2880, 255, 255}, WindowFont, ButtonText},
    {Label, "Label2(11)", "f", {2640, 2160, 255, 255}, WindowFont, ButtonText},
    {Label, "Label2(12)", "s1面积", {2640, 3360, 615, 255}, WindowFont, Highlight},
    {Label, "Label2(13)", "s2面积", {2640, 3840, 615, 255}, WindowFont, Highlight},
    {Label, "Label2(14)", "平均面积", {4440, 3360, 855, 255}, WindowFont, Highlight},
    {Label, "Label2(16)", "墙身方量", {2640, 4680, 1335, 255}, WindowFont, Highlight},
    {Label, "Label2(17)", "基础方量", {2640, 4320, 1335, 255}, WindowFont, Highlight},
    {Label, "Label3(0)", "挡墙L", {4560, 3840, 615, 255}, WindowFont, Highlight},
    {Label, "Label4", "总方量", {0, 5160, 855, 375}, Song12, Highlight},
    // Buttons.
    {Button, "Command1", "计算", {3360, 5160, 735, 375}, Song12Underlined, Standard, true, 14},
    {Button, "Command3", "清零", {4440, 5160, 735, 375}, Song12, Standard, true, 46},
    {Button, "Command2", "返回", {5520, 5160, 735, 375}, Song12Underlined, Standard, true, 17},
    // The legend picture, 176 × 277 pixels.
    {Picture, "Image1", "", {0, 480, 2640, 4155}, WindowFont, Standard, true, -1, {}, Standard, drawTypeALegend},
    // Lines: X1, Y1, X2, Y2.
    {Line, "Line7(0)", "", {-120, 120, 4440, 120}, WindowFont, WindowText},
    {Line, "Line7(1)", "", {4440, 120, 6360, 120}, WindowFont, WindowText},
    {Line, "Line6(0)", "", {2520, 480, 4440, 480}, WindowFont, WindowText},
    {Line, "Line6(1)", "", {4440, 480, 6360, 480}, WindowFont, WindowText},
    {Line, "Line2(1)", "", {2520, 1680, 6360, 1680}, WindowFont, WindowText},
    {Line, "Line11", "", {2640, 2040, 6360, 2040}, WindowFont, WindowText},
    {Line, "Line4", "", {2520, 3240, 6360, 3240}, WindowFont, WindowText},
    {Line, "Line5", "", {2520, 3720, 6360, 3720}, WindowFont, WindowText},
    {Line, "Line8", "", {2520, 4200, 6360, 4200}, WindowFont, WindowText},
    {Line, "Line10", "", {-120, 5040, 6360, 5040}, WindowFont, Desktop},
    {Line, "Line13", "", {0, 5640, 6360, 5640}, WindowFont, WindowText},
    {Line, "Line3", "", {2520, 120, 2520, 3960}, WindowFont, WindowText},
    {Line, "Line12", "", {2640, 3960, 2640, 5040}, WindowFont, WindowText},
    {Line, "Line18", "", {4320, 120, 4320, 2880}, WindowFont, Desktop},
    {Line, "Line9(0)", "", {4440, 120, 4440, 2880}, WindowFont, Desktop},
    {Line, "Line20", "", {4320, 2880, 4320, 4200}, WindowFont, Highlight},
    {Line, "Line19", "", {4440, 2880, 4440, 4200}, WindowFont, Highlight},
    {Line, "Line9(1)", "", {6360, 120, 6360, 5640}, WindowFont, MenuText},
    {Line, "Line15", "", {840, 5040, 840, 5640}, WindowFont, Desktop},
    {Line, "Line16", "", {2160, 5040, 2160, 5640}, WindowFont, Desktop},
    {Line, "Line17", "", {3240, 5040, 3240, 5640}, WindowFont, Desktop},
    {Line, "Line1", "", {4200, 5040, 4200, 5640}, WindowFont, Desktop},
    {Line, "Line14", "", {5400, 5040, 5400, 5640}, WindowFont, Desktop},
};

constexpr std::string_view kStartValues[] = {
    "Text1",  "Text2",  "Text3",  "Text4",  "Text5",  "Text6",  "Text7",  "Text8",  "Text9",  "Text10", "Text11",
    "Text12", "Text13", "Text14", "Text15", "Text16", "Text17", "Text18", "Text19", "Text20", "Text21", "Text22",
};

// Each input's dimension in the legend: the first letter of a mark for section one, the second for
// section two. The length has none.
constexpr MarkedBox kMarks[] = {
    {"Text1", {.picture = MarkAF}},  {"Text2", {.picture = MarkBI}},  {"Text3", {.picture = MarkHJ}},
    {"Text4", {.picture = MarkCK}},  {"Text5", {.picture = MarkDN}},  {"Text6", {.picture = MarkEO}},
    {"Text10", {.picture = MarkAF}}, {"Text11", {.picture = MarkBI}}, {"Text12", {.picture = MarkHJ}},
    {"Text13", {.picture = MarkCK}}, {"Text14", {.picture = MarkDN}}, {"Text15", {.picture = MarkEO}},
};

// Section one's wall body and foundation, section two's, then the length.
constexpr std::string_view kReadingOrder[] = {"Text1",  "Text2",  "Text3",  "Text4",  "Text5",  "Text6", "Text10",
                                              "Text11", "Text12", "Text13", "Text14", "Text15", "Text7"};

// The order of the press's writes; the volumes are computed from the inputs, the average and the
// total from the texts just written.
constexpr WorkingStep kWorking[] = {
    {"Text16", "({Text1}+{Text2})×{Text3}÷2 + ({Text4}+{Text5})×{Text6}÷2"},
    {"Text17", "({Text10}+{Text11})×{Text12}÷2 + ({Text13}+{Text14})×{Text15}÷2"},
    {"Text18", "({Text16}+{Text17})÷2"},
    {"Text8", "{Text18}×{Text7}"},
    {"Text19", "(({Text4}+{Text5})×{Text6}÷2 + ({Text13}+{Text14})×{Text15}÷2)×{Text7}÷2"},
    {"Text20", "(({Text10}+{Text11})×{Text12}÷2 + ({Text1}+{Text2})×{Text3}÷2)×{Text7}÷2"},
};

constexpr Handler kHandlers[] = {
    {"Command1", Action::Calculate},  // Command1_Click: 计算
    {"Command2", Action::Return},     // Command2_Click: 返回
    {"Command3", Action::Clear},      // Command3_Click: 清零
};

}  // namespace

const CalculatorForm kTypeAForm{
    .calculator = wallcalc::kTypeA,
    .objectName = "TypeAWindow",
    .menuObjectName = "dangqiangalei",
    .caption = "挡墙计算",
    .widthTwips = 6645,
    .heightTwips = 6000,
    .controls = kControls,
    .handlers = kHandlers,
    .startValues = kStartValues,
    .readingOrder = kReadingOrder,
    .working = kWorking,
    .legend = {0, 480, 2640, 4155},
    .marks = kMarks,
};

}  // namespace ui
