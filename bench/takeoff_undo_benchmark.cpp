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

// Large blocks the C library maps apart from its heap, and may move into the heap later.
std::size_t heapInUse()
{
    const struct mallinfo2 heap = mallinfo2();
    return heap.uordblks + heap.hblkhd;
}

// The heap the edits add, with the model and its table built and one edit made first, so that
// what the first edit allocates once (the undo stack's own) is not counted.
double editsCost(int stations, int edits)
{
    ui::TakeoffModel model;
    model.start(wallcalc::TakeoffTable(wallcalc::kTypeB, thousandStations(stations).rows));
    model.setCell(0, 2, QStringLiteral("0.55"));
    const std::size_t before = heapInUse();
    for (int n = 1; n <= edits; ++n) {
        model.setCell(n % stations, 3, QString("2.%1").arg(n % 7 + 1));
    }
    return double(heapInUse()) - double(before);
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const double mib = 1024.0 * 1024.0;
    std::printf("1000 single-cell edits on 1,000 stations: %.3f MiB\n", editsCost(1000, 1000) / mib);
    std::printf("an edit (the mean of 100) on 1,000 stations: %.0f bytes; on 100,000 stations: %.0f bytes\n",
                editsCost(1000, 100) / 100, editsCost(100000, 100) / 100);
    return 0;
}
