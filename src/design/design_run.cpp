#include "design/design_run.h"

#include "data/atomic_file.h"
#include "data/design_error.h"
#include "data/grades.h"
#include "data/input_readers.h"
#include "design/connection_checks.h"
#include "design/input_checks.h"
#include "results/further_report.h"
#include "results/report.h"
#include "results/summary.h"

namespace jw {
namespace {

void SetMaterials(ConnectionType type, DesignState& s) {
    if (!SetBoltGrade(s, s.boltGrade))
        throw DesignError("The bolt grade \"" + s.boltGrade + "\" is not known.");
    if (!SetMemberGrade(s, s.memberGrade))
        throw DesignError("The member steel grade \"" + s.memberGrade + "\" is not known.");
    if (!SetCleatGrade(s, s.cleatGrade))
        throw DesignError("The plate steel grade \"" + s.cleatGrade + "\" is not known.");
    if (type == ConnectionType::WSP && !SetWeldGrade(s, s.weldGrade))
        throw DesignError("\"Fillet Weld Grade E60 or E70\" must be 60 or 70.");
}

void RunChecks(ConnectionType type, DesignState& s, ReportValues& rv, TextGrid& table) {
    switch (type) {
        case ConnectionType::WSP:
            CheckWsp(s, rv, table);
            break;
        case ConnectionType::ACLT:
            CheckAclt(s, rv, table);
            break;
        case ConnectionType::BMEP:
            CheckBmep(s, rv, table);
            break;
        case ConnectionType::BSPL:
            CheckBspl(s, rv, table);
            break;
        case ConnectionType::None:
            break;
    }
}

// A value past the range of a double prints as "inf" or "nan"; such a run has no meaning.
bool ShowsNonFinite(std::string_view text) {
    for (std::string_view bad : {"= inf", "= -inf", "= nan", "= -nan"})
        if (text.find(bad) != std::string_view::npos) return true;
    return false;
}

void RequireFinite(const TextGrid& grid) {
    for (const std::string& cell : grid.cells)
        if (cell.find("inf") != std::string::npos || cell.find("nan") != std::string::npos)
            throw DesignError("A value is too large to compute: reduce the input values.");
}

}  // namespace

std::optional<GateMessage> GateFailure(const TextGrid& grid, bool preview) {
    switch (CheckInputGate(grid)) {
        case GateResult::Passed:
            return std::nullopt;
        case GateResult::Incomplete:
            return GateMessage{preview ? kPreviewIncompleteMessage : kIncompleteMessage,
                               kErrorTitle};
        case GateResult::TooManyCleats:
            return GateMessage{kCleatMessage, kCleatTitle};
    }
    return std::nullopt;
}

DesignResult RunDesign(const ConnectionInput& input, const RunOptions& options) {
    DesignResult result;
    if (const auto gate = GateFailure(input.grid)) {
        result.message = gate->text;
        result.messageTitle = gate->title;
        return result;
    }
    try {
        result.state = ReadDesignInput(input.type, input.grid, input.choices);
        ValidateDesignInput(input.type, input.grid, input.choices, result.state);
        SetMaterials(input.type, result.state);
        RunChecks(input.type, result.state, result.values, result.table);
        RequireFinite(result.table);
        if (!result.values.FiguresFinite())
            throw DesignError("A value is too large to compute: reduce the input values.");
        result.further = RunFurtherChecks(input.type, result.state, result.values);
        Summary summary =
            FillSummaryGrid(input.type, result.table, result.further, result.state, input.choices);
        RequireFinite(summary.grid);
        if (options.formatReport) {
            result.report =
                FormatReport(input.type, result.state, result.values) +
                FormatFurtherSection(result.further, summary.accepted, summary.governingMode);
            if (ShowsNonFinite(result.report))
                throw DesignError("A value is too large to compute: reduce the input values.");
            if (!options.reportPath.empty())
                WriteTextFileAtomically(options.reportPath, result.report);
        }
        result.summary = std::move(summary.grid);
        result.caption = std::move(summary.caption);
        result.labelColour = summary.labelColour;
        result.classicAccepted = summary.classicAccepted;
        result.governingMode = std::move(summary.governingMode);
        result.status = summary.accepted ? RunStatus::Accepted : RunStatus::Rejected;
    } catch (const DesignError& error) {
        result.status = RunStatus::Stopped;
        result.message = error.what();
        result.messageTitle = kErrorTitle;
    }
    return result;
}

}  // namespace jw
