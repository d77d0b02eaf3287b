// The whole take-off out of the program: as a table on the clipboard, and as the calculation sheet
// of the wall (the stations, each pair's working in the calculators' sheet form, the totals).
#pragma once

#include <QString>

class QDateTime;
class QMimeData;
class QPagedPaintDevice;

namespace ui {

class TakeoffTexts;

// The table as the window shows it, then the totals under their columns; tab-separated and HTML.
QMimeData* takeoffMimeData(const TakeoffTexts& takeoff);

// title names the take-off, as its file name.
void paintTakeoffSheet(QPagedPaintDevice& device, const TakeoffTexts& takeoff, const QString& title,
                       const QDateTime& made);

}  // namespace ui
