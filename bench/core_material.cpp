// Benchmarks of loading a material file and of a 5001-row equal-interval interpolation.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "core/interpolation.h"
#include "core/material_file.h"

namespace velmora {

// A complete 91-line material file of 81 rows from 0.01 to 1000 MeV.
std::string SampleFileText() {
    std::string text = "Iron (Fe)\r\n\r\n\r\n7.874, 286.0\r\n\r\n\r\n\r\n\r\n\r\n\r\n";
    for (int k = 0; k < 81; ++k) {
        const double e = std::pow(10.0, k / 16.0 - 2);
        const double collision = 2.0 + 20.0 / (e + 0.05), radiative = 0.01 * (e + 0.3);
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
        benchmark::DoNotOptimize(ParseMaterialFile(text, "Fe.qrv"));
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

}  // namespace velmora
