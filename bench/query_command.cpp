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
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;

struct ChildRun {
    double wallSeconds = 0.0;
    double cpuSeconds = 0.0;
};

// Starts the program in the data folder with stdin from a file and stdout to /dev/null.
ChildRun RunChild(std::vector<std::string> args, const std::string& input = "/dev/null") {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, input.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addchdir_np(&actions, VELMORA_DATA_DIR);
    std::vector<char*> argv;
    for (std::string& arg : args) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
        throw std::runtime_error("cannot start " + args[0]);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const auto end = std::chrono::steady_clock::now();
    posix_spawn_file_actions_destroy(&actions);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        throw std::runtime_error(args[0] + " failed");
    }
    const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec * 1e-6; };
    return {std::chrono::duration<double>(end - start).count(),
            seconds(usage.ru_utime) + seconds(usage.ru_stime)};
}

// A million energies, log-uniform over the accepted range, six significant digits, written once.
const std::string& MillionEnergies() {
    static const std::string path = [] {
        const std::string file = (fs::temp_directory_path() /
                                  ("velmora-bench-energies-" + std::to_string(getpid()) + ".txt"))
                                     .string();
        std::mt19937_64 random(1);
        std::uniform_real_distribution<double> exponent(-2.0, 3.0);
        std::ofstream out(file);
        char line[32];
        for (int k = 0; k < 1000000; ++k) {
            out.write(line,
                      std::snprintf(line, sizeof line, "%.6g\n", std::pow(10.0, exponent(random))));
        }
        std::atexit([] { fs::remove(MillionEnergies()); });
        return file;
    }();
    return path;
}

void Report(benchmark::State& state, const ChildRun& run, double& cpu) {
    state.SetIterationTime(run.wallSeconds);
    cpu += run.cpuSeconds;
}

// Argument: 0 text (the default format), 1 csv, 2 json.
void BM_AtMillionEnergiesFromStandardInput(benchmark::State& state) {
    const char* formats[] = {"text", "csv", "json"};
    const char* format = formats[state.range(0)];
    const std::string& input = MillionEnergies();
    double cpu = 0.0;
    for (auto _ : state) {
        Report(state, RunChild({VELMORA_QUERY, "at", "water, liquid", "--format", format}, input),
               cpu);
    }
    state.counters["cpu_ms"] = benchmark::Counter(cpu * 1e3 / state.iterations());
    state.SetLabel(format);
    state.SetItemsProcessed(state.iterations() * 1000000);
}
BENCHMARK(BM_AtMillionEnergiesFromStandardInput)
    ->DenseRange(0, 2)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

// One look-up by name (every material's name is read to match it) and by file path.
void BM_OneLookup(benchmark::State& state) {
    const std::string material = state.range(0) == 0 ? "water, liquid" : "p_STC/Water liquid.stc";
    double cpu = 0.0;
    for (auto _ : state) {
        Report(state, RunChild({VELMORA_QUERY, "at", material, "1"}), cpu);
    }
    state.counters["cpu_ms"] = benchmark::Counter(cpu * 1e3 / state.iterations());
    state.SetLabel(state.range(0) == 0 ? "by name" : "by path");
}
BENCHMARK(BM_OneLookup)->DenseRange(0, 1)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_ProgramDoingNothing(benchmark::State& state) {
    double cpu = 0.0;
    for (auto _ : state) {
        Report(state, RunChild({VELMORA_NOOP}), cpu);
    }
    state.counters["cpu_ms"] = benchmark::Counter(cpu * 1e3 / state.iterations());
}
BENCHMARK(BM_ProgramDoingNothing)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
