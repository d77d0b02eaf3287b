// Spreadsheets copy a block as text/plain: cells by tab, rows by CR LF or LF, and a line end after
// the last row, which is no row.
#include "takeoff_edits.h"

#include <QStringList>

namespace ui {

namespace {

wallcalc::TakeoffRow emptyRow(int inputs)
{
    return {{}, std::vector<std::string>(std::size_t(inputs))};
}

}  // namespace

TakeoffRows pasted(TakeoffRows rows, int row, int column, const QString& block, int inputs, int* clipped)
{
    QStringList lines = QString(block).remove(QLatin1Char('\r')).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.back().isEmpty()) {
        lines.pop_back();
    }
    *clipped = 0;
    for (qsizetype n = 0; n < lines.size(); ++n) {
        const std::size_t target = std::size_t(row + n);
        if (target >= rows.size()) {
            rows.resize(target + 1, emptyRow(inputs));
        }
        const QStringList cells = lines[n].split(QLatin1Char('\t'));
        for (qsizetype c = 0; c < cells.size(); ++c) {
            const int at = column + int(c);
            if (at > inputs) {
                ++*clipped;
                continue;
            }
            std::string& cell = at == 0 ? rows[target].station : rows[target].inputs[std::size_t(at - 1)];
            cell = cells[c].toStdString();
        }
    }
    return rows;
}

TakeoffRows inserted(TakeoffRows rows, int row, int inputs)
{
    rows.insert(rows.begin() + std::min<std::ptrdiff_t>(row, std::ptrdiff_t(rows.size())), emptyRow(inputs));
    return rows;
}

TakeoffRows removed(TakeoffRows rows, int first, int last)
{
    const std::ptrdiff_t end = std::min<std::ptrdiff_t>(last + 1, std::ptrdiff_t(rows.size()));
    if (first < end) {
        rows.erase(rows.begin() + first, rows.begin() + end);
    }
    return rows;
}

}  // namespace ui
