// What the fabricator cuts and orders for one moment connection: every plate with its count and
// size, and the bolts, counted for the whole joint. A splice's plates cover both beam ends, as
// drawn; the summary and the command line's JSON show the same list.
#pragma once

#include <string>
#include <vector>

#include "data/connection_input.h"
#include "data/design_state.h"

namespace jw {

struct PlateItem {
    std::string part;  // "web plate", "outer flange plate", ...
    int count = 0;     // in the whole joint
    double thicknessMm = 0;
    double widthMm = 0;   // across: down the web, across the flange, or the end plate's width
    double lengthMm = 0;  // along the beam, or the end plate's height
};

struct BoltItem {
    std::string part;  // "web bolts", "flange bolts", "end plate bolts"
    int count = 0;     // in the whole joint
    double diameterMm = 0;
    std::string grade;
};

struct BillOfMaterials {
    std::vector<PlateItem> plates;
    std::vector<BoltItem> bolts;
};

// The bill of an end plate or a splice; empty for the shear connections.
BillOfMaterials MomentBillOfMaterials(ConnectionType type, const DesignState& s);

// The splice's summary rows: "1 PL-8X210X140 / 2 PL-9X145X260" and
// "4 - M20 / 16 - M20 (A325-X) per joint".
std::string SplicePlateText(const BillOfMaterials& bill);
std::string SpliceBoltText(const BillOfMaterials& bill);

}  // namespace jw
