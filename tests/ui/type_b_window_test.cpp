// The Type B window driven through its boxes and buttons.
#include "../support/window_driver.h"

#include "type_b_window.h"

#include <QLabel>
#include <QMessageBox>

namespace {

const QStringList kInputs{"Text1",  "Text2",  "Text3",  "Text4",  "Text5",  "Text6",  "Text7",  "Text8",
                          "Text9",  "Text10", "Text41", "Text11", "Text12", "Text33", "Text34", "Text35",
                          "Text36", "Text37", "Text38", "Text39", "Text40", "Text42", "Text13"};
const QStringList kResults{"Text16", "Text43", "Text44", "Text46", "Text45",
                           "Text14", "Text15", "Text17", "Text18", "Text19"};

QStringList texts(const QWidget& window, const QStringList& names)
{
    QStringList shown;
    for (const QString& name : names) {
        shown << text(window, name);
    }
    return shown;
}

// Types the worked example, one box after another, and presses 计算.
void pressWorkedExample(const QWidget& window)
{
    const QStringList typed{"0.5", "0.5", "2", "4", "0.25", "0.125", "5", "0.5", "2.125", "0.125", "0.5",
                            "0.5", "0.5", "3", "4", "0.25", "0.125", "6", "0.5", "2.125", "0.125", "0.5", "10"};
    for (int n = 0; n < kInputs.size(); ++n) {
        type(window, kInputs[n], typed[n]);
    }
    click(window, "Command1");
}

}  // namespace

class TypeBWindowTest : public QObject {
    Q_OBJECT

private slots:
    void startsEmptyWithItsUnitsAndTabSkipsThem()
    {
        ui::TypeBWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(window.windowTitle(), "挡墙方量计算软件B类");
        QCOMPARE(box(window, "Text1")->parentWidget()->size(), QSize(443, 511));  // under the menu bar
        QCOMPARE(texts(window, kInputs + kResults), QStringList(kInputs.size() + kResults.size(), ""));
        QCOMPARE(window.findChildren<QLineEdit*>().size(), 66);
        QCOMPARE(window.findChildren<QLabel*>().size(), 47);
        QCOMPARE(text(window, "Text24(0)"), "立方米");
        QVERIFY(box(window, "Text5")->toolTip().contains("1:0.25 填 0.25，不是百分数"));
        QCOMPARE(tabStops(window),
                 QStringList({"Text1",  "Text2",    "Text3",    "Text4",    "Text5",  "Text6",  "Text7",  "Text8",
                              "Text9",  "Text10",   "Text13",   "Text14",   "Text15", "Text16", "Text17", "Text18",
                              "Text19", "Command1", "Command2", "Command3", "Text11", "Text12", "Text33", "Text34",
                              "Text35", "Text36",   "Text37",   "Text38",   "Text39", "Text40", "Text41", "Text42",
                              "Text43", "Text44",   "Text45",   "Text46"}));
        QTest::mouseClick(box(window, "Text27(0)"), Qt::LeftButton);
        QCOMPARE(window.focusWidget()->objectName(), "Text1");
        QVERIFY(!box(window, "Text27(0)")->isEnabled());
    }

    void calculateOverwritesTheResultsAndClearEmptiesThem()
    {
        ui::TypeBWindow window;
        window.show();
        type(window, "Text19", "12345");
        pressWorkedExample(window);
        QCOMPARE(texts(window, kResults), QStringList({"8.65625", "1.65625", "7", "9.5625", "1.84375", "17.5",
                                                       "82.8125", "11.40625", "10.03125", "100.3125"}));
        click(window, "Command2");
        QCOMPARE(texts(window, kInputs + kResults), QStringList(kInputs.size() + kResults.size(), ""));
        QCOMPARE(text(window, "Text21"), "平方米");
    }

    void overflowInSectionTwoKeepsSectionOneAndEmptiesTheRest()
    {
        ui::TypeBWindow window;
        window.show();
        pressWorkedExample(window);
        type(window, "Text11", "1e200");
        type(window, "Text33", "1e200");
        click(window, "Command1");
        QCOMPARE(texts(window, kResults), QStringList({"8.65625", "1.65625", "7", "", "", "", "", "", "", ""}));
        auto* message = window.findChild<QMessageBox*>("FaultMessage");
        QVERIFY(message && message->isVisible());
        QVERIFY(message->text().contains("第二墙身断面面积"));
        message->accept();
    }
};

QTEST_MAIN(TypeBWindowTest)
#include "type_b_window_test.moc"
