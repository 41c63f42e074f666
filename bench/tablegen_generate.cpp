// Speed of the table generator: one material's table, and the whole bundled set.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "tablegen/bundled_set.h"
#include "tablegen/reference_data.h"
#include "tablegen/stopping_table.h"

namespace {

using namespace velmora::tablegen;

const ReferenceData& Data() {
    static const ReferenceData data =
        LoadReferenceData(std::filesystem::path(VELMORA_SOURCE_DIR) / "data" / "reference");
    return data;
}

MaterialDefinition Definition(int id) {
    for (const ReferenceMaterial& m : Data().materials) {
        if (m.id == id) {
            return {m.listName, m.composition, m.density, m.meanExcitationEv};
        }
    }
    return {};
}

void BM_TableWater(benchmark::State& state) {
    const MaterialDefinition water = Definition(276);
    for (auto _ : state) {
        benchmark::DoNotOptimize(ComputeTable(water, Data(), GenerationOptions{}));
    }
}
BENCHMARK(BM_TableWater);

void BM_TableLead(benchmark::State& state) {
    const MaterialDefinition lead = Definition(82);
    for (auto _ : state) {
        benchmark::DoNotOptimize(ComputeTable(lead, Data(), GenerationOptions{}));
    }
}
BENCHMARK(BM_TableLead);

void BM_WholeBundledSetTexts(benchmark::State& state) {
    const std::vector<BundledFile> files = BundledFiles(Data());
    for (auto _ : state) {
        for (const BundledFile& file : files) {
            benchmark::DoNotOptimize(BundledFileText(file, Data(), GenerationOptions{}));
        }
    }
}
BENCHMARK(BM_WholeBundledSetTexts)->Unit(benchmark::kMillisecond);

void BM_LoadReferenceData(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            LoadReferenceData(std::filesystem::path(VELMORA_SOURCE_DIR) / "data" / "reference"));
    }
}
BENCHMARK(BM_LoadReferenceData)->Unit(benchmark::kMillisecond);

}  // namespace
