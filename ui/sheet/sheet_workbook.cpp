// One sheet named after the calculator: a row a box, the inputs in reading order and then the
// results in the order the computation writes them, each value a number cell where it reads as one.
#include "sheet_workbook.h"

#include "calculation_sheet.h"
#include "xlsx_file.h"

namespace ui {

QString writeSheetWorkbook(const QString& path, const CalculationSheet& sheet)
{
    XlsxFile file;
    lxw_format* bold = file.addFormat();
    if (bold) {
        file.library().format_set_bold(bold);
    }
    XlsxSheet cells = file.addSheet(sheet.calculator);
    const QStringList headings{QStringLiteral("项目"), QStringLiteral("数值"), QStringLiteral("单位"),
                               QStringLiteral("计算时读作")};
    for (int c = 0; c < headings.size(); ++c) {
        cells.text(0, c, headings[c], bold);
    }
    int r = 1;
    for (const auto& [title, rows] : {std::pair(QStringLiteral("输入"), &sheet.inputs),
                                      std::pair(QStringLiteral("计算结果"), &sheet.results)}) {
        cells.text(r++, 0, title, bold);
        for (const SheetRow& row : *rows) {
            cells.text(r, 0, row.name());
            cells.typed(r, 1, row.text);
            cells.text(r, 2, row.unit);
            cells.text(r, 3, row.readAs);
            ++r;
        }
    }
    if (lxw_worksheet* worksheet = cells.worksheet()) {
        cells.library().worksheet_freeze_panes(worksheet, 1, 0);
        cells.library().worksheet_set_column(worksheet, 0, 0, 30, nullptr);
        cells.library().worksheet_set_column(worksheet, 1, 3, 14, nullptr);
    }
    return file.commit(path);
}

}  // namespace ui
