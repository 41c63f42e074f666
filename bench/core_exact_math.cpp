// The core's own exp and log against the C library's, over the arguments the interpolation meets:
// logarithms of energies and table values, exponentials of their differences.
#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <vector>

#include "core/exact_math.h"

namespace velmora {
namespace {

constexpr std::size_t kArguments = 4096;

std::vector<double> Arguments(double low, double high, bool logarithmic) {
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> spread(low, high);
    std::vector<double> arguments(kArguments);
    for (double& x : arguments) {
        x = logarithmic ? std::pow(10.0, spread(random)) : spread(random);
    }
    return arguments;
}

template <double (*Function)(double)>
void Run(benchmark::State& state, const std::vector<double>& arguments) {
    for (auto _ : state) {
        double sum = 0.0;
        for (const double x : arguments) {
            sum += Function(x);
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * arguments.size()));
}

double LibraryLog(double x) {
    return std::log(x);
}

double LibraryExp(double x) {
    return std::exp(x);
}

void BM_ExactLog(benchmark::State& state) {
    Run<ExactLog>(state, Arguments(-6.0, 5.0, true));
}
void BM_LibraryLog(benchmark::State& state) {
    Run<LibraryLog>(state, Arguments(-6.0, 5.0, true));
}
void BM_ExactExp(benchmark::State& state) {
    Run<ExactExp>(state, Arguments(-26.0, 26.0, false));
}
void BM_LibraryExp(benchmark::State& state) {
    Run<LibraryExp>(state, Arguments(-26.0, 26.0, false));
}
BENCHMARK(BM_ExactLog);
BENCHMARK(BM_LibraryLog);
BENCHMARK(BM_ExactExp);
BENCHMARK(BM_LibraryExp);

}  // namespace
}  // namespace velmora
