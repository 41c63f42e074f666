// Benchmarks of the number patterns, the reading of typed numbers and the plain number text. The
// table window formats up to 5001 rows of three numbers, so one call should cost well below a
// microsecond.
#include "core/number_format.h"

#include <benchmark/benchmark.h>

#include <array>
#include <string>
#include <string_view>

namespace {

// Values like those the program formats (energies, stopping powers, ranges, densities) and two
// exact ties (0.0625, 12345), which take the slower path of a second, longer conversion.
const std::array<double, 12> kValues = {0.01,    2.34561, 9.9996, 1000.0,     0.00123456, 15.7316,
                                        0.98765, 166.0,   2.6989, 0.00120479, 0.0625,     12345.0};
const std::array<std::string_view, 7> kPatterns = {
    "#0.000###", "#0.000", "##0.0", "0.000E+00", "0.0000E+00", "  0.0000E+00", " 0.0000E+00"};

// Calls f with each item in turn.
template <class Items, class F>
void Cycle(benchmark::State& state, const Items& items, F f) {
    size_t k = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(f(items[k]));
        k = (k + 1) % items.size();
    }
    state.SetItemsProcessed(state.iterations());
}

// One benchmark per pattern (the argument).
void BM_FormatPattern(benchmark::State& state) {
    const std::string_view pattern = kPatterns[static_cast<size_t>(state.range(0))];
    Cycle(state, kValues, [pattern](double v) { return velmora::FormatPattern(v, pattern); });
    state.SetLabel(std::string(pattern));
}
BENCHMARK(BM_FormatPattern)->DenseRange(0, kPatterns.size() - 1);

// Texts typed into the energy and table boxes, one of them not a number.
const std::array<std::string_view, 8> kTexts = {"0.1",    "10",    "1E3",       " 0.1 ",
                                                "2.5MeV", "1 000", "12.345678", "abc"};

void BM_ReadNumber(benchmark::State& state) {
    Cycle(state, kTexts, [](std::string_view text) { return velmora::ReadNumber(text); });
}
BENCHMARK(BM_ReadNumber);

void BM_NumberText(benchmark::State& state) {
    Cycle(state, kValues, [](double v) { return velmora::NumberText(v * 7.0); });
}
BENCHMARK(BM_NumberText);

}  // namespace
