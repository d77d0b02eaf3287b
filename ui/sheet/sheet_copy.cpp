// Writes the copied table: a title row, the inputs in reading order, then the results in the order
// the computation writes them; name, value as shown, unit.
#include "sheet_copy.h"

#include "calculation_sheet.h"

#include "wallcalc/field_value.h"

#include <QMimeData>

namespace ui {

QString sheetCell(const QString& text, bool number)
{
    const QString shown = text.toHtmlEscaped();
    if (!number) {
        return QStringLiteral("<td x:str sdnum=\"2052;0;@\">%1</td>").arg(shown);
    }
    const QString value = QString::fromStdString(wallcalc::FormatResult(wallcalc::Val(text.toStdString())));
    return QStringLiteral("<td x:num=\"%1\" sdval=\"%1\" sdnum=\"2052;0;General\">%2</td>").arg(value, shown);
}

QMimeData* tableMimeData(const QString& plain, const QString& rows)
{
    auto* data = new QMimeData;
    data->setText(plain);
    data->setHtml(QStringLiteral("<html xmlns:x=\"urn:schemas-microsoft-com:office:excel\"><head>"
                                 "<meta charset=\"utf-8\"></head><body><table>\n%1</table></body></html>\n")
                      .arg(rows));
    return data;
}

QMimeData* sheetMimeData(const CalculationSheet& sheet)
{
    QString plain = sheet.calculator + '\n';
    QString html = QStringLiteral("<tr>%1</tr>\n").arg(sheetCell(sheet.calculator, false));
    for (const auto* rows : {&sheet.inputs, &sheet.results}) {
        for (const SheetRow& row : *rows) {
            plain += row.name() + '\t' + row.text + '\t' + row.unit + '\n';
            html += QStringLiteral("<tr>%1%2%3</tr>\n")
                        .arg(sheetCell(row.name(), false), sheetCell(row.text, row.number), sheetCell(row.unit, false));
        }
    }
    return tableMimeData(plain, html);
}

}  // namespace ui
