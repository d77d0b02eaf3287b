// Moving between the main window and the calculators: one window visible, nothing typed lost.
#include "../support/window_driver.h"

#include "calculator_forms.h"
#include "wall_calc_app.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <memory>

namespace {

void choose(const WallCalcApp& app, const char* entry)
{
    auto* action = app.mainWindow()->findChild<QAction*>(entry);
    QVERIFY2(action, entry);
    action->trigger();
}

}  // namespace

class NavigationTest : public QObject {
    Q_OBJECT

private slots:
    void startsWithTheMainWindowAlone()
    {
        WallCalcApp app;
        MainWindow* main = app.mainWindow();
        QVERIFY(QTest::qWaitForWindowExposed(main));
        QCOMPARE(main->objectName(), "MainWindow");
        QCOMPARE(main->windowTitle(), "挡墙计算");
        QCOMPARE(main->centralWidget()->size(), QSize(443, 511));
        QVERIFY(main->height() > 511);  // the menu bar sits above the client area
        QVERIFY(!app.calculatorWindow("TypeAWindow") && !app.calculatorWindow("TypeBWindow") && !app.calculatorWindow("FoundationWindow"));
        QCOMPARE(visibleWindow(), main);
        QCOMPARE(main->focusWidget()->objectName(), "Command1");

        auto* menu = main->findChild<QMenu*>("yibangongju");
        QCOMPARE(menu->title(), "一般工具");
        QStringList entries;
        for (QAction* action : menu->actions()) {
            entries << action->objectName() + "=" + action->text();
        }
        QCOMPARE(entries, QStringList({"dangqiangalei=挡土墙A类", "dangtuqiangalei=挡土墙B类", "jichujisuan=挡墙基础计算"}));
    }

    void eachCalculatorIsMadeOnceAndKeepsItsTexts_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("returnButton");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("result");
        QTest::addColumn<bool>("byCloseBox");
        QTest::newRow("A, 返回") << "dangqiangalei" << "Command2" << "Text7" << "Text8" << false;
        QTest::newRow("A, close box") << "dangqiangalei" << "Command2" << "Text7" << "Text8" << true;
        QTest::newRow("B, 返回") << "dangtuqiangalei" << "Command3" << "Text13" << "Text19" << false;
        QTest::newRow("B, close box") << "dangtuqiangalei" << "Command3" << "Text13" << "Text19" << true;
        QTest::newRow("foundation, 返回") << "jichujisuan" << "Command2" << "Text21" << "Text22" << false;
        QTest::newRow("foundation, close box") << "jichujisuan" << "Command2" << "Text21" << "Text22" << true;
    }

    void eachCalculatorIsMadeOnceAndKeepsItsTexts()
    {
        QFETCH(QString, entry);
        QFETCH(QString, returnButton);
        QFETCH(QString, input);
        QFETCH(QString, result);
        QFETCH(bool, byCloseBox);
        WallCalcApp app;
        choose(app, qPrintable(entry));
        QWidget* calculator = visibleWindow();
        QVERIFY(calculator && calculator != app.mainWindow());
        QVERIFY(text(*calculator, input).isEmpty());

        type(*calculator, input, "12");
        click(*calculator, "Command1");
        const QString computed = text(*calculator, result);
        if (byCloseBox) {
            QVERIFY(!calculator->close());
        } else {
            click(*calculator, returnButton);
        }
        QCOMPARE(visibleWindow(), app.mainWindow());

        choose(app, qPrintable(entry));
        QCOMPARE(visibleWindow(), calculator);
        QCOMPARE(text(*calculator, input), "12");
        QCOMPARE(text(*calculator, result), computed);
        // Only the chosen calculator was ever made.
        QCOMPARE(int(!!app.calculatorWindow("TypeAWindow")) + int(!!app.calculatorWindow("TypeBWindow")) + int(!!app.calculatorWindow("FoundationWindow")), 1);
    }

    void endEndsTheProgramWithCalculatorsOpenedAndHidden()
    {
        WallCalcApp app;
        choose(app, "dangqiangalei");
        click(*app.calculatorWindow("TypeAWindow"), "Command2");
        QTimer::singleShot(0, [&app] { click(*app.mainWindow(), "Command1"); });
        QTimer::singleShot(5000, [] { QCoreApplication::exit(1); });
        QCOMPARE(QApplication::exec(), 0);
    }

    // 结束 and the close box end the program once; a quit from the session ends it even over a calculator.
    void endingAsksOnceAndAlwaysEnds_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("结束") << "end";
        QTest::newRow("main window's close box") << "close";
        QTest::newRow("session quit over a calculator") << "session";
    }

    void endingAsksOnceAndAlwaysEnds()
    {
        QFETCH(QString, how);
        WallCalcApp app;
        int ends = 0;
        connect(app.mainWindow(), &MainWindow::endRequested, [&ends] { ++ends; });
        QTimer::singleShot(0, [&app, how] {
            if (how == "end") {
                click(*app.mainWindow(), "Command1");
            } else if (how == "close") {
                app.mainWindow()->close();
            } else {
                choose(app, "dangqiangalei");
                QCoreApplication::quit();
            }
        });
        QTimer::singleShot(5000, [] { QCoreApplication::exit(1); });
        QCOMPARE(QApplication::exec(), 0);
        QCOMPARE(ends, how == "session" ? 0 : 1);
    }

    // Qt's own menus and buttons speak Chinese with the rest of the program, whatever the locale.
    void qtsOwnTextsAreChinese()
    {
        QLocale::setDefault(QLocale::English);
        prepareApplication(*qApp);
        QLineEdit box;
        const std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
        QStringList entries;
        for (QAction* action : menu->actions()) {
            entries << action->text().section('\t', 0, 0);
        }
        QCOMPARE(entries, QStringList({"撤消(&U)", "重做(&R)", "", "剪切(&T)", "复制(&C)", "粘贴(&P)", "删除", "", "全选"}));
        QMessageBox message(QMessageBox::Warning, "挡墙计算", "", QMessageBox::Ok);
        QCOMPARE(message.button(QMessageBox::Ok)->text(), "确定");
    }
};

QTEST_MAIN(NavigationTest)
#include "navigation_test.moc"
