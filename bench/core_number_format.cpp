// Benchmarks of the number patterns and the reading of typed numbers. The table window
// formats up to 5001 rows of three numbers, so one call should cost well below a microsecond.
#include "core/number_format.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <string_view>

namespace {

// Values like those the program formats: energies, stopping powers, ranges, densities.
const std::array<double, 16> kValues = {
    0.01,   0.1,     1.0,   2.34561, 9.9996, 1000.0, 0.00123456, 15.7316,
    1.9e-4, 0.98765, 166.0, 2.6989,  19.32,  85.7,   0.00120479, 7.874,
};

void FormatWith(benchmark::State& state, std::string_view pattern) {
    size_t k = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(velmora::FormatPattern(kValues[k], pattern));
        k = (k + 1) % kValues.size();
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_FormatDensityCaption(benchmark::State& state) {
    FormatWith(state, "#0.000###");
}
void BM_FormatDensityBox(benchmark::State& state) {
    FormatWith(state, "#0.000");
}
void BM_FormatExcitationEnergy(benchmark::State& state) {
    FormatWith(state, "##0.0");
}
void BM_FormatQueryResult(benchmark::State& state) {
    FormatWith(state, "0.000E+00");
}
void BM_FormatTableEnergy(benchmark::State& state) {
    FormatWith(state, "0.0000E+00");
}
void BM_FormatTableStoppingPower(benchmark::State& state) {
    FormatWith(state, "  0.0000E+00");
}
void BM_FormatCsvField(benchmark::State& state) {
    FormatWith(state, " 0.0000E+00");
}

BENCHMARK(BM_FormatDensityCaption);
BENCHMARK(BM_FormatDensityBox);
BENCHMARK(BM_FormatExcitationEnergy);
BENCHMARK(BM_FormatQueryResult);
BENCHMARK(BM_FormatTableEnergy);
BENCHMARK(BM_FormatTableStoppingPower);
BENCHMARK(BM_FormatCsvField);

// Exact ties take the slower path (a second, longer conversion).
void BM_FormatExactTie(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(velmora::FormatPattern(0.0625, "#0.000"));
        benchmark::DoNotOptimize(velmora::FormatPattern(12345.0, "0.000E+00"));
    }
    state.SetItemsProcessed(2 * state.iterations());
}
BENCHMARK(BM_FormatExactTie);

// One full list of the table window: 5001 rows of three numbers, 34 characters each.
void BM_FormatTableWindowList(benchmark::State& state) {
    for (auto _ : state) {
        for (int i = 0; i <= 5000; ++i) {
            const double energy = (10.0 + i * 10.0) * 0.001;
            std::string row = velmora::FormatPattern(energy, "0.0000E+00");
            row += velmora::FormatPattern(2.0 / std::sqrt(energy + 1.0), "  0.0000E+00");
            row += velmora::FormatPattern(0.001 * energy, "  0.0000E+00");
            benchmark::DoNotOptimize(row);
        }
    }
    state.SetItemsProcessed(5001 * 3 * state.iterations());
}
BENCHMARK(BM_FormatTableWindowList)->Unit(benchmark::kMillisecond);

// Texts typed into the energy and table boxes.
const std::array<std::string_view, 10> kTexts = {
    "0.1", "10", "1E3", " 0.1 ", "2.5MeV", "1 000", "0.01", "1000", "12.345678", "5e-2",
};

void BM_ReadNumber(benchmark::State& state) {
    size_t k = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(velmora::ReadNumber(kTexts[k]));
        k = (k + 1) % kTexts.size();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ReadNumber);

void BM_ReadNumberNotANumber(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(velmora::ReadNumber("abc"));
    }
}
BENCHMARK(BM_ReadNumberNotANumber);

void BM_NumberText(benchmark::State& state) {
    size_t k = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(velmora::NumberText(kValues[k] * 7.0));
        k = (k + 1) % kValues.size();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_NumberText);

}  // namespace
