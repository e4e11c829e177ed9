// The input gate's message as the desktop shows it: the message of the design run, and for an
// incomplete input the rows at fault below it, so the engineer knows where to look. The rows
// are also tinted in the grid.
#pragma once

#include <QString>
#include <optional>
#include <utility>
#include <vector>

#include "data/text_grid.h"

namespace jw::ui {

struct GateReport {
    QString text;
    QString title;
    std::vector<std::pair<int, QString>> rows;  // input row and why its value does not do
};

// Nothing when the grid passes the gate. `preview` gives the shorter first line of Preview.
std::optional<GateReport> DesktopGateFailure(const TextGrid& grid, bool preview = false);

// Why each incomplete row does not do ("Bolt Diameter is empty"), in row order.
std::vector<std::pair<int, QString>> IncompleteRowReasons(const TextGrid& grid);

}  // namespace jw::ui
