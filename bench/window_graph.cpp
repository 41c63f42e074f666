// Speed of the graph window: one complete redraw, and one pointer move with its list selection.
#include "core/material_table.h"
#include "graph/graph_window.h"
#include "main_window/main_window.h"
#include "offscreen_main.h"
#include "toolkit/picture_box.h"

namespace velmora {
namespace {

void BM_GraphRedraw(benchmark::State& state) {
    for (auto _ : state) {
        graphWindow().DrawMaterial(SharedMaterialTable());
    }
}
BENCHMARK(BM_GraphRedraw)->Unit(benchmark::kMillisecond);

// Alternates between two pointer positions a few rows apart, so that every move selects another
// row: the read-out, the table list's selection and click, the five boxes and the six lines.
void BM_PointerMoveWithListSelection(benchmark::State& state) {
    graphWindow().DrawMaterial(SharedMaterialTable());
    ListBox& list = *mainWindow().tableList;
    for (int row = list.ListCount() + 1; row <= kLastRow; ++row) {
        list.AddItem(QString::number(row));
    }
    PictureBox& box = *graphWindow().stoppingPowerGraph;
    const float xs[2] = {4.0f, 6.5f};
    int k = 0;
    for (auto _ : state) {
        box.onMouseMove(0, 0, xs[k], 7.0f);
        k ^= 1;
    }
    benchmark::DoNotOptimize(mainWindow().energyBox->Text());
}
BENCHMARK(BM_PointerMoveWithListSelection)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace velmora
