// The take-off window as a user drives it: paste and type, rows, undo, Esc, the totals and messages
// shown, the reading mark on screen, long texts, save and reopen, broken and changed files, the copy
// and the sheet (read back with poppler's tools). Qt's model tester watches the table through every
// edit of every test.
#include "takeoff_window.h"
#include "section_drawing.h"
#include "takeoff_model.h"
#include "takeoff_view.h"

#include "wallcalc/calculators.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QHeaderView>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QTreeWidget>

#include <optional>
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

// What a poppler tool says of the PDF; nothing where the tool is missing (as on Windows).
std::optional<QString> pdfTool(const char* tool, const QStringList& arguments)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForStarted()) {
        return std::nullopt;
    }
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

int pageCount(const QString& pdf)
{
    static const QRegularExpression pages("Pages:\\s+(\\d+)");
    return pages.match(pdfTool("pdfinfo", {pdf}).value_or(QString())).captured(1).toInt();
}

// 400 stations: 300 that cannot be read, and on the others five of the six dimensions typed
// 「1.5m」, read as 1.5.
QString longBlock()
{
    QString block;
    for (int n = 0; n < 400; ++n) {
        block += (n % 4 == 0 ? QString("K%1+000").arg(n) : QString("桩%1").arg(n)) + "\t1.5m\t1.5m\t1.5m\t1.5m\t1.5m\t1\n";
    }
    return block;
}

// Stations a metre apart, every pair computed: a sheet of many pages of working.
QString computedBlock(int stations)
{
    QString block;
    for (int n = 0; n < stations; ++n) {
        block += QString("%1\t1\t2\t3\t0.5\t1.5\t2\n").arg(n);
    }
    return block;
}

}  // namespace

class StationTakeoffTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        window_ = std::make_unique<ui::TakeoffWindow>();
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        window_->startTakeoff(wallcalc::kTypeA);
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

    // What the screen shows: a text that reads otherwise is framed in amber, and no column cuts a digit.
    void marksAndWholeTextsOnScreen()
    {
        paste(0, 2, "2米\n");
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
        ui::TakeoffWindow reopened;
        QVERIFY(reopened.openFile(path));
        QCOMPARE(shown(reopened, "takeoffTotals"), kTotals);
        const auto* model = reopened.findChild<ui::TakeoffModel*>();
        QCOMPARE(model->table().rows().size(), 3u);
        QCOMPARE(model->table().rows()[2].station, "20");
        // The core's reading of a broken file reaches the user, and the open take-off stays.
        writeFile(folder.filePath("坏.csv"), "\xEF\xBB\xBF挡土墙C类\r\n");
        QString error;
        QVERIFY(!reopened.openFile(folder.filePath("坏.csv"), &error));
        QVERIFY2(error.contains("第 1 行第 1 列"), qPrintable(error));
        QCOMPARE(shown(reopened, "takeoffTotals"), kTotals);
#ifdef Q_OS_UNIX
        // A pipe would keep the window waiting for ever; only a regular file is opened.
        QVERIFY(mkfifo(QFile::encodeName(folder.filePath("管道.csv")).constData(), 0600) == 0);
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
        const QList<std::pair<QByteArray, QByteArray>> lastCells{{"c3d7", "米"}, {"95328236", "𠀀"}};
        QTemporaryDir folder;
        for (const auto& [gbkHex, utf8Text] : lastCells) {
#ifdef Q_OS_WIN
            // Wine has no code page 54936 and reads GBK alone; Windows has had it since Vista.
            if (!IsValidCodePage(54936) && gbkHex != "c3d7") {
                continue;
            }
#endif
            writeFile(folder.filePath("gbk.csv"), QByteArray::fromHex("b5b2cdc1c7bd41c0e0") + "\r\n" + QByteArray::fromHex("d7aebac5") +
                                                      ",A,B,H,C,D,E\r\nK0+000,1,2,3,0.5,1.5,2\r\nK0+010,1,3,2,1,1,3" +
                                                      QByteArray::fromHex(gbkHex) + "\r\n");
            writeFile(folder.filePath("utf8.csv"), "挡土墙A类\r\n桩号,A,B,H,C,D,E\r\nK0+000,1,2,3,0.5,1.5,2\r\nK0+010,1,3,2,1,1,3" + utf8Text + "\r\n");
            ui::TakeoffWindow gbk;
            ui::TakeoffWindow utf8;
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

    // Saving over a file that another program changed since asks first; 取消 leaves its change. A save
    // that fails says why and leaves the work unsaved.
    void savingOverAChangedFileAsksAndAFailedSaveSaysWhy()
    {
        QTemporaryDir folder;
        QString error;
        QVERIFY(!window_->saveFile(folder.filePath("没有的文件夹/墙.csv"), &error));
        QVERIFY2(error.contains("不存在"), qPrintable(error));
        QVERIFY(window_->hasUnsavedWork());
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
        QVERIFY(listed().join("").size() < 300);
        const auto before = model_->table().rows();
        QVERIFY(model_->pasteBlock(0, 1, QString(10001, '5') + "\t1\n").contains("最多 10000 个字"));
        QVERIFY(model_->table().rows() == before);
        QVERIFY(model_->pasteBlock(99999, 1, "1\n2\n").contains("最多 100000 行"));
        QVERIFY(model_->table().rows() == before);
    }

    // Every flagged cell and section is listed with why; choosing an entry goes there, and the list
    // and the totals line follow each edit and its undo.
    void listsWhatToCheckAndGoesThere()
    {
        model_->setCell(1, 4, "1000");   // C at K0+010, among 0.5 and 1
        model_->setCell(2, 3, "");       // H at 20 left empty
        model_->setCell(0, 2, "1.5m");
        const QStringList expected{
            "1|K0+000|B|1.5|读作 1.5",
            "2|K0+010|C|1000|读作 1000，与前后几个桩号的同一尺寸相差五倍以上，请核对",
            "3|20|H|0|空格按 0 计算",
        };
        QCOMPARE(listed(), expected);
        QVERIFY(shown(*window_, "takeoffTotals").endsWith("；另有 3 处需要核对"));
        trigger(*window_, "copySheet");
        QVERIFY(QGuiApplication::clipboard()->text().contains("\t另有 3 处需要核对\n"));
        for (const auto& [row, column] : {std::pair(0, 2), std::pair(2, 4), std::pair(4, 3)}) {
            QVERIFY(model_->index(row, column).data(ui::TakeoffModel::MarkRole).toBool());
        }
        auto* list = window_->findChild<QTreeWidget*>("takeoffProblems");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->topLevelItem(1)).center());
        QCOMPARE(view_->currentIndex(), model_->index(2, 4));
        for (int step = 0; step < 3; ++step) {
            trigger(*window_, "undoEdit");
        }
        QCOMPARE(listed(), QStringList());
        QCOMPARE(shown(*window_, "takeoffTotals"), kTotals);
    }

    // The strip along the wall shows each station's height and, apart, its foundation's depth: Type A's
    // wall body on its foundation, the foundation calculator's shapes all foundation.
    void theStripMeasuresTheWallAndItsFoundation()
    {
        const auto extent = [](const wallcalc::Calculator& calculator, const std::vector<double>& dimensions) {
            const ui::SectionExtent measured = ui::sectionExtent(calculator, dimensions);
            return std::pair(measured.height, measured.foundation);
        };
        QCOMPARE(extent(wallcalc::kTypeA, {1, 2, 3, 0.5, 1.5, 2}), std::pair(4.5, 1.5));
        QCOMPARE(extent(wallcalc::kFoundation, {3, 2, 0, 0, 1, 2, 1, 0, 0, 0}), std::pair(3.0, 3.0));
    }

    // The current station's section is drawn to scale and follows every keystroke; the 汇总 page
    // holds the 工程数量表 as billed; the 桩号 column stays in view while the table scrolls sideways.
    void drawsTheSectionSumsTheQuantitiesAndKeepsTheStations()
    {
        window_->resize(700, 500);
        view_->setCurrentIndex(model_->index(2, 2));
        auto* section = window_->findChild<QWidget*>("sectionView");
        QVERIFY(section && section->isVisible());
        const QImage before = section->grab().toImage();
        model_->setCell(1, 2, "6");  // B at K0+010 twice as wide
        QVERIFY(section->grab().toImage() != before);
        model_->setCell(1, 2, "3");
        QCOMPARE(section->grab().toImage(), before);

        auto* pages = window_->findChild<QTabWidget*>("takeoffPages");
        pages->setCurrentIndex(1);
        auto* summary = window_->findChild<QTableWidget*>("takeoffSummary");
        QVERIFY(summary->isVisible());
        const auto row = [summary](int n) {
            QStringList cells;
            for (int column = 0; column < 7; ++column) {
                cells << summary->item(n, column)->text();
            }
            return cells.join('|');
        };
        QCOMPARE(summary->rowCount(), 3);
        QVERIFY2(row(0).startsWith("K0+000 ～ K0+010|10.00|"), qPrintable(row(0)));
        QVERIFY2(row(2).endsWith("|20.00|||137.50|55.00|82.50"), qPrintable(row(2)));
        pages->setCurrentIndex(0);

        auto* stations = view_->findChild<QTableView*>("takeoffStations");
        const QRect left(view_->verticalHeader()->width() + view_->frameWidth(), 0, view_->columnWidth(0), view_->height() / 2);
        const QImage shown = view_->grab(left).toImage();
        QVERIFY(view_->horizontalScrollBar()->maximum() > 0);
        view_->horizontalScrollBar()->setValue(view_->horizontalScrollBar()->maximum());
        QVERIFY(stations->isVisible());
        // The same stations where they were, but for the line that marks the column's right edge.
        const QRect inside(0, 0, left.width() - 4, left.height());
        QCOMPARE(view_->grab(left).toImage().copy(inside), shown.copy(inside));
        view_->horizontalScrollBar()->setValue(0);
        QVERIFY(!stations->isVisible());
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

    // Esc drops what a cell's editor holds; out of the editor it returns, as 返回 and the close box do.
    void escDropsAnEditThenReturns()
    {
        QSignalSpy returned(window_.get(), &ui::TakeoffWindow::returned);
        view_->edit(model_->index(0, 1));
        QTest::keyClicks(QApplication::focusWidget(), "7");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QCOMPARE(model_->index(0, 1).data().toString(), "1");
        QCOMPARE(returned.count(), 0);
        QTest::keyClick(view_, Qt::Key_Escape);
        QCOMPARE(returned.count(), 1);
        QVERIFY(!window_->isVisible());
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
        // The 工程数量表 after it: L, s1, s2, the three volumes, the prismoidal check, 备注.
        QVERIFY(copied->text().contains("\nK0+010 ～ 20\t10.00\t7.00\t7.00\t70.00\t30.00\t40.00\t70.00\t0.00\t\n"));
        QVERIFY(copied->text().endsWith("\n合计（计入 2 段，共 2 段）\t20.00\t\t\t137.50\t55.00\t82.50\t\t\t\n"));
        QVERIFY(copied->html().contains("x:num=\"137.5\" sdval=\"137.5\" sdnum=\"2052;0;General\">137.50</td>"));
        QTemporaryDir folder;
        QCOMPARE(window_->exportPdf(folder.filePath("墙.pdf")), QString());
        const std::optional<QString> text = pdfTool("pdftotext", {folder.filePath("墙.pdf"), "-"});
        if (!text) {
            QSKIP("no pdftotext here to read the sheet back (as on Windows)");
        }
        for (const char* line : {"第 2 段：K0+010 ～ 20，长度 10 米", "总方量 137.5 立方米", "两断面之间的挡墙长度"}) {
            QVERIFY2(text->contains(line), line);
        }
    }

    // Rounded rows whose sum differs from the rounded sum of the full figures: the printed total is
    // the sum of the printed rows.
    void theQuantityTableAddsUpAsPrinted()
    {
        paste(0, 0, "K0+000\t1.3366\t2\t3\t0.5\t1.5\t2\nK0+001\t1.3366\t2\t3\t0.5\t1.5\t2\n"
                    "K0+002\t1.3366\t2\t3\t0.5\t1.5\t2\nK0+003\t1.3366\t2\t3\t0.5\t1.5\t2\n");
        QTemporaryDir folder;
        QCOMPARE(window_->exportPdf(folder.filePath("墙.pdf"), true), QString());
        const std::optional<QString> text = pdfTool("pdftotext", {"-layout", folder.filePath("墙.pdf"), "-"});
        if (!text) {
            QSKIP("no pdftotext here to read the sheet back (as on Windows)");
        }
        // Each metre's 7.0049 prints 7.00 and the total is their sum, 21.00; the full figures' 21.0147
        // would print 21.01.
        const QString totals = text->section("合计（计入 3 段", 1, 1).section('\n', 0, 0);
        QVERIFY2(totals.split(' ', Qt::SkipEmptyParts).contains("21.00"), qPrintable(totals));
        QVERIFY(!text->contains("三、各段计算"));
    }

    // Every note and every row left out is printed, the page count is right, the summary alone is
    // its first pages, and 取消 writes no file.
    void aLongSheetKeepsEveryLineAndCanBeStopped()
    {
        paste(0, 0, longBlock());
        QTemporaryDir folder;
        const QString whole = folder.filePath("全部.pdf");
        QCOMPARE(window_->exportPdf(whole), QString());
        const std::optional<QString> text = pdfTool("pdftotext", {whole, "-"});
        if (!text) {
            QSKIP("no pdftotext here to read the sheet back (as on Windows)");
        }
        QCOMPARE(text->count(QRegularExpression("第 \\d+ 行 [A-Z] 读作 1.5\\n")), 2000);
        QCOMPARE(text->count(QRegularExpression("第 \\d+ 行：桩号“桩\\d+”读不出")), 300);
        const int pages = pageCount(whole);
        QVERIFY(pages > 20);
        QVERIFY(text->contains(QString("第 1 页 共 %1 页").arg(pages)));
        QVERIFY(text->contains(QString("第 %1 页 共 %1 页").arg(pages)));

        const QString summary = folder.filePath("汇总.pdf");
        QCOMPARE(window_->exportPdf(summary, true), QString());
        const int summaryPages = pageCount(summary);
        QVERIFY(summaryPages > 1 && summaryPages < pages / 2);
        const QString summaryText = pdfTool("pdftotext", {summary, "-"}).value_or(QString());
        QVERIFY(summaryText.contains("K396+000 ～ 桩397") && !summaryText.contains("读作"));
        QVERIFY(summaryText.contains(QString("第 %1 页 共 %1 页").arg(summaryPages)));

        // 取消 on the progress dialog of a sheet that takes a while: the file there before stays as it was.
        QGuiApplication::clipboard()->setText(computedBlock(1000));
        trigger(*window_, "pasteBlock");
        writeFile(whole, "before");
        QTimer poll;
        connect(&poll, &QTimer::timeout, [&poll] {
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                if (auto* progress = qobject_cast<QProgressDialog*>(widget); progress && progress->isVisible()) {
                    progress->cancel();
                    poll.stop();
                }
            }
        });
        poll.start(50);
        QCOMPARE(window_->exportPdf(whole), QString());
        QVERIFY2(!poll.isActive(), "no progress dialog showed");
        QCOMPARE(readFile(whole), "before");
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files).size(), 2);  // no temporary left beside it
    }

private:
    // A block copied and put in from that cell with 粘贴.
    void paste(int row, int column, const QString& block)
    {
        view_->setCurrentIndex(model_->index(row, column));
        QGuiApplication::clipboard()->setText(block);
        trigger(*window_, "pasteBlock");
    }

    // The list of what to check, an entry a line of its columns joined by 「|」.
    QStringList listed() const
    {
        const auto* list = window_->findChild<QTreeWidget*>("takeoffProblems");
        QStringList entries;
        for (int n = 0; n < list->topLevelItemCount(); ++n) {
            QStringList cells;
            for (int column = 0; column < list->columnCount(); ++column) {
                cells << list->topLevelItem(n)->text(column);
            }
            entries << cells.join('|');
        }
        return entries;
    }

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

    std::unique_ptr<ui::TakeoffWindow> window_;
    ui::TakeoffView* view_ = nullptr;
    ui::TakeoffModel* model_ = nullptr;
    std::unique_ptr<QAbstractItemModelTester> tester_;
};

QTEST_MAIN(StationTakeoffTest)
#include "takeoff_window_test.moc"
