// How fast the automatic design finds the lightest connection, and how fast every standard
// proposal is designed (what `jointwright-cli standard` does).
#include <benchmark/benchmark.h>

#include "data/sections.h"
#include "design/auto_design.h"
#include "design/standard_proposals.h"

namespace jw {
namespace {

void StandardProposals(benchmark::State& state) {
    for (auto _ : state) {
        auto designs = DesignStandardProposals(ConnectionType::None);
        benchmark::DoNotOptimize(designs);
    }
}
BENCHMARK(StandardProposals)->Unit(benchmark::kMillisecond);

struct OptimiseCase {
    ConnectionType type;
    const char* beam;
    double shearKg;
    double momentKgCm;
};

// A small and a large beam of each type, every grade, diameter and thickness free.
constexpr OptimiseCase kCases[] = {
    {ConnectionType::WSP, "H-150X75X14(kg/m)", 5000, 0},
    {ConnectionType::WSP, "H-900X300X286(kg/m)V", 100000, 0},
    {ConnectionType::ACLT, "H-150X75X14(kg/m)", 5000, 0},
    {ConnectionType::ACLT, "H-900X300X286(kg/m)V", 100000, 0},
    {ConnectionType::BMEP, "H-150X75X14(kg/m)", 5000, 120000},
    {ConnectionType::BMEP, "H-900X300X286(kg/m)V", 100000, 12000000},
    {ConnectionType::BSPL, "H-150X75X14(kg/m)", 4000, 60000},
    {ConnectionType::BSPL, "H-900X300X286(kg/m)V", 80000, 9000000},
};

void Optimise(benchmark::State& state) {
    const OptimiseCase& c = kCases[state.range(0)];
    AutoDesignRequest request;
    request.type = c.type;
    request.beamSection = FindBeamPosition(c.beam).value_or(-1);
    request.shearKg = c.shearKg;
    request.momentKgCm = c.momentKgCm;
    int runs = 0;
    for (auto _ : state) {
        const AutoDesignResult result = AutoDesign(request);
        runs = result.designsRun;
        benchmark::DoNotOptimize(result);
    }
    state.SetLabel(std::string(TypeName(c.type)) + " " + c.beam + ", " + std::to_string(runs) +
                   " designs");
}
BENCHMARK(Optimise)->DenseRange(0, 7)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace jw

BENCHMARK_MAIN();
