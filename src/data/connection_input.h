// One connection as the engineer enters it: the type, the global choices and the input grid.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "data/text_grid.h"

namespace jw {

enum class ConnectionType { None = 0, WSP = 1, ACLT = 2, BMEP = 3, BSPL = 4 };

inline constexpr int kTypeCount = 4;

// "WSP", "ACLT", "BMEP", "BSPL" ("" for none).
std::string_view TypeName(ConnectionType type);
// The option caption on the main form ("Shear Plate", ...).
std::string_view TypeCaption(ConnectionType type);
// The title in reports ("Type - Welded Shear Plate (WSP)", ...).
std::string_view TypeReportTitle(ConnectionType type);
// The type of an index 1..4 or of a name; None otherwise.
ConnectionType TypeFromIndex(int index);
ConnectionType TypeFromName(std::string_view name);

// The choices held outside the grid. List positions are 0-based; -1 means nothing chosen.
struct ConnectionChoices {
    int boltGrade = 0;      // position in kBoltGradeNames, 0 "A307"
    int boltDiameter = 0;   // position in kBoltDiameterNames, 0 "12 mm."
    int beamSection = -1;   // position in the beam table
    int angleSection = -1;  // position in the angle table (angle cleats only)
    int memberGrade = 1;    // option number: 1 SS400, 2 SS490, 3 SM520, 4 SM490, 0 none
    bool advisor = false;
};

// One row of an input grid layout.
struct InputRow {
    std::string_view label;
    std::string_view unit;
};

// The rows of a type's input grid, without the header row (empty for None).
std::span<const InputRow> InputLayout(ConnectionType type);

// Column indices of the input grid.
inline constexpr int kLabelColumn = 0;
inline constexpr int kUnitColumn = 1;
inline constexpr int kValueColumn = 2;

// The input grid of a type: header row with "Unit", one row per input, every value empty.
TextGrid BuildInputGrid(ConnectionType type);

// Every value cell holds a well-formed number ("0" included).
bool IsInputComplete(const TextGrid& grid);
// The value of one input row is a well-formed number: the rule IsInputComplete applies to each.
bool IsRowComplete(const TextGrid& grid, int row);
// The input rows (1 to rows - 1) whose values keep the input from being complete, in order.
std::vector<int> IncompleteRows(const TextGrid& grid);
// No row of plates or angles asks for more than 2.
bool IsCleatCountValid(const TextGrid& grid);

// The gate before every design run and preview. The cleat message wins when both fail.
enum class GateResult { Passed, Incomplete, TooManyCleats };
GateResult CheckInputGate(const TextGrid& grid);

}  // namespace jw
