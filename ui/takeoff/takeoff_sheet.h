// The whole take-off out of the program: as a table on the clipboard, and as the calculation sheet
// of the wall (the legend and its symbols, the 工程数量表, the stations, each pair's working in the
// calculators' sheet form, the totals).
#pragma once

#include "sheet_pages.h"

#include <QString>

class QDateTime;
class QMimeData;
class QPagedPaintDevice;

namespace ui {

class TakeoffTexts;

// The table as the window shows it, then the totals under their columns, then the 工程数量表;
// tab-separated and HTML.
QMimeData* takeoffMimeData(const TakeoffTexts& takeoff);

// title names the take-off, as its file name. summaryOnly: the first page's head, the legend and
// the 工程数量表, nothing after. False when progress stopped it; then the pages are not all painted.
bool paintTakeoffSheet(QPagedPaintDevice& device, const TakeoffTexts& takeoff, const QString& title,
                       const QDateTime& made, bool summaryOnly, const PageProgress& progress = {});

}  // namespace ui
