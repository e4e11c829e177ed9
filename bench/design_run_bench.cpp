// How long one design run takes: in memory for each type, and with its report file written.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "worked_inputs.h"

namespace jw {
namespace {

void DesignRunInMemory(benchmark::State& state) {
    const ConnectionInput input = bench::WorkedInput(static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(RunDesign(input, RunOptions{""}));
    state.SetLabel(std::string(TypeName(input.type)));
}
BENCHMARK(DesignRunInMemory)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

// The report replaces the previous one atomically (a new file renamed over it). On ext4 that
// rename makes the kernel write the new data out at once, which the second case shows; the
// first writes to a memory file system and measures the program's own work.
void DesignRunWithReportFile(benchmark::State& state, const char* folder) {
    const ConnectionInput input = testing::WspWorkedRun();
    const std::string path = (std::filesystem::path(folder) / "jointwright_bench.out").string();
    for (auto _ : state) benchmark::DoNotOptimize(RunDesign(input, RunOptions{path}));
    std::filesystem::remove(path);
}
BENCHMARK_CAPTURE(DesignRunWithReportFile, memory_fs, "/dev/shm")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(DesignRunWithReportFile, disk_fs, ".")->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace jw

BENCHMARK_MAIN();
