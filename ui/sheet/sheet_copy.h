// The calculation as the clipboard carries it: tab-separated text and an HTML table, so that a
// paste into a spreadsheet gives one value a cell and every number as a number.
#pragma once

#include <QString>

class QMimeData;

namespace ui {

struct CalculationSheet;

QMimeData* sheetMimeData(const CalculationSheet& sheet);

// One cell of the HTML table: a number carries its value for the spreadsheet beside the text shown
// (x:num for Excel and WPS, sdval for LibreOffice), so it is neither re-read by the locale nor taken
// for a date; any other cell is marked as text for the same reason.
QString sheetCell(const QString& text, bool number);

// The clipboard's data: plain, tab-separated text and the HTML table of these rows (<tr>…</tr>).
QMimeData* tableMimeData(const QString& plain, const QString& rows);

}  // namespace ui
