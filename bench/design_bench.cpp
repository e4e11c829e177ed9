// How fast the automatic design finds the cheapest connections (the best, and the five cheapest
// distinct layouts), how fast every standard proposal is designed (what `jointwright-cli
// standard` does), and how fast a capacity table of a type is found.
#include <benchmark/benchmark.h>

#include "data/sections.h"
#include "data/standard_connections.h"
#include "design/auto_design.h"
#include "design/capacity.h"
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
    // The web governs: the search of many sound flanges the web then rules out.
    {ConnectionType::BSPL, "H-900X300X286(kg/m)V", 60000, 500000},
};

void Optimise(benchmark::State& state) {
    const OptimiseCase& c = kCases[state.range(0)];
    AutoDesignRequest request;
    request.alternatives = static_cast<int>(state.range(1));
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
    state.SetLabel(std::string(TypeName(c.type)) + " " + c.beam + ", " +
                   std::to_string(request.alternatives) + " alternative(s), " +
                   std::to_string(runs) + " designs");
}
BENCHMARK(Optimise)->ArgsProduct({{0, 1, 2, 3, 4, 5, 6, 7, 8}, {1, 5}})->Unit(benchmark::kMillisecond);

// The capacity of every beam's standard splice (the heaviest of the four tables to bisect).
void CapacityTable(benchmark::State& state) {
    for (auto _ : state) {
        for (int beam = 0; beam < kSectionCount; ++beam) {
            const auto proposal = AdvisorLookup(ConnectionType::BSPL, SectionName(BeamRowAt(beam)));
            if (!proposal) continue;
            const auto input = ProposalInput(ConnectionType::BSPL, proposal->row, beam);
            if (input) benchmark::DoNotOptimize(CapacityOf(*input));
        }
    }
}
BENCHMARK(CapacityTable)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace jw

BENCHMARK_MAIN();
