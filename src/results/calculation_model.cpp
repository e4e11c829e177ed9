#include "results/calculation_model.h"

#include "results/further_report.h"
#include "results/program_version.h"
#include "results/report.h"

namespace jw {
namespace {

// "*** Further checks (AISC-ASD 1989) ***" without its stars.
std::string FurtherHeading() {
    std::string heading = kFurtherChecksHeading;
    const std::size_t first = heading.find_first_not_of("* ");
    const std::size_t last = heading.find_last_not_of("* ");
    return heading.substr(first, last - first + 1);
}

// The ratio shown for the governing check: classic rows first, so a classic row named like a
// further check wins, as it wins the tie that made it govern.
std::string RatioOf(const std::vector<CheckGroup>& groups, const std::string& name) {
    for (const CheckGroup& group : groups)
        for (const CheckRow& check : group.checks)
            if (check.name == name) return check.ratioText.empty() ? "-" : check.ratioText;
    return {};
}

}  // namespace

CalculationModel BuildCalculation(const CalculationSource& source, const ConnectionInput& input,
                                  const DesignResult& result) {
    CalculationModel model;
    model.program = kProgramName;
    model.version = ProgramVersionText();
    model.source = source;
    model.typeTitle = TypeReportTitle(input.type);
    model.inputs = InputBlocks(input, result);
    model.derived = DerivedBlocks(input.type, result);
    model.checks = ClassicCheckRows(input.type, result.state, result.values, result.table);
    if (!result.further.checks.empty())
        model.checks.push_back({FurtherHeading(), result.further.checks});
    model.accepted = result.status == RunStatus::Accepted;
    model.governingCheck = result.governingMode;
    model.governingRatio = RatioOf(model.checks, result.governingMode);
    model.verdictLine = ConnectionVerdictLine(model.accepted, result.governingMode);
    for (const FurtherWarning& warning : result.further.warnings)
        model.warnings.push_back(warning.text);
    model.notChecked = NotCheckedFor(input.type);
    return model;
}

}  // namespace jw
