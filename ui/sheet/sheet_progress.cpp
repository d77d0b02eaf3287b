// The progress dialog is application-modal, so nothing the user does can change the take-off while
// the sheet reads it; before the dialog shows, only events other than the user's are let through.
#include "sheet_progress.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QVBoxLayout>

namespace ui {

namespace {

constexpr int kQuietMilliseconds = 500;

}  // namespace

SheetProgress::SheetProgress(QWidget* parent) : parent_(parent)
{
    clock_.start();
}

SheetProgress::~SheetProgress() = default;

PageProgress SheetProgress::callback()
{
    return [this](int done, int total) { return report(done, total); };
}

bool SheetProgress::report(int done, int total)
{
    if (!dialog_ && clock_.elapsed() < kQuietMilliseconds) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        return true;
    }
    if (!dialog_) {
        dialog_ = std::make_unique<QProgressDialog>(parent_);
        dialog_->setObjectName(QStringLiteral("SheetProgress"));
        dialog_->setWindowTitle(QStringLiteral("计算书"));
        dialog_->setCancelButtonText(QStringLiteral("取消"));
        dialog_->setWindowModality(Qt::ApplicationModal);
        dialog_->setAutoReset(false);
        dialog_->setAutoClose(false);
        dialog_->setMinimumDuration(0);
        dialog_->show();
    }
    if (total > 0) {
        dialog_->setLabelText(QStringLiteral("正在输出计算书：第 %1 页，共 %2 页").arg(done).arg(total));
        dialog_->setRange(0, total);
        dialog_->setValue(done);
    } else {
        dialog_->setLabelText(QStringLiteral("正在排版计算书：已排 %1 页").arg(done));
        dialog_->setRange(0, 0);
    }
    QCoreApplication::processEvents();
    return !dialog_->wasCanceled();
}

std::optional<bool> askSummaryOnly(QWidget* parent, const QString& title)
{
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("SheetContents"));
    dialog.setWindowTitle(title);
    auto* layout = new QVBoxLayout(&dialog);
    auto* summaryOnly = new QCheckBox(QStringLiteral("只输出汇总表（图例和工程数量表）"));
    summaryOnly->setObjectName(QStringLiteral("summaryOnly"));
    layout->addWidget(new QLabel(QStringLiteral("不勾选时输出整份计算书：工程数量表之后还有各桩号的尺寸和每段的计算过程。")));
    layout->addWidget(summaryOnly);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("确定"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("取消"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return summaryOnly->isChecked();
}

}  // namespace ui
