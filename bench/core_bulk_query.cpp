// Benchmarks of a million energies: one at a time as the windows query, and all at once with the
// table's logarithms taken once, on one thread and on every core.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

#include "core/bulk_query.h"
#include "core/energy_query.h"

namespace velmora {
namespace {

constexpr std::size_t kEnergies = 1000000;

MaterialTable SampleTable() {
    MaterialTable table;
    for (int row = 1; row <= 81; ++row) {
        const double e = table.EnergyMeV[row] = std::pow(10.0, (row - 1) / 16.0 - 2);
        table.CollisionSP[row] = 2.0 + 20.0 / (e + 0.05);
        table.RadiativeSP[row] = 0.01 * (e + 0.3);
        table.TotalSP[row] = table.CollisionSP[row] + table.RadiativeSP[row];
        table.CsdaRange[row] = 0.4 * std::pow(e, 1.7);
    }
    return table;
}

// Energies spread evenly in the logarithm over the whole table, in random order as the samples of
// a spectrum come.
std::vector<double> SpreadEnergies() {
    std::vector<double> energies(kEnergies);
    for (std::size_t k = 0; k < kEnergies; ++k) {
        energies[k] = 0.01 * std::pow(1e5, static_cast<double>(k) / (kEnergies - 1));
    }
    std::shuffle(energies.begin(), energies.end(), std::mt19937(1));
    return energies;
}

void BM_MillionEnergiesOneAtATime(benchmark::State& state) {
    const MaterialTable table = SampleTable();
    const std::vector<double> energies = SpreadEnergies();
    std::vector<QuantitiesAtEnergy> results(kEnergies);
    for (auto _ : state) {
        for (std::size_t k = 0; k < kEnergies; ++k) {
            results[k] = *InterpolateAtEnergy(table, energies[k]);
        }
        benchmark::DoNotOptimize(results.data());
    }
}
BENCHMARK(BM_MillionEnergiesOneAtATime)->Unit(benchmark::kMillisecond)->UseRealTime();

// Argument: the most threads (0: every core).
void BM_MillionEnergiesAtOnce(benchmark::State& state) {
    const MaterialTable table = SampleTable();
    const std::vector<double> energies = SpreadEnergies();
    std::vector<double> collision(kEnergies), radiative(kEnergies), total(kEnergies),
        range(kEnergies);
    const QuantityOutputs outputs{collision, radiative, total, range};
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            InterpolateAtEnergies(table, energies, outputs, static_cast<unsigned>(state.range(0))));
    }
}
BENCHMARK(BM_MillionEnergiesAtOnce)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace velmora
