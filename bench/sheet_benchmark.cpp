// Times what leaves a calculator, from the action to the clipboard filled or the PDF closed, for
// each calculator after a press of ordinary dimensions (targets: copy < 5 ms, PDF < 150 ms).
// Run with QT_QPA_PLATFORM=offscreen.
#include "calculator_forms.h"
#include "calculator_window.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>

#include <memory>

namespace {

std::unique_ptr<ui::CalculatorWindow> filledIn(const ui::CalculatorForm& form)
{
    auto window = std::make_unique<ui::CalculatorWindow>(form);
    window->show();
    int n = 0;
    for (QLineEdit* box : window->findChildren<QLineEdit*>()) {
        if (box->isEnabled()) {
            box->setText(QString::fromLatin1("1.%1375").arg(++n % 9));
        }
    }
    return window;
}

void copy(benchmark::State& state, const ui::CalculatorForm* form)
{
    const auto window = filledIn(*form);
    for (auto _ : state) {
        benchmark::DoNotOptimize(window->copySheet());
    }
}

void exportPdf(benchmark::State& state, const ui::CalculatorForm* form)
{
    const auto window = filledIn(*form);
    QTemporaryDir folder;
    for (auto _ : state) {
        benchmark::DoNotOptimize(window->exportSheet(folder.filePath("sheet.pdf")));
    }
}

BENCHMARK_CAPTURE(copy, TypeA, &ui::kTypeAForm)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(copy, TypeB, &ui::kTypeBForm)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(copy, Foundation, &ui::kFoundationForm)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(exportPdf, TypeA, &ui::kTypeAForm)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(exportPdf, TypeB, &ui::kTypeBForm)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(exportPdf, Foundation, &ui::kFoundationForm)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
