// The Type A window driven through its boxes and buttons.
#include "../support/window_driver.h"

#include "type_a_window.h"

#include <QMessageBox>

namespace {

const QStringList kInputs{"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7",
                          "Text10", "Text11", "Text12", "Text13", "Text14", "Text15"};
const QStringList kOutputs{"Text16", "Text17", "Text18", "Text8", "Text9", "Text21", "Text22", "Text19", "Text20"};

void typeWorkedExample(const QWidget& window)
{
    typeEach(window, {{"Text1", "1"}, {"Text2", "2"}, {"Text3", "3"}, {"Text4", "0.5"}, {"Text5", "1.5"},
                      {"Text6", "2"}, {"Text10", "1"}, {"Text11", "3"}, {"Text12", "2"}, {"Text13", "1"},
                      {"Text14", "1"}, {"Text15", "3"}, {"Text7", "10"}});
}

}  // namespace

class TypeAWindowTest : public QObject {
    Q_OBJECT

private slots:
    void startsEmptyAndTabSkipsTheResults()
    {
        ui::TypeAWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(window.objectName(), "TypeAWindow");
        QCOMPARE(window.windowTitle(), "挡墙计算");
        QCOMPARE(box(window, "Text1")->parentWidget()->size(), QSize(443, 400));  // under the menu bar
        QCOMPARE(box(window, "Text16")->geometry(), QRect(216, 224, 65, 18));
        for (const QString& name : kInputs + kOutputs) {
            QVERIFY2(text(window, name).isEmpty(), qPrintable(name));
            QCOMPARE(box(window, name)->isEnabled(), kInputs.contains(name));
        }
        QCOMPARE(box(window, "Text1")->toolTip(), "A：第一断面墙身顶宽（米）");
        QCOMPARE(box(window, "Text16")->accessibleName(), "s1面积：第一断面面积，墙身加基础（平方米）");
        QCOMPARE(tabStops(window), QStringList({"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Command1",
                                                "Text7", "Command2", "Text10", "Text11", "Text12", "Text13",
                                                "Text14", "Text15", "Command3"}));
    }

    void calculateShowsTheResultsAndClearEmptiesEveryBox()
    {
        ui::TypeAWindow window;
        window.show();
        typeWorkedExample(window);
        click(window, "Command1");
        const QStringList expected{"6.5", "7", "6.75", "67.5", "立方米", "立方米", "立方米", "25", "42.5"};
        for (int n = 0; n < kOutputs.size(); ++n) {
            QCOMPARE(text(window, kOutputs[n]), expected[n]);
        }
        QCOMPARE(text(window, "Text4"), "0.5");

        click(window, "Command3");
        for (const QString& name : kInputs + kOutputs) {
            QVERIFY2(text(window, name).isEmpty(), qPrintable(name));
        }
    }

    // A fault must not cost the user anything typed, and must not leave last press's numbers
    // standing beside this press's.
    void overflowStopsThePressAndSaysWhat()
    {
        ui::TypeAWindow window;
        window.show();
        typeWorkedExample(window);
        click(window, "Command1");
        type(window, "Text1", "1e200");
        type(window, "Text7", "1e200");
        click(window, "Command1");

        QCOMPARE(text(window, "Text16"), "1.5E+200");
        QCOMPARE(text(window, "Text17"), "7");
        QCOMPARE(text(window, "Text18"), "7.5E+199");
        for (const char* unreached : {"Text8", "Text9", "Text21", "Text22", "Text19", "Text20"}) {
            QVERIFY2(text(window, unreached).isEmpty(), unreached);
        }
        QCOMPARE(text(window, "Text1"), "1e200");
        QCOMPARE(text(window, "Text7"), "1e200");
        auto* message = window.findChild<QMessageBox*>("FaultMessage");
        QVERIFY(message);
        QCOMPARE(message->windowTitle(), "挡墙计算");
        QVERIFY(message->text().contains("总方量"));
        QVERIFY(message->text().contains("溢出"));
        QVERIFY(message->isVisible());
        message->accept();
        QVERIFY(window.isVisible());
    }
};

QTEST_MAIN(TypeAWindowTest)
#include "type_a_window_test.moc"
