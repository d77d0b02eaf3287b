// Moving between the main window and the calculators: one window visible, nothing typed lost.
#include "../support/calculators.h"

#include "takeoff_window.h"
#include "wall_calc_app.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <memory>

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
        QVERIFY(!app.takeoffWindow());
        QCOMPARE(visibleWindow(), main);
        QCOMPARE(main->focusWidget()->objectName(), "Command1");

        auto* menu = main->findChild<QMenu*>("yibangongju");
        QCOMPARE(menu->title(), "一般工具");
        QStringList entries;
        for (QAction* action : menu->actions()) {
            entries << action->objectName() + "=" + action->text();
        }
        QCOMPARE(entries, QStringList({"dangqiangalei=挡土墙A类", "dangtuqiangalei=挡土墙B类", "jichujisuan=挡墙基础计算",
                                       "stationTakeoff=逐桩计算"}));
    }

    // Left by its 返回 button, or by the close box for the second calculator.
    void eachCalculatorIsMadeOnceAndKeepsItsTexts()
    {
        for (const Calculator& c : kCalculators) {
            const bool byCloseBox = &c == &kCalculators[1];
            WallCalcApp app;
            action(*app.mainWindow(), c.menuEntry)->trigger();
            QWidget* calculator = visibleWindow();
            QCOMPARE(calculator, app.calculatorWindow(c.name));
            typeEach(*calculator, c.siteInputs);
            click(*calculator, "Command1");
            const QStringList typedAndComputed = allTexts(*calculator);
            if (byCloseBox) {
                QVERIFY(!calculator->close());
            } else {
                click(*calculator, c.returnButton);
            }
            QCOMPARE(visibleWindow(), app.mainWindow());

            action(*app.mainWindow(), c.menuEntry)->trigger();
            QCOMPARE(visibleWindow(), calculator);
            QCOMPARE(allTexts(*calculator), typedAndComputed);
            // Only the chosen calculator was ever made.
            for (const Calculator& other : kCalculators) {
                QCOMPARE(!!app.calculatorWindow(other.name), &other == &c);
            }
        }
    }

    // 结束 and the close box end the program once, with calculators hidden behind it too; a quit
    // from the session ends it even over a calculator.
    void endingAsksOnceAndAlwaysEnds_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("结束 with calculators hidden") << "hidden";
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
            if (how == "hidden") {
                action(*app.mainWindow(), "dangqiangalei")->trigger();
                click(*app.calculatorWindow("TypeAWindow"), "Command2");
                action(*app.mainWindow(), "jichujisuan")->trigger();
                click(*app.calculatorWindow("FoundationWindow"), "Command2");
                click(*app.mainWindow(), "Command1");
            } else if (how == "close") {
                app.mainWindow()->close();
            } else {
                action(*app.mainWindow(), "dangqiangalei")->trigger();
                QCoreApplication::quit();
            }
        });
        QTimer::singleShot(5000, [] { QCoreApplication::exit(1); });
        QCOMPARE(QApplication::exec(), 0);
        QCOMPARE(ends, how == "session" ? 0 : 1);
    }

    // With unsaved work in the take-off, 结束 asks first, and 取消 goes on.
    void theTakeoffAsksBeforeTheEnd()
    {
        WallCalcApp app;
        action(*app.mainWindow(), "stationTakeoff")->trigger();
        QWidget* takeoff = visibleWindow();
        QCOMPARE(takeoff, app.takeoffWindow());
        QCOMPARE(takeoff->windowTitle().left(4), "逐桩计算");
        click(*takeoff, "startTakeoff1");
        auto* table = takeoff->findChild<QTableView*>("takeoffTable");
        typeInCell(*table, 0, 0, "K0+012.5");
        takeoff->findChild<QAction*>("returnToMain")->trigger();

        QStringList asked;
        const auto answer = [&asked](const QString& button) {
            QTimer::singleShot(0, [&asked, button] {
                auto* question = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                QVERIFY(question);
                asked << question->objectName();
                for (QAbstractButton* choice : question->buttons()) {
                    if (choice->text() == button) {
                        choice->click();
                    }
                }
            });
        };
        QTimer::singleShot(0, [&] {
            answer("取消");
            app.mainWindow()->close();
        });
        QTimer::singleShot(300, [&] {
            QCOMPARE(visibleWindow(), app.mainWindow());
            answer("不保存");
            click(*app.mainWindow(), "Command1");
        });
        QTimer::singleShot(5000, [] { QCoreApplication::exit(1); });
        QCOMPARE(QApplication::exec(), 0);
        QCOMPARE(asked, QStringList({"SettleQuestion", "SettleQuestion"}));
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
