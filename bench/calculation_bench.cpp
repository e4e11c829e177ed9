// The detailed calculation: its model and its text and HTML, in memory for each type; and the
// whole `jointwright-cli design --calc` process and a job package of 100 connections, which an
// engineer waits for.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

#include "results/calculation_html.h"
#include "results/calculation_text.h"
#include "run_quietly.h"
#include "worked_inputs.h"

namespace jw {
namespace {

// A run, its model and one rendering: what `design --calc` adds to a design.
void CalculationInMemory(benchmark::State& state, bool html) {
    const ConnectionInput input = bench::WorkedInput(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const DesignResult result = RunDesign(input, RunOptions{""});
        const CalculationModel model =
            BuildCalculation({{}, "2026-08-12", "x.Bol", ""}, input, result);
        benchmark::DoNotOptimize(html ? CalculationHtml(model) : CalculationText(model));
    }
    state.SetLabel(std::string(TypeName(input.type)));
}
BENCHMARK_CAPTURE(CalculationInMemory, text, false)
    ->DenseRange(0, 3)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(CalculationInMemory, html, true)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

// The whole process, writing to a memory file system.
void CliCalculation(benchmark::State& state, const char* extension) {
    const std::string out = std::string("/dev/shm/jointwright_bench_calc") + extension;
    for (auto _ : state)
        if (!bench::RunQuietly({JW_CLI_PATH, "design", JW_SAMPLE_PATH, "--report",
                                "/dev/shm/jw.out", "--calc", out},
                               1))
            state.SkipWithError("the design did not run");
    std::filesystem::remove(out);
    std::filesystem::remove("/dev/shm/jw.out");
}
BENCHMARK_CAPTURE(CliCalculation, text, ".txt")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(CliCalculation, html, ".html")->Unit(benchmark::kMillisecond);

// 100 connections: the sample projects over and over, as a building's schedule repeats its
// connection marks.
void CliPackage(benchmark::State& state, const char* option) {
    std::vector<std::string> args = {JW_CLI_PATH, "package"};
    std::vector<std::string> samples;
    for (const auto& entry : std::filesystem::directory_iterator(JW_EXAMPLES_DIR))
        if (entry.path().extension() == ".Bol") samples.push_back(entry.path().string());
    for (std::size_t i = 0; i < 100 && !samples.empty(); ++i)
        args.push_back(samples[i % samples.size()]);
    const std::string out = std::string("/dev/shm/jointwright_bench_package.") + (option + 2);
    args.insert(args.end(), {option, out, "--csv", "/dev/null"});
    for (auto _ : state)
        if (!bench::RunQuietly(args, 1))
            state.SkipWithError("no package (a build without Qt has no PDF)");
    std::filesystem::remove(out);
}
BENCHMARK_CAPTURE(CliPackage, html, "--html")->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(CliPackage, pdf, "--pdf")->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace jw

BENCHMARK_MAIN();
