// Writes the copied table: a title row, the inputs in reading order, then the results in the order
// the computation writes them; name, value as shown, unit.
#include "sheet_copy.h"

#include "calculation_sheet.h"

#include "wallcalc/field_value.h"

#include <QMimeData>

namespace ui {

namespace {

// A number cell carries its value for the spreadsheet beside the text shown (x:num for Excel and
// WPS, sdval for LibreOffice), so it is neither re-read by the locale nor taken for a date; any
// other cell is marked as text for the same reason.
QString cell(const SheetRow& row)
{
    const QString shown = row.text.toHtmlEscaped();
    if (!row.number) {
        return QStringLiteral("<td x:str sdnum=\"2052;0;@\">%1</td>").arg(shown);
    }
    const QString value = QString::fromStdString(wallcalc::FormatResult(wallcalc::Val(row.text.toStdString())));
    return QStringLiteral("<td x:num=\"%1\" sdval=\"%1\" sdnum=\"2052;0;General\">%2</td>").arg(value, shown);
}

QString textCell(const QString& text)
{
    return QStringLiteral("<td x:str sdnum=\"2052;0;@\">%1</td>").arg(text.toHtmlEscaped());
}

}  // namespace

QMimeData* sheetMimeData(const CalculationSheet& sheet)
{
    QString plain = sheet.calculator + '\n';
    QString html = QStringLiteral("<html xmlns:x=\"urn:schemas-microsoft-com:office:excel\"><head>"
                                  "<meta charset=\"utf-8\"></head><body><table>\n<tr>%1</tr>\n")
                       .arg(textCell(sheet.calculator));
    for (const auto* rows : {&sheet.inputs, &sheet.results}) {
        for (const SheetRow& row : *rows) {
            plain += row.name() + '\t' + row.text + '\t' + row.unit + '\n';
            html += QStringLiteral("<tr>%1%2%3</tr>\n").arg(textCell(row.name()), cell(row), textCell(row.unit));
        }
    }
    html += QStringLiteral("</table></body></html>\n");
    auto* data = new QMimeData;
    data->setText(plain);
    data->setHtml(html);
    return data;
}

}  // namespace ui
