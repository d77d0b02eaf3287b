// Spreadsheets copy a block as text/plain: cells by tab, rows by CR LF or LF, and a line end after
// the last row, which is no row.
#include "takeoff_paste.h"

#include <QStringList>

namespace ui {

bool isBlock(const QString& text)
{
    return text.contains(QLatin1Char('\t')) || text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'));
}

PastedBlock pastedBlock(const QString& block, std::size_t row, int column, int columns)
{
    QStringList lines = QString(block).remove(QLatin1Char('\r')).split(QLatin1Char('\n'));
    if (lines.size() > 1 && lines.back().isEmpty()) {
        lines.pop_back();
    }
    PastedBlock pasted;
    pasted.lastRow = row + std::size_t(lines.size()) - 1;
    for (qsizetype n = 0; n < lines.size(); ++n) {
        const QStringList cells = lines[n].split(QLatin1Char('\t'));
        for (qsizetype c = 0; c < cells.size(); ++c) {
            const int at = column + int(c);
            if (at >= columns) {
                ++pasted.clipped;
                continue;
            }
            pasted.cells.push_back({row + std::size_t(n), std::size_t(at), cells[c].toStdString()});
        }
    }
    return pasted;
}

}  // namespace ui
