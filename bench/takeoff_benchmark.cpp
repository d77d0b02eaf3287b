// A take-off of 1,000 Type B stations: reading its file, pressing every pair with the totals, and
// writing it back; each should stay well under 100 ms.
#include "thousand_stations.h"

#include "wallcalc/takeoff.h"
#include "wallcalc/takeoff_csv.h"
#include "wallcalc/calculators.h"

#include <benchmark/benchmark.h>

namespace {

// Headings for the file, one a column, none twice; the file is Type B's, so only its own are asked for.
const std::vector<std::string> kHeader{"x1", "x2", "x3", "x4", "x5", "x6", "x7", "x8", "x9", "x10", "x11"};

void Open(benchmark::State& state)
{
    const std::string bytes = wallcalc::WriteTakeoff(thousandStations(), kHeader);
    for (auto _ : state) {
        benchmark::DoNotOptimize(wallcalc::ReadTakeoff(bytes, [](const wallcalc::Calculator&) { return kHeader; }));
    }
}

void RecomputeAll(benchmark::State& state)
{
    const wallcalc::Takeoff takeoff = thousandStations();
    for (auto _ : state) {
        const auto pairs = wallcalc::RunPairs(*takeoff.calculator, takeoff.rows, wallcalc::CheckStations(takeoff.rows));
        benchmark::DoNotOptimize(wallcalc::SumPairs(*takeoff.calculator, pairs));
    }
}

void Save(benchmark::State& state)
{
    const wallcalc::Takeoff takeoff = thousandStations();
    for (auto _ : state) {
        benchmark::DoNotOptimize(wallcalc::WriteTakeoff(takeoff, kHeader));
    }
}

}  // namespace

BENCHMARK(Open)->Unit(benchmark::kMillisecond);
BENCHMARK(RecomputeAll)->Unit(benchmark::kMillisecond);
BENCHMARK(Save)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
