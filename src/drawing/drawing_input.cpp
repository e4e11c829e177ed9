#include "drawing/drawing_input.h"

#include <algorithm>
#include <cmath>

#include "data/design_error.h"
#include "data/grades.h"
#include "data/numbers.h"
#include "data/sections.h"
#include "data/text_helpers.h"

namespace jw {
namespace {

// Fields of an angle row holding the leg lengths A and B.
constexpr int kAngleOtherLegField = 4;

// A bolt group larger than this is a typing slip, not a connection; drawing it would take
// minutes and gigabytes.
constexpr int kMaxBoltsDrawn = 10000;

// The grid labels of a shear connection's bolt group.
struct BoltGroupLabels {
    std::string_view rows, columns, setBack, edge, pitch;
};

// What the shear plate and the angle cleats draw alike: the support, the beam and the bolt
// group of the web; the caller adds the cleat's own width and leg.
ShearDrawing ShearDrawingFromGrid(const TextGrid& grid, const ConnectionChoices& choices,
                                  const BoltGroupLabels& labels) {
    const DrawnBeam beam = ChosenBeam(choices);
    const GridValues values(grid);
    const int rows = values.Count(labels.rows);
    const int columns = values.Count(labels.columns);
    ShearDrawing s;
    s.clearance = values.Length(labels.setBack);
    const float b = values.Length(labels.edge);
    const float c = values.Length(labels.pitch);
    s.boltDia = ChosenBoltDia(choices);
    CheckBoltGroup(rows, columns);
    // The support is drawn with the beam's own flange thickness.
    s.supportFlange = beam.tf;
    s.depth = beam.d;
    s.flange = beam.tf;
    s.plateHeight = (rows - 1) * c + 2 * b;
    s.rows = rows;
    s.columns = columns;
    s.pitchAlong = c;
    s.pitchAcross = c;
    s.edgeAlong = b;
    s.edgeAcross = b;
    return s;
}

}  // namespace

// Section dimensions are drawn in the table's millimetres, as stored.
DrawnBeam ChosenBeam(const ConnectionChoices& choices) {
    const std::string_view row = BeamRowAt(choices.beamSection);
    // Without a beam every dimension reads 0 and the picture would collapse to a point.
    if (row.empty())
        throw DesignError("No beam section is chosen: choose a beam section before drawing.");
    return {SectionField(row, kDepth), SectionField(row, kFlangeWidth),
            SectionField(row, kWebThickness), SectionField(row, kFlangeThickness),
            SectionField(row, kRootRadius)};
}

DrawnAngle ChosenAngle(const ConnectionChoices& choices) {
    const std::string_view row = AngleRowAt(choices.angleSection);
    if (row.empty())
        throw DesignError("No angle section is chosen: choose an angle section before drawing.");
    return {SectionField(row, kAngleLegField), SectionField(row, kAngleOtherLegField),
            SectionField(row, kAngleThicknessField)};
}

float ChosenBoltDia(const ConnectionChoices& choices) {
    if (choices.boltDiameter < 0 || choices.boltDiameter >= kBoltDiameterCount)
        throw DesignError("No bolt diameter is chosen: choose a bolt diameter before drawing.");
    const std::string_view item = kBoltDiameterNames[choices.boltDiameter];
    return static_cast<float>(LeadingNumber(item.substr(0, 2)));
}

std::string_view ChosenBoltGrade(const ConnectionChoices& choices) {
    if (choices.boltGrade < 0 || choices.boltGrade >= kBoltGradeCount) return {};
    return kBoltGradeNames[choices.boltGrade];
}

void CheckBoltGroup(int rows, int columns) {
    const long long drawn =
        static_cast<long long>(std::max(rows, 1)) * static_cast<long long>(std::max(columns, 1));
    if (drawn > kMaxBoltsDrawn)
        throw DesignError("A bolt group of " + std::to_string(rows) + " rows by " +
                          std::to_string(columns) +
                          " columns is too large to draw: check the numbers of bolt rows and "
                          "columns.");
}

float GridValues::Length(std::string_view label) const {
    const float value = static_cast<float>(LeadingNumber(Text(label)));
    if (!std::isfinite(value))
        throw DesignError("\"" + std::string(label) +
                          "\" is too large to draw: enter a length in millimetres.");
    return value;
}

int GridValues::Count(std::string_view label) const {
    const auto count = RoundCount(LeadingNumber(Text(label)));
    if (!count)
        throw DesignError("\"" + std::string(label) +
                          "\" is out of range: a count must lie between -32768 and 32767.");
    return *count;
}

const std::string& GridValues::Text(std::string_view label) const {
    for (int row = 1; row < grid_.rows; ++row)
        if (grid_.Has(row, kValueColumn) && grid_.At(row, kLabelColumn) == label)
            return grid_.At(row, kValueColumn);
    throw DesignError("The input grid has no row \"" + std::string(label) +
                      "\": it does not belong to the connection type being drawn.");
}

ShearDrawing WspShearDrawing(const TextGrid& grid, const ConnectionChoices& choices) {
    ShearDrawing s = ShearDrawingFromGrid(
        grid, choices,
        {"Number of Bolt Row", "Number of Bolt Column", "Clr Dis. from Column (a)",
         "Clr Dis. from Cut Edge (b)", "c-to-c Dis. of Bolt (c)"});
    // The welded plate reaches from the support face over the clearance to the beam web.
    s.plateWidth = (s.columns - 1) * s.pitchAcross + s.clearance + 2 * s.edgeAcross;
    s.legThickness = 0;
    return s;
}

ShearDrawing AcltShearDrawing(const TextGrid& grid, const ConnectionChoices& choices) {
    ShearDrawing s = ShearDrawingFromGrid(grid, choices,
                                          {"Row of Bolt", "Column of Bolt", "Set Back Distance (a)",
                                           "Bolt Edge Distance (b)", "Bolt c-to-c Distance (c)"});
    const DrawnAngle angle = ChosenAngle(choices);
    // Seen from the side, the cleat shows its web leg, as long as the angle's leg.
    s.plateWidth = angle.leg;
    s.legThickness = angle.thickness;
    return s;
}

EndPlateDrawing BmepEndPlateDrawing(const TextGrid& grid, const ConnectionChoices& choices) {
    const DrawnBeam beam = ChosenBeam(choices);
    const GridValues values(grid);
    const int rows = values.Count("Row of Bolt");
    const float b = values.Length("Bolt Edge Distance (b)");
    const float c = values.Length("Bolt c-to-c Distance (c)");
    const float boltDia = ChosenBoltDia(choices);
    CheckBoltGroup(rows, 2);

    EndPlateDrawing e;
    e.depth = beam.d;
    e.flange = beam.tf;
    e.flangeWidth = beam.bf;
    e.web = beam.tw;
    e.boltDia = boltDia;
    e.rows = rows;
    e.edge = b;
    e.pitch = c;
    // The two bolt columns stand one bolt diameter in from the plate's edges.
    e.gauge = beam.bf - 2 * boltDia;
    return e;
}

SpliceDrawing BsplSpliceDrawing(const TextGrid& grid, const ConnectionChoices& choices) {
    const DrawnBeam beam = ChosenBeam(choices);
    const GridValues values(grid);
    SpliceDrawing s;
    s.depth = beam.d;
    s.flange = beam.tf;
    s.flangeWidth = beam.bf;
    s.rows = values.Count("Row of Bolt");
    s.columns = values.Count("Column of Bolt");
    s.setBack = values.Length("Set Back Distance (a)");
    s.edge = values.Length("Bolt Edge Distance (b)");
    s.pitch = values.Length("Bolt c-to-c Distance (c)");
    s.flangeCleat = values.Length("Flange Cleat Thickness");
    s.flangeCleats = values.Count("Number of Flange Cleat");
    s.flangeRows = values.Count("Row of Flange Cleat");
    s.flangeEdge = values.Length("Edge Distance");
    s.stagger = values.Length("Flange Bolt Col Distance(C1)");
    s.flangePitch = values.Length("Flange Bolt Pitch Distance(C2)");
    s.flangeGauge = values.Length("Flange Bolt C-to-c Distance(C3)");
    s.boltDia = ChosenBoltDia(choices);
    CheckBoltGroup(s.rows, s.columns);
    CheckBoltGroup(s.flangeRows, 2);
    return s;
}

}  // namespace jw
