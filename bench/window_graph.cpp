// Speed of the graph window: one complete redraw, and one pointer move with its list selection.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cmath>

#include "app/forms.h"
#include "core/material_table.h"
#include "graph/form2.h"
#include "main_window/form1.h"
#include "toolkit/message_box.h"
#include "toolkit/picture_box.h"
#include "toolkit/program.h"

namespace velmora {
namespace {

// A smooth table of 81 energies from 0.01 to 1000 MeV, sixteen to a decade, and its list.
void LoadSmoothTable() {
    MaterialTable& table = SharedMaterialTable();
    table.MaterialName = "Water, liquid";
    table.Density = 1.0;
    for (int row = kFirstRow; row <= kLastRow; ++row) {
        const double energy = 0.01 * std::pow(10.0, (row - 1) / 16.0);
        table.EnergyMeV[row] = energy;
        table.CollisionSP[row] = 2.0 * std::pow(energy, -0.3) + 1.0;
        table.RadiativeSP[row] = 0.01 * energy;
        table.TotalSP[row] = table.CollisionSP[row] + table.RadiativeSP[row];
        table.CsdaRange[row] = 0.5 * std::pow(energy, 1.5);
        form1().List1->AddItem(QString::number(energy));
    }
}

void BM_GraphRedraw(benchmark::State& state) {
    for (auto _ : state) {
        form2().DrawMaterial();
    }
}
BENCHMARK(BM_GraphRedraw)->Unit(benchmark::kMillisecond);

// Alternates between two pointer positions a few rows apart, so that every move selects another
// row: the read-out, the table list's selection and click, the five boxes and the six lines.
void MoveBackAndForth(benchmark::State& state) {
    PictureBox& box = *form2().Picture1;
    const float xs[2] = {4.0f, 6.5f};
    int k = 0;
    for (auto _ : state) {
        box.onMouseMove(0, 0, xs[k], 7.0f);
        k ^= 1;
    }
}

void BM_PointerMoveWithListSelection(benchmark::State& state) {
    form2().DrawMaterial();
    MoveBackAndForth(state);
    benchmark::DoNotOptimize(form1().Text3->Text());
}
BENCHMARK(BM_PointerMoveWithListSelection)->Unit(benchmark::kMicrosecond);

// The same moves with the table list emptied: the read-out and the six lines alone.
void BM_PointerMoveReadOutOnly(benchmark::State& state) {
    form2().DrawMaterial();
    form1().List1->Clear();
    MoveBackAndForth(state);
    for (int row = kFirstRow; row <= kLastRow; ++row) {
        form1().List1->AddItem(QString::number(row));
    }
}
BENCHMARK(BM_PointerMoveReadOutOnly)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace velmora

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    velmora::InitializeToolkit();
    // The offscreen platform warns on every Show that it cannot raise a window.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
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
