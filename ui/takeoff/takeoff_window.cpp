// The take-off window: its pages, menus and files. The table, its edits and its sheet live beside it.
#include "takeoff_window.h"

#include "dialog_folder.h"
#include "pixel_grid_column.h"
#include "takeoff_disk.h"
#include "quantity_cells.h"
#include "section_drawing.h"
#include "sheet_document.h"
#include "sheet_printing.h"
#include "sheet_progress.h"
#include "takeoff_model.h"
#include "takeoff_sheet.h"
#include "takeoff_view.h"
#include "takeoff_workbook.h"
#include "wall_strip.h"
#include "window_placement.h"

#include "wallcalc/calculators.h"

#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QDragEnterEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QHeaderView>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace ui {

namespace {

const QString kFilter = QStringLiteral("逐桩计算文件 (*.csv)");

}  // namespace

TakeoffWindow::TakeoffWindow(QWidget* parent)
    : ReturningWindow(parent), model_(new TakeoffModel(this)), view_(new TakeoffView(*model_)),
      pages_(new QStackedWidget), problems_(new QTreeWidget), totals_(new QLabel), section_(new SectionDrawing),
      strip_(new WallStrip),
      summary_(new QTableWidget)
{
    setObjectName(QStringLiteral("StationTakeoffWindow"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_);
    auto* editor = new QWidget;
    auto* editorLayout = new QVBoxLayout(editor);
    editorLayout->setContentsMargins(0, 0, 0, 0);
    // Beside the table, the current station's section to scale and the wall along its stations.
    auto* middle = new QHBoxLayout;
    auto* tabs = new QTabWidget;
    tabs->setObjectName(QStringLiteral("takeoffPages"));
    tabs->addTab(view_, QStringLiteral("逐桩"));
    tabs->addTab(summary_, QStringLiteral("汇总（工程数量表）"));
    summary_->setObjectName(QStringLiteral("takeoffSummary"));
    summary_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    summary_->verticalHeader()->hide();
    summary_->setWordWrap(false);
    connect(tabs, &QTabWidget::currentChanged, this, &TakeoffWindow::showSummary);
    middle->addWidget(tabs, 1);
    auto* side = new QVBoxLayout;
    section_->setFixedWidth(280);
    strip_->setFixedWidth(280);
    side->addWidget(section_, 1);
    side->addWidget(strip_);
    middle->addLayout(side);
    editorLayout->addLayout(middle, 1);
    problems_->setObjectName(QStringLiteral("takeoffProblems"));
    problems_->setAccessibleName(QStringLiteral("需要核对的地方"));
    problems_->setHeaderLabels({QStringLiteral("行"), QStringLiteral("桩号"), QStringLiteral("栏"),
                                QStringLiteral("读作"), QStringLiteral("为什么")});
    problems_->setRootIsDecorated(false);
    problems_->setUniformRowHeights(true);
    problems_->setTextElideMode(Qt::ElideRight);
    // The window's width is the table's to set, never a message's.
    problems_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    problems_->setFixedHeight(7 * (fontMetrics().height() + 6));
    // Set once for texts of their usual length: measuring every entry after every edit would cost
    // a pause a keystroke on a long take-off.
    const char* const widest[] = {"99999–99999", "K9+999.999～K9+999.999", "左三角形的底边", "-0.000000000"};
    for (int column = 0; column < int(std::size(widest)); ++column) {
        problems_->setColumnWidth(column, fontMetrics().horizontalAdvance(QString::fromUtf8(widest[column])) + 16);
    }
    connect(problems_, &QTreeWidget::itemActivated, this, &TakeoffWindow::goToCheck);
    connect(problems_, &QTreeWidget::itemClicked, this, &TakeoffWindow::goToCheck);
    editorLayout->addWidget(problems_);
    totals_->setWordWrap(true);
    totals_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    totals_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    totals_->setObjectName(QStringLiteral("takeoffTotals"));
    editorLayout->addWidget(totals_);
    pages_->addWidget(startPanel());
    pages_->addWidget(editor);
    addMenus();
    connect(model_, &TakeoffModel::recomputed, this, &TakeoffWindow::refreshTotals);
    connect(view_, &TakeoffView::blockPasted, this, &TakeoffWindow::paste);
    connect(model_, &TakeoffModel::recomputed, this, &TakeoffWindow::showSection);
    connect(model_, &TakeoffModel::recomputed, this, &TakeoffWindow::showSummary);
    connect(view_->selectionModel(), &QItemSelectionModel::currentChanged, this, &TakeoffWindow::showSection);
    connect(&model_->undoStack(), &QUndoStack::cleanChanged, this, &TakeoffWindow::updateTitle);
    setAcceptDrops(true);
    resize(1000, 640);
    fitOnScreen(*this);
    updateTitle();
}

// The undo stack, going with the model among the children, says it is clean as it goes: by then
// this window is no longer one to update.
TakeoffWindow::~TakeoffWindow()
{
    disconnect(&model_->undoStack(), nullptr, this, nullptr);
}

QWidget* TakeoffWindow::startPanel()
{
    auto* panel = new PixelGridColumn(220);
    auto* prompt = new QLabel(QStringLiteral("新建逐桩计算，请选择计算类型："));
    prompt->setAlignment(Qt::AlignCenter);
    panel->addWidget(prompt);
    for (std::size_t n = 0; n < wallcalc::kCalculators.size(); ++n) {
        const wallcalc::Calculator& calculator = *wallcalc::kCalculators[n];
        auto* button = new QPushButton(QString::fromUtf8(calculator.caption));
        button->setObjectName(QStringLiteral("startTakeoff%1").arg(n));
        connect(button, &QPushButton::clicked, this, [this, &calculator] { startTakeoff(calculator); });
        panel->addWidget(button);
    }
    auto* open = new QPushButton(QStringLiteral("打开逐桩计算文件…"));
    open->setObjectName(QStringLiteral("startOpen"));
    connect(open, &QPushButton::clicked, this, &TakeoffWindow::openWithDialog);
    panel->addSpacing(12);
    panel->addWidget(open);
    return panel;
}

void TakeoffWindow::addMenus()
{
    QMenuBar* bar = addMenuBar();
    QMenu* file = bar->addMenu(QStringLiteral("文件(&F)"));
    addEntry(*file, "newTakeoff", QStringLiteral("新建…"), QKeySequence::New, [this] { newTakeoff(); });
    addEntry(*file, "openTakeoff", QStringLiteral("打开…"), QKeySequence::Open, [this] { openWithDialog(); });
    addEntry(*file, "saveTakeoff", QStringLiteral("保存"), QKeySequence::Save, [this] { save(); });
    addEntry(*file, "saveTakeoffAs", QStringLiteral("另存为…"), {}, [this] { saveAs(); });
    file->addSeparator();
    addEntry(*file, "printSheet", QStringLiteral("打印计算书…"), QKeySequence::Print, [this] { printSheet(); });
    // The calculators export with the same keys.
    addEntry(*file, "exportPdf", QStringLiteral("导出计算书为 PDF…"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
        [this] { exportPdfAs(); });
    addEntry(*file, "exportXlsx", QStringLiteral("导出为 Excel 工作簿…"), {}, [this] { exportWorkbookAs(); });
    addReturnEntry(*file);
    QMenu* edit = bar->addMenu(QStringLiteral("编辑(&E)"));
    QAction* undo = model_->undoStack().createUndoAction(this, QStringLiteral("撤销"));
    undo->setObjectName("undoEdit");
    undo->setShortcut(QKeySequence::Undo);
    QAction* redo = model_->undoStack().createRedoAction(this, QStringLiteral("重做"));
    redo->setObjectName("redoEdit");
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    edit->addActions({undo, redo});
    addActions({undo, redo});
    edit->addSeparator();
    addEntry(*edit, "pasteBlock", QStringLiteral("粘贴"), QKeySequence::Paste, [this] { paste(); });
    addEntry(*edit, "clearCells", QStringLiteral("清除内容"), QKeySequence::Delete, [this] { clearCells(); });
    addEntry(*edit, "insertRow", QStringLiteral("插入行"), QKeySequence(Qt::CTRL | Qt::Key_Insert), [this] { insertRow(); });
    addEntry(*edit, "deleteRows", QStringLiteral("删除行"), QKeySequence(Qt::CTRL | Qt::Key_Delete), [this] { deleteRows(); });
    edit->addSeparator();
    addEntry(*edit, "copySheet", QStringLiteral("复制计算表"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C),
        [this] { copySheet(); });
}

bool TakeoffWindow::hasUnsavedWork() const
{
    return !model_->undoStack().isClean();
}

bool TakeoffWindow::settleUnsavedWork()
{
    if (!hasUnsavedWork()) {
        return true;
    }
    QMessageBox question(QMessageBox::Question, QStringLiteral("逐桩计算"),
                         QStringLiteral("逐桩计算有没有保存的改动，要保存吗？"),
                         QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    question.setObjectName(QStringLiteral("SettleQuestion"));
    question.button(QMessageBox::Save)->setText(QStringLiteral("保存"));
    question.button(QMessageBox::Discard)->setText(QStringLiteral("不保存"));
    question.button(QMessageBox::Cancel)->setText(QStringLiteral("取消"));
    switch (question.exec()) {
    case QMessageBox::Save:
        return save();
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

bool TakeoffWindow::openFile(const QString& path, QString* error, QString* note)
{
    std::optional<TakeoffFile> file = readTakeoffFile(path, error);
    if (!file) {
        return false;
    }
    if (note) {
        *note = file->readAsGbk ? QStringLiteral("已按 GBK 编码读入。保存时会存为 UTF-8 编码。") : QString();
    }
    model_->start(wallcalc::TakeoffTable(*file->takeoff.calculator, std::move(file->takeoff.rows)));
    path_ = path;
    digest_ = file->digest;
    showTakeoff();
    return true;
}

bool TakeoffWindow::saveFile(const QString& path, QString* error)
{
    const std::optional<QByteArray> digest = writeTakeoffFile(
        path, {&model_->table().calculator(), model_->table().used()}, model_->columns().inputHeadings, error);
    if (!digest) {
        return false;
    }
    path_ = path;
    digest_ = *digest;
    model_->undoStack().setClean();
    updateTitle();
    return true;
}

bool TakeoffWindow::fileChangedOnDisk() const
{
    return !path_.isEmpty() && QFileInfo::exists(path_) && fileDigest(path_) != digest_;
}

void TakeoffWindow::startTakeoff(const wallcalc::Calculator& calculator)
{
    model_->start(wallcalc::TakeoffTable(calculator));
    path_.clear();
    digest_.clear();
    showTakeoff();
}

void TakeoffWindow::showTakeoff()
{
    pages_->setCurrentIndex(1);
    updateTitle();
    view_->setCurrentIndex(model_->index(0, 0));
    view_->setFocus();
}

void TakeoffWindow::updateTitle()
{
    if (pages_->currentIndex() == 0) {
        setWindowTitle(QStringLiteral("逐桩计算"));
        setWindowModified(false);
        return;
    }
    const QString name = path_.isEmpty() ? QStringLiteral("未命名") : QFileInfo(path_).fileName();
    setWindowTitle(QStringLiteral("%1[*] - %2 - 逐桩计算").arg(name, QString::fromUtf8(model_->table().calculator().caption)));
    setWindowModified(hasUnsavedWork());
}

// The list is made anew after every edit; a few hundred entries are plenty to work through, and
// the table marks every one.
void TakeoffWindow::refreshTotals()
{
    constexpr std::size_t kListed = 500;
    const TakeoffTexts texts = model_->texts();
    const std::vector<CheckEntry> entries = texts.checkEntries(kListed);
    problems_->clear();
    QList<QTreeWidgetItem*> items;
    for (const CheckEntry& entry : entries) {
        auto* item = new QTreeWidgetItem({entry.rows, entry.station, entry.heading, entry.read, entry.why});
        item->setToolTip(4, entry.why);
        item->setData(0, Qt::UserRole,
                      QPoint(entry.column, TakeoffModel::tableRow(int(entry.row)) + (entry.pair ? 1 : 0)));
        items << item;
    }
    if (const std::size_t count = texts.checkCount(); count > entries.size()) {
        items << new QTreeWidgetItem({QString(), QString(), QString(), QString(),
                                      QStringLiteral("……共 %1 处，这里只列出前 %2 处，表中都已标出").arg(count).arg(entries.size())});
    }
    problems_->addTopLevelItems(items);
    problems_->setVisible(!items.isEmpty());
    totals_->setText(texts.totalsLine());
}

// The section of the cursor's station row, the row above it dashed behind (the row below for the
// first), and the strip of every station that reads.
void TakeoffWindow::showSection()
{
    const TakeoffTexts texts = model_->texts();
    const wallcalc::TakeoffTable& table = model_->table();
    const auto section = [&](std::size_t row) {
        DrawnSection drawn{{}, QStringLiteral("第 %1 行 %2").arg(row + 1).arg(quoted(texts.input(row, wallcalc::kStationColumn)))};
        for (const std::string& input : table.rows()[row].inputs) {
            drawn.dimensions.push_back(drawnValue(QString::fromStdString(input)));
        }
        return drawn;
    };
    const std::size_t rows = table.rows().size();
    const std::size_t current = std::size_t(std::max(currentStation(), 0));
    if (current >= rows) {
        section_->setSections(table.calculator(), {});
    } else {
        std::optional<DrawnSection> neighbour;
        if (current > 0 || current + 1 < rows) {
            neighbour = section(current > 0 ? current - 1 : current + 1);
        }
        section_->setSections(table.calculator(), {section(current)}, neighbour);
    }
    std::vector<StripStation> stations;
    int marked = -1;
    for (std::size_t row = 0; row < table.usedRows(); ++row) {
        const auto* metres = std::get_if<wallcalc::ExactMetres>(&table.readings()[row]);
        if (!metres) {
            continue;
        }
        marked = row == current ? int(stations.size()) : marked;
        const SectionExtent extent = sectionExtent(table.calculator(), section(row).dimensions);
        stations.push_back({double(metres->micrometres) / 1e6, extent.height, extent.foundation});
    }
    strip_->setStations(std::move(stations), marked);
}

// Made while it is in view only: its cross-check presses every pair once more.
void TakeoffWindow::showSummary()
{
    if (!summary_->isVisible() && summary_->rowCount() > 0) {
        summary_->setRowCount(0);
        return;
    }
    if (!summary_->isVisible()) {
        return;
    }
    const QuantityCells cells = quantityCells(model_->texts());
    summary_->clear();
    summary_->setColumnCount(int(cells.headings.size()));
    summary_->setRowCount(int(cells.rows.size()) + 1);
    summary_->setHorizontalHeaderLabels(cells.headings);
    QFont bold = summary_->font();
    bold.setBold(true);
    const auto put = [this](int row, const QStringList& texts, const QFont* font) {
        for (int column = 0; column < texts.size(); ++column) {
            auto* item = new QTableWidgetItem(texts[column]);
            item->setTextAlignment(column == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignRight | Qt::AlignVCenter);
            if (font) {
                item->setFont(*font);
            }
            summary_->setItem(row, column, item);
        }
    };
    for (std::size_t row = 0; row < cells.rows.size(); ++row) {
        put(int(row), cells.rows[row], nullptr);
    }
    put(int(cells.rows.size()), cells.totals, &bold);
    summary_->resizeColumnsToContents();
}

void TakeoffWindow::goToCheck(QTreeWidgetItem* item)
{
    const QVariant target = item->data(0, Qt::UserRole);
    if (target.isValid()) {
        const QPoint cell = target.toPoint();
        view_->setCurrentIndex(model_->index(cell.y(), cell.x()));
        view_->scrollTo(view_->currentIndex());
        view_->setFocus();
    }
}

void TakeoffWindow::newTakeoff()
{
    if (settleUnsavedWork()) {
        model_->start(wallcalc::TakeoffTable(model_->table().calculator()));
        path_.clear();
        digest_.clear();
        pages_->setCurrentIndex(0);
        updateTitle();
    }
}

void TakeoffWindow::openWithDialog()
{
    if (!settleUnsavedWork()) {
        return;
    }
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("打开逐桩计算"), dialogFolder(), kFilter);
    rememberDialogFolder(path);
    if (!path.isEmpty()) {
        openOrTell(path);
    }
}

void TakeoffWindow::openGiven(const QString& path)
{
    if (settleUnsavedWork()) {
        openOrTell(QFileInfo(path).absoluteFilePath());
    }
}

void TakeoffWindow::openOrTell(const QString& path)
{
    QString error;
    QString note;
    if (!openFile(path, &error, &note)) {
        QMessageBox::warning(this, QStringLiteral("逐桩计算"), error);
    }
    tell(note);
}

// One take-off file dragged from the file manager; anything else is refused as it comes in.
QString TakeoffWindow::droppedFile(const QMimeData* data)
{
    const QList<QUrl> urls = data->urls();
    if (urls.size() != 1 || !urls[0].isLocalFile()) {
        return {};
    }
    const QString path = urls[0].toLocalFile();
    return QFileInfo(path).suffix().compare(QStringLiteral("csv"), Qt::CaseInsensitive) == 0 ? path : QString();
}

void TakeoffWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (!droppedFile(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

// The question about unsaved work waits until the drop is over, so the file manager is not held
// in its drag while the user thinks.
void TakeoffWindow::dropEvent(QDropEvent* event)
{
    const QString path = droppedFile(event->mimeData());
    if (!path.isEmpty()) {
        event->acceptProposedAction();
        QTimer::singleShot(0, this, [this, path] { openGiven(path); });
    }
}

bool TakeoffWindow::save()
{
    if (path_.isEmpty()) {
        return saveAs();
    }
    switch (askBeforeOverwriting()) {
    case Overwrite::Cancel:
        return false;
    case Overwrite::Elsewhere:
        return saveAs();
    case Overwrite::Yes:
        break;
    }
    QString error;
    if (!saveFile(path_, &error)) {
        QMessageBox::warning(this, QStringLiteral("逐桩计算"), error + QStringLiteral("\n改动仍未保存。"));
        return false;
    }
    return true;
}

TakeoffWindow::Overwrite TakeoffWindow::askBeforeOverwriting()
{
    if (!fileChangedOnDisk()) {
        return Overwrite::Yes;
    }
    QMessageBox question(QMessageBox::Warning, QStringLiteral("逐桩计算"),
                         QStringLiteral("“%1”在打开或上次保存之后被别的程序改过。保存会覆盖那些改动。")
                             .arg(QDir::toNativeSeparators(path_)),
                         QMessageBox::NoButton, this);
    question.setObjectName(QStringLiteral("OverwriteQuestion"));
    QPushButton* overwrite = question.addButton(QStringLiteral("覆盖"), QMessageBox::AcceptRole);
    QPushButton* elsewhere = question.addButton(QStringLiteral("另存为…"), QMessageBox::ActionRole);
    question.addButton(QStringLiteral("取消"), QMessageBox::RejectRole);
    question.exec();
    return question.clickedButton() == overwrite   ? Overwrite::Yes
           : question.clickedButton() == elsewhere ? Overwrite::Elsewhere
                                                   : Overwrite::Cancel;
}

bool TakeoffWindow::saveAs()
{
    if (pages_->currentIndex() == 0) {
        return false;
    }
    QString path = QFileDialog::getSaveFileName(this, QStringLiteral("另存逐桩计算"),
                                                path_.isEmpty() ? dialogFolderWith(QStringLiteral("逐桩计算.csv")) : path_,
                                                kFilter);
    if (path.isEmpty()) {
        return false;
    }
    if (QFileInfo(path).suffix().isEmpty()) {
        path += QStringLiteral(".csv");
    }
    QString error;
    if (!saveFile(path, &error)) {
        QMessageBox::warning(this, QStringLiteral("逐桩计算"), error + QStringLiteral("\n改动仍未保存。"));
        return false;
    }
    rememberDialogFolder(path);
    return true;
}

int TakeoffWindow::currentStation() const
{
    return pages_->currentIndex() == 0 ? -1 : TakeoffModel::station(std::max(view_->currentIndex().row(), 0));
}

void TakeoffWindow::paste()
{
    const QModelIndex current = view_->currentIndex();
    if (currentStation() < 0 || !current.isValid() || current.column() >= model_->inputColumns()) {
        return;
    }
    tell(model_->pasteBlock(currentStation(), current.column(), QApplication::clipboard()->text()));
}

void TakeoffWindow::insertRow()
{
    if (currentStation() >= 0) {
        tell(model_->insertStation(currentStation()));
    }
}

void TakeoffWindow::tell(const QString& message)
{
    if (!message.isEmpty()) {
        QMessageBox::information(this, QStringLiteral("逐桩计算"), message);
    }
}

void TakeoffWindow::deleteRows()
{
    if (currentStation() < 0) {
        return;
    }
    int first = currentStation();
    int last = first;
    for (const QModelIndex& index : view_->selectionModel()->selectedIndexes()) {
        first = std::min(first, TakeoffModel::station(index.row()));
        last = std::max(last, TakeoffModel::station(index.row()));
    }
    model_->removeStations(first, last);
}

void TakeoffWindow::clearCells()
{
    if (currentStation() >= 0) {
        model_->clearCells(view_->selectionModel()->selectedIndexes());
    }
}

void TakeoffWindow::copySheet()
{
    if (currentStation() >= 0) {
        QApplication::clipboard()->setMimeData(takeoffMimeData(model_->texts()));
    }
}

QString TakeoffWindow::sheetTitle() const
{
    return path_.isEmpty() ? QStringLiteral("未命名") : QFileInfo(path_).completeBaseName();
}

void TakeoffWindow::printSheet()
{
    if (currentStation() < 0) {
        return;
    }
    const std::optional<bool> summaryOnly = askSummaryOnly(this, QStringLiteral("打印计算书"));
    if (summaryOnly) {
        const QDateTime made = QDateTime::currentDateTime();
        previewAndPrint(
            *this, QString::fromUtf8(model_->table().calculator().caption) + ' ' + sheetTitle(),
            [&](QPagedPaintDevice& device) {
                SheetProgress progress(this);
                return paintTakeoffSheet(device, model_->texts(), sheetTitle(), made, *summaryOnly, progress.callback());
            },
            [&] { exportPdfChosen(*summaryOnly); });
    }
}

QString TakeoffWindow::exportPdf(const QString& path, bool summaryOnly)
{
    const QDateTime made = QDateTime::currentDateTime();
    SheetProgress progress(this);
    return writePdf(path, QString::fromUtf8(model_->table().calculator().caption) + ' ' + sheetTitle(), [&](QPagedPaintDevice& device) {
        return paintTakeoffSheet(device, model_->texts(), sheetTitle(), made, summaryOnly, progress.callback());
    });
}

void TakeoffWindow::exportPdfAs()
{
    if (currentStation() < 0) {
        return;
    }
    const std::optional<bool> summaryOnly = askSummaryOnly(this, QStringLiteral("导出计算书为 PDF"));
    if (summaryOnly) {
        exportPdfChosen(*summaryOnly);
    }
}

void TakeoffWindow::exportPdfChosen(bool summaryOnly)
{
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("导出计算书为 PDF"),
                                                      dialogFolderWith((path_.isEmpty() ? QStringLiteral("逐桩计算") : sheetTitle()) +
                                                                       QStringLiteral(" 计算书.pdf")),
                                                      QStringLiteral("PDF 文件 (*.pdf)"));
    if (path.isEmpty()) {
        return;
    }
    const QString error = exportPdf(path, summaryOnly);
    if (!error.isEmpty()) {
        QMessageBox::warning(this, QStringLiteral("逐桩计算"), error);
        return;
    }
    rememberDialogFolder(path);
}

void TakeoffWindow::exportWorkbookAs()
{
    if (currentStation() < 0) {
        return;
    }
    const QString suggested = (path_.isEmpty() ? QStringLiteral("逐桩计算") : QFileInfo(path_).path() + '/' + sheetTitle()) +
                              QStringLiteral(".xlsx");
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("导出为 Excel 工作簿"), suggested,
                                                      QStringLiteral("Excel 工作簿 (*.xlsx)"));
    if (path.isEmpty()) {
        return;
    }
    const QString error = writeTakeoffWorkbook(path, model_->texts());
    if (!error.isEmpty()) {
        QMessageBox::warning(this, QStringLiteral("逐桩计算"), error);
    }
}

}  // namespace ui
