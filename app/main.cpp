// Start-up: the application's settings, then the main window, or the take-off file it was given.
#include "wall_calc_app.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    prepareApplication(application);
    // 「打开方式」, a file dropped on the program or its shortcut, and `WallCalcApp 文件.csv` all name
    // a take-off file here.
    WallCalcApp wallCalc(application.arguments().value(1));
    return application.exec();
}
