// The summary under the result table: what was designed, the stress range and the verdict.
#pragma once

#include <string>

#include "data/connection_input.h"
#include "data/design_state.h"
#include "data/text_grid.h"
#include "design/further/further_checks.h"

namespace jw {

// Verdict label colours, 24-bit in blue-green-red order.
inline constexpr int kColourBlack = 0;
inline constexpr int kColourRed = 255;
inline constexpr int kColourGreen = 65280;
inline constexpr int kColourYellow = 65535;

// Empties the summary and gives the result table its starting shape of 34 rows by 4 columns.
void PrepareResultGrids(TextGrid& table, TextGrid& summary);

struct Summary {
    TextGrid grid;                 // 5 rows by 2 columns
    std::string caption;           // "Shear Plate Connection", ...
    bool classicAccepted = false;  // by the classic rows alone
    bool accepted = false;         // by the classic rows and every further check
    std::string governingMode;     // the check of highest ratio, classic or further
    int labelColour = kColourRed;
};

// The summary of a designed result table and the further checks of the same run. The classic
// rows accept a connection when their highest shown ratio is at most 1.00 and none asks for a
// redesign; the connection is accepted when, besides, every further check passes. The stress
// range stays that of the classic rows; the mode of failure is the failing check of highest
// ratio among classic rows and further checks, a classic row winning a tie.
Summary FillSummaryGrid(ConnectionType type, const TextGrid& table, const FurtherChecks& further,
                        const DesignState& s, const ConnectionChoices& choices);

}  // namespace jw
