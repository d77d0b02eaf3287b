// One row a result box of the form, in the order the computation writes them; names and units
// come from each box's help, as the calculation sheet names them.
#include "results_list.h"

#include "calculation_sheet.h"
#include "calculator_form.h"
#include "calculator_window.h"

#include "wallcalc/calculators.h"

#include <QHeaderView>

namespace ui {

ResultsList::ResultsList(const CalculatorForm& form, QWidget* parent) : QTreeWidget(parent), form_(form)
{
    setObjectName(QStringLiteral("resultsList"));
    setAccessibleName(QStringLiteral("计算结果"));
    setHeaderLabels({QStringLiteral("结果"), QStringLiteral("数值"), QStringLiteral("单位")});
    setRootIsDecorated(false);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setFocusPolicy(Qt::NoFocus);  // the window's Tab and Enter orders stay as they are
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    for (std::string_view output : form.calculator.outputs) {
        // The symbol names the result as the window's label does; the meaning is in the tooltip, so
        // the list stays narrow enough to sit beside the client area on a laptop's screen.
        const BoxName row = describeHelp(boxHelp(form, output));
        auto* item = new QTreeWidgetItem(this, {row.shortName(), QString(), row.unit});
        item->setToolTip(0, row.name());
        item->setData(0, Qt::UserRole, QString::fromUtf8(output));
        item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    }
}

void ResultsList::showResults(const std::function<QString(std::string_view)>& texts, bool stale)
{
    QFont shown = font();
    shown.setStrikeOut(stale);
    const QBrush ink = palette().brush(stale ? QPalette::Disabled : QPalette::Active, QPalette::Text);
    for (int n = 0; n < topLevelItemCount(); ++n) {
        QTreeWidgetItem* item = topLevelItem(n);
        const QString text = texts(item->data(0, Qt::UserRole).toString().toStdString());
        item->setText(1, text);
        item->setToolTip(1, stale ? QStringLiteral("结果已过时：输入已改动，请重新计算") : QString());
        for (int column = 0; column < columnCount(); ++column) {
            item->setFont(column, shown);
            item->setForeground(column, ink);
        }
    }
}

// Wide enough for every name and a result of 15 digits with its sign and point (a longer one, in
// the exponent form, widens its column and the list scrolls), tall enough for every row.
QSize ResultsList::sizeHint() const
{
    const int rows = topLevelItemCount() + 1;
    const int digits = fontMetrics().horizontalAdvance(QStringLiteral("-0.00000000000000")) + 12;
    const int width = header()->sectionSize(0) + digits + header()->sectionSize(2) + 2 * frameWidth();
    return {width, rows * (fontMetrics().height() + 6) + 2 * frameWidth()};
}

}  // namespace ui
