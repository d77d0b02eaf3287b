// Start-up: the application icon for every window, then the main window.
#include "wall_calc_app.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QIcon icon(":/icons/wallcalc.xpm");
    for (int size : {16, 48, 64, 128, 256}) {
        icon.addFile(QString(":/icons/wallcalc-%1.png").arg(size));
    }
    application.setWindowIcon(icon);
    // The program ends by "结束" alone; hiding the last shown window must not end it.
    application.setQuitOnLastWindowClosed(false);
    WallCalcApp wallCalc;
    return application.exec();
}
