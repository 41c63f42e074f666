// Speed of the equal-interval table window: a Calculation click and a Save of 5001 rows.
#include <QFileInfo>

#include "interval_table/interval_table_window.h"
#include "offscreen_main.h"

namespace velmora {
namespace {

// Opens the window set to 0.1 to 5.1 MeV by 0.001 MeV: exactly 5000 intervals, 5001 rows.
IntervalTableWindow& LargestTable() {
    IntervalTableWindow& window = intervalTableWindow();
    window.PresetAndShow();
    window.startEnergyBox->SetText(QStringLiteral("0.1"));
    window.endEnergyBox->SetText(QStringLiteral("5.1"));
    window.intervalBox->SetText(QStringLiteral("0.001"));
    window.fileNameBox->SetText(QStringLiteral("bench"));
    return window;
}

void BM_CalculationClick5001Rows(benchmark::State& state) {
    IntervalTableWindow& window = LargestTable();
    for (auto _ : state) {
        window.CalculateTable();
        benchmark::DoNotOptimize(window.resultList->ListCount());
    }
    state.counters["rows"] = window.resultList->ListCount();
}
BENCHMARK(BM_CalculationClick5001Rows)->Unit(benchmark::kMillisecond);

void BM_Save5001Rows(benchmark::State& state) {
    IntervalTableWindow& window = LargestTable();
    for (auto _ : state) {
        window.SaveCsvFile();
    }
    state.counters["bytes"] = static_cast<double>(QFileInfo(QStringLiteral("bench.csv")).size());
}
BENCHMARK(BM_Save5001Rows)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velmora
