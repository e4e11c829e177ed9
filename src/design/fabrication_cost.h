// What a connection costs to make, by which the automatic design ranks its candidates: the steel
// of its plates and angles, its bolts and the holes they pass through, and its fillet welds, each
// at a unit cost. The default unit costs are relative, one unit for a kilogram of plate steel;
// an engineer may set the rates of his own fabricator.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "data/connection_input.h"
#include "data/design_state.h"

namespace jw {

struct UnitCosts {
    double steelPerKg = 1.0;     // plate and angle, cut, handled and painted
    double boltEach = 2.0;       // a bolt with its nut and washer, fitted and tightened
    double holeEach = 1.0;       // one hole drilled or punched through one ply
    double weldPerCmMm = 0.015;  // one centimetre of fillet weld per millimetre of leg
};

// The quantities of a connection that its cost counts.
struct FabricationQuantities {
    double steelKg = 0;   // plates and angles
    int bolts = 0;        // every bolt of the joint
    int holes = 0;        // every hole, one per bolt and ply
    double weldCm = 0;    // fillet weld length, each side counted
    double weldCmMm = 0;  // the same times the leg size
};

// From the design state of a run and, for angle cleats, the angle's list position. The welds of
// an end plate to its beam are not inputs and are not counted.
FabricationQuantities QuantitiesOf(ConnectionType type, const DesignState& s, int angleSection);

double CostOf(const FabricationQuantities& q, const UnitCosts& costs);

// Unit costs from a small text file: one "key = value" a line, keys "steel_per_kg",
// "bolt_each", "hole_each" and "weld_per_cm_mm", values numbers of at least 0; blank lines and
// lines starting with "#" are skipped; keys not given keep their defaults. Either the costs, or
// the error naming the line.
struct UnitCostsReading {
    std::optional<UnitCosts> costs;
    std::string error;
};
UnitCostsReading ReadUnitCosts(std::string_view text);

// The unit costs as the file gives them, for the manual and the command line's help.
std::string UnitCostsText(const UnitCosts& costs);

}  // namespace jw
