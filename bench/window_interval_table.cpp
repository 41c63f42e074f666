// Speed of the equal-interval table window: a Calculation click and a Save of 5001 rows.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cmath>

#include "app/forms.h"
#include "core/material_table.h"
#include "interval_table/form5.h"
#include "toolkit/message_box.h"
#include "toolkit/program.h"

namespace velmora {
namespace {

// A smooth table of 81 energies from 0.01 to 1000 MeV, sixteen to a decade.
void LoadSmoothTable() {
    MaterialTable& table = SharedMaterialTable();
    for (int row = kFirstRow; row <= kLastRow; ++row) {
        const double energy = 0.01 * std::pow(10.0, (row - 1) / 16.0);
        table.EnergyMeV[row] = energy;
        table.CollisionSP[row] = 2.0 * std::pow(energy, -0.3) + 1.0;
        table.RadiativeSP[row] = 0.01 * energy;
        table.TotalSP[row] = table.CollisionSP[row] + table.RadiativeSP[row];
        table.CsdaRange[row] = 0.5 * std::pow(energy, 1.5);
    }
}

// 0.1 to 5.1 MeV by 0.001 MeV: exactly 5000 intervals, 5001 rows.
void SetLargestTable(Form5& window) {
    window.Text3->SetText(QStringLiteral("0.1"));
    window.Text4->SetText(QStringLiteral("5.1"));
    window.Text1->SetText(QStringLiteral("0.001"));
}

void BM_CalculationClick5001Rows(benchmark::State& state) {
    Form5& window = form5();
    window.PresetAndShow();
    SetLargestTable(window);
    for (auto _ : state) {
        window.Command3Click();
        benchmark::DoNotOptimize(window.List1->ListCount());
    }
    state.counters["rows"] = window.List1->ListCount();
}
BENCHMARK(BM_CalculationClick5001Rows)->Unit(benchmark::kMillisecond);

void BM_Save5001Rows(benchmark::State& state) {
    Form5& window = form5();
    window.PresetAndShow();
    SetLargestTable(window);
    window.Text2->SetText(QStringLiteral("bench"));
    for (auto _ : state) {
        window.Command1Click();
    }
    state.counters["bytes"] = static_cast<double>(QFileInfo(QStringLiteral("bench.csv")).size());
}
BENCHMARK(BM_Save5001Rows)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velmora

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    velmora::InitializeToolkit();
    QTemporaryDir folder;
    QDir::setCurrent(folder.path());
    velmora::SetMessageBoxHandler([](const QString&, int) {});
    velmora::LoadSmoothTable();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    velmora::ResetProgramState();
    return 0;
}
