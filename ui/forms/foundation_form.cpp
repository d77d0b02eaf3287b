// The foundation window: its controls and fixed shape drawings, in twips, and what its buttons do.
#include "calculator_forms.h"

#include "wallcalc/calculators.h"

namespace ui {

namespace {

using enum Kind;
using enum Font;
using enum Colour;

constexpr Control kControls[] = {
    // Section headings.
    {Label, "Label2(5)", "第一断面", {720, 360, 1095, 255}, WindowFont, Highlight},
    {Label, "Label2(6)", "第二断面", {3720, 360, 1095, 255}, WindowFont, Highlight},
    // Triangles: base, height and the area under them.
    {Label, "Label1(0)", "底", {0, 1440, 375, 255}},
    {TextBox, "Text1", "", {360, 1440, 855, 270}, WindowFont, Standard, true, 0, "底：第一断面左三角形的底边（米）"},
    {Label, "Label1(1)", "高", {0, 1800, 375, 255}},
    {TextBox, "Text2", "", {360, 1800, 855, 270}, WindowFont, Standard, true, 1, "高：第一断面左三角形的高（米）"},
    {TextBox, "Text25", "", {360, 2160, 855, 270}, WindowFont, Standard, false, -1, "第一断面左三角形的面积（平方米）"},
    {Label, "Label1(2)", "底", {1560, 1440, 375, 255}},
    {TextBox, "Text3", "", {1800, 1440, 855, 270}, WindowFont, Standard, true, 2, "底：第一断面右三角形的底边（米）"},
    {Label, "Label1(3)", "高", {1560, 1800, 375, 255}},
    {TextBox, "Text4", "", {1800, 1800, 855, 270}, WindowFont, Standard, true, 3, "高：第一断面右三角形的高（米）"},
    {TextBox, "Text26", "", {1800, 2160, 855, 270}, WindowFont, Standard, false, -1, "第一断面右三角形的面积（平方米）"},
    {Label, "Label1(4)", "底", {3240, 1440, 375, 255}},
    {TextBox, "Text5", "", {3480, 1440, 735, 270}, WindowFont, Standard, true, 4, "底：第二断面左三角形的底边（米）"},
    {Label, "Label1(5)", "高", {3240, 1800, 375, 255}},
    {TextBox, "Text6", "", {3480, 1800, 735, 270}, WindowFont, Standard, true, 5, "高：第二断面左三角形的高（米）"},
    {TextBox, "Text27", "", {3480, 2160, 735, 270}, WindowFont, Standard, false, -1, "第二断面左三角形的面积（平方米）"},
    {Label, "Label1(6)", "底", {4680, 1440, 375, 255}},
    {TextBox, "Text7", "", {5040, 1440, 735, 270}, WindowFont, Standard, true, 6, "底：第二断面右三角形的底边（米）"},
    {Label, "Label1(7)", "高", {4680, 1800, 375, 255}},
    {TextBox, "Text8", "", {5040, 1800, 735, 270}, WindowFont, Standard, true, 7, "高：第二断面右三角形的高（米）"},
    {TextBox, "Text28", "", {5040, 2160, 735, 270}, WindowFont, Standard, false, -1, "第二断面右三角形的面积（平方米）"},
    // Trapezoids: top, bottom, height and the area under them.
    {Label, "Label1(8)", "上底", {120, 3840, 375, 255}},
    {TextBox, "Text9", "", {480, 3840, 735, 270}, WindowFont, Standard, true, 8, "上底：第一断面左梯形的上底（米）"},
    {Label, "Label1(9)", "下底", {120, 4200, 375, 255}},
    {TextBox, "Text10", "", {480, 4200, 735, 270}, WindowFont, Standard, true, 9, "下底：第一断面左梯形的下底（米）"},
    {Label, "Label1(11)", "高", {240, 4560, 375, 255}},
    {TextBox, "Text11", "", {480, 4560, 735, 270}, WindowFont, Standard, true, 10, "高：第一断面左梯形的高（米）"},
    {TextBox, "Text29", "", {480, 4920, 735, 270}, WindowFont, Standard, false, -1, "第一断面左梯形的面积（平方米）"},
    {Label, "Label1(10)", "上底", {1560, 3840, 375, 255}},
    {TextBox, "Text12", "", {1920, 3840, 735, 270}, WindowFont, Standard, true, 11, "上底：第一断面右梯形的上底（米）"},
    {Label, "Label1(12)", "下底", {1560, 4200, 375, 255}},
    {TextBox, "Text13", "", {1920, 4200, 735, 270}, WindowFont, Standard, true, 12, "下底：第一断面右梯形的下底（米）"},
    {Label, "Label1(13)", "高", {1680, 4560, 375, 255}},
    {TextBox, "Text14", "", {1920, 4560, 735, 270}, WindowFont, Standard, true, 13, "高：第一断面右梯形的高（米）"},
    {TextBox, "Text30", "", {1920, 4920, 735, 270}, WindowFont, Standard, false, -1, "第一断面右梯形的面积（平方米）"},
    {Label, "Label1(14)", "上底", {3000, 3840, 375, 255}},
    {TextBox, "Text15", "", {3360, 3840, 735, 270}, WindowFont, Standard, true, 14, "上底：第二断面左梯形的上底（米）"},
    {Label, "Label1(15)", "下底", {3000, 4200, 375, 255}},
    {TextBox, "Text16", "", {3360, 4200, 735, 270}, WindowFont, Standard, true, 15, "下底：第二断面左梯形的下底（米）"},
    {Label, "Label1(16)", "高", {3120, 4560, 375, 255}},
    {TextBox, "Text17", "", {3360, 4560, 735, 270}, WindowFont, Standard, true, 16, "高：第二断面左梯形的高（米）"},
    {TextBox, "Text31", "", {3360, 4920, 735, 270}, WindowFont, Standard, false, -1, "第二断面左梯形的面积（平方米）"},
    {Label, "Label1(17)", "上底", {4440, 3840, 375, 255}},
    {TextBox, "Text18", "", {4920, 3840, 615, 270}, WindowFont, Standard, true, 17, "上底：第二断面右梯形的上底（米）"},
    {Label, "Label1(18)", "下底", {4440, 4200, 375, 255}},
    {TextBox, "Text19", "", {4920, 4200, 615, 270}, WindowFont, Standard, true, 18, "下底：第二断面右梯形的下底（米）"},
    {Label, "Label1(19)", "高", {4560, 4560, 375, 255}},
    {TextBox, "Text20", "", {4920, 4560, 615, 270}, WindowFont, Standard, true, 19, "高：第二断面右梯形的高（米）"},
    {TextBox, "Text32", "", {4920, 4920, 615, 270}, WindowFont, Standard, false, -1, "第二断面右梯形的面积（平方米）"},
    // Result rows, the length and the buttons.
    {Label, "Label2(3)", "第一断面面积", {0, 5400, 1095, 255}, WindowFont, Highlight},
    {TextBox, "Text33", "", {1080, 5400, 1095, 270}, WindowFont, Standard, true, 25,
     "第一断面面积：第一断面四块面积之和（平方米）"},
    {TextBox, "Text23(1)", "平方米", {2160, 5400, 615, 270}, WindowFont, Standard, false},
    {Label, "Label2(2)", "第二断面面积", {3000, 5400, 1095, 255}, WindowFont, Highlight},
    {TextBox, "Text34", "", {4080, 5400, 1095, 270}, WindowFont, Standard, true, 26,
     "第二断面面积：第二断面四块面积之和（平方米）"},
    {TextBox, "Text23(2)", "平方米", {5160, 5400, 615, 270}, WindowFont, Standard, false},
    {Label, "Label2(0)", "挡墙基础长度", {0, 5880, 1095, 255}, WindowFont, Highlight},
    {TextBox, "Text21", "", {1080, 5880, 1095, 270}, WindowFont, Standard, true, 20,
     "挡墙基础长度：两断面之间的基础长度（米）"},
    {TextBox, "Text23(0)", "米", {2160, 5880, 375, 270}, WindowFont, Standard, false},
    {Label, "Label2(4)", "平均面积", {3000, 5880, 855, 255}, WindowFont, Highlight},
    {TextBox, "Text35", "", {4080, 5880, 1095, 270}, WindowFont, Standard, true, 27,
     "平均面积：两断面面积的平均值（平方米）"},
    {TextBox, "Text23(3)", "平方米", {5160, 5880, 615, 270}, WindowFont, Standard, false},
    {Label, "Label2(1)", "挡墙基础方量", {0, 6360, 1095, 255}, WindowFont, Highlight},
    {TextBox, "Text22", "", {1080, 6360, 1095, 270}, WindowFont, Standard, true, 21,
     "挡墙基础方量：平均面积乘挡墙基础长度（立方米）"},
    {TextBox, "Text24", "立方米", {2160, 6360, 615, 270}, WindowFont, Standard, false},
    {Button, "Command1", "计算", {3120, 6360, 615, 375}, WindowFont, Standard, true, 22},
    {Button, "Command3", "清零", {4080, 6360, 615, 375}, WindowFont, Standard, true, 24},
    {Button, "Command2", "返回", {5160, 6360, 615, 375}, WindowFont, Standard, true, 23},
    // The frame: X1, Y1, X2, Y2.
    {Line, "Line9", "", {0, 720, 6000, 720}},
    {Line, "Line13", "", {2880, 0, 2880, 5280}, WindowFont, ActiveCaption},
    {Line, "Line12", "", {0, 5280, 6000, 5280}},
    {Line, "Line14", "", {0, 5760, 6000, 5760}},
    {Line, "Line15", "", {0, 6240, 6000, 6240}},
    {Line, "Line10", "", {6000, 0, 6000, 6840}},
    {Line, "Line11", "", {6000, 6840, 0, 6840}},
    // Triangles 1 to 4: base, slanted side, height; the right angle at the lower right.
    {Line, "Line3(0)", "", {240, 1320, 840, 1320}},
    {Line, "Line4", "", {1800, 1320, 2400, 1320}},
    {Line, "Line3(1)", "", {3480, 1320, 4080, 1320}},
    {Line, "Line3(2)", "", {4920, 1320, 5520, 1320}},
    {Line, "Line2(0)", "", {240, 1320, 840, 720}},
    {Line, "Line2(1)", "", {1800, 1320, 2400, 720}},
    {Line, "Line2(2)", "", {3480, 1320, 4080, 720}},
    {Line, "Line2(3)", "", {4920, 1320, 5520, 720}},
    {Line, "Line1(0)", "", {840, 720, 840, 1320}},
    {Line, "Line1(1)", "", {2400, 720, 2400, 1320}},
    {Line, "Line1(2)", "", {4080, 720, 4080, 1320}},
    {Line, "Line1(3)", "", {5520, 720, 5520, 1320}},
    // Trapezoids 1 to 4: top, bottom, left side, right side.
    {Line, "Line5(0)", "", {480, 2640, 960, 2640}},
    {Line, "Line5(1)", "", {1920, 2640, 2400, 2640}},
    {Line, "Line5(2)", "", {3360, 2640, 3840, 2640}},
    {Line, "Line5(3)", "", {4800, 2640, 5280, 2640}},
    {Line, "Line6(0)", "", {240, 3720, 1080, 3720}},
    {Line, "Line6(1)", "", {1680, 3720, 2520, 3720}},
    {Line, "Line6(2)", "", {3120, 3720, 3960, 3720}},
    {Line, "Line6(3)", "", {4560, 3720, 5400, 3720}},
    {Line, "Line7(0)", "", {480, 2640, 240, 3720}},
    {Line, "Line7(1)", "", {1920, 2640, 1680, 3720}},
    {Line, "Line7(2)", "", {3360, 2640, 3120, 3720}},
    {Line, "Line7(3)", "", {4800, 2640, 4560, 3720}},
    {Line, "Line8(0)", "", {960, 2640, 1080, 3720}},
    {Line, "Line8(1)", "", {2400, 2640, 2520, 3720}},
    {Line, "Line8(2)", "", {3840, 2640, 3960, 3720}},
    {Line, "Line8(3)", "", {5280, 2640, 5400, 3720}},
};

// The unit boxes are left alone: they show their units from the start and keep them.
constexpr std::string_view kStartValues[] = {
    "Text1",  "Text2",  "Text3",  "Text4",  "Text5",  "Text6",  "Text7",  "Text8",  "Text9",  "Text10", "Text11",
    "Text12", "Text13", "Text14", "Text15", "Text16", "Text17", "Text18", "Text19", "Text20", "Text21", "Text22",
    "Text25", "Text26", "Text27", "Text28", "Text29", "Text30", "Text31", "Text32", "Text33", "Text34", "Text35",
};

// Each input's side of the shape drawn above it: a triangle's base and height, a trapezoid's top
// and bottom, and its height, which no line of the frame draws, down its middle.
constexpr MarkedBox kMarks[] = {
    {"Text1", {{{{240, 1320, 840, 1320}}}}},   {"Text2", {{{{840, 720, 840, 1320}}}}},
    {"Text3", {{{{1800, 1320, 2400, 1320}}}}}, {"Text4", {{{{2400, 720, 2400, 1320}}}}},
    {"Text5", {{{{3480, 1320, 4080, 1320}}}}}, {"Text6", {{{{4080, 720, 4080, 1320}}}}},
    {"Text7", {{{{4920, 1320, 5520, 1320}}}}}, {"Text8", {{{{5520, 720, 5520, 1320}}}}},
    {"Text9", {{{{480, 2640, 960, 2640}}}}},   {"Text10", {{{{240, 3720, 1080, 3720}}}}},
    {"Text11", {{{{720, 2640, 720, 3720}}}}},  {"Text12", {{{{1920, 2640, 2400, 2640}}}}},
    {"Text13", {{{{1680, 3720, 2520, 3720}}}}}, {"Text14", {{{{2160, 2640, 2160, 3720}}}}},
    {"Text15", {{{{3360, 2640, 3840, 2640}}}}}, {"Text16", {{{{3120, 3720, 3960, 3720}}}}},
    {"Text17", {{{{3600, 2640, 3600, 3720}}}}}, {"Text18", {{{{4800, 2640, 5280, 2640}}}}},
    {"Text19", {{{{4560, 3720, 5400, 3720}}}}}, {"Text20", {{{{5040, 2640, 5040, 3720}}}}},
};

// Section one's shapes, triangles above trapezoids, left to right; section two's; the length.
constexpr std::string_view kReadingOrder[] = {
    "Text1",  "Text2",  "Text3",  "Text4",  "Text9",  "Text10", "Text11", "Text12", "Text13", "Text14", "Text5",
    "Text6",  "Text7",  "Text8",  "Text15", "Text16", "Text17", "Text18", "Text19", "Text20", "Text21",
};

// The shape areas from the inputs, the section areas from the shape areas as shown; the average and
// the volume from the section areas in memory, which their boxes show.
constexpr WorkingStep kWorking[] = {
    {"Text25", "{Text1}×{Text2}÷2"},
    {"Text26", "{Text3}×{Text4}÷2"},
    {"Text27", "{Text5}×{Text6}÷2"},
    {"Text28", "{Text7}×{Text8}÷2"},
    {"Text29", "({Text9}+{Text10})×{Text11}÷2"},
    {"Text30", "({Text12}+{Text13})×{Text14}÷2"},
    {"Text31", "({Text15}+{Text16})×{Text17}÷2"},
    {"Text32", "({Text18}+{Text19})×{Text20}÷2"},
    {"Text33", "{Text25}+{Text26}+{Text29}+{Text30}"},
    {"Text34", "{Text27}+{Text28}+{Text31}+{Text32}"},
    {"Text35", "({Text33}+{Text34})÷2"},
    {"Text22", "{Text21}×{Text35}"},
};

constexpr Handler kHandlers[] = {
    {"Command1", Action::Calculate},  // Command1_Click: 计算
    {"Command2", Action::Return},     // Command2_Click: 返回
    {"Command3", Action::Clear},      // Command3_Click: 清零
};

}  // namespace

const CalculatorForm kFoundationForm{
    .calculator = wallcalc::kFoundation,
    .objectName = "FoundationWindow",
    .menuObjectName = "jichujisuan",
    .caption = wallcalc::kFoundation.caption,  // titled as its menu entry
    .widthTwips = 7230,
    .heightTwips = 6945,
    .controls = kControls,
    .handlers = kHandlers,
    .startValues = kStartValues,
    .readingOrder = kReadingOrder,
    .working = kWorking,
    .legend = {0, 360, 7230, 4920},
    .marks = kMarks,
};

}  // namespace ui
