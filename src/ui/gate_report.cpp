#include "ui/gate_report.h"

#include "data/connection_input.h"
#include "design/design_run.h"
#include "ui/ui_helpers.h"

namespace jw::ui {

std::vector<std::pair<int, QString>> IncompleteRowReasons(const TextGrid& grid) {
    std::vector<std::pair<int, QString>> reasons;
    for (int row : IncompleteRows(grid)) {
        const QString label = FromCoreText(grid.At(row, kLabelColumn));
        const QString value = FromCoreText(grid.At(row, kValueColumn));
        reasons.emplace_back(
            row, value.isEmpty() ? QStringLiteral("%1 is empty").arg(label)
                                 : QStringLiteral("%1: \"%2\" is not a number").arg(label, value));
    }
    return reasons;
}

std::optional<GateReport> DesktopGateFailure(const TextGrid& grid, bool preview) {
    const auto gate = GateFailure(grid, preview);
    if (!gate) return std::nullopt;
    GateReport report{FromCoreText(gate->text), FromCoreText(gate->title), {}};
    if (CheckInputGate(grid) != GateResult::Incomplete) return report;
    report.rows = IncompleteRowReasons(grid);
    for (const auto& [row, reason] : report.rows)
        report.text += QStringLiteral("\nRow %1: %2").arg(row).arg(reason);
    return report;
}

}  // namespace jw::ui
