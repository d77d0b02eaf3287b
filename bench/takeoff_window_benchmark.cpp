// The take-off window with 1,000 stations as its user meets it: opening the file into the table
// with its columns sized, one typed cell pressed again with the whole table and totals refreshed,
// and saving; each should stay well under 100 ms. Run with QT_QPA_PLATFORM=offscreen.
#include "thousand_stations.h"

#include "takeoff_window.h"
#include "takeoff_columns.h"
#include "takeoff_model.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

namespace {

struct Opened {
    QTemporaryDir folder;
    QString path = folder.filePath("thousand.csv");
    ui::TakeoffWindow window;

    Opened()
    {
        std::vector<std::string> headings;
        for (const QString& heading : ui::takeoffColumns(wallcalc::kTypeB).inputHeadings) {
            headings.push_back(heading.toStdString());
        }
        const std::string bytes = wallcalc::WriteTakeoff(thousandStations(), headings);
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(bytes.data(), qint64(bytes.size()));
        file.close();
        window.show();
        window.openFile(path);
    }
};

void Open(benchmark::State& state)
{
    Opened opened;
    for (auto _ : state) {
        benchmark::DoNotOptimize(opened.window.openFile(opened.path));
        QCoreApplication::processEvents();
    }
}

void EditOneCell(benchmark::State& state)
{
    Opened opened;
    auto* model = opened.window.findChild<ui::TakeoffModel*>();
    int n = 0;
    for (auto _ : state) {
        model->setData(model->index(1000, 3), QString("2.%1").arg(++n % 7 + 1), Qt::EditRole);
        QCoreApplication::processEvents();
    }
}

void Save(benchmark::State& state)
{
    Opened opened;
    for (auto _ : state) {
        benchmark::DoNotOptimize(opened.window.saveFile(opened.path));
    }
}

}  // namespace

BENCHMARK(Open)->Unit(benchmark::kMillisecond);
BENCHMARK(EditOneCell)->Unit(benchmark::kMillisecond);
BENCHMARK(Save)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
