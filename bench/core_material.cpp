// Benchmarks of loading a material file and of a 5001-row equal-interval interpolation.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "core/interpolation.h"
#include "core/material_file.h"

namespace velmora {
namespace {

// A complete 91-line material file of 81 rows from 0.01 to 1000 MeV.
std::string SampleFileText() {
    const double mantissas[16] = {1, 1.25, 1.5, 1.75, 2, 2.5, 3, 3.5, 4, 4.5, 5, 5.5, 6, 7, 8, 9};
    std::string text = "Iron (Fe)\r\nZ = 26\r\npositrons\r\n7.874, 286.0\r\n";
    for (int k = 0; k < 6; ++k) {
        text += "free text\r\n";
    }
    for (int k = 0; k < 81; ++k) {
        const double e = k == 80 ? 1000.0 : mantissas[k % 16] * std::pow(10.0, k / 16 - 2);
        const double collision = 2.0 + 20.0 / (e + 0.05);
        const double radiative = 0.01 * (e + 0.3);
        char line[128];
        std::snprintf(line, sizeof line, "   %.4E  %.4E  %.4E  %.4E  %.4E\r\n", e, collision,
                      radiative, collision + radiative, 0.4 * std::pow(e, 1.7));
        text += line;
    }
    return text;
}

void BM_ParseMaterialFile(benchmark::State& state) {
    const std::string text = SampleFileText();
    for (auto _ : state) {
        auto result = ParseMaterialFile(text, "Fe.qrv");
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_ParseMaterialFile);

// The equal-interval table's work: 0.1 to 5.1 MeV in steps of 0.001 MeV, two columns per energy.
void BM_Interpolate5001Rows(benchmark::State& state) {
    MaterialTable table;
    CommitLoadedMaterial(table, *ParseMaterialFile(SampleFileText(), "Fe.qrv").value);
    for (auto _ : state) {
        double sum = 0.0;
        for (int i = 0; i <= 5000; ++i) {
            const double energy = (100.0 + i * 1.0) * 0.001;
            const int row = FindUpperRow(table, energy);
            sum += InterpolateLogLog(table, table.CollisionSP, row, energy);
            sum += InterpolateLogLog(table, table.RadiativeSP, row, energy);
        }
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_Interpolate5001Rows);

}  // namespace
}  // namespace velmora
