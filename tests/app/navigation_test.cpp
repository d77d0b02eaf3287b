// Moving between the main window and the calculators: one window visible, nothing typed lost.
#include "../support/window_driver.h"

#include "foundation_window.h"
#include "type_a_window.h"
#include "type_b_window.h"
#include "wall_calc_app.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTimer>

namespace {

void choose(const WallCalcApp& app, const char* entry)
{
    auto* action = app.mainWindow()->findChild<QAction*>(entry);
    QVERIFY2(action, entry);
    action->trigger();
}

int visibleWindows()
{
    int visible = 0;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        visible += window->isVisible() ? 1 : 0;
    }
    return visible;
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
        QVERIFY(!app.typeAWindow());
        QVERIFY(!app.typeBWindow());
        QCOMPARE(visibleWindows(), 1);
        QCOMPARE(main->focusWidget()->objectName(), "Command1");

        auto* menu = main->findChild<QMenu*>("yibangongju");
        QCOMPARE(menu->title(), "一般工具");
        QStringList entries;
        for (QAction* action : menu->actions()) {
            entries << action->objectName() + "=" + action->text();
        }
        QCOMPARE(entries, QStringList({"dangqiangalei=挡土墙A类", "dangtuqiangalei=挡土墙B类", "jichujisuan=挡墙基础计算"}));
    }

    void theCalculatorKeepsItsTextsAcrossReturn()
    {
        WallCalcApp app;
        choose(app, "dangqiangalei");
        ui::TypeAWindow* typeA = app.typeAWindow();
        QVERIFY(typeA);
        QVERIFY(typeA->isVisible());
        QVERIFY(!app.mainWindow()->isVisible());
        QCOMPARE(visibleWindows(), 1);
        QVERIFY(text(*typeA, "Text1").isEmpty());

        type(*typeA, "Text1", "2.5");
        type(*typeA, "Text7", "10");
        click(*typeA, "Command1");
        click(*typeA, "Command2");
        QVERIFY(app.mainWindow()->isVisible());
        QCOMPARE(visibleWindows(), 1);

        choose(app, "dangqiangalei");
        QCOMPARE(app.typeAWindow(), typeA);
        QCOMPARE(text(*typeA, "Text1"), "2.5");
        QCOMPARE(text(*typeA, "Text8"), "0");
        QCOMPARE(text(*typeA, "Text9"), "立方米");
    }

    void eachCalculatorKeepsItsTextsWhileTheOtherIsOpen()
    {
        WallCalcApp app;
        choose(app, "dangqiangalei");
        type(*app.typeAWindow(), "Text1", "2.5");
        click(*app.typeAWindow(), "Command2");
        choose(app, "jichujisuan");
        ui::FoundationWindow* foundation = app.foundationWindow();
        QVERIFY(foundation && foundation->isVisible());
        QCOMPARE(visibleWindows(), 1);
        type(*foundation, "Text21", "12");
        click(*foundation, "Command2");
        QVERIFY(app.mainWindow()->isVisible());

        choose(app, "dangqiangalei");
        QCOMPARE(text(*app.typeAWindow(), "Text1"), "2.5");
        click(*app.typeAWindow(), "Command2");
        choose(app, "jichujisuan");
        QCOMPARE(app.foundationWindow(), foundation);
        QCOMPARE(text(*foundation, "Text21"), "12");
    }

    void theTypeBEntryOpensItsCalculatorOnceAndKeepsItsTexts()
    {
        WallCalcApp app;
        choose(app, "dangtuqiangalei");
        ui::TypeBWindow* typeB = app.typeBWindow();
        QVERIFY(typeB);
        QVERIFY(typeB->isVisible());
        QCOMPARE(visibleWindows(), 1);

        type(*typeB, "Text13", "25");
        click(*typeB, "Command1");
        click(*typeB, "Command3");
        QVERIFY(app.mainWindow()->isVisible());
        QCOMPARE(visibleWindows(), 1);

        choose(app, "dangtuqiangalei");
        QCOMPARE(app.typeBWindow(), typeB);
        QCOMPARE(text(*typeB, "Text13"), "25");
        QCOMPARE(text(*typeB, "Text19"), "0");
        QVERIFY(!app.typeAWindow());
    }

    void theCloseBoxOfACalculatorActsAsReturn()
    {
        WallCalcApp app;
        choose(app, "dangqiangalei");
        type(*app.typeAWindow(), "Text3", "4");
        QVERIFY(!app.typeAWindow()->close());
        QVERIFY(!app.typeAWindow()->isVisible());
        QVERIFY(app.mainWindow()->isVisible());
        QCOMPARE(visibleWindows(), 1);
        choose(app, "dangqiangalei");
        QCOMPARE(text(*app.typeAWindow(), "Text3"), "4");
    }

    void endEndsTheProgramWithCalculatorsOpenedAndHidden()
    {
        WallCalcApp app;
        choose(app, "dangqiangalei");
        click(*app.typeAWindow(), "Command2");
        QTimer::singleShot(0, [&app] { click(*app.mainWindow(), "Command1"); });
        QTimer::singleShot(5000, [] { QCoreApplication::exit(1); });
        QCOMPARE(QApplication::exec(), 0);
    }

    void theMainWindowsCloseBoxEndsTheProgram()
    {
        WallCalcApp app;
        QTimer::singleShot(0, [&app] { app.mainWindow()->close(); });
        QTimer::singleShot(5000, [] { QCoreApplication::exit(1); });
        QCOMPARE(QApplication::exec(), 0);
    }
};

QTEST_MAIN(NavigationTest)
#include "navigation_test.moc"
