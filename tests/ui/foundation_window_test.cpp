// The foundation window driven through its boxes and buttons.
#include "../support/window_driver.h"

#include "foundation_window.h"

#include <QMessageBox>
#include <QSignalSpy>

namespace {

const QStringList kInputs{"Text1",  "Text2",  "Text3",  "Text4",  "Text5",  "Text6",  "Text7",
                          "Text8",  "Text9",  "Text10", "Text11", "Text12", "Text13", "Text14",
                          "Text15", "Text16", "Text17", "Text18", "Text19", "Text20", "Text21"};
const QStringList kAreas{"Text25", "Text26", "Text27", "Text28", "Text29", "Text30", "Text31", "Text32"};
const QStringList kResults{"Text33", "Text34", "Text35", "Text22"};
const QStringList kUnits{"Text23(0)", "Text23(1)", "Text23(2)", "Text23(3)", "Text24"};
const QStringList kUnitTexts{"米", "平方米", "平方米", "平方米", "立方米"};

// Triangle 1 and trapezoid 1 of the first section, and the length.
void typeExample(const QWidget& window)
{
    typeEach(window, {{"Text1", "3"}, {"Text2", "2"}, {"Text9", "1"}, {"Text10", "2"}, {"Text11", "1"}, {"Text21", "10"}});
}

}  // namespace

class FoundationWindowTest : public QObject {
    Q_OBJECT

private slots:
    void startsWithEmptyValuesAndItsUnits()
    {
        ui::FoundationWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(window.windowTitle(), "挡墙基础计算");
        QCOMPARE(window.size(), QSize(482, 463));
        QCOMPARE(box(window, "Text33")->geometry(), QRect(72, 360, 73, 18));
        for (const QString& name : kInputs + kAreas + kResults) {
            QVERIFY2(text(window, name).isEmpty(), qPrintable(name));
            QCOMPARE(box(window, name)->isEnabled(), !kAreas.contains(name));
            QVERIFY2(!box(window, name)->toolTip().isEmpty(), qPrintable(name));
        }
        for (int n = 0; n < kUnits.size(); ++n) {
            QCOMPARE(text(window, kUnits[n]), kUnitTexts[n]);
            QVERIFY(!box(window, kUnits[n])->isEnabled());
        }
        QCOMPARE(box(window, "Text1")->accessibleName(), "底：第一断面左三角形的底边（米）");
        QCOMPARE(window.findChild<QObject*>("Line4")->property("line"), QLine(1800, 1320, 2400, 1320));
        QCOMPARE(window.focusWidget()->objectName(), "Text1");
    }

    void tabNeverStopsOnADisabledBox()
    {
        ui::FoundationWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(tabStops(window), kInputs + QStringList({"Text22", "Command1", "Command2", "Command3", "Text33",
                                                          "Text34", "Text35"}));
    }

    void calculateOverwritesTheResultsAndClearEmptiesEveryValue()
    {
        ui::FoundationWindow window;
        window.show();
        typeExample(window);
        type(window, "Text33", "99");
        click(window, "Command1");
        QCOMPARE(text(window, "Text25"), "3");
        QCOMPARE(text(window, "Text29"), "1.5");
        QCOMPARE(text(window, "Text33"), "4.5");
        QCOMPARE(text(window, "Text34"), "0");
        QCOMPARE(text(window, "Text35"), "2.25");
        QCOMPARE(text(window, "Text22"), "22.5");

        click(window, "Command3");
        for (const QString& name : kInputs + kAreas + kResults) {
            QVERIFY2(text(window, name).isEmpty(), qPrintable(name));
        }
        QCOMPARE(text(window, "Text24"), "立方米");
    }

    void returnHidesTheWindowAndKeepsItsTexts()
    {
        ui::FoundationWindow window;
        window.show();
        typeExample(window);
        click(window, "Command1");
        QSignalSpy returned(&window, &ui::CalculatorWindow::returned);
        click(window, "Command2");
        QCOMPARE(returned.count(), 1);
        QVERIFY(!window.isVisible());
        window.show();
        QCOMPARE(text(window, "Text10"), "2");
        QCOMPARE(text(window, "Text22"), "22.5");
    }

    void anOverflowedLengthEmptiesOnlyTheVolume()
    {
        ui::FoundationWindow window;
        window.show();
        typeExample(window);
        click(window, "Command1");
        type(window, "Text21", "1E999");
        click(window, "Command1");
        QCOMPARE(text(window, "Text35"), "2.25");
        QVERIFY(text(window, "Text22").isEmpty());
        QCOMPARE(text(window, "Text21"), "1E999");
        QVERIFY(window.findChild<QMessageBox*>("FaultMessage")->text().contains("挡墙基础长度"));
    }
};

QTEST_MAIN(FoundationWindowTest)
#include "foundation_window_test.moc"
