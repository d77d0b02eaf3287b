// The application-wide settings, and window switching: a menu entry opens a calculator or the
// take-off, its Return brings the main window back.
#include "wall_calc_app.h"

#include "calculator_window.h"
#include "takeoff_window.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QScopedValueRollback>
#include <QTranslator>

namespace {

// Qt's own texts (a text box's right-click menu, a message box's buttons) in Chinese whatever the
// system's locale, as every other text of the program is: from beside the program where an
// installer put it, else from Qt's own translations folder.
void loadQtChinese(QApplication& application)
{
    auto* translator = new QTranslator(&application);
    for (const QString& folder : {QCoreApplication::applicationDirPath() + "/translations",
                                  QLibraryInfo::path(QLibraryInfo::TranslationsPath)}) {
        if (translator->load("qtbase_zh_CN", folder)) {
            QCoreApplication::installTranslator(translator);
            return;
        }
    }
}

}  // namespace

void prepareApplication(QApplication& application)
{
    QIcon icon(":/icons/wallcalc.xpm");
    for (int size : {16, 48, 64, 128, 256}) {
        icon.addFile(QString(":/icons/wallcalc-%1.png").arg(size));
    }
    application.setWindowIcon(icon);
    // Wayland shows no window icons of their own: it finds the menu entry, and its icon, by this name.
    application.setDesktopFileName(WALLCALC_APP_ID);
    application.setQuitOnLastWindowClosed(false);
    // Where QSettings keeps what the program remembers for the user (HKEY_CURRENT_USER\Software\WallCalc
    // on Windows, which the uninstaller removes; ~/.config/WallCalc on Linux).
    QCoreApplication::setOrganizationName(QStringLiteral("WallCalc"));
    QCoreApplication::setApplicationName(QStringLiteral("WallCalc"));
    loadQtChinese(application);
}

WallCalcApp::WallCalcApp(const QString& takeoffFile)
{
    qApp->installEventFilter(this);
    if (takeoffFile.isEmpty()) {
        showMainWindow();
    } else {
        showTakeoff();
        takeoff_->openGiven(takeoffFile);
    }
}

// 结束 leaves the event loop at once, closing no window, so nothing asks to end again; a quit from
// outside (the session ending) does the same instead of closing windows, where a calculator's close
// box would turn it into Return and keep the program running.
bool WallCalcApp::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == qApp && event->type() == QEvent::Quit) {
        end();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

WallCalcApp::~WallCalcApp() = default;

void WallCalcApp::showMainWindow()
{
    if (!mainWindow_) {
        mainWindow_ = std::make_unique<MainWindow>();
        connect(mainWindow_.get(), &MainWindow::calculatorRequested, this, &WallCalcApp::showCalculator);
        connect(mainWindow_.get(), &MainWindow::takeoffRequested, this, &WallCalcApp::showTakeoff);
        connect(mainWindow_.get(), &MainWindow::endRequested, this, &WallCalcApp::end);
    }
    show(*mainWindow_);
}

void WallCalcApp::show(QWidget& window)
{
    window.show();
    window.activateWindow();
}

// A quit that comes while the question about unsaved work is open waits for its answer.
void WallCalcApp::end()
{
    if (settling_) {
        return;
    }
    const QScopedValueRollback settling(settling_, true);
    if (!takeoff_ || takeoff_->settleUnsavedWork()) {
        QCoreApplication::exit(0);
    }
}

ui::CalculatorWindow* WallCalcApp::calculatorWindow(std::string_view objectName) const
{
    for (const auto& [form, window] : calculators_) {
        if (form->objectName == objectName) {
            return window.get();
        }
    }
    return nullptr;
}

void WallCalcApp::showCalculator(const ui::CalculatorForm* form)
{
    std::unique_ptr<ui::CalculatorWindow>& window = calculators_[form];
    if (!window) {
        window = std::make_unique<ui::CalculatorWindow>(*form);
        connect(window.get(), &ui::CalculatorWindow::returned, this, &WallCalcApp::showMainWindow);
    }
    show(*window);
}

void WallCalcApp::showTakeoff()
{
    if (!takeoff_) {
        takeoff_ = std::make_unique<ui::TakeoffWindow>();
        connect(takeoff_.get(), &ui::TakeoffWindow::returned, this, &WallCalcApp::showMainWindow);
    }
    show(*takeoff_);
}
