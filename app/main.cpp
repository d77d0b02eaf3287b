// Start-up: the application's settings, then the main window.
#include "wall_calc_app.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    prepareApplication(application);
    WallCalcApp wallCalc;
    return application.exec();
}
