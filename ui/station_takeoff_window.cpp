// The take-off window: its pages, menus and files. The table, its edits and its sheet live beside it.
#include "station_takeoff_window.h"

#include "takeoff_io.h"
#include "sheet_document.h"
#include "sheet_printing.h"
#include "takeoff_model.h"
#include "takeoff_sheet.h"
#include "takeoff_view.h"
#include "takeoff_workbook.h"
#include "window_menu.h"

#include "wallcalc/takeoff_types.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace ui {

namespace {

const QString kFilter = QStringLiteral("逐桩计算文件 (*.csv)");

}  // namespace

StationTakeoffWindow::StationTakeoffWindow(QWidget* parent)
    : QWidget(parent), model_(new TakeoffModel(this)), view_(new TakeoffView(*model_)),
      pages_(new QStackedWidget), problems_(new QLabel), totals_(new QLabel)
{
    setObjectName(QStringLiteral("StationTakeoffWindow"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_);
    auto* editor = new QWidget;
    auto* editorLayout = new QVBoxLayout(editor);
    editorLayout->setContentsMargins(0, 0, 0, 0);
    editorLayout->addWidget(view_, 1);
    for (QLabel* label : {problems_, totals_}) {
        label->setWordWrap(true);
        // The window's width is the table's to set, never a message's.
        label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        editorLayout->addWidget(label);
    }
    problems_->setObjectName(QStringLiteral("takeoffProblems"));
    problems_->setStyleSheet(QStringLiteral("color: #b00000"));
    totals_->setObjectName(QStringLiteral("takeoffTotals"));
    pages_->addWidget(startPanel());
    pages_->addWidget(editor);
    addMenus();
    connect(model_, &TakeoffModel::recomputed, this, &StationTakeoffWindow::refreshTotals);
    connect(view_, &TakeoffView::blockPasted, this, &StationTakeoffWindow::paste);
    connect(&model_->undoStack(), &QUndoStack::cleanChanged, this, &StationTakeoffWindow::updateTitle);
    resize(1000, 640);
    updateTitle();
}

// The undo stack, going with the model among the children, says it is clean as it goes: by then
// this window is no longer one to update.
StationTakeoffWindow::~StationTakeoffWindow()
{
    disconnect(&model_->undoStack(), nullptr, this, nullptr);
}

QWidget* StationTakeoffWindow::startPanel()
{
    auto* panel = new QWidget;
    auto* layout = new QVBoxLayout(panel);
    layout->addStretch();
    auto* prompt = new QLabel(QStringLiteral("新建逐桩计算，请选择计算类型："));
    layout->addWidget(prompt, 0, Qt::AlignHCenter);
    for (int n = 0; n < int(wallcalc::TakeoffTypes.size()); ++n) {
        auto* button = new QPushButton(takeoffCaption(n));
        button->setObjectName(QStringLiteral("startTakeoff%1").arg(n));
        button->setMinimumWidth(220);
        connect(button, &QPushButton::clicked, this, [this, n] { startTakeoff(n); });
        layout->addWidget(button, 0, Qt::AlignHCenter);
    }
    auto* open = new QPushButton(QStringLiteral("打开逐桩计算文件…"));
    open->setObjectName(QStringLiteral("startOpen"));
    open->setMinimumWidth(220);
    connect(open, &QPushButton::clicked, this, &StationTakeoffWindow::openWithDialog);
    layout->addSpacing(12);
    layout->addWidget(open, 0, Qt::AlignHCenter);
    layout->addStretch();
    return panel;
}

void StationTakeoffWindow::addMenus()
{
    auto* bar = new QMenuBar(this);
    layout()->setMenuBar(bar);
    const auto add = [this](QMenu* menu, const char* objectName, const QString& text, const QKeySequence& keys,
                            const std::function<void()>& slot) {
        return addWindowAction(*this, *menu, objectName, text, keys, slot);
    };
    QMenu* file = bar->addMenu(QStringLiteral("文件(&F)"));
    add(file, "newTakeoff", QStringLiteral("新建…"), QKeySequence::New, [this] { newTakeoff(); });
    add(file, "openTakeoff", QStringLiteral("打开…"), QKeySequence::Open, [this] { openWithDialog(); });
    add(file, "saveTakeoff", QStringLiteral("保存"), QKeySequence::Save, [this] { save(); });
    add(file, "saveTakeoffAs", QStringLiteral("另存为…"), {}, [this] { saveAs(); });
    file->addSeparator();
    add(file, "printSheet", QStringLiteral("打印计算书…"), QKeySequence::Print, [this] { printSheet(); });
    // The calculators export with the same keys.
    add(file, "exportPdf", QStringLiteral("导出计算书为 PDF…"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
        [this] { exportPdfAs(); });
    add(file, "exportXlsx", QStringLiteral("导出为 Excel 工作簿…"), {}, [this] { exportWorkbookAs(); });
    file->addSeparator();
    add(file, "returnToMain", QStringLiteral("返回"), {}, [this] { returnToMain(); });
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
    add(edit, "pasteBlock", QStringLiteral("粘贴"), QKeySequence::Paste, [this] { paste(); });
    add(edit, "clearCells", QStringLiteral("清除内容"), QKeySequence::Delete, [this] { clearCells(); });
    add(edit, "insertRow", QStringLiteral("插入行"), QKeySequence(Qt::CTRL | Qt::Key_Insert), [this] { insertRow(); });
    add(edit, "deleteRows", QStringLiteral("删除行"), QKeySequence(Qt::CTRL | Qt::Key_Delete), [this] { deleteRows(); });
    edit->addSeparator();
    add(edit, "copySheet", QStringLiteral("复制计算表"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C),
        [this] { copySheet(); });
}

bool StationTakeoffWindow::hasUnsavedWork() const
{
    return !model_->undoStack().isClean();
}

bool StationTakeoffWindow::settleUnsavedWork()
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

bool StationTakeoffWindow::openFile(const QString& path, QString* error, QString* note)
{
    std::optional<TakeoffFile> file = readTakeoffFile(path, error);
    if (!file) {
        return false;
    }
    if (note) {
        *note = file->readAsGbk ? QStringLiteral("已按 GBK 编码读入。保存时会存为 UTF-8 编码。") : QString();
    }
    model_->start(wallcalc::TakeoffTable(file->takeoff.type, std::move(file->takeoff.rows)));
    path_ = path;
    digest_ = file->digest;
    showTakeoff();
    return true;
}

bool StationTakeoffWindow::saveFile(const QString& path, QString* error)
{
    const std::optional<QByteArray> digest = writeTakeoffFile(
        path, {model_->calculatorIndex(), model_->table().used()}, model_->columns().inputHeadings, error);
    if (!digest) {
        return false;
    }
    path_ = path;
    digest_ = *digest;
    model_->undoStack().setClean();
    updateTitle();
    return true;
}

bool StationTakeoffWindow::fileChangedOnDisk() const
{
    return !path_.isEmpty() && QFileInfo::exists(path_) && fileDigest(path_) != digest_;
}

void StationTakeoffWindow::startTakeoff(int calculatorIndex)
{
    model_->start(wallcalc::TakeoffTable(calculatorIndex));
    path_.clear();
    digest_.clear();
    showTakeoff();
}

void StationTakeoffWindow::showTakeoff()
{
    pages_->setCurrentIndex(1);
    updateTitle();
    view_->setCurrentIndex(model_->index(0, 0));
    view_->setFocus();
}

void StationTakeoffWindow::updateTitle()
{
    if (pages_->currentIndex() == 0) {
        setWindowTitle(QStringLiteral("逐桩计算"));
        setWindowModified(false);
        return;
    }
    const QString name = path_.isEmpty() ? QStringLiteral("未命名") : QFileInfo(path_).fileName();
    setWindowTitle(QStringLiteral("%1[*] - %2 - 逐桩计算").arg(name, takeoffCaption(model_->calculatorIndex())));
    setWindowModified(hasUnsavedWork());
}

void StationTakeoffWindow::refreshTotals()
{
    // The first few in full, so the table keeps its room; the table marks every one.
    constexpr int kShown = 5;
    const QStringList problems = model_->texts().problems();
    problems_->setVisible(!problems.isEmpty());
    problems_->setText(problems.mid(0, kShown).join('\n') +
                       (problems.size() > kShown
                            ? QStringLiteral("\n……共 %1 行不计入合计，表中已用红色标出。").arg(problems.size())
                            : QString()));
    totals_->setText(model_->texts().totalsLine());
}

void StationTakeoffWindow::returnToMain()
{
    hide();
    emit returned();
}

// The close box and Esc do what 返回 does: the take-off stays as it is, ready for the next visit.
void StationTakeoffWindow::closeEvent(QCloseEvent* event)
{
    event->ignore();
    returnToMain();
}

void StationTakeoffWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        returnToMain();
        return;
    }
    QWidget::keyPressEvent(event);
}

void StationTakeoffWindow::newTakeoff()
{
    if (settleUnsavedWork()) {
        model_->start(wallcalc::TakeoffTable(model_->calculatorIndex()));
        path_.clear();
        digest_.clear();
        pages_->setCurrentIndex(0);
        updateTitle();
    }
}

void StationTakeoffWindow::openWithDialog()
{
    if (!settleUnsavedWork()) {
        return;
    }
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("打开逐桩计算"), QFileInfo(path_).path(), kFilter);
    QString error;
    QString note;
    if (!path.isEmpty() && !openFile(path, &error, &note)) {
        QMessageBox::warning(this, QStringLiteral("逐桩计算"), error);
    }
    tell(note);
}

bool StationTakeoffWindow::save()
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

StationTakeoffWindow::Overwrite StationTakeoffWindow::askBeforeOverwriting()
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

bool StationTakeoffWindow::saveAs()
{
    if (pages_->currentIndex() == 0) {
        return false;
    }
    QString path = QFileDialog::getSaveFileName(this, QStringLiteral("另存逐桩计算"),
                                                path_.isEmpty() ? QStringLiteral("逐桩计算.csv") : path_, kFilter);
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
    return true;
}

int StationTakeoffWindow::currentStation() const
{
    return pages_->currentIndex() == 0 ? -1 : TakeoffModel::station(std::max(view_->currentIndex().row(), 0));
}

void StationTakeoffWindow::paste()
{
    const QModelIndex current = view_->currentIndex();
    if (currentStation() < 0 || !current.isValid() || current.column() >= model_->inputColumns()) {
        return;
    }
    tell(model_->pasteBlock(currentStation(), current.column(), QApplication::clipboard()->text()));
}

void StationTakeoffWindow::insertRow()
{
    if (currentStation() >= 0) {
        tell(model_->insertStation(currentStation()));
    }
}

void StationTakeoffWindow::tell(const QString& message)
{
    if (!message.isEmpty()) {
        QMessageBox::information(this, QStringLiteral("逐桩计算"), message);
    }
}

void StationTakeoffWindow::deleteRows()
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

void StationTakeoffWindow::clearCells()
{
    if (currentStation() >= 0) {
        model_->clearCells(view_->selectionModel()->selectedIndexes());
    }
}

void StationTakeoffWindow::copySheet()
{
    if (currentStation() >= 0) {
        QApplication::clipboard()->setMimeData(takeoffMimeData(model_->texts()));
    }
}

QString StationTakeoffWindow::sheetTitle() const
{
    return path_.isEmpty() ? QStringLiteral("未命名") : QFileInfo(path_).completeBaseName();
}

void StationTakeoffWindow::printSheet()
{
    if (currentStation() >= 0) {
        const QDateTime made = QDateTime::currentDateTime();
        previewAndPrint(*this, takeoffCaption(model_->calculatorIndex()) + ' ' + sheetTitle(),
                        [&](QPagedPaintDevice& device) { paintTakeoffSheet(device, model_->texts(), sheetTitle(), made); });
    }
}

QString StationTakeoffWindow::exportPdf(const QString& path)
{
    const QDateTime made = QDateTime::currentDateTime();
    return writePdf(path, takeoffCaption(model_->calculatorIndex()) + ' ' + sheetTitle(),
                    [&](QPagedPaintDevice& device) { paintTakeoffSheet(device, model_->texts(), sheetTitle(), made); });
}

void StationTakeoffWindow::exportPdfAs()
{
    if (currentStation() < 0) {
        return;
    }
    const QString suggested = (path_.isEmpty() ? QStringLiteral("逐桩计算") : QFileInfo(path_).path() + '/' + sheetTitle()) +
                              QStringLiteral(" 计算书.pdf");
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("导出计算书为 PDF"), suggested,
                                                      QStringLiteral("PDF 文件 (*.pdf)"));
    if (path.isEmpty()) {
        return;
    }
    const QString error = exportPdf(path);
    if (!error.isEmpty()) {
        QMessageBox::warning(this, QStringLiteral("逐桩计算"), error);
    }
}

void StationTakeoffWindow::exportWorkbookAs()
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
