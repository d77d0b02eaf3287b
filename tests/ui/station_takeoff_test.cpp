// The take-off window as a user drives it: paste and type, rows, undo, the totals and messages
// shown, the reading mark on screen, long texts, save and reopen, broken and changed files, the copy
// and the sheet. Qt's model tester watches the table through every edit of every test.
#include "station_takeoff_window.h"
#include "takeoff_columns.h"
#include "takeoff_model.h"
#include "takeoff_view.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <random>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif
#ifdef Q_OS_WIN
#include <windows.h>
#endif

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

// Type A's file header: 桩号 and the headings the table shows.
QByteArray typeAHeader()
{
    return ("桩号," + ui::takeoffColumns(0).inputHeadings.join(',')).toUtf8();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile out(path);
    QVERIFY(out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size());
}

QByteArray readFile(const QString& path)
{
    QFile in(path);
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

// Clicks the button of that text on the message box of that name once it shows.
void answerLater(const char* box, const QString& button)
{
    QTimer::singleShot(0, [box, button] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->objectName() == box && widget->isVisible()) {
                for (QPushButton* choice : widget->findChildren<QPushButton*>()) {
                    if (choice->text() == button) {
                        choice->click();
                    }
                }
            }
        }
    });
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
        model_ = window_->findChild<ui::TakeoffModel*>();
        tester_ = std::make_unique<QAbstractItemModelTester>(model_, QAbstractItemModelTester::FailureReportingMode::Fatal);
        QGuiApplication::clipboard()->setText(kBlock);
        trigger(*window_, "pasteBlock");
    }

    void cleanup()
    {
        tester_.reset();
        window_.reset();
    }

    void pastesTypesAndUndoes()
    {
        QCOMPARE(view_->model()->index(1, 11).data().toString(), "67.5");
        QCOMPARE(shown(*window_, "takeoffTotals"), kTotals);
        QVERIFY(window_->hasUnsavedWork() && window_->windowTitle().contains("[*]") && window_->isWindowModified());
        // Typed below the last station, Enter goes on down: a falling station is left out and said so.
        view_->setCurrentIndex(view_->model()->index(6, 0));
        for (const char key : QByteArray("K0+005\r")) {
            QTest::keyClick(QApplication::focusWidget(), key);
        }
        QCoreApplication::processEvents();  // the editor commits on Enter once the key is through
        QCOMPARE(view_->currentIndex().row(), 8);
        QVERIFY(shown(*window_, "takeoffTotals").startsWith("合计（计入 2 段，共 3 段）：长度 20 米；总方量 137.5"));
        QCOMPARE(shown(*window_, "takeoffProblems"), "第 4 行：桩号“K0+005”不大于上面的桩号，桩号应逐行增大；本行不计入合计");
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
        QCOMPARE(model->table().rows().size(), 3u);
        QCOMPARE(model->table().rows()[2].station, "20");
        const struct {
            QByteArray bytes;
            QString message;
        } broken[] = {
            {"\xEF\xBB\xBF挡土墙C类\r\n", "第 1 行第 1 列"},
            {"挡土墙A类\r\n桩号,A\r\n\xFF\xFF\r\n", "既不是 UTF-8 也不是 GBK"},
            {"挡土墙A类\r\n" + typeAHeader() + "\r\nK0+000,1,2,3,4,5,6,7,8\r\n", "第 3 行"},
            {"挡土墙A类\r\nK0+000,1,2,3,4,5,6\r\n", "第 2 行"},
            {"挡土墙A类\r\n桩号,A,B,H,C,D,X\r\n", "第 2 行第 7 列"},
        };
        for (const auto& file : broken) {
            writeFile(folder.filePath("坏.csv"), file.bytes);
            QString error;
            QVERIFY(!reopened.openFile(folder.filePath("坏.csv"), &error));
            QVERIFY2(error.contains(file.message), qPrintable(error));
            QCOMPARE(shown(reopened, "takeoffTotals"), kTotals);
        }
#ifdef Q_OS_UNIX
        // A pipe would keep the window waiting for ever; only a regular file is opened.
        QVERIFY(mkfifo(QFile::encodeName(folder.filePath("管道.csv")).constData(), 0600) == 0);
        QString error;
        QVERIFY(!reopened.openFile(folder.filePath("管道.csv"), &error));
        QVERIFY2(error.contains("不是普通文件"), qPrintable(error));
#endif
    }

    // WPS and Excel save 「CSV (逗号分隔)」 in GBK, or GB18030 which contains it: such a file reads as
    // its UTF-8 twin, says so, and is saved back as UTF-8.
    void readsGbkAsItsUtf8Twin()
    {
        // As iconv -t GBK gives them: 挡土墙A类 b5b2cdc1c7bd41c0e0, 桩号 d7aebac5, 米 c3d7; and as
        // iconv -t GB18030 gives it, 𠀀 (U+20000, beyond GBK) 95328236.
        const QByteArray gbkHead = QByteArray::fromHex("b5b2cdc1c7bd41c0e0") + "\r\n" + QByteArray::fromHex("d7aebac5") +
                                   ",A,B,H,C,D,E\r\nK0+000,1,2,3,0.5,1.5,2\r\n";
        const QByteArray utf8Head = "挡土墙A类\r\n桩号,A,B,H,C,D,E\r\nK0+000,1,2,3,0.5,1.5,2\r\n";
        const struct {
            QByteArray bytes;
            QByteArray twin;
        } files[] = {
            {gbkHead + "K0+010,1,3,2,1,1,3" + QByteArray::fromHex("c3d7") + "\r\n", utf8Head + "K0+010,1,3,2,1,1,3米\r\n"},
            {gbkHead + "K0+010" + QByteArray::fromHex("95328236") + ",1,3,2,1,1,3\r\n", utf8Head + "K0+010𠀀,1,3,2,1,1,3\r\n"},
        };
        QTemporaryDir folder;
        for (const auto& file : files) {
#ifdef Q_OS_WIN
            // Wine has no code page 54936 and reads GBK alone; Windows has had it since Vista.
            if (!IsValidCodePage(54936) && &file != files) {
                continue;
            }
#endif
            writeFile(folder.filePath("gbk.csv"), file.bytes);
            writeFile(folder.filePath("utf8.csv"), file.twin);
            ui::StationTakeoffWindow gbk;
            ui::StationTakeoffWindow utf8;
            QString error;
            QString note;
            QVERIFY2(gbk.openFile(folder.filePath("gbk.csv"), &error, &note), qPrintable(error));
            QVERIFY2(note.startsWith("已按 GBK 编码读入"), qPrintable(note));
            QVERIFY(utf8.openFile(folder.filePath("utf8.csv"), &error, &note));
            QCOMPARE(note, QString());
            QCOMPARE(gbk.findChild<ui::TakeoffModel*>()->table().rows(), utf8.findChild<ui::TakeoffModel*>()->table().rows());
            QCOMPARE(shown(gbk, "takeoffTotals"), shown(utf8, "takeoffTotals"));
            QVERIFY(gbk.saveFile(folder.filePath("gbk.csv")));
            QVERIFY(readFile(folder.filePath("gbk.csv")).startsWith("\xEF\xBB\xBF挡土墙A类"));
        }
    }

    // A spreadsheet may put the columns in another order, headings and all: they are read by name.
    void readsColumnsByTheirHeadings()
    {
        const QList<QByteArray> names = typeAHeader().split(',');
        QCOMPARE(names.size(), 7);
        QByteArray bytes = "挡土墙A类\r\n" + names[3] + "," + names[1] + "," + names[2] + "," + names[0] + "," +
                           names[4] + "," + names[5] + "," + names[6] + "\r\n";
        for (const char* row : {"3,1,2,K0+000,0.5,1.5,2", "2,1,3,K0+010,1,1,3", "2,1,3,20,1,1,3"}) {
            bytes += QByteArray(row) + "\r\n";
        }
        QTemporaryDir folder;
        writeFile(folder.filePath("换列.csv"), bytes);
        ui::StationTakeoffWindow reopened;
        QVERIFY(reopened.openFile(folder.filePath("换列.csv")));
        QCOMPARE(shown(reopened, "takeoffTotals"), kTotals);
    }

    // Saving over a file that another program changed since asks first; 取消 leaves its change.
    void savingOverAChangedFileAsks()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath("墙.csv");
        QVERIFY(window_->saveFile(path));
        const QByteArray theirs = readFile(path) + "K0+030,1,1,1,1,1,1\r\n";
        writeFile(path, theirs);
        QVERIFY(window_->fileChangedOnDisk());
        model_->setCell(0, 1, "1.5");
        answerLater("OverwriteQuestion", "取消");
        trigger(*window_, "saveTakeoff");
        QCOMPARE(readFile(path), theirs);
        QVERIFY(window_->hasUnsavedWork());
        answerLater("OverwriteQuestion", "覆盖");
        trigger(*window_, "saveTakeoff");
        QVERIFY(!readFile(path).contains("K0+030"));
        QVERIFY(!window_->hasUnsavedWork() && !window_->fileChangedOnDisk());
    }

    void aFailedSaveSaysWhyAndStaysUnsaved()
    {
        QTemporaryDir folder;
        QString error;
        QVERIFY(!window_->saveFile(folder.filePath("没有的文件夹/墙.csv"), &error));
        QVERIFY2(error.contains("不存在"), qPrintable(error));
        QVERIFY(window_->hasUnsavedWork());
    }

    // A text of thousands of characters is kept whole, shown cut, and widens neither its column nor
    // the window; beyond a cell's limit nothing is put in.
    void longTextsAreKeptWholeAndShownCut()
    {
        const QString digits(3000, '7');
        const QString station = "K" + QString(9000, '1');
        QCOMPARE(model_->setCell(0, 3, digits), QString());
        QCOMPARE(model_->setCell(1, 0, station), QString());
        QCOMPARE(model_->index(0, 3).data().toString(), digits);
        QCOMPARE(QString::fromStdString(model_->table().rows()[1].station), station);
        QVERIFY(view_->columnWidth(3) < view_->widestColumn() + 40);
        QVERIFY(view_->columnWidth(0) < view_->widestColumn() + 40);
        QVERIFY(window_->minimumSizeHint().width() < 1000);
        QVERIFY(shown(*window_, "takeoffProblems").size() < 200);
        const auto before = model_->table().rows();
        QVERIFY(model_->pasteBlock(0, 1, QString(10001, '5') + "\t1\n").contains("最多 10000 个字"));
        QVERIFY(model_->table().rows() == before);
        QVERIFY(model_->pasteBlock(99999, 1, "1\n2\n").contains("最多 100000 行"));
        QVERIFY(model_->table().rows() == before);
    }

    // Ctrl+V while a cell is being edited puts a copied block in from that cell, as spreadsheets do.
    void pastingIntoAnOpenEditorPastesTheBlock()
    {
        view_->setCurrentIndex(model_->index(2, 2));
        view_->edit(model_->index(2, 2));
        auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY(editor);
        QGuiApplication::clipboard()->setText("7\t8\n9\t10\n");
        QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(model_->text(2, 2), "7");
        QCOMPARE(model_->text(2, 3), "8");
        QCOMPARE(model_->text(4, 2), "9");
        QCOMPARE(model_->text(4, 3), "10");
    }

    // Random edits of every kind, then undone one by one back to the start and redone to the end:
    // each step gives back exactly the rows it had.
    void undoAndRedoRetraceEveryEdit()
    {
        std::mt19937 random(7);
        const auto pick = [&random](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
        std::vector<std::vector<wallcalc::TakeoffRow>> states{model_->table().rows()};
        const int base = model_->undoStack().index();
        QList<QRect> announced;  // rows and columns said to have changed, as rectangles
        connect(model_, &QAbstractItemModel::dataChanged, this, [&](const QModelIndex& from, const QModelIndex& to) {
            announced << QRect(QPoint(from.column(), from.row()), QPoint(to.column(), to.row()));
        });
        for (int step = 0; step < 300; ++step) {
            const std::vector<QStringList> shownBefore = shownTexts();
            announced.clear();
            const int station = pick(int(model_->table().rows().size()) + 2);
            const int column = pick(model_->inputColumns());
            switch (pick(5)) {
            case 0: {
                const QString typed = pick(3) ? QString("K0+%1").arg(pick(100)) : QString("%1.5").arg(pick(9));
                QCOMPARE(model_->setCell(station, column, typed), QString());
                break;
            }
            case 1: {
                const QString block = QString("%1\t%2\n%3\t\n").arg(pick(50)).arg(pick(9)).arg(pick(50));
                model_->pasteBlock(station, column, block);
                break;
            }
            case 2:
                QCOMPARE(model_->insertStation(station), QString());
                break;
            case 3: {
                const int last = station + pick(3);
                model_->removeStations(station, last);
                break;
            }
            default:
                model_->clearCells({model_->index(ui::TakeoffModel::tableRow(station), column)});
                break;
            }
            if (model_->undoStack().index() - base == int(states.size())) {
                states.push_back(model_->table().rows());
            }
            QCOMPARE(model_->rowCount(), 2 * int(model_->table().rows().size()) + 1);
            // Where no row came or went, every text that changed was announced.
            const std::vector<QStringList> shownAfter = shownTexts();
            for (std::size_t row = 0; shownAfter.size() == shownBefore.size() && row < shownAfter.size(); ++row) {
                for (int column = 0; column < shownAfter[row].size(); ++column) {
                    const QPoint cell(column, int(row));
                    QVERIFY(shownAfter[row][column] == shownBefore[row][column] ||
                            std::any_of(announced.begin(), announced.end(), [&](const QRect& r) { return r.contains(cell); }));
                }
            }
        }
        QCOMPARE(model_->undoStack().index() - base, int(states.size()) - 1);
        for (auto state = states.rbegin() + 1; state != states.rend(); ++state) {
            trigger(*window_, "undoEdit");
            QVERIFY(model_->table().rows() == *state);
        }
        for (auto state = states.begin() + 1; state != states.end(); ++state) {
            trigger(*window_, "redoEdit");
            QVERIFY(model_->table().rows() == *state);
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
    std::vector<QStringList> shownTexts() const
    {
        std::vector<QStringList> rows(std::size_t(model_->rowCount()));
        for (int row = 0; row < model_->rowCount(); ++row) {
            for (int column = 0; column < model_->columnCount(); ++column) {
                rows[std::size_t(row)] << model_->index(row, column).data().toString();
            }
        }
        return rows;
    }

    std::unique_ptr<ui::StationTakeoffWindow> window_;
    ui::TakeoffView* view_ = nullptr;
    ui::TakeoffModel* model_ = nullptr;
    std::unique_ptr<QAbstractItemModelTester> tester_;
};

QTEST_MAIN(StationTakeoffTest)
#include "station_takeoff_test.moc"
