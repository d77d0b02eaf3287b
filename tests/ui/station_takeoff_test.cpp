// The take-off window as a user drives it: paste and type, rows, undo, the totals and messages
// shown, the reading mark on screen, save and reopen, a broken file, the copy and the sheet.
#include "station_takeoff_window.h"
#include "takeoff_model.h"
#include "takeoff_view.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMimeData>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The worked example of Type A (tests/data/copy-TypeAWindow.txt) twice: K0+000 to K0+010 gives
// 67.5, 25 and 42.5; K0+010 to K0+020, two equal sections of 7, gives 70, 30 and 40.
const char* const kBlock = "K0+000\t1\t2\t3\t0.5\t1.5\t2\r\nK0+010\t1\t3\t2\t1\t1\t3\r\n20\t1\t3\t2\t1\t1\t3\r\n";
const QString kTotals = "合计（计入 2 段，共 2 段）：长度 20 米；总方量 137.5 立方米；基础方量 55 立方米；墙身方量 82.5 立方米";

QString shown(const QWidget& window, const char* label)
{
    return window.findChild<QLabel*>(label)->text();
}

void trigger(QWidget& window, const char* action)
{
    window.findChild<QAction*>(action)->trigger();
}

}  // namespace

class StationTakeoffTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        window_ = std::make_unique<ui::StationTakeoffWindow>();
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        window_->startTakeoff(0);
        view_ = window_->findChild<ui::TakeoffView*>();
        QGuiApplication::clipboard()->setText(kBlock);
        trigger(*window_, "pasteBlock");
    }

    void pastesTypesAndUndoes()
    {
        QCOMPARE(view_->model()->index(1, 11).data().toString(), "67.5");
        QCOMPARE(shown(*window_, "takeoffTotals"), kTotals);
        QVERIFY(window_->hasUnsavedWork() && window_->windowTitle().contains("[*]") && window_->isWindowModified());
        // Typed below the last station, Enter goes on down: a falling station is left out and said so.
        view_->setCurrentIndex(view_->model()->index(6, 0));
        for (const char key : QByteArray("K0+015\r")) {
            QTest::keyClick(QApplication::focusWidget(), key);
        }
        QCoreApplication::processEvents();  // the editor commits on Enter once the key is through
        QCOMPARE(view_->currentIndex().row(), 8);
        QVERIFY(shown(*window_, "takeoffTotals").startsWith("合计（计入 2 段，共 3 段）：长度 20 米；总方量 137.5"));
        QCOMPARE(shown(*window_, "takeoffProblems"), "第 4 行：桩号“K0+015”不大于上面的桩号，桩号应逐行增大；本行不计入合计");
        QCOMPARE(view_->model()->index(5, 0).data().toString(), "未计算");
        // A row put in and taken out, each one step back.
        view_->setCurrentIndex(view_->model()->index(2, 3));
        trigger(*window_, "insertRow");
        QCOMPARE(view_->model()->index(4, 0).data().toString(), "K0+010");
        trigger(*window_, "deleteRows");
        QCOMPARE(view_->model()->index(2, 0).data().toString(), "K0+010");
        for (const char* step : {"undoEdit", "undoEdit", "undoEdit"}) {
            trigger(*window_, step);
        }
        QCOMPARE(shown(*window_, "takeoffTotals"), kTotals);
        trigger(*window_, "redoEdit");
        QVERIFY(shown(*window_, "takeoffTotals").contains("共 3 段"));
    }

    // A pair that overflows is marked with the calculators' words; the others still count.
    void anOverflowMarksItsPairOnly()
    {
        view_->setCurrentIndex(view_->model()->index(4, 2));
        QGuiApplication::clipboard()->setText("1e200\t1e200\n");
        trigger(*window_, "pasteBlock");
        QCOMPARE(view_->model()->index(3, 0).data().toString(), "溢出");
        QVERIFY(view_->model()->index(3, 0).data(Qt::ToolTipRole).toString().contains("超出了能计算的范围（溢出）"));
        QVERIFY(shown(*window_, "takeoffTotals").startsWith("合计（计入 1 段，共 2 段）：长度 10 米；总方量 67.5"));
    }

    // What the screen shows: a text that reads otherwise is framed in amber, and no column cuts a digit.
    void marksAndWholeTextsOnScreen()
    {
        QGuiApplication::clipboard()->setText("2米\n");
        view_->setCurrentIndex(view_->model()->index(0, 2));
        trigger(*window_, "pasteBlock");
        view_->setCurrentIndex(view_->model()->index(0, 0));
        const QImage shot = view_->viewport()->grab().toImage();
        const QRect cell = view_->visualRect(view_->model()->index(0, 2));
        QCOMPARE(shot.pixelColor(cell.topRight() + QPoint(-2, 2)), QColor(0xE0, 0x8A, 0x00));
        QCOMPARE(view_->model()->index(0, 2).data(Qt::ToolTipRole).toString(), "读作 2");
        for (int row = 0; row < view_->model()->rowCount(); ++row) {
            for (int column = 0; column < view_->model()->columnCount(); ++column) {
                const QString text = view_->model()->index(row, column).data().toString();
                QVERIFY2(view_->columnWidth(column) > view_->fontMetrics().horizontalAdvance(text), qPrintable(text));
            }
        }
    }

    void savesReopensAndRefusesABrokenFile()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath("墙.csv");
        QVERIFY(window_->saveFile(path));
        QVERIFY(!window_->hasUnsavedWork() && window_->windowTitle().startsWith("墙.csv[*]"));
        ui::StationTakeoffWindow reopened;
        QVERIFY(reopened.openFile(path));
        QCOMPARE(shown(reopened, "takeoffTotals"), kTotals);
        const auto* model = reopened.findChild<ui::TakeoffModel*>();
        QCOMPARE(model->rows().size(), 3u);
        QCOMPARE(model->rows()[2].station, "20");
        const struct {
            QByteArray bytes;
            QString message;
        } broken[] = {
            {"\xEF\xBB\xBF挡土墙C类\r\n", "第 1 行第 1 列"},
            {"挡土墙A类\r\n桩号,A\r\n\xB0\xA1\r\n", "另存为“CSV UTF-8”"},
            {"挡土墙A类\r\n桩号,A,B,H,C,D,E\r\nK0+000,1,2,3,4,5,6,7,8\r\n", "第 3 行"},
            {"挡土墙A类\r\nK0+000,1,2,3,4,5,6\r\n", "第 2 行：这一行是桩号，不是栏名"},
        };
        for (const auto& file : broken) {
            QFile out(folder.filePath("坏.csv"));
            QVERIFY(out.open(QIODevice::WriteOnly) && out.write(file.bytes) == file.bytes.size());
            out.close();
            QString error;
            QVERIFY(!reopened.openFile(out.fileName(), &error));
            QVERIFY2(error.contains(file.message), qPrintable(error));
            QCOMPARE(shown(reopened, "takeoffTotals"), kTotals);
        }
    }

    void copiesAndPrintsTheWholeWall()
    {
        trigger(*window_, "copySheet");
        const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
        QVERIFY(copied->text().contains("\n合计（计入 2 段，共 2 段）\t\t\t\t\t\t\t20\t\t\t\t137.5\t55\t82.5\n"));
        QVERIFY(copied->html().contains("x:num=\"137.5\""));
        QTemporaryDir folder;
        QCOMPARE(window_->exportPdf(folder.filePath("墙.pdf")), QString());
        QProcess extract;
        extract.start("pdftotext", {folder.filePath("墙.pdf"), "-"});
        if (!extract.waitForStarted()) {
            QSKIP("no pdftotext here to read the sheet back (as on Windows)");
        }
        QVERIFY(extract.waitForFinished());
        const QString text = QString::fromUtf8(extract.readAllStandardOutput());
        for (const char* line : {"第 1 段：K0+000 ～ K0+010，长度 10 米", "= 67.5 立方米", "第 2 段：K0+010 ～ 20，长度 10 米",
                                 "= 70 立方米", "总方量 137.5 立方米"}) {
            QVERIFY2(text.contains(line), line);
        }
    }

private:
    std::unique_ptr<ui::StationTakeoffWindow> window_;
    ui::TakeoffView* view_ = nullptr;
};

QTEST_MAIN(StationTakeoffTest)
#include "station_takeoff_test.moc"
