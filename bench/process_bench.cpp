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

// Every proposal of the four standard tables designed, as a whole process.
void CliStandard(benchmark::State& state) {
    RunProcess(state, {JW_CLI_PATH, "standard"});
}
BENCHMARK(CliStandard)->Unit(benchmark::kMillisecond);

// The automatic design on the largest beam with five alternatives, as a whole process.
void CliOptimise(benchmark::State& state, std::vector<std::string> args) {
    std::vector<std::string> all = {
        JW_CLI_PATH, "optimise", "--section", "H-900X300X286(kg/m)V", "--alternatives", "5"};
    all.insert(all.end(), args.begin(), args.end());
    RunProcess(state, all);
}
BENCHMARK_CAPTURE(CliOptimise, wsp, {"--type", "WSP", "--shear", "100000"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(CliOptimise, aclt, {"--type", "ACLT", "--shear", "100000"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(CliOptimise, bmep,
                  {"--type", "BMEP", "--shear", "100000", "--moment", "12000000"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(CliOptimise, bspl, {"--type", "BSPL", "--shear", "80000", "--moment", "9000000"})
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
