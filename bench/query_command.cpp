// Benchmarks of velmora-query as a program, started as a shell would start it: a million energies
// through standard input with every row written out (to /dev/null), and the time from start to
// exit of one look-up beside that of a program doing nothing. Wall time per run; the counter
// cpu_ms is the child's user and system time.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;

// Starts the program once per iteration in the data folder, standard input from a file and
// standard output to /dev/null, and reports the wall time of each run.
void RunChild(benchmark::State& state, std::vector<std::string> args,
              const std::string& input = "/dev/null") {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, input.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addchdir_np(&actions, VELMORA_DATA_DIR);
    std::vector<char*> argv;
    for (std::string& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec * 1e-6; };
    double cpu = 0.0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        pid_t pid = 0;
        int status = 0;
        rusage usage{};
        if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0 ||
            wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) ||
            WEXITSTATUS(status) != 0) {
            throw std::runtime_error(args[0] + " failed");
        }
        const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(wall.count());
        cpu += seconds(usage.ru_utime) + seconds(usage.ru_stime);
    }
    posix_spawn_file_actions_destroy(&actions);
    state.counters["cpu_ms"] = benchmark::Counter(cpu * 1e3 / state.iterations());
}

// A million energies, log-uniform over the accepted range, six significant digits, written once
// and removed at exit.
const std::string& MillionEnergies() {
    static const std::string path =
        fs::temp_directory_path() / ("velmora-bench-energies-" + std::to_string(getpid()) + ".txt");
    [[maybe_unused]] static const bool written = [] {
        std::mt19937_64 random(1);
        std::uniform_real_distribution<double> exponent(-2.0, 3.0);
        std::ofstream out(path);  // the stream's default: "%.6g"
        for (int k = 0; k < 1000000; ++k)
            out << std::pow(10.0, exponent(random)) << '\n';
        return std::atexit([] { fs::remove(path); }) == 0;
    }();
    return path;
}

// Argument: 0 text (the default format), 1 csv, 2 json.
void BM_AtMillionEnergiesFromStandardInput(benchmark::State& state) {
    const char* format = std::vector{"text", "csv", "json"}.at(state.range(0));
    state.SetLabel(format);
    RunChild(state, {VELMORA_QUERY, "at", "water, liquid", "--format", format}, MillionEnergies());
    state.SetItemsProcessed(state.iterations() * 1000000);
}
BENCHMARK(BM_AtMillionEnergiesFromStandardInput)
    ->DenseRange(0, 2)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

// One look-up by name (every material's name is read to match it) and by file path.
void BM_OneLookup(benchmark::State& state) {
    const bool byName = state.range(0) == 0;
    state.SetLabel(byName ? "by name" : "by path");
    RunChild(state,
             {VELMORA_QUERY, "at", byName ? "water, liquid" : "p_STC/Water liquid.stc", "1"});
}
BENCHMARK(BM_OneLookup)->DenseRange(0, 1)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_ProgramDoingNothing(benchmark::State& state) {
    RunChild(state, {VELMORA_NOOP});
}
BENCHMARK(BM_ProgramDoingNothing)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
