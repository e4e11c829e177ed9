// What a drawing reads from the input grid and the chosen sections and bolt, in the drawing's
// millimetres, shared by the classic drawings and the detailed ones. Every reader throws
// DesignError, before anything is drawn, for an input that cannot be drawn.
#pragma once

#include <string>
#include <string_view>

#include "data/connection_input.h"
#include "data/text_grid.h"
#include "drawing/connection_drawings.h"

namespace jw {

// The beam dimensions, as the section table holds them.
struct DrawnBeam {
    float d = 0;
    float bf = 0;
    float tw = 0;
    float tf = 0;
    float r1 = 0;
};
DrawnBeam ChosenBeam(const ConnectionChoices& choices);

// The angle: leg lengths A and B and thickness t.
struct DrawnAngle {
    float leg = 0;
    float otherLeg = 0;
    float thickness = 0;
};
DrawnAngle ChosenAngle(const ConnectionChoices& choices);

// The bolt diameter in mm: the number its list item starts with ("20 mm." gives 20).
float ChosenBoltDia(const ConnectionChoices& choices);
// The bolt grade's name; empty when none is chosen.
std::string_view ChosenBoltGrade(const ConnectionChoices& choices);

// Refuses a bolt group larger than any connection has: drawing it would take minutes.
void CheckBoltGroup(int rows, int columns);

// The value cells of an input grid, found by their row labels.
class GridValues {
  public:
    explicit GridValues(const TextGrid& grid) : grid_(grid) {}
    // A length in mm, in single precision as the drawing keeps it.
    float Length(std::string_view label) const;
    // A count rounded half to even; it must fit the 16-bit counts the design uses.
    int Count(std::string_view label) const;
    // The cell's text as typed.
    const std::string& Text(std::string_view label) const;

  private:
    const TextGrid& grid_;
};

// The classic drawings' readings of each type's grid.
ShearDrawing WspShearDrawing(const TextGrid& grid, const ConnectionChoices& choices);
ShearDrawing AcltShearDrawing(const TextGrid& grid, const ConnectionChoices& choices);
EndPlateDrawing BmepEndPlateDrawing(const TextGrid& grid, const ConnectionChoices& choices);
SpliceDrawing BsplSpliceDrawing(const TextGrid& grid, const ConnectionChoices& choices);

}  // namespace jw
