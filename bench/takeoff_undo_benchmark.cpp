// What the take-off's undo history costs in memory: 1,000 single-cell edits on 1,000 Type B
// stations (target: at most 5 MiB together), and one edit on 100,000 stations against one on
// 1,000 (target: no more). Heap in use is read from the C library before and after. Run with
// QT_QPA_PLATFORM=offscreen.
#include "thousand_stations.h"

#include "takeoff_model.h"

#include <QApplication>

#include <malloc.h>

#include <cstdio>

namespace {

std::size_t heapInUse()
{
    return mallinfo2().uordblks;
}

// The heap the edits add, with the model and its table already built.
std::size_t editsCost(int stations, int edits)
{
    ui::TakeoffModel model;
    model.start(wallcalc::TakeoffTable(1, thousandStations(stations).rows));
    const std::size_t before = heapInUse();
    for (int n = 0; n < edits; ++n) {
        model.setCell(n % stations, 3, QString("2.%1").arg(n % 7 + 1));
    }
    return heapInUse() - before;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const double mib = 1024.0 * 1024.0;
    std::printf("1000 single-cell edits on 1,000 stations: %.3f MiB\n", double(editsCost(1000, 1000)) / mib);
    const std::size_t small = editsCost(1000, 1);
    const std::size_t large = editsCost(100000, 1);
    std::printf("one edit on 1,000 stations: %zu bytes; on 100,000 stations: %zu bytes\n", small, large);
    return 0;
}
