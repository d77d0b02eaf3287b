// The three calculators as they open, after a press that overflows, the checks
// on their two sections and the drawing of them.
#include "../../support/calculators.h"

#include "value_box.h"

#include "wallcalc/calculators.h"

#include <QAction>
#include <QMessageBox>
#include <QTreeWidget>

namespace {

struct Opening {
    QString title;
    QSize clientArea;  // under the menu bar
    const char* placed;
    QRect place;
    QStringList units;  // unit boxes that show their unit from the start: name, unit, …
    const char* help;   // Text1's tooltip
};

const Opening kOpenings[] = {
    {"挡墙计算", {443, 400}, "Text16", {216, 224, 65, 18}, {}, "A：第一断面墙身顶宽（米）"},
    {"挡墙方量计算软件B类", {443, 511}, "Text1", {208, 40, 65, 18}, {"Text24(0)", "立方米", "Text21", "平方米"},
     "A：挡墙一墙顶宽度（米）"},
    {"挡墙基础计算", {482, 463}, "Text33", {72, 360, 73, 18},
     {"Text23(0)", "米", "Text23(1)", "平方米", "Text23(2)", "平方米", "Text23(3)", "平方米", "Text24", "立方米"},
     "底：第一断面左三角形的底边（米）"},
};
static_assert(std::size(kOpenings) == std::size(kCalculators), "one opening a calculator, in their order");

// A press after the worked example with these inputs: the results, in the order of the press, as
// they must then show (empty where the press did not reach), and what the message names.
struct Overflow {
    Typed inputs;
    QStringList results;
    QStringList shown;
    const char* named;
};

const Overflow kOverflows[] = {
    {{{"Text1", "1e200"}, {"Text7", "1e200"}},
     {"Text16", "Text17", "Text18", "Text8", "Text9", "Text21", "Text22", "Text19", "Text20"},
     {"1.5E+200", "7", "7.5E+199", "", "", "", "", "", ""},
     "总方量"},
    {{{"Text11", "1e200"}, {"Text33", "1e200"}},
     {"Text16", "Text43", "Text44", "Text46", "Text45", "Text14", "Text15", "Text17", "Text18", "Text19"},
     {"8.65625", "1.65625", "7", "", "", "", "", "", "", ""},
     "第二墙身断面面积"},
    {{{"Text21", "1E999"}}, {"Text33", "Text34", "Text35", "Text22"}, {"4.5", "0", "2.25", ""}, "挡墙基础长度"},
};
static_assert(std::size(kOverflows) == std::size(kCalculators), "one overflow a calculator, in their order");

// Every value box empty, and the unit boxes named showing their units.
void expectEmptyButUnits(const QWidget& window, const QStringList& units)
{
    for (const ui::ValueBox* box : window.findChildren<ui::ValueBox*>()) {
        QVERIFY2(box->text().isEmpty(), qPrintable(box->objectName()));
    }
    for (qsizetype n = 0; n < units.size(); n += 2) {
        QCOMPARE(text(window, units[n]), units[n + 1]);
    }
}

// The boxes the checks mark, by what the checks add to a box's reasons, not what the box says of
// its own reading.
QStringList checkMarkedBoxes(const QWidget& window)
{
    QStringList marked;
    for (const ui::ValueBox* box : window.findChildren<ui::ValueBox*>()) {
        if (box->markReason().contains("空格按 0 计算") || box->markReason().contains("请核对")) {
            marked << box->objectName();
        }
    }
    return marked;
}

}  // namespace

class CalculatorWindowTest : public QObject {
    Q_OBJECT

private slots:
    // Each calculator has one form, the menu's forms list the calculators in their order, and a
    // calculator's form is found from the calculator.
    void everyCalculatorHasItsForm()
    {
        for (std::size_t n = 0; n < wallcalc::kCalculators.size(); ++n) {
            QCOMPARE(&ui::kCalculatorForms[n]->calculator, wallcalc::kCalculators[n]);
            QCOMPARE(&ui::formOf(*wallcalc::kCalculators[n]), ui::kCalculatorForms[n]);
        }
    }

    void opensEmptyAndTabVisitsWhatItShould()
    {
        for (std::size_t n = 0; n < std::size(kCalculators); ++n) {
            const Calculator& calculator = kCalculators[n];
            const Opening& opening = kOpenings[n];
            const auto window = opened(calculator);
            QCOMPARE(window->objectName(), calculator.name);
            QCOMPARE(window->windowTitle(), opening.title);
            QCOMPARE(box(*window, "Text1")->parentWidget()->size(), opening.clientArea);
            QCOMPARE(box(*window, opening.placed)->geometry(), opening.place);
            QCOMPARE(box(*window, "Text1")->toolTip(), opening.help);
            expectEmptyButUnits(*window, opening.units);
            QCOMPARE(window->focusWidget()->objectName(), "Text1");
            QCOMPARE(tabStops(*window), calculator.tabOrder);
        }
    }

    // Beside the client area every result stands whole, with no hover, and goes out of date with
    // the boxes.
    void theResultsListReadsEveryResultWhole()
    {
        for (const Calculator& calculator : kCalculators) {
            const auto window = opened(calculator);
            typeEach(*window, calculator.siteInputs);
            click(*window, "Command1");
            auto* list = window->findChild<QTreeWidget*>("resultsList");
            QVERIFY(list && list->isVisible());
            QVERIFY(list->geometry().left() >= box(*window, "Text1")->parentWidget()->geometry().right());
            QCOMPARE(list->topLevelItemCount(), int(calculator.form->calculator.outputs.size()));
            for (int n = 0; n < list->topLevelItemCount(); ++n) {
                const QTreeWidgetItem* item = list->topLevelItem(n);
                const QString whole = box(*window, std::string(calculator.form->calculator.outputs[std::size_t(n)]).c_str())->text();
                QCOMPARE(item->text(1), whole);
                QVERIFY2(list->fontMetrics().horizontalAdvance(whole) < list->columnWidth(1), qPrintable(whole));
                QVERIFY(!item->font(1).strikeOut());
            }
            typeEach(*window, {calculator.siteInputs.begin()[0]});
            QTest::keyClick(box(*window, "Text1"), Qt::Key_0);
            for (int n = 0; n < list->topLevelItemCount(); ++n) {
                QVERIFY(list->topLevelItem(n)->font(1).strikeOut());
            }
        }
    }

    // A fault must not cost the user anything typed, and must not leave last press's numbers
    // standing beside this press's.
    void anOverflowKeepsTheInputsAndEmptiesWhatItDidNotReach()
    {
        for (std::size_t n = 0; n < std::size(kCalculators); ++n) {
            const Calculator& calculator = kCalculators[n];
            const Overflow& overflow = kOverflows[n];
            const auto window = opened(calculator, calculator.workedExample);
            click(*window, "Command1");
            typeEach(*window, overflow.inputs);
            click(*window, "Command1");
            for (qsizetype k = 0; k < overflow.results.size(); ++k) {
                QCOMPARE(text(*window, overflow.results[k]), overflow.shown[k]);
            }
            for (const auto& [name, typed] : overflow.inputs) {
                QCOMPARE(text(*window, name), typed);
            }
            QMessageBox* message = shownFault(*window);
            QVERIFY(message);
            QCOMPARE(message->windowTitle(), "挡墙计算");
            QVERIFY2(message->text().contains(overflow.named) && message->text().contains("溢出"),
                     qPrintable(message->text()));
            message->accept();
            QVERIFY(window->isVisible());
        }
    }

    // The take-off's empty-cell check on a box of section one, the second dimension, of each calculator.
    void anEmptyBoxTheSectionNeedsIsMarked()
    {
        for (std::size_t n = 0; n < std::size(kCalculators); ++n) {
            const auto window = opened(kCalculators[n]);
            QCOMPARE(checkMarkedBoxes(*window), QStringList());  // opens as it always has
            typeEach(*window, kCalculators[n].workedExample);
            click(*window, "Command1");
            QCOMPARE(checkMarkedBoxes(*window), QStringList());
            const QString emptied = QString::fromUtf8(kCalculators[n].form->calculator.columns[1].first);
            type(*window, emptied, "");
            QTest::keyClick(box(*window, emptied), Qt::Key_Delete);
            click(*window, "Command1");
            QCOMPARE(checkMarkedBoxes(*window), QStringList{emptied});
            const ui::ValueBox& marked = *valueBox(*window, emptied);
            QVERIFY2(marked.accessibleDescription().contains("空格按 0 计算"), qPrintable(marked.accessibleDescription()));
            QVERIFY2(marked.toolTip().endsWith("\n空格按 0 计算"), qPrintable(marked.toolTip()));
            type(*window, emptied, "1.5");
            QCOMPARE(checkMarkedBoxes(*window), QStringList());
        }
    }

    // Sections that cannot be built mark the area the press wrote for them, while it belongs to the inputs.
    void anImproperSectionMarksItsArea()
    {
        // Type A with a top wider the other way than the bottom: the body's faces cross.
        const auto typeA = opened(kCalculators[0], kCalculators[0].workedExample);
        type(*typeA, "Text1", "-3");
        QCOMPARE(checkMarkedBoxes(*typeA), QStringList());  // the areas are checked as pressed
        click(*typeA, "Command1");
        QCOMPARE(checkMarkedBoxes(*typeA), QStringList{"Text16"});
        QCOMPARE(valueBox(*typeA, "Text16")->markReason(),
                 "s1面积 第一断面面积，墙身加基础的轮廓自相交：断面尺寸不成形，请核对");
        type(*typeA, "Text7", "12");  // out of date: no longer the section's area
        QCOMPARE(checkMarkedBoxes(*typeA), QStringList());

        // A foundation triangle with a base below 0: its area comes out below 0.
        const auto foundation = opened(kCalculators[2], kCalculators[2].workedExample);
        type(*foundation, "Text1", "-3");
        click(*foundation, "Command1");
        QCOMPARE(checkMarkedBoxes(*foundation), QStringList{"Text25"});
        QCOMPARE(valueBox(*foundation, "Text25")->markReason(),
                 "第一断面左三角形的面积为 -3，小于 0：断面尺寸不成形，请核对");
    }

    // 查看 → 断面图 beside the results list, following the boxes; the client area never moves.
    void theDrawingShowsBesideAndFollowsTheInputs()
    {
        for (const Calculator& calculator : kCalculators) {
            const auto window = opened(calculator, calculator.workedExample);
            QWidget* area = box(*window, "Text1")->parentWidget();
            const QRect place = area->geometry();
            const QSize size = window->size();
            auto* drawing = window->findChild<QWidget*>("sectionDrawingView");
            QVERIFY(drawing && !drawing->isVisible());
            auto* action = window->findChild<QAction*>("sectionDrawing");
            QVERIFY(action && action->isCheckable() && !action->isChecked());

            action->trigger();
            QVERIFY(drawing->isVisible());
            QTRY_COMPARE(window->width(), size.width() + drawing->width());
            QCOMPARE(window->height(), size.height());
            QVERIFY(window->width() <= 1366 && window->height() <= 768 - 40);  // a laptop's screen, its taskbar
            QCOMPARE(area->geometry(), place);
            QVERIFY(drawing->geometry().left() >= area->geometry().right());
            const QImage before = drawing->grab().toImage();
            type(*window, "Text3", "0.7");
            QVERIFY2(drawing->grab().toImage() != before, calculator.name);
            QCOMPARE(area->geometry(), place);

            action->trigger();
            QVERIFY(!drawing->isVisible());
            QTRY_COMPARE(window->size(), size);
            QCOMPARE(area->geometry(), place);
        }
    }
};

QTEST_MAIN(CalculatorWindowTest)
#include "calculator_window_test.moc"
