// 逐桩计算: a take-off along a whole wall with one calculator, a table of stations whose
// neighbouring pairs are pressed as the calculator presses, with the totals below; it opens on a
// start panel where the calculator is chosen or a take-off file opened.
#pragma once

#include "returning_window.h"

#include <QString>

class QLabel;
class QMimeData;
class QStackedWidget;
class QTableWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace wallcalc {
struct Calculator;
}

namespace ui {

class SectionDrawing;
class TakeoffModel;
class TakeoffView;
class WallStrip;

class TakeoffWindow : public ReturningWindow {
    Q_OBJECT
public:
    explicit TakeoffWindow(QWidget* parent = nullptr);
    ~TakeoffWindow() override;

    bool hasUnsavedWork() const;
    // Asks 保存 / 不保存 / 取消 when the take-off holds unsaved work; true when the caller may go on
    // (saved, or the user chose not to save, or nothing unsaved); false on 取消 or a failed save.
    bool settleUnsavedWork();
    // Opens a take-off file given outside the dialogs (the command line, a drop), asking first about
    // unsaved work and saying what went wrong in a message.
    void openGiven(const QString& path);
    // For tests and the random session, without dialogs:
    // note: what the user is told of a file read in full, as that it was read as GBK; else empty.
    bool openFile(const QString& path, QString* error = nullptr, QString* note = nullptr);
    bool saveFile(const QString& path, QString* error = nullptr);
    void startTakeoff(const wallcalc::Calculator& calculator);  // a new, empty take-off
    // 导出计算书为 PDF without its dialogs: empty (also when 取消 stopped it, and then no file is
    // written), or what went wrong in Chinese. summaryOnly: the legend and the 工程数量表 alone.
    QString exportPdf(const QString& path, bool summaryOnly = false);
    // Whether another program changed the file since it was opened or last saved here.
    bool fileChangedOnDisk() const;

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void addMenus();
    QWidget* startPanel();
    void showTakeoff();
    void updateTitle();
    void refreshTotals();
    // Moves the cursor to what an entry of the list of what to check points at.
    void goToCheck(QTreeWidgetItem* item);
    void showSection();
    // The 汇总 page: the 工程数量表 as the sheet prints it.
    void showSummary();
    void newTakeoff();
    void openWithDialog();
    void openOrTell(const QString& path);
    // The take-off file a drag carries, or empty.
    static QString droppedFile(const QMimeData* data);
    bool save();
    // Before 保存 writes over a file another program changed: 覆盖, 另存为… or 取消.
    enum class Overwrite { Yes, Elsewhere, Cancel };
    Overwrite askBeforeOverwriting();
    bool saveAs();
    void paste();
    void insertRow();
    void deleteRows();
    void clearCells();
    // A message box for what an edit said, if it said anything.
    void tell(const QString& message);
    void copySheet();
    void printSheet();
    void exportPdfAs();
    // The file dialog and the export, 只输出汇总表 or not already chosen.
    void exportPdfChosen(bool summaryOnly);
    void exportWorkbookAs();
    QString sheetTitle() const;
    // The station row of the current cell, or -1 on the start panel.
    int currentStation() const;

    TakeoffModel* model_;
    TakeoffView* view_;
    QStackedWidget* pages_;
    QTreeWidget* problems_;
    QLabel* totals_;
    SectionDrawing* section_;
    WallStrip* strip_;
    QTableWidget* summary_;
    QString path_;
    QByteArray digest_;  // of the file as this window last read or wrote it
};

}  // namespace ui
