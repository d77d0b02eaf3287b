// The Type B window: its controls, in twips, the legend sketch drawn by its lines, and what its buttons do.
#include "calculator_forms.h"

#include "wallcalc/calculators.h"

namespace ui {

namespace {

using enum Kind;
using enum Font;
using enum Colour;

// The captions "E%", "F%" and "j%" invite a percentage; 25 typed for 1:0.25 would let the face run
// out a hundred times too far, so the boxes say how a batter is entered.
#define RATIO "（比值：每米深度的水平距离，1:0.25 填 0.25，不是百分数）"

constexpr Control kControls[] = {
    // Value boxes: the inputs of section 1, of section 2, the length, then the results.
    {TextBox, "Text1", "", {3120, 600, 975, 270}, WindowFont, Standard, true, 20, "A：挡墙一墙顶宽度（米）"},
    {TextBox, "Text2", "", {3120, 960, 975, 270}, WindowFont, Standard, true, 21, "B：挡墙一台阶宽度（米）"},
    {TextBox, "Text3", "", {3120, 1320, 975, 270}, WindowFont, Standard, true, 22, "C：挡墙一墙顶至台阶的深度（米）"},
    {TextBox, "Text4", "", {3120, 1680, 975, 270}, WindowFont, Standard, true, 23, "D：挡墙一台阶至墙踵的深度（米）"},
    {TextBox, "Text5", "", {3120, 2040, 975, 270}, WindowFont, Standard, true, 24, "E%：挡墙一上段左侧墙面坡率" RATIO},
    {TextBox, "Text6", "", {3120, 2400, 975, 270}, WindowFont, Standard, true, 25, "F%：挡墙一右侧墙面坡率" RATIO},
    {TextBox, "Text7", "", {3120, 2760, 975, 270}, WindowFont, Standard, true, 26, "G：挡墙一墙顶至基础顶面的深度（米）"},
    {TextBox, "Text8", "", {3120, 3120, 975, 270}, WindowFont, Standard, true, 27, "H：挡墙一墙趾高度（米）"},
    {TextBox, "Text9", "", {3120, 3480, 975, 270}, WindowFont, Standard, true, 28, "I：挡墙一墙踵至墙趾外缘的水平宽度（米）"},
    {TextBox, "Text10", "", {3120, 3840, 975, 270}, WindowFont, Standard, true, 29, "j%：挡墙一下段左侧墙面坡率" RATIO},
    {TextBox, "Text41", "", {3120, 4200, 975, 270}, WindowFont, Standard, true, 102, "o：挡墙一墙趾宽度（米）"},
    {TextBox, "Text11", "", {5160, 600, 855, 270}, WindowFont, Standard, true, 86, "A1：挡墙二墙顶宽度（米）"},
    {TextBox, "Text12", "", {5160, 960, 855, 270}, WindowFont, Standard, true, 87, "B1：挡墙二台阶宽度（米）"},
    {TextBox, "Text33", "", {5160, 1320, 855, 270}, WindowFont, Standard, true, 88, "C1：挡墙二墙顶至台阶的深度（米）"},
    {TextBox, "Text34", "", {5160, 1680, 855, 270}, WindowFont, Standard, true, 89, "D1：挡墙二台阶至墙踵的深度（米）"},
    {TextBox, "Text35", "", {5160, 2040, 855, 270}, WindowFont, Standard, true, 90, "E1%：挡墙二上段左侧墙面坡率" RATIO},
    {TextBox, "Text36", "", {5160, 2400, 855, 270}, WindowFont, Standard, true, 91, "F1%：挡墙二右侧墙面坡率" RATIO},
    {TextBox, "Text37", "", {5160, 2760, 855, 270}, WindowFont, Standard, true, 92, "G1：挡墙二墙顶至基础顶面的深度（米）"},
    {TextBox, "Text38", "", {5160, 3120, 855, 270}, WindowFont, Standard, true, 93, "H1：挡墙二墙趾高度（米）"},
    {TextBox, "Text39", "", {5160, 3480, 855, 270}, WindowFont, Standard, true, 94, "I1：挡墙二墙踵至墙趾外缘的水平宽度（米）"},
    {TextBox, "Text40", "", {5160, 3840, 855, 270}, WindowFont, Standard, true, 95, "j1%：挡墙二下段左侧墙面坡率" RATIO},
    {TextBox, "Text42", "", {5160, 4200, 855, 270}, WindowFont, Standard, true, 103, "o1：挡墙二墙趾宽度（米）"},
    {TextBox, "Text13", "", {720, 3840, 1095, 270}, WindowFont, Standard, true, 30, "挡墙 L：两断面之间的挡墙长度（米）"},
    {TextBox, "Text43", "", {4440, 4800, 1095, 270}, WindowFont, Standard, true, 112, "第一基础断面面积：挡墙一基础顶面以下的面积（平方米）"},
    {TextBox, "Text44", "", {4440, 5160, 1095, 270}, WindowFont, Standard, true, 113, "第一墙身断面面积：挡墙一基础顶面以上的面积（平方米）"},
    {TextBox, "Text45", "", {4440, 5640, 1095, 270}, WindowFont, Standard, true, 114, "第二基础断面面积：挡墙二基础顶面以下的面积（平方米）"},
    {TextBox, "Text46", "", {4440, 6000, 1095, 270}, WindowFont, Standard, true, 115, "第二墙身断面面积：挡墙二基础顶面以上的面积（平方米）"},
    {TextBox, "Text16", "", {720, 4800, 1095, 270}, WindowFont, Standard, true, 33, "s1面积：挡墙一断面面积，墙身加基础（平方米）"},
    {TextBox, "Text17", "", {720, 5160, 1095, 270}, WindowFont, Standard, true, 34, "s2面积：挡墙二断面面积，墙身加基础（平方米）"},
    {TextBox, "Text18", "", {720, 5520, 1095, 270}, WindowFont, Standard, true, 35, "平均s：两断面面积的平均值（平方米）"},
    {TextBox, "Text14", "", {960, 6000, 855, 270}, WindowFont, Standard, true, 31, "基础方量：两断面之间基础的体积（立方米）"},
    {TextBox, "Text15", "", {960, 6360, 855, 270}, WindowFont, Standard, true, 32, "墙身方量：两断面之间墙身的体积（立方米）"},
    {TextBox, "Text19", "", {960, 6840, 975, 375}, WindowFont, Standard, true, 36, "总方量：基础方量加墙身方量（立方米）"},
    // Unit boxes: shown from the start, never written.
    {TextBox, "Text20", "米", {2040, 3840, 375, 270}, WindowFont, Standard, false, 37},
    {TextBox, "Text21", "平方米", {1920, 4800, 615, 270}, WindowFont, Standard, false, 38},
    {TextBox, "Text22", "平方米", {1920, 5160, 615, 270}, WindowFont, Standard, false, 39},
    {TextBox, "Text23", "平方米", {1920, 5520, 615, 270}, WindowFont, Standard, false, 40},
    {TextBox, "Text24(0)", "立方米", {1920, 6000, 615, 270}, WindowFont, Standard, false, 44},
    {TextBox, "Text24(1)", "平方米", {5520, 4800, 615, 270}, WindowFont, Standard, false, 105},
    {TextBox, "Text24(2)", "平方米", {5520, 5640, 615, 270}, WindowFont, Standard, false, 109},
    {TextBox, "Text25(0)", "立方米", {1920, 6360, 615, 270}, WindowFont, Standard, false, 45},
    {TextBox, "Text25(1)", "平方米", {5520, 5160, 615, 270}, WindowFont, Standard, false, 104},
    {TextBox, "Text25(2)", "平方米", {5520, 6000, 615, 270}, WindowFont, Standard, false, 108},
    {TextBox, "Text26", "立方米", {1920, 6840, 615, 375}, WindowFont, Standard, false, 46},
    {TextBox, "Text27(0)", "米", {4080, 600, 375, 270}, WindowFont, Standard, false, 47},
    {TextBox, "Text27(1)", "米", {4080, 2760, 375, 270}, WindowFont, Standard, false, 53},
    {TextBox, "Text27(2)", "米", {6000, 600, 375, 270}, WindowFont, Standard, false, 66},
    {TextBox, "Text27(3)", "米", {6000, 2760, 375, 270}, WindowFont, Standard, false, 72},
    {TextBox, "Text28(0)", "米", {4080, 960, 375, 270}, WindowFont, Standard, false, 48},
    {TextBox, "Text28(1)", "米", {4080, 3120, 375, 270}, WindowFont, Standard, false, 54},
    {TextBox, "Text28(2)", "米", {6000, 960, 375, 270}, WindowFont, Standard, false, 67},
    {TextBox, "Text28(3)", "米", {6000, 3120, 375, 270}, WindowFont, Standard, false, 73},
    {TextBox, "Text29(0)", "米", {4080, 1320, 375, 270}, WindowFont, Standard, false, 49},
    {TextBox, "Text29(1)", "米", {4080, 3480, 375, 270}, WindowFont, Standard, false, 55},
    {TextBox, "Text29(2)", "米", {6000, 1320, 375, 270}, WindowFont, Standard, false, 68},
    {TextBox, "Text29(3)", "米", {6000, 3480, 375, 270}, WindowFont, Standard, false, 74},
    {TextBox, "Text29(4)", "米", {6000, 4200, 375, 270}, WindowFont, Standard, false, 98},
    {TextBox, "Text29(5)", "米", {4080, 4200, 375, 270}, WindowFont, Standard, false, 99},
    {TextBox, "Text30(0)", "米", {4080, 1680, 375, 270}, WindowFont, Standard, false, 50},
    {TextBox, "Text30(1)", "米", {4080, 3840, 375, 270}, WindowFont, Standard, false, 56},
    {TextBox, "Text30(2)", "米", {6000, 1680, 375, 270}, WindowFont, Standard, false, 69},
    {TextBox, "Text30(3)", "米", {6000, 3840, 375, 270}, WindowFont, Standard, false, 75},
    {TextBox, "Text31(0)", "米", {4080, 2040, 375, 270}, WindowFont, Standard, false, 51},
    {TextBox, "Text31(1)", "米", {6000, 2040, 375, 270}, WindowFont, Standard, false, 70},
    {TextBox, "Text32(0)", "米", {4080, 2400, 375, 270}, WindowFont, Standard, false, 52},
    {TextBox, "Text32(1)", "米", {6000, 2400, 375, 270}, WindowFont, Standard, false, 71},
    // Labels: titles, captions, and the legend's letters.
    {Label, "Label1(0)", "图例", {960, 240, 360, 180}, WindowFont, Highlight},
    {Label, "Label1(1)", "挡墙一基本尺寸", {2760, 240, 1260, 180}, WindowFont, Highlight},
    {Label, "Label1(3)", "挡墙二基本尺寸", {4800, 240, 1260, 180}, WindowFont, Highlight},
    {Label, "Label2(0)", "A", {2760, 600, 255, 255}, WindowFont, ButtonText},
    {Label, "Label2(1)", "C", {2760, 1320, 255, 255}, WindowFont, ButtonText},
    {Label, "Label2(2)", "B", {2760, 960, 255, 255}, WindowFont, ButtonText},
    {Label, "Label2(3)", "D", {2760, 1680, 255, 255}, WindowFont, ButtonText},
    {Label, "Label2(4)", "F%", {2760, 2400, 255, 255}, WindowFont, ButtonText},
    {Label, "Label2(5)", "E%", {2760, 2040, 255, 255}, WindowFont, ButtonText},
    {Label, "Label2(6)", "G1", {4680, 2760, 375, 255}, WindowFont, ButtonText},
    {Label, "Label2(7)", "j1%", {4680, 3840, 375, 255}, WindowFont, ButtonText},
    {Label, "Label2(8)", "I", {2760, 3480, 255, 255}, WindowFont, ButtonText},
    {Label, "Label2(9)", "H", {2760, 3120, 255, 255}, WindowFont, ButtonText},
    {Label, "Label2(10)", "j%", {2760, 3840, 255, 255}, WindowFont, ButtonText},
    {Label, "Label2(11)", "G", {2760, 2760, 255, 255}, WindowFont, ButtonText},
    {Label, "Label2(12)", "s1面积", {0, 4800, 615, 255}, WindowFont, Highlight},
    {Label, "Label2(13)", "s2面积", {0, 5160, 615, 255}, WindowFont, Highlight},
    {Label, "Label2(14)", "平均s", {0, 5520, 615, 255}, WindowFont, Highlight},
    {Label, "Label2(15)", "H1", {4680, 3120, 375, 255}, WindowFont, ButtonText},
    {Label, "Label2(16)", "墙身方量", {0, 6360, 855, 255}, WindowFont, Highlight},
    {Label, "Label2(17)", "基础方量", {0, 6000, 855, 255}, WindowFont, Highlight},
    {Label, "Label2(18)", "I1", {4680, 3480, 375, 255}, WindowFont, ButtonText},
    {Label, "Label2(19)", "E1%", {4680, 2040, 375, 255}, WindowFont, ButtonText},
    {Label, "Label2(20)", "F1%", {4680, 2400, 375, 255}, WindowFont, ButtonText},
    {Label, "Label2(21)", "D1", {4680, 1680, 375, 255}, WindowFont, ButtonText},
    {Label, "Label2(22)", "B1", {4680, 960, 375, 255}, WindowFont, ButtonText},
    {Label, "Label2(23)", "C1", {4680, 1320, 375, 255}, WindowFont, ButtonText},
    {Label, "Label2(24)", "A1", {4680, 600, 375, 255}, WindowFont, ButtonText},
    {Label, "Label2(25)", "o1", {4680, 4200, 375, 255}, WindowFont, ButtonText},
    {Label, "Label2(26)", "o", {2760, 4200, 255, 255}, WindowFont, ButtonText},
    {Label, "Label2(27)", "第一墙身断面面积", {2760, 5160, 1575, 255}, WindowFont, Highlight},
    {Label, "Label2(28)", "第一基础断面面积", {2760, 4800, 1575, 255}, WindowFont, Highlight},
    {Label, "Label2(29)", "第二墙身断面面积", {2760, 6000, 1575, 255}, WindowFont, Highlight},
    {Label, "Label2(30)", "第二基础断面面积", {2760, 5640, 1575, 255}, WindowFont, Highlight},
    {Label, "Label3(0)", "挡墙 L", {0, 3840, 615, 255}, WindowFont, Highlight},
    {Label, "Label4", "总方量", {0, 6840, 855, 375}, Song12, Highlight},
    {Letter, "Label5(0)", "A", {1320, 840, 135, 135}, WindowFont, ButtonText},
    {Letter, "Label5(1)", "B", {720, 1560, 135, 255}, WindowFont, ButtonText},
    {Letter, "Label5(2)", "C", {240, 1560, 135, 255}, WindowFont, ButtonText},
    {Letter, "Label5(3)", "D", {240, 2400, 135, 255}, WindowFont, ButtonText},
    {Letter, "Label5(4)", "E", {1080, 1440, 135, 255}, WindowFont, ButtonText},
    {Letter, "Label5(5)", "F", {1440, 1920, 135, 255}, WindowFont, ButtonText},
    {Letter, "Label5(6)", "G", {2280, 1920, 135, 255}, WindowFont, ButtonText},
    {Letter, "Label5(7)", "H", {2040, 2760, 135, 255}, WindowFont, ButtonText},
    {Letter, "Label5(8)", "I", {1200, 3360, 255, 255}, WindowFont, ButtonText},
    {Letter, "Label5(9)", "j", {720, 2280, 135, 255}, WindowFont, ButtonText},
    {Letter, "Label5(10)", "o", {1680, 2520, 135, 255}, WindowFont, ButtonText},
    // Lines, X1, Y1, X2, Y2: the frame of the regions.
    {Line, "Line7(0)", "", {0, 120, 6600, 120}, WindowFont, WindowText},
    {Line, "Line13", "", {-240, 7320, 6600, 7320}, WindowFont, WindowText},
    {Line, "Line9(1)", "", {6600, 120, 6600, 7320}, WindowFont, MenuText},
    {Line, "Line3", "", {2640, 120, 2640, 5880}, WindowFont, WindowText},
    {Line, "Line17", "", {2640, 5880, 2640, 7320}, WindowFont, Desktop},
    {Line, "Line5", "", {4560, 120, 4560, 4200}, WindowFont, WindowText},
    {Line, "Line4", "", {0, 480, 2640, 480}, WindowFont, WindowText},
    {Line, "Line12", "", {0, 4200, 2640, 4200}, WindowFont, WindowText},
    {Line, "Line31", "", {0, 4560, 2640, 4560}, WindowFont, WindowText},
    {Line, "Line2(0)", "", {2640, 4560, 6600, 4560}, WindowFont, WindowText},
    {Line, "Line8", "", {-120, 5880, 2640, 5880}, WindowFont, WindowText},
    {Line, "Line1", "", {0, 6720, 6600, 6720}, WindowFont, WindowText},
    // The legend's section: wall body above the toe level, foundation below it.
    {Line, "Line16", "", {1200, 1320, 1440, 1320}, WindowFont, WindowText},
    {Line, "Line25", "", {1200, 1320, 1080, 1920}, WindowFont, WindowText},
    {Line, "Line26", "", {1080, 1920, 600, 1920}, WindowFont, WindowText},
    {Line, "Line27", "", {600, 1920, 960, 3120}, WindowFont, WindowText},
    {Line, "Line21", "", {1440, 1320, 1560, 2760}, WindowFont, WindowText},
    {Line, "Line22", "", {1560, 2760, 1680, 2760}, WindowFont, WindowText},
    {Line, "Line23", "", {1680, 2760, 1680, 3000}, WindowFont, WindowText},
    {Line, "Line24", "", {1680, 3000, 960, 3120}, WindowFont, WindowText},
    {Line, "Line30", "", {1560, 2760, 840, 2760}, WindowFont, WindowText},
    {Line, "Line32", "", {960, 3000, 960, 2760}, WindowFont, WindowText},
    {Line, "Line18", "", {960, 3120, 960, 3000}, WindowFont, WindowText},
    // The legend's dimension marks.
    {Line, "Line42", "", {1200, 960, 1200, 1200}, WindowFont, WindowText},
    {Line, "Line43", "", {1440, 960, 1440, 1200}, WindowFont, WindowText},
    {Line, "Line44", "", {1200, 1080, 1440, 1080}, WindowFont, WindowText},
    {Line, "Line45", "", {600, 1920, 600, 1680}, WindowFont, WindowText},
    {Line, "Line46", "", {1080, 1920, 1080, 1680}, WindowFont, WindowText},
    {Line, "Line47", "", {600, 1800, 1080, 1800}, WindowFont, WindowText},
    {Line, "Line35", "", {360, 3120, 360, 1320}, WindowFont, WindowText},
    {Line, "Line38", "", {240, 1320, 480, 1320}, WindowFont, WindowText},
    {Line, "Line37", "", {240, 1920, 480, 1920}, WindowFont, WindowText},
    {Line, "Line36", "", {240, 3120, 480, 3120}, WindowFont, WindowText},
    {Line, "Line34", "", {2280, 1320, 2280, 3000}, WindowFont, WindowText},
    {Line, "Line29", "", {2160, 1320, 2400, 1320}, WindowFont, WindowText},
    {Line, "Line28", "", {2160, 2760, 2400, 2760}, WindowFont, WindowText},
    {Line, "Line48", "", {2160, 3000, 2400, 3000}, WindowFont, WindowText},
    {Line, "Line39", "", {960, 3360, 960, 3600}, WindowFont, WindowText},
    {Line, "Line40", "", {1680, 3360, 1680, 3600}, WindowFont, WindowText},
    {Line, "Line41", "", {960, 3480, 1680, 3480}, WindowFont, WindowText},
    // Buttons.
    {Button, "Command1", "计算", {2880, 6840, 615, 375}, WindowFont, Standard, true, 41},
    {Button, "Command2", "清零", {4320, 6840, 615, 375}, WindowFont, Standard, true, 42},
    {Button, "Command3", "返回", {5520, 6840, 615, 375}, WindowFont, Standard, true, 43},
};

#undef RATIO

constexpr std::string_view kStartValues[] = {
    "Text1",  "Text2",  "Text3",  "Text4",  "Text5",  "Text6",  "Text7",  "Text8",  "Text9",  "Text10", "Text11",
    "Text12", "Text33", "Text34", "Text35", "Text36", "Text37", "Text38", "Text39", "Text40", "Text42", "Text41",
    "Text13", "Text14", "Text15", "Text16", "Text17", "Text18", "Text19", "Text43", "Text44", "Text45", "Text46",
};

// The sketch's dimension marks, pieces of the lines above: a dimension line with its end ticks, or
// the face or step it names; C and D share a dimension line, as G and H do.
constexpr Mark kA{{{{1200, 960, 1200, 1200}, {1440, 960, 1440, 1200}, {1200, 1080, 1440, 1080}}}, "Label5(0)"};
constexpr Mark kB{{{{600, 1920, 600, 1680}, {1080, 1920, 1080, 1680}, {600, 1800, 1080, 1800}}}, "Label5(1)"};
constexpr Mark kC{{{{360, 1320, 360, 1920}, {240, 1320, 480, 1320}, {240, 1920, 480, 1920}}}, "Label5(2)"};
constexpr Mark kD{{{{360, 1920, 360, 3120}, {240, 1920, 480, 1920}, {240, 3120, 480, 3120}}}, "Label5(3)"};
constexpr Mark kE{{{{1200, 1320, 1080, 1920}}}, "Label5(4)"};
constexpr Mark kF{{{{1440, 1320, 1560, 2760}}}, "Label5(5)"};
constexpr Mark kG{{{{2280, 1320, 2280, 2760}, {2160, 1320, 2400, 1320}, {2160, 2760, 2400, 2760}}}, "Label5(6)"};
constexpr Mark kH{{{{2280, 2760, 2280, 3000}, {2160, 2760, 2400, 2760}, {2160, 3000, 2400, 3000}}}, "Label5(7)"};
constexpr Mark kI{{{{960, 3360, 960, 3600}, {1680, 3360, 1680, 3600}, {960, 3480, 1680, 3480}}}, "Label5(8)"};
constexpr Mark kJ{{{{600, 1920, 960, 3120}}}, "Label5(9)"};
constexpr Mark kO{{{{1560, 2760, 1680, 2760}}}, "Label5(10)"};

// The sketch shows one section: both sections' boxes point at the same marks.
constexpr MarkedBox kMarks[] = {
    {"Text1", kA},  {"Text2", kB},  {"Text3", kC},  {"Text4", kD},  {"Text5", kE},  {"Text6", kF},
    {"Text7", kG},  {"Text8", kH},  {"Text9", kI},  {"Text10", kJ}, {"Text41", kO}, {"Text11", kA},
    {"Text12", kB}, {"Text33", kC}, {"Text34", kD}, {"Text35", kE}, {"Text36", kF}, {"Text37", kG},
    {"Text38", kH}, {"Text39", kI}, {"Text40", kJ}, {"Text42", kO},
};

// Section one A…o, section two A1…o1, then the length.
constexpr std::string_view kReadingOrder[] = {
    "Text1",  "Text2",  "Text3",  "Text4",  "Text5",  "Text6",  "Text7",  "Text8",  "Text9",  "Text10", "Text41", "Text11",
    "Text12", "Text33", "Text34", "Text35", "Text36", "Text37", "Text38", "Text39", "Text40", "Text42", "Text13",
};

// A section's wall body is the trapezoid from the crest to the ledge and the one from the ledge to
// the toe level, whose width there is w; its foundation the triangle under the heel and the
// trapezoid to the toe edge. The volumes, the mean and the total use the texts just written.
#define W1 "({Text7}×{Text6}+{Text1}+{Text3}×{Text5}+{Text2}−({Text7}−{Text3})×{Text10})"
#define W2 "({Text37}×{Text36}+{Text11}+{Text33}×{Text35}+{Text12}−({Text37}−{Text33})×{Text40})"
constexpr WorkingStep kWorking[] = {
    {"Text16", "{Text43}+{Text44}"},
    {"Text43", "({Text4}−({Text7}−{Text3}))×(" W1 "−({Text9}−{Text41}))÷2 + ({Text4}−({Text7}−{Text3})+{Text8})×{Text9}÷2"},
    {"Text44", "({Text3}×{Text5}+{Text1}+{Text3}×{Text6}+{Text1})×{Text3}÷2 + (" W1
               "+{Text3}×{Text5}+{Text3}×{Text6}+{Text2}+{Text1})×({Text7}−{Text3})÷2"},
    {"Text46", "({Text33}×{Text35}+{Text11}+{Text33}×{Text36}+{Text11})×{Text33}÷2 + (" W2
               "+{Text33}×{Text35}+{Text33}×{Text36}+{Text12}+{Text11})×({Text37}−{Text33})÷2"},
    {"Text45", "({Text34}−({Text37}−{Text33}))×(" W2 "−({Text39}−{Text42}))÷2 + ({Text34}−({Text37}−{Text33})+{Text38})×{Text39}÷2"},
    {"Text14", "({Text45}+{Text43})÷2×{Text13}"},
    {"Text15", "({Text46}+{Text44})÷2×{Text13}"},
    {"Text17", "{Text46}+{Text45}"},
    {"Text18", "({Text16}+{Text17})÷2"},
    {"Text19", "{Text14}+{Text15}"},
};
#undef W1
#undef W2

constexpr Handler kHandlers[] = {
    {"Command1", Action::Calculate},  // Command1_Click: 计算
    {"Command2", Action::Clear},      // Command2_Click: 清零
    {"Command3", Action::Return},     // Command3_Click: 返回
};

}  // namespace

const CalculatorForm kTypeBForm{
    .calculator = wallcalc::kTypeB,
    .objectName = "TypeBWindow",
    .menuObjectName = "dangtuqiangalei",
    .caption = "挡墙方量计算软件B类",
    .widthTwips = 6645,
    .heightTwips = 7665,
    .controls = kControls,
    .handlers = kHandlers,
    .startValues = kStartValues,
    .readingOrder = kReadingOrder,
    .working = kWorking,
    .legend = {0, 480, 2640, 3240},
    .marks = kMarks,
};

}  // namespace ui
