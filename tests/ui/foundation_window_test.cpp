// The foundation window driven through its boxes and buttons.
#include "../support/window_driver.h"

#include "foundation_window.h"

#include <QMessageBox>

namespace {

QStringList boxes(int first, int last)
{
    QStringList names;
    for (int n = first; n <= last; ++n) {
        names << QString("Text%1").arg(n);
    }
    return names;
}

const QStringList kInputs = boxes(1, 21);
const QStringList kAreas = boxes(25, 32);
const QStringList kValues = kInputs + kAreas + boxes(33, 35) + QStringList{"Text22"};

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
        QCOMPARE(box(window, "Text1")->parentWidget()->size(), QSize(482, 463));  // under the menu bar
        QCOMPARE(box(window, "Text33")->geometry(), QRect(72, 360, 73, 18));
        for (const QString& name : kValues) {
            QVERIFY2(text(window, name).isEmpty(), qPrintable(name));
            QCOMPARE(box(window, name)->isEnabled(), !kAreas.contains(name));
            QVERIFY2(!box(window, name)->accessibleName().isEmpty(), qPrintable(name));
        }
        for (const auto& [name, unit] : {std::pair{"Text23(0)", "米"}, {"Text23(1)", "平方米"}, {"Text23(2)", "平方米"},
                                         {"Text23(3)", "平方米"}, {"Text24", "立方米"}}) {
            QCOMPARE(text(window, name), QString(unit));
            QVERIFY(!box(window, name)->isEnabled());
        }
        QCOMPARE(box(window, "Text1")->toolTip(), "底：第一断面左三角形的底边（米）");
        QCOMPARE(window.focusWidget()->objectName(), "Text1");
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
        for (const QString& name : kValues) {
            QVERIFY2(text(window, name).isEmpty(), qPrintable(name));
        }
        QCOMPARE(text(window, "Text24"), "立方米");
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
