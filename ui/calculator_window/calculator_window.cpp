// A calculator window's behaviour, the same for every form.
#include "calculator_window.h"

#include "calculation_sheet.h"
#include "calculator_form.h"
#include "check_words.h"
#include "form_builder.h"
#include "dialog_folder.h"
#include "fault_report.h"
#include "listed.h"
#include "enter_order.h"
#include "results_list.h"
#include "section_drawing.h"
#include "sheet_copy.h"
#include "sheet_document.h"
#include "sheet_printing.h"
#include "sheet_workbook.h"
#include "value_box.h"
#include "window_fields.h"
#include "window_placement.h"

#include "wallcalc/arithmetic_fault.h"
#include "wallcalc/takeoff_checks.h"
#include "wallcalc/calculators.h"

#include <QAction>
#include <QClipboard>
#include <QDateTime>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace ui {

namespace {

// Narrow enough that the widest calculator, its results list and the drawing fit a 1366-pixel screen.
constexpr int kDrawingWidth = 260;

// A window grown to the right is moved left as far as it overflows its screen's free area, never
// past its left edge, so the part that grew can be seen.
void keepOnScreen(QWidget& window)
{
    const QRect free = window.screen()->availableGeometry();
    const QRect frame = window.frameGeometry();
    const int over = std::min(frame.right() - free.right(), frame.left() - free.left());
    if (over > 0) {
        window.move(window.pos() - QPoint(over, 0));
    }
}

}  // namespace

// 清零 keeps what it replaces: the start-value boxes' texts and whether the results belonged to them.
class CalculatorWindow::ClearCommand final : public QUndoCommand {
public:
    explicit ClearCommand(CalculatorWindow& window)
        : QUndoCommand(QStringLiteral("清零")), window_(window), resultsCurrent_(window.resultsCurrent_),
          stale_(window.stale_)
    {
        WindowFields fields(window);
        for (std::string_view name : window.form_.startValues) {
            texts_.push_back(fields.text(std::string(name)));
        }
    }

    void redo() override { window_.writeStartValues(); }

    // The texts put back are no edit that puts the results out of date; they are as they were.
    void undo() override
    {
        window_.restoring_ = true;
        WindowFields fields(window_);
        for (std::size_t n = 0; n < texts_.size(); ++n) {
            fields.setText(std::string(window_.form_.startValues[n]), texts_[n]);
        }
        window_.restoring_ = false;
        window_.resultsCurrent_ = resultsCurrent_;
        window_.setResultsStale(stale_);
    }

private:
    CalculatorWindow& window_;
    std::vector<std::string> texts_;  // in the order of the start values
    bool resultsCurrent_;
    bool stale_;
};

CalculatorWindow::CalculatorWindow(const CalculatorForm& form, QWidget* parent)
    : ReturningWindow(parent), form_(form)
{
    setObjectName(QString::fromUtf8(form.objectName));
    setWindowTitle(QString::fromUtf8(form.caption));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);  // the client area's size, and the menu bar above it
    area_ = new ClientArea(form.controls, form.marks, form.widthTwips, form.heightTwips, this);
    // Beside the client area, never over it: the results as a list anyone can read without hovering.
    results_ = new ResultsList(form, this);
    auto* row = new QHBoxLayout;
    row->setSpacing(0);
    row->addWidget(area_, 0, Qt::AlignTop);
    row->addWidget(results_);
    drawing_ = new SectionDrawing(this);
    drawing_->setObjectName("sectionDrawingView");
    drawing_->setFixedWidth(kDrawingWidth);
    drawing_->hide();
    row->addWidget(drawing_);
    layout->addLayout(row);
    clears_.setUndoLimit(1);
    addMenus();
    layout->activate();
    new EnterOrder(form.readingOrder, *this);
    centreOnScreen(*this);

    for (ValueBox* box : findChildren<ValueBox*>()) {
        if (listed(form.calculator.outputs, box->objectName().toStdString())) {
            box->setRole(ValueBox::Role::Result);
            connect(box, &QLineEdit::textChanged, this, &CalculatorWindow::showResults);
        } else {
            box->setRole(listed(form.calculator.batters, box->objectName().toStdString()) ? ValueBox::Role::Ratio
                                                                                          : ValueBox::Role::Input);
            connect(box, &QLineEdit::textChanged, this, &CalculatorWindow::inputChanged);
        }
        // Any edit by hand ends what 撤销清零 could put back.
        connect(box, &QLineEdit::textEdited, &clears_, &QUndoStack::clear);
    }
    for (QLineEdit* box : findChildren<QLineEdit*>()) {
        box->installEventFilter(this);
    }
    for (const Handler& handler : form.handlers) {
        connect(findChild<QPushButton*>(QString::fromUtf8(handler.button)), &QPushButton::clicked, this,
                [this, action = handler.action] { run(action); });
    }
    writeStartValues();
}

void CalculatorWindow::run(Action action)
{
    switch (action) {
    case Action::Calculate:
        calculate();
        break;
    case Action::Clear:
        clearFields();
        break;
    case Action::Return:
        giveBack();
        break;
    }
}

void CalculatorWindow::addMenus()
{
    QMenuBar* bar = addMenuBar();
    QMenu* file = bar->addMenu(QStringLiteral("文件(&F)"));
    addEntry(*file, "printSheet", QStringLiteral("打印计算书…"), QKeySequence::Print, [this] { printSheet(); });
    addEntry(*file, "exportPdf", QStringLiteral("导出计算书为 PDF…"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
        [this] { exportSheetAs(); });
    addEntry(*file, "exportSheetXlsx", QStringLiteral("导出计算表为 Excel…"), {}, [this] { exportWorkbookAs(); });
    addReturnEntry(*file);
    QMenu* edit = bar->addMenu(QStringLiteral("编辑(&E)"));
    addEntry(*edit, "copySheet", QStringLiteral("复制计算表"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C),
        [this] { copySheet(); });
    undoClear_ = addEntry(*edit, "undoClear", QStringLiteral("撤销清零"), QKeySequence::Undo, [this] { clears_.undo(); });
    undoClear_->setEnabled(false);
    connect(&clears_, &QUndoStack::canUndoChanged, undoClear_, &QAction::setEnabled);
    QMenu* view = bar->addMenu(QStringLiteral("查看(&V)"));
    QAction* drawing = view->addAction(QStringLiteral("断面图"));
    drawing->setObjectName("sectionDrawing");
    drawing->setCheckable(true);
    connect(drawing, &QAction::toggled, this, &CalculatorWindow::showDrawing);
    copyValue_ = new QAction(QStringLiteral("复制"), this);
    copyValue_->setObjectName("copyValue");
    connect(copyValue_, &QAction::triggered, this, [this] {
        if (copyTarget_) {
            QGuiApplication::clipboard()->setText(copyTarget_->text());
        }
    });
}

void CalculatorWindow::writeStartValues()
{
    WindowFields fields(*this);
    for (std::string_view name : form_.startValues) {
        fields.setText(std::string(name), "");
    }
    resultsCurrent_ = false;
    setResultsStale(false);
}

void CalculatorWindow::clearFields()
{
    clears_.push(new ClearCommand(*this));
}

void CalculatorWindow::calculate()
{
    WindowFields fields(*this);
    pressFaulted_ = false;
    try {
        form_.calculator.computation(fields);
    } catch (const wallcalc::ArithmeticFault& fault) {
        for (std::string_view output : form_.calculator.outputs) {
            if (!fields.written(std::string(output))) {
                fields.setText(std::string(output), "");
            }
        }
        pressFaulted_ = true;
        reportFault(*this, fault);
    }
    resultsCurrent_ = true;
    setResultsStale(false);
    clears_.clear();
}

// As 计算 would: its own button's click, fault report included.
bool CalculatorWindow::press()
{
    for (const Handler& handler : form_.handlers) {
        if (handler.action == Action::Calculate) {
            findChild<QPushButton*>(QString::fromUtf8(handler.button))->click();
        }
    }
    return !pressFaulted_;
}

bool CalculatorWindow::copySheet()
{
    if (!press()) {
        return false;
    }
    QGuiApplication::clipboard()->setMimeData(sheetMimeData(makeSheet(*this, form_)));
    return true;
}

LegendSource CalculatorWindow::legend() const
{
    return {area_, pixelRect(form_.legend)};
}

QString CalculatorWindow::exportSheet(const QString& path)
{
    if (!press()) {
        return QStringLiteral("计算没有完成，没有导出计算书。");
    }
    return writeSheetPdf(path, makeSheet(*this, form_), legend(), QDateTime::currentDateTime());
}

void CalculatorWindow::exportSheetAs()
{
    if (!press()) {
        return;  // the press has said why
    }
    const QString name = QString::fromUtf8(form_.calculator.caption) + QStringLiteral("计算书-") +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmm")) + ".pdf";
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("导出计算书为 PDF"), dialogFolderWith(name),
                                                      QStringLiteral("PDF 文件 (*.pdf)"));
    if (path.isEmpty()) {
        return;
    }
    const QString error = writeSheetPdf(path, makeSheet(*this, form_), legend(), QDateTime::currentDateTime());
    if (!error.isEmpty()) {
        QMessageBox::warning(this, QStringLiteral("挡墙计算"),
                             error + QStringLiteral("\n\n窗口里的内容都还在，请换一个文件夹再导出。"));
        return;
    }
    rememberDialogFolder(path);
}

void CalculatorWindow::exportWorkbookAs()
{
    if (!press()) {
        return;  // the press has said why
    }
    const QString name = QString::fromUtf8(form_.calculator.caption) + QStringLiteral("计算表-") +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmm")) + ".xlsx";
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("导出计算表为 Excel"), name,
                                                      QStringLiteral("Excel 工作簿 (*.xlsx)"));
    if (path.isEmpty()) {
        return;
    }
    const QString error = writeSheetWorkbook(path, makeSheet(*this, form_));
    if (!error.isEmpty()) {
        QMessageBox::warning(this, QStringLiteral("挡墙计算"), error);
    }
}

void CalculatorWindow::printSheet()
{
    if (press()) {
        previewAndPrint(*this, makeSheet(*this, form_), legend(), [this] { exportSheetAs(); });
    }
}

// A right-click where no enabled box takes it: on the client area, a label, a disabled box.
void CalculatorWindow::contextMenuEvent(QContextMenuEvent* event)
{
    showContextMenu(nullptr, event);
}

bool CalculatorWindow::eventFilter(QObject* watched, QEvent* event)
{
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (box && event->type() == QEvent::ContextMenu) {
        showContextMenu(qobject_cast<ValueBox*>(box), static_cast<QContextMenuEvent*>(event));
        return true;
    }
    // Ctrl+Z undoes what the box was typed unless it has nothing to undo; then it is 撤销清零.
    if (box && event->type() == QEvent::ShortcutOverride && undoClear_->isEnabled() && !box->isUndoAvailable() &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Undo)) {
        event->ignore();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

// An enabled box's own editing menu, then 复制 for the box under the pointer and 复制计算表.
void CalculatorWindow::showContextMenu(ValueBox* box, QContextMenuEvent* event)
{
    std::unique_ptr<QMenu> menu(box && box->isEnabled() ? box->createStandardContextMenu() : new QMenu);
    if (!menu->isEmpty()) {
        menu->addSeparator();
    }
    copyTarget_ = box;
    copyValue_->setEnabled(box != nullptr);
    menu->addAction(copyValue_);
    menu->addAction(findChild<QAction*>("copySheet"));
    menu->exec(event->globalPos());
    copyTarget_ = nullptr;
}

void CalculatorWindow::inputChanged()
{
    if (resultsCurrent_ && !restoring_) {
        resultsCurrent_ = false;
        setResultsStale(true);
    }
    checkSections();
    drawSections();
}

void CalculatorWindow::setResultsStale(bool stale)
{
    stale_ = stale;
    for (ValueBox* box : findChildren<ValueBox*>()) {
        if (listed(form_.calculator.outputs, box->objectName().toStdString())) {
            box->setStale(stale);
        }
    }
    showResults();
    checkSections();
}

void CalculatorWindow::showResults()
{
    results_->showResults(
        [this](std::string_view box) { return findChild<QLineEdit*>(QString::fromUtf8(box))->text(); },
        stale_);
}

QStringList CalculatorWindow::sectionTexts(bool first) const
{
    QStringList texts;
    for (const wallcalc::TakeoffColumn& column : form_.calculator.columns) {
        texts << findChild<QLineEdit*>(QString::fromUtf8(first ? column.first : column.second))->text();
    }
    return texts;
}

void CalculatorWindow::checkSections()
{
    std::array<wallcalc::TakeoffRow, 2> rows;
    for (std::size_t n = 0; n < rows.size(); ++n) {
        for (const QString& text : sectionTexts(n == 0)) {
            rows[n].inputs.push_back(text.toStdString());
        }
    }
    // The areas are checked as the press wrote them, so only while they belong to the inputs.
    wallcalc::PairResult pair;
    pair.computed = resultsCurrent_ && !stale_ && !pressFaulted_;
    if (pair.computed) {
        for (std::string_view output : form_.calculator.outputs) {
            pair.texts[std::string(output)] = findChild<QLineEdit*>(QString::fromUtf8(output))->text().toStdString();
        }
    }
    const bool pressed = resultsCurrent_ || stale_;
    std::map<QString, QStringList> notes;
    for (const wallcalc::CheckFlag& flag : wallcalc::CheckTakeoff(form_.calculator, rows, std::span(&pair, 1))) {
        // Two sections are no neighbourhood, and the boxes mark their own readings and batters.
        // A section not yet begun is not marked all over before a press asks for it.
        if (flag.kind == wallcalc::CheckKind::Empty && (pressed || !rows[flag.row].blank())) {
            const wallcalc::TakeoffColumn& column = form_.calculator.columns[wallcalc::InputOfColumn(flag.column)];
            const QString box = QString::fromUtf8(flag.row == 0 ? column.first : column.second);
            notes[box] << checkWords(flag, {}, {});
        } else if (flag.kind == wallcalc::CheckKind::NegativeArea || flag.kind == wallcalc::CheckKind::CrossingOutline) {
            const QString box = QString::fromUtf8(flag.box);
            notes[box] << checkWords(flag, {}, describeHelp(boxHelp(form_, flag.box)).name());
        }
    }
    for (ValueBox* box : findChildren<ValueBox*>()) {
        const auto found = notes.find(box->objectName());
        box->setCheckNotes(found == notes.end() ? QStringList() : found->second);
    }
}

void CalculatorWindow::showDrawing(bool shown)
{
    drawing_->setVisible(shown);
    drawSections();
    if (shown) {
        layout()->activate();  // the fixed size, now, so that the wider window can be placed
        keepOnScreen(*this);
    }
}

void CalculatorWindow::drawSections()
{
    if (!drawing_->isVisible()) {
        return;
    }
    std::vector<DrawnSection> sections{{{}, QStringLiteral("第一断面")}, {{}, QStringLiteral("第二断面")}};
    for (std::size_t n = 0; n < sections.size(); ++n) {
        for (const QString& text : sectionTexts(n == 0)) {
            sections[n].dimensions.push_back(drawnValue(text));
        }
    }
    drawing_->setSections(form_.calculator, std::move(sections));
}

}  // namespace ui
