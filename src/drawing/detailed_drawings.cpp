#include "drawing/detailed_drawings.h"

#include <algorithm>
#include <cmath>

#include "data/bolt_distances.h"
#include "data/text_helpers.h"

namespace jw {
namespace {

// A weld grade cell longer than this is a typing slip; the drawing shows its start only.
constexpr std::size_t kMaxGradeText = 8;

std::string WeldGrade(const std::string& cell) {
    std::string text = WordAt(cell, 1);
    if (text.size() > kMaxGradeText) text.resize(kMaxGradeText);
    return "E" + text + "XX";
}

}  // namespace

ShearDetails WspDetails(const TextGrid& grid, const ConnectionChoices& choices) {
    ShearDetails d;
    d.elevation = WspShearDrawing(grid, choices);
    d.beam = ChosenBeam(choices);
    const GridValues values(grid);
    d.cleats = values.Count("Number of Cleat");
    d.plyThickness = values.Length("Cleat Thickness");
    d.weld.size = values.Length("Fillet Weld Size");
    d.weld.sides = values.Length("Number of Weld Side");
    d.weld.grade = WeldGrade(values.Text("Fillet Weld Grade E60 or E70"));
    d.boltGrade = std::string(ChosenBoltGrade(choices));
    return d;
}

ShearDetails AcltDetails(const TextGrid& grid, const ConnectionChoices& choices) {
    ShearDetails d;
    d.elevation = AcltShearDrawing(grid, choices);
    d.angle = true;
    d.beam = ChosenBeam(choices);
    d.angleSection = ChosenAngle(choices);
    const GridValues values(grid);
    d.cleats = values.Count("Number of Angle");
    d.supportBolts = values.Count("Number of Bolt at Support");
    d.plyThickness = d.angleSection.thickness;
    d.boltGrade = std::string(ChosenBoltGrade(choices));
    return d;
}

EndPlateDetails BmepDetails(const TextGrid& grid, const ConnectionChoices& choices) {
    EndPlateDetails d;
    d.plate = BmepEndPlateDrawing(grid, choices);
    // What is drawn is what the end plate checks take: each bolt line a gas-cut edge distance
    // in from its edge of the plate.
    d.plate.gauge =
        static_cast<float>(EndPlateGaugeMm(d.plate.flangeWidth, static_cast<int>(d.plate.boltDia)));
    d.beam = ChosenBeam(choices);
    d.plateThickness = GridValues(grid).Length("End Plate Thicness");
    d.boltGrade = std::string(ChosenBoltGrade(choices));
    return d;
}

SpliceDetails BsplDetails(const TextGrid& grid, const ConnectionChoices& choices) {
    SpliceDetails d;
    d.splice = BsplSpliceDrawing(grid, choices);
    d.beam = ChosenBeam(choices);
    const GridValues values(grid);
    d.webCleats = values.Count("Number of Cleat Plate");
    d.webCleatThickness = values.Length("Cleat Thicness");
    d.boltGrade = std::string(ChosenBoltGrade(choices));
    return d;
}

void DrawConnection(DrawingCanvas& canvas, ConnectionType type, const TextGrid& grid,
                    const ConnectionChoices& choices) {
    switch (type) {
        case ConnectionType::WSP:
            DrawDetailedShear(canvas, WspDetails(grid, choices));
            break;
        case ConnectionType::ACLT:
            DrawDetailedShear(canvas, AcltDetails(grid, choices));
            break;
        case ConnectionType::BMEP:
            DrawDetailedEndPlate(canvas, BmepDetails(grid, choices));
            break;
        case ConnectionType::BSPL:
            DrawDetailedSplice(canvas, BsplDetails(grid, choices));
            break;
        case ConnectionType::None:
            break;
    }
}

}  // namespace jw
