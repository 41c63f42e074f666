// Speed of the equal-interval table window: a Calculation click and a Save of 5001 rows.
#include <QFileInfo>

#include "interval_table/form5.h"
#include "offscreen_main.h"

namespace velmora {
namespace {

// Opens the window set to 0.1 to 5.1 MeV by 0.001 MeV: exactly 5000 intervals, 5001 rows.
Form5& LargestTable() {
    Form5& window = form5();
    window.PresetAndShow();
    window.Text3->SetText(QStringLiteral("0.1"));
    window.Text4->SetText(QStringLiteral("5.1"));
    window.Text1->SetText(QStringLiteral("0.001"));
    window.Text2->SetText(QStringLiteral("bench"));
    return window;
}

void BM_CalculationClick5001Rows(benchmark::State& state) {
    Form5& window = LargestTable();
    for (auto _ : state) {
        window.Command3Click();
        benchmark::DoNotOptimize(window.List1->ListCount());
    }
    state.counters["rows"] = window.List1->ListCount();
}
BENCHMARK(BM_CalculationClick5001Rows)->Unit(benchmark::kMillisecond);

void BM_Save5001Rows(benchmark::State& state) {
    Form5& window = LargestTable();
    for (auto _ : state) {
        window.Command1Click();
    }
    state.counters["bytes"] = static_cast<double>(QFileInfo(QStringLiteral("bench.csv")).size());
}
BENCHMARK(BM_Save5001Rows)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velmora
