// Times what leaves a calculator, from the action to the clipboard filled or the PDF closed, for
// each calculator after a press of ordinary dimensions (targets: copy < 5 ms, PDF < 150 ms).
// Run with QT_QPA_PLATFORM=offscreen.
#include "foundation_window.h"
#include "type_a_window.h"
#include "type_b_window.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>

#include <memory>

namespace {

template <typename Window>
std::unique_ptr<Window> filledIn()
{
    auto window = std::make_unique<Window>();
    window->show();
    int n = 0;
    for (QLineEdit* box : window->template findChildren<QLineEdit*>()) {
        if (box->isEnabled()) {
            box->setText(QString::fromLatin1("1.%1375").arg(++n % 9));
        }
    }
    return window;
}

template <typename Window>
void copy(benchmark::State& state)
{
    const auto window = filledIn<Window>();
    for (auto _ : state) {
        benchmark::DoNotOptimize(window->copySheet());
    }
}

template <typename Window>
void exportPdf(benchmark::State& state)
{
    const auto window = filledIn<Window>();
    QTemporaryDir folder;
    for (auto _ : state) {
        benchmark::DoNotOptimize(window->exportSheet(folder.filePath("sheet.pdf")));
    }
}

BENCHMARK_TEMPLATE(copy, ui::TypeAWindow)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(copy, ui::TypeBWindow)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(copy, ui::FoundationWindow)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(exportPdf, ui::TypeAWindow)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(exportPdf, ui::TypeBWindow)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(exportPdf, ui::FoundationWindow)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
