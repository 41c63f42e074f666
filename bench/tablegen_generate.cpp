// Speed of the table generator: reference inputs, one table (water, lead), the bundled set.
#include <benchmark/benchmark.h>

#include "tablegen/bundled_set.h"

namespace {

using namespace velmora::tablegen;

const auto kReferenceFolder = std::filesystem::path(VELMORA_SOURCE_DIR) / "data/reference";

const ReferenceData& Data() {
    static const ReferenceData data = LoadReferenceData(kReferenceFolder);
    return data;
}

void BM_LoadReferenceData(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(LoadReferenceData(kReferenceFolder));
    }
}
BENCHMARK(BM_LoadReferenceData)->Unit(benchmark::kMillisecond);

void BM_Table(benchmark::State& state) {
    const ReferenceMaterial& m = Data().materials.at(static_cast<std::size_t>(state.range(0)) - 1);
    const MaterialDefinition material{m.listName, m.composition, m.density, m.meanExcitationEv};
    for (auto _ : state) {
        benchmark::DoNotOptimize(ComputeTable(material, Data(), GenerationOptions{}));
    }
    state.SetLabel(m.listName);
}
BENCHMARK(BM_Table)->Arg(276)->Arg(82);

void BM_WholeBundledSetTexts(benchmark::State& state) {
    const std::vector<BundledFile> files = BundledFiles(Data());
    for (auto _ : state) {
        for (const BundledFile& file : files) {
            benchmark::DoNotOptimize(BundledFileText(file, Data(), GenerationOptions{}));
        }
    }
}
BENCHMARK(BM_WholeBundledSetTexts)->Unit(benchmark::kMillisecond);

}  // namespace
