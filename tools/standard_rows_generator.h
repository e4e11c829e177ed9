// Builds the standard connection tables that src/data/standard_connection_rows.cpp holds: the
// established rows at their places (each replaced, where it fails a check of its own design, by
// the cheapest sound connection for its own loads), and for every other beam section the
// automatic design's cheapest sound connection for the load rule below.
//
// The load rule, from the beam's own allowable shear Va = 0.4 x 2400 x d x tw (kg) and
// allowable moment Ma = 0.6 x 2400 x Sx (kg-cm), d and tw in cm, Sx in cm^3, the nominal yield
// of SS400 at 2400 ksc:
//   shear plate and angle cleats   V = 0.75 Va
//   end plate                      V = 0.75 Va, M = Ma
//   splice                         V = 0.60 Va, M = 0.60 Ma
// V is rounded down to 50 kg and M to 1000 kg-cm. The shares are those the established rows
// carry. Each row is designed for SS400 members with A325-X bolts of the beam's usual size
// (M16 below 200 mm depth, M20 below 400 mm, M24 from 400 mm), then larger bolts, then smaller
// ones, then the same with A490-X bolts; the first bolts that carry the loads give the row the
// cheapest connection they make. When none carries them, the loads are lowered in steps of 5 %
// (to half at most) and the row notes the share it carries. A beam that no practical connection
// of the type fits gets a row with its name only, which empties the grid. A name two beams share
// gets a connection that passes on both.
#pragma once

#include <string>
#include <vector>

#include "data/connection_input.h"

namespace jw::tools {

struct StandardLoads {
    double shearKg = 0;
    double momentKgCm = 0;
};
// The loads of the rule for a beam, scaled by `share` (1 for the full rule).
StandardLoads LoadRule(ConnectionType type, int beamSection, double share);

struct GeneratedRow {
    std::string text;  // the row as the table holds it, ending in a blank
    std::string note;  // what the row is: given, or the load it was designed for
};

// Rows 1..count of a type's table.
std::vector<GeneratedRow> GenerateStandardRows(ConnectionType type);

// The source file holding all four tables.
std::string FormatStandardRowsSource();

}  // namespace jw::tools
