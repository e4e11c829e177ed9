// The detailed drawings: the classic view of each type, laid out so nothing is clipped or
// overprinted, with a second view (a section through the connection with its plies hatched),
// callouts of the parts and bolts, weld symbols and warnings of a geometry that cannot be
// built. What each drawing needs beyond the classic geometry is read here once.
#pragma once

#include <string>
#include <vector>

#include "data/connection_input.h"
#include "data/text_grid.h"
#include "drawing/canvas.h"
#include "drawing/connection_drawings.h"
#include "drawing/drawing_input.h"

namespace jw {

// The fillet welds of a welded shear plate to its support.
struct FilletWeld {
    float size = 0;     // leg, mm
    float sides = 0;    // as typed: 1 one side, 2 both sides
    std::string grade;  // "E70XX"
};

struct ShearDetails {
    ShearDrawing elevation;
    bool angle = false;      // angle cleats rather than a welded plate
    int cleats = 1;          // plates or angles
    float plyThickness = 0;  // of the plate, or of the angle
    DrawnBeam beam;
    DrawnAngle angleSection;  // angle cleats only
    int supportBolts = 0;     // per angle, through the support leg
    FilletWeld weld;          // welded plate only
    std::string boltGrade;
};

struct EndPlateDetails {
    EndPlateDrawing plate;  // with the gauge of the end plate design
    float plateThickness = 0;
    DrawnBeam beam;
    std::string boltGrade;
};

struct SpliceDetails {
    SpliceDrawing splice;
    int webCleats = 1;
    float webCleatThickness = 0;
    DrawnBeam beam;
    std::string boltGrade;
};

ShearDetails WspDetails(const TextGrid& grid, const ConnectionChoices& choices);
ShearDetails AcltDetails(const TextGrid& grid, const ConnectionChoices& choices);
EndPlateDetails BmepDetails(const TextGrid& grid, const ConnectionChoices& choices);
SpliceDetails BsplDetails(const TextGrid& grid, const ConnectionChoices& choices);

void DrawDetailedShear(DrawingCanvas& canvas, const ShearDetails& details);
void DrawDetailedEndPlate(DrawingCanvas& canvas, const EndPlateDetails& details);
void DrawDetailedSplice(DrawingCanvas& canvas, const SpliceDetails& details);

// Each type's warnings of a geometry that cannot be built, short enough to stand on the
// drawing, named as the detailing checks name them; empty when the geometry is sound.
std::vector<std::string> ShearWarnings(const ShearDetails& details);
std::vector<std::string> EndPlateWarnings(const EndPlateDetails& details);
std::vector<std::string> SpliceWarnings(const SpliceDetails& details);

// The note that edges must be gas-cut or planed, when an edge distance is enough for such an
// edge only; empty otherwise.
std::string GasCutEdgeNote(std::initializer_list<float> edgesMm, float boltMm);

}  // namespace jw
