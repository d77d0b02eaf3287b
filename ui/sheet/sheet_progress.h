// Making a long calculation sheet: the question of what to print, and the progress with 取消
// while its pages are laid out and painted.
#pragma once

#include "sheet_pages.h"

#include <QElapsedTimer>
#include <QString>

#include <memory>
#include <optional>

class QProgressDialog;
class QWidget;

namespace ui {

// The progress of one sheet, shown once the sheet has taken half a second; until then it costs
// nothing. Between pages the program answers, but the user can only wait or press 取消.
class SheetProgress {
public:
    explicit SheetProgress(QWidget* parent);
    ~SheetProgress();

    // For Pages; false once 取消 was pressed.
    PageProgress callback();

private:
    bool report(int done, int total);

    QWidget* parent_;
    QElapsedTimer clock_;
    std::unique_ptr<QProgressDialog> dialog_;
};

// Before the sheet is printed or exported: true for 只输出汇总表 (the legend and the 工程数量表),
// false for the whole sheet, nothing on 取消.
std::optional<bool> askSummaryOnly(QWidget* parent, const QString& title);

}  // namespace ui
