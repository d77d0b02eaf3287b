// The program among the user's files and screens: where file dialogs start and what they remember,
// a take-off file given on the command line or dropped on the window, windows that fit a small
// laptop's screen, and what 打印计算书… says without a printer.
#include "../support/window_driver.h"

#include "calculator_window.h"
#include "dialog_folder.h"
#include "sheet_printing.h"
#include "takeoff_window.h"
#include "wall_calc_app.h"

#include "wallcalc/calculators.h"

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QMainWindow>
#include <QMessageBox>
#include <QMimeData>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <functional>

namespace {

// Runs the check on the first visible top-level widget of that type once it is shown (a modal
// dialog's own event loop is running by then), failing the test if none comes.
template <typename Dialog>
void onDialog(const std::function<void(Dialog&)>& check)
{
    auto* timer = new QTimer(qApp);
    timer->setObjectName("dialogWatch");
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, tries, check] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* dialog = qobject_cast<Dialog*>(widget); dialog && dialog->isVisible()) {
                timer->deleteLater();
                check(*dialog);
                return;
            }
        }
        if (++*tries > 100) {
            timer->deleteLater();
            QFAIL("no dialog came");
        }
    });
    timer->start(50);
}

}  // namespace

class DesktopTest : public QObject {
    Q_OBJECT

private slots:
    // The user's own settings and folders stay out of it: settings in a temporary folder, and on
    // Linux a temporary home with its Documents folder (Windows always has one).
    void initTestCase()
    {
        QVERIFY(home_.isValid());
        QSettings::setDefaultFormat(QSettings::IniFormat);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, home_.filePath("settings"));
#ifndef Q_OS_WIN
        qputenv("HOME", QFile::encodeName(home_.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home_.filePath("config")));
        QVERIFY(QDir(home_.path()).mkpath("Documents"));
#endif
        documents_ = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QVERIFY(QFileInfo(documents_).isDir());
    }

    void init() { QSettings().remove("dialogs"); }

    // A watch whose dialog never came ends with its test.
    void cleanup() { qDeleteAll(qApp->findChildren<QTimer*>("dialogWatch")); }

    void dialogsStartInDocumentsThenWhereTheUserWentLast()
    {
        QCOMPARE(ui::dialogFolder(), documents_);
        const QString elsewhere = home_.filePath("工程/K1");
        QVERIFY(QDir().mkpath(elsewhere));
        ui::rememberDialogFolder(elsewhere + "/墙.csv");
        QCOMPARE(ui::dialogFolder(), elsewhere);
        QCOMPARE(ui::dialogFolderWith("a.pdf"), elsewhere + "/a.pdf");
        ui::rememberDialogFolder({});  // a cancelled dialog changes nothing
        QCOMPARE(ui::dialogFolder(), elsewhere);

        // Kept for the next run of the program, for this user.
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, home_.filePath("settings"));
        QSettings file(QSettings::IniFormat, QSettings::UserScope, "WallCalc", "WallCalc");
        QCOMPARE(file.value("dialogs/lastFolder").toString(), elsewhere);

        QVERIFY(QDir(elsewhere).removeRecursively());
        QCOMPARE(ui::dialogFolder(), documents_);  // a folder gone since is not offered
    }

    // The dialogs of the windows themselves: the take-off's export starts in the remembered folder
    // and remembers where it wrote; the calculator's export starts there next.
    void windowsDialogsUseTheRememberedFolder()
    {
        const QString first = home_.filePath("一标段");
        const QString second = home_.filePath("二标段");
        QVERIFY(QDir().mkpath(first) && QDir().mkpath(second));
        ui::rememberDialogFolder(first + "/x.csv");

        ui::TakeoffWindow takeoff;
        takeoff.startTakeoff(wallcalc::kTypeA);
        QString offered;
        // First the question of the whole sheet or its summary, then the file dialog.
        onDialog<QDialog>([&](QDialog& contents) {
            QCOMPARE(contents.objectName(), "SheetContents");
            onDialog<QFileDialog>([&](QFileDialog& dialog) {
                offered = dialog.directory().absolutePath();
                dialog.setDirectory(second);
                static_cast<QDialog&>(dialog).accept();  // as 保存 does
            });
            contents.accept();
        });
        action(takeoff, "exportPdf")->trigger();
        QCOMPARE(offered, first);
        QVERIFY(QFileInfo::exists(second + "/逐桩计算 计算书.pdf"));
        QCOMPARE(ui::dialogFolder(), second);

        WallCalcApp app;
        action(*app.mainWindow(), "dangqiangalei")->trigger();
        onDialog<QFileDialog>([&](QFileDialog& dialog) {
            offered = dialog.directory().absolutePath();
            dialog.reject();
        });
        action(*app.calculatorWindow("TypeAWindow"), "exportPdf")->trigger();
        QCOMPARE(offered, second);
    }

    void aTakeoffFileOnTheCommandLineOpensInTheTakeoff()
    {
        const QString path = home_.filePath("命令行.csv");
        {
            ui::TakeoffWindow written;
            written.startTakeoff(wallcalc::kTypeB);
            QVERIFY(written.saveFile(path));
        }
        WallCalcApp app(QDir::toNativeSeparators(path));
        ui::TakeoffWindow* takeoff = app.takeoffWindow();
        QVERIFY(takeoff && takeoff->isVisible());
        QVERIFY(!app.mainWindow() || !app.mainWindow()->isVisible());
        QCOMPARE(takeoff->windowTitle(), "命令行.csv[*] - 挡土墙B类 - 逐桩计算");
    }

    // Dropped on the window holding unsaved work: asked first, then opened.
    void aDroppedTakeoffFileOpensAfterTheQuestion()
    {
        const QString path = home_.filePath("拖放.csv");
        ui::TakeoffWindow takeoff;
        takeoff.startTakeoff(wallcalc::kFoundation);
        QVERIFY(takeoff.saveFile(path));
        takeoff.startTakeoff(wallcalc::kTypeA);
        action(takeoff, "insertRow")->trigger();
        QVERIFY(takeoff.hasUnsavedWork());

        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        enter.setAccepted(false);
        QApplication::sendEvent(&takeoff, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&takeoff, &drop);
        bool asked = false;
        onDialog<QMessageBox>([&](QMessageBox& question) {
            asked = question.objectName() == "SettleQuestion";
            question.button(QMessageBox::Discard)->click();
        });
        QTRY_COMPARE(takeoff.windowTitle(), "拖放.csv[*] - 挡墙基础计算 - 逐桩计算");
        QVERIFY(asked);

        QMimeData other;
        other.setUrls({QUrl::fromLocalFile(home_.filePath("图.png"))});
        QDragEnterEvent refused(QPoint(10, 10), Qt::CopyAction, &other, Qt::LeftButton, Qt::NoModifier);
        refused.setAccepted(false);
        QApplication::sendEvent(&takeoff, &refused);
        QVERIFY(!refused.isAccepted());
    }

    // Run by CTest on screens of laptop size at 100, 125 and 150 % (see tests/CMakeLists.txt).
    void everyWindowOpensWithinTheFreeArea()
    {
        WallCalcApp app;
        const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
        const auto within = [&](QWidget& window) {
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            QVERIFY2(free.contains(window.frameGeometry()), qPrintable(window.objectName()));
        };
        within(*app.mainWindow());
        for (const char* entry : {"dangqiangalei", "dangtuqiangalei", "jichujisuan", "stationTakeoff"}) {
            app.mainWindow()->show();
            action(*app.mainWindow(), entry)->trigger();
            for (QWidget* window : QApplication::topLevelWidgets()) {
                if (window->isVisible()) {
                    within(*window);
                }
            }
        }
    }

    void withoutAPrinterPrintingOffersThePdf()
    {
        QWidget parent;
        bool told = false;
        onDialog<QMessageBox>([&](QMessageBox& message) {
            told = message.objectName() == "NoPrinterMessage" && message.text().contains("没有安装打印机");
            for (QAbstractButton* button : message.buttons()) {
                if (button->text() == "导出计算书为 PDF…") {
                    button->click();
                }
            }
        });
        QVERIFY(ui::offerPdfInstead(parent));
        QVERIFY(told);

        if (!QPrinterInfo::availablePrinterNames().isEmpty()) {
            QSKIP("this system has a printer: 打印计算书… opens the preview");
        }
        // The whole way from the menu: the message, then the PDF dialog of the calculator's export.
        WallCalcApp app;
        action(*app.mainWindow(), "jichujisuan")->trigger();
        bool exported = false;
        onDialog<QMessageBox>([&](QMessageBox& message) {
            onDialog<QFileDialog>([&](QFileDialog& dialog) {
                exported = dialog.windowTitle() == "导出计算书为 PDF";
                dialog.reject();
            });
            message.defaultButton()->click();
        });
        action(*app.calculatorWindow("FoundationWindow"), "printSheet")->trigger();
        QVERIFY(exported);
    }

private:
    QTemporaryDir home_;
    QString documents_;
};

int main(int argc, char* argv[])
{
    // Qt's own dialogs on every system, so that the test can look into them.
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QApplication application(argc, argv);
    prepareApplication(application);
    DesktopTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "desktop_test.moc"
