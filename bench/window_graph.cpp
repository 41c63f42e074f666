// Speed of the graph window: a complete redraw with and without the electron curves, one pointer
// move with its list selection, and saving both graphs as SVG.
#include <QDir>
#include <QFile>
#include <cstdio>

#include "core/material_table.h"
#include "core/shared_tables.h"
#include "graph/graph_window.h"
#include "main_window/main_window.h"
#include "offscreen_main.h"
#include "toolkit/file_dialog.h"
#include "toolkit/picture_box.h"

namespace velmora {
namespace {

// Writes the shared table as a material file, the electron table as its counterpart (ranges a
// tenth longer), and points the shared table at the file, as a load with OK leaves it.
void WriteMaterialFiles() {
    static bool written = false;
    if (written) {
        return;
    }
    written = true;
    MaterialTable& table = SharedMaterialTable();
    table.MaterialName = "Bench material";
    table.DataFilePath = "p_QRV\\bench.qrv";
    for (const char* folder : {"p_QRV", "e_QRV"}) {
        const double rangeFactor = folder[0] == 'e' ? 1.1 : 1.0;
        QDir().mkpath(folder);
        QFile file(QString::fromLatin1(folder) + "/bench.qrv");
        file.open(QIODevice::WriteOnly);
        QByteArray text = "Bench material\r\nline 2\r\nline 3\r\n  1.0  75.0\r\n";
        for (int line = 5; line <= 10; ++line)
            text += "free text\r\n";
        for (int row = kFirstRow; row <= kLastRow; ++row) {
            char buffer[160];
            std::snprintf(buffer, sizeof buffer, "   %.3E %.3E %.3E %.3E %.3E\r\n",
                          table.EnergyMeV[row], table.CollisionSP[row], table.RadiativeSP[row],
                          table.TotalSP[row], table.CsdaRange[row] * rangeFactor);
            text += buffer;
        }
        file.write(text);
    }
}

// One complete redraw as the OK button does it (the electron table is read each time); the
// argument turns the comparison with electrons on.
void BM_GraphRedraw(benchmark::State& state) {
    WriteMaterialFiles();
    GraphWindow& graph = graphWindow();
    graph.DrawMaterial(SharedMaterialTable());
    graph.SetCompareWithElectrons(state.range(0) != 0);
    for (auto _ : state) {
        graph.DrawMaterial(SharedMaterialTable());
    }
    state.SetLabel(graph.ComparingWithElectrons() ? "comparing with electrons" : "positrons only");
}
BENCHMARK(BM_GraphRedraw)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

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

// "Save graphs as..." to an SVG file with the electron curves drawn: rendering and writing.
void BM_SaveGraphsAsSvg(benchmark::State& state) {
    WriteMaterialFiles();
    GraphWindow& graph = graphWindow();
    graph.DrawMaterial(SharedMaterialTable());
    graph.SetCompareWithElectrons(true);
    SetSaveFileHandler([](const QString&, const QString&, const QStringList& filters) {
        return SaveFileChoice{QStringLiteral("bench.svg"), filters.last()};
    });
    for (auto _ : state) {
        graph.SaveGraphsAs();
    }
    SetSaveFileHandler({});
    state.counters["bytes"] = static_cast<double>(QFile(QStringLiteral("bench.svg")).size());
}
BENCHMARK(BM_SaveGraphsAsSvg)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velmora
