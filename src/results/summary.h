// The summary under the result table: what was designed, the stress range and the verdict.
#pragma once

#include <string>

#include "data/connection_input.h"
#include "data/design_state.h"
#include "data/text_grid.h"

namespace jw {

// Verdict label colours, 24-bit in blue-green-red order.
inline constexpr int kColourBlack = 0;
inline constexpr int kColourRed = 255;
inline constexpr int kColourGreen = 65280;
inline constexpr int kColourYellow = 65535;

// Empties the summary and gives the result table its starting shape of 34 rows by 4 columns.
void PrepareResultGrids(TextGrid& table, TextGrid& summary);

struct Summary {
    TextGrid grid;        // 5 rows by 2 columns
    std::string caption;  // "Shear Plate Connection", ...
    bool accepted = false;
    int labelColour = kColourRed;
};

// The summary of a designed result table. A connection is accepted only when its highest
// shown ratio is at most 1.00 and no check asks for a redesign.
Summary FillSummaryGrid(ConnectionType type, const TextGrid& table, const DesignState& s,
                        const ConnectionChoices& choices);

}  // namespace jw
