// Says in plain Chinese what overflowed and that the press was stopped.
#include "fault_report.h"

#include "wallcalc/arithmetic_fault.h"

#include <QLineEdit>
#include <QMessageBox>

namespace ui {

namespace {

// The box as its tooltip names it, 「A：第一断面墙身顶宽（米）」, else its control name.
QString describeField(const QWidget& window, const std::string& name)
{
    const QString objectName = QString::fromStdString(name);
    const auto* box = window.findChild<QLineEdit*>(objectName);
    return box && !box->accessibleName().isEmpty() ? box->accessibleName() : objectName;
}

}  // namespace

QString faultWhat(const wallcalc::ArithmeticFault& fault, const QString& field)
{
    return fault.cause() == wallcalc::ArithmeticFault::Cause::FieldValue
               ? QStringLiteral("「%1」里的数太大，超出了能计算的范围（溢出）。").arg(field)
               : QStringLiteral("计算「%1」时结果太大，超出了能计算的范围（溢出）。").arg(field);
}

void reportFault(QWidget& window, const wallcalc::ArithmeticFault& fault)
{
    const QString what = faultWhat(fault, describeField(window, fault.field()));
    auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("挡墙计算"),
                                what + QStringLiteral("\n\n本次计算已在这里停止：已经算出的结果保留，"
                                                      "还没有算到的结果框已清空，您输入的内容都没有改动。"
                                                      "请检查各输入框里的数后再按“计算”。"),
                                QMessageBox::Ok, &window);
    box->setObjectName(QStringLiteral("FaultMessage"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

}  // namespace ui
