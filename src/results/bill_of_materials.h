// What the fabricator cuts and orders for one connection: every plate and angle with its count
// and size, the bolts (counted for the whole joint) with the plies each passes through, and the
// fillet welds. A splice's plates cover both beam ends, as drawn; for the moment connections the
// summary and the command line's JSON show the plates and bolts, and the automatic design prices
// every connection from the same list.
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

struct AngleItem {
    std::string part;  // "angle cleat"
    int count = 0;
    std::string section;  // "L-90X90X13.3(kg/m)"
    double lengthMm = 0;
    double kgPerM = 0;
};

struct BoltItem {
    std::string part;  // "web bolts", "flange bolts", "end plate bolts"
    int count = 0;     // in the whole joint
    double diameterMm = 0;
    std::string grade;
    int plies = 0;  // the parts each bolt passes through, every one drilled or punched
};

struct WeldItem {
    std::string part;     // "shear plate to support"
    double lengthMm = 0;  // every run, each side counted
    double sizeMm = 0;    // leg
};

struct BillOfMaterials {
    std::vector<PlateItem> plates;
    std::vector<AngleItem> angles;
    std::vector<BoltItem> bolts;
    std::vector<WeldItem> welds;
};

// The bill of an end plate or a splice; empty for the shear connections.
BillOfMaterials MomentBillOfMaterials(ConnectionType type, const DesignState& s);

// The bill of any connection: the angle cleats are the angle section at `angleSection`. The
// welds of an end plate to its beam are not inputs and are left out.
BillOfMaterials ConnectionBill(ConnectionType type, const DesignState& s, int angleSection = -1);

// The splice's summary rows: "1 PL-8X210X140 / 2 PL-9X145X260" and
// "4 - M20 / 16 - M20 (A325-X) per joint".
std::string SplicePlateText(const BillOfMaterials& bill);
std::string SpliceBoltText(const BillOfMaterials& bill);

}  // namespace jw
