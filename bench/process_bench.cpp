// The whole `jointwright-cli design` process against the start of a program that does nothing:
// what an engineer waits for, and the floor no program can beat.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

#include "run_quietly.h"

namespace {

void RunProcess(benchmark::State& state, const std::vector<std::string>& args) {
    for (auto _ : state)
        if (!jw::bench::RunQuietly(args)) {
            state.SkipWithError("cannot start the program");
            return;
        }
}

void EmptyProgram(benchmark::State& state) {
    RunProcess(state, {JW_FLOOR_PATH});
}
BENCHMARK(EmptyProgram)->Unit(benchmark::kMillisecond);

// The report goes to a memory file system in the first case and to the working folder's disk
// in the second, where replacing it makes ext4 write it out at once.
void CliDesign(benchmark::State& state, const char* folder) {
    const std::string report = (std::filesystem::path(folder) / "jointwright_bench.out").string();
    RunProcess(state, {JW_CLI_PATH, "design", JW_SAMPLE_PATH, "--report", report});
    std::filesystem::remove(report);
}
BENCHMARK_CAPTURE(CliDesign, memory_fs, "/dev/shm")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(CliDesign, disk_fs, ".")->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
