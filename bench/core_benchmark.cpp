// The number rules and the presses under Google Benchmark. Val and FormatResult run beside
// std::from_chars and std::to_chars on the same inputs, the floor that no reader or writer of
// these texts can beat, and the ratios to that floor are printed at the end.
#include "wallcalc/field_value.h"
#include "wallcalc/foundation_calculation.h"
#include "wallcalc/map_fields.h"
#include "wallcalc/type_a_calculation.h"
#include "wallcalc/type_b_calculation.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace {

// Dimensions as people type them, in metres.
const std::vector<std::string> kTyped{
    "2.5", "0.45", "10", "12.35", "1.2", "100", "3.75", "0.3", "15.125", "7", "0.6", "2.05",
};

// Results read back within a press: up to 15 significant digits.
const std::vector<std::string> kReadBack{
    "17.5", "3.4375", "0.333333333333333", "123.456789012345", "6.66666666666667", "2583.0625",
    "0.0416666666666667", "1E+15", "44.1", "1234.56789012345",
};

// Areas and volumes that come out short, and ones that fill all 15 digits.
const std::vector<double> kShortResults{17.5, 3.4375, 44.1, 2583.0625, 0.75, 120, 9.6, 1E+15};
const std::vector<double> kLongResults{1.0 / 3, 370.3703703703703, 6.666666666666667, 0.041666666666666664,
                                       1234.5678901234567, 2.0 / 7 * 1000, 1E-5 / 3, 98765.43210987654};

double fromChars(std::string_view text)
{
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

// FormatResult returns a std::string, so its floor makes one too.
std::string toChars(double value)
{
    char buf[32];
    return std::string(buf, std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 15).ptr);
}

void reading(benchmark::State& state, const std::vector<std::string>* texts, double (*read)(std::string_view))
{
    for (auto _ : state) {
        for (const std::string& text : *texts) {
            benchmark::DoNotOptimize(read(text));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(texts->size()));
}

void writing(benchmark::State& state, const std::vector<double>* values, std::string (*write)(double))
{
    for (auto _ : state) {
        for (double value : *values) {
            benchmark::DoNotOptimize(write(value));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(values->size()));
}

BENCHMARK_CAPTURE(reading, Val_typed, &kTyped, wallcalc::Val);
BENCHMARK_CAPTURE(reading, from_chars_typed, &kTyped, fromChars);
BENCHMARK_CAPTURE(reading, Val_read_back, &kReadBack, wallcalc::Val);
BENCHMARK_CAPTURE(reading, from_chars_read_back, &kReadBack, fromChars);
BENCHMARK_CAPTURE(writing, FormatResult_short, &kShortResults, wallcalc::FormatResult);
BENCHMARK_CAPTURE(writing, to_chars_short, &kShortResults, toChars);
BENCHMARK_CAPTURE(writing, FormatResult_long, &kLongResults, wallcalc::FormatResult);
BENCHMARK_CAPTURE(writing, to_chars_long, &kLongResults, toChars);

// A window's boxes: every box Text1 to Text46 holds a typed dimension, so each calculator finds
// its inputs whatever its boxes are; a press overwrites only its results, so every iteration does
// the same work.
std::map<std::string, std::string> typedBoxes()
{
    std::map<std::string, std::string> texts;
    for (std::size_t n = 1; n <= 46; ++n) {
        texts["Text" + std::to_string(n)] = kTyped[n % kTyped.size()];
    }
    return texts;
}

void press(benchmark::State& state, void (*computation)(wallcalc::Fields&))
{
    wallcalc::MapFields fields(typedBoxes());
    for (auto _ : state) {
        computation(fields);
        benchmark::ClobberMemory();
    }
}

BENCHMARK_CAPTURE(press, TypeA, wallcalc::TypeACalculation);
BENCHMARK_CAPTURE(press, TypeB, wallcalc::TypeBCalculation);
BENCHMARK_CAPTURE(press, Foundation, wallcalc::FoundationCalculation);

struct Goal {
    const char* measured;
    const char* floor;
    double most;  // the largest ratio of measured to floor that meets the goal
};

constexpr Goal kGoals[] = {
    {"reading/Val_typed", "reading/from_chars_typed", 2.0},
    {"reading/Val_read_back", "reading/from_chars_read_back", 2.0},
    {"writing/FormatResult_short", "writing/to_chars_short", 1.5},
    {"writing/FormatResult_long", "writing/to_chars_long", 1.5},
};

// The console report, then each goal's ratio of CPU times, from the median of the repetitions.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    // Plain text: the report is mostly read from logs and pasted into notes.
    RatioReporter() : ConsoleReporter(OO_None) {}

    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration && !run.error_occurred) {
                times_[run.run_name.str()].push_back(run.GetAdjustedCPUTime());
            }
        }
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        std::printf("\n%-28s %-30s %7s %7s\n", "measured", "floor", "ratio", "goal");
        for (const Goal& goal : kGoals) {
            if (times_.count(goal.measured) && times_.count(goal.floor)) {
                const double ratio = median(goal.measured) / median(goal.floor);
                std::printf("%-28s %-30s %6.2fx %5.1fx %s\n", goal.measured, goal.floor, ratio, goal.most,
                            ratio <= goal.most ? "met" : "OVER");
            }
        }
    }

private:
    double median(const std::string& name)
    {
        std::vector<double>& times = times_[name];
        std::sort(times.begin(), times.end());
        const std::size_t middle = times.size() / 2;
        return times.size() % 2 ? times[middle] : (times[middle - 1] + times[middle]) / 2;
    }

    std::map<std::string, std::vector<double>> times_;
};

}  // namespace

int main(int argc, char* argv[])
{
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
