// The geometry warnings each drawing carries in red: what the input asks for that cannot be
// cut, drilled or fitted, named as the detailing checks name their failures.
#include <cmath>
#include <limits>

#include "data/bolt_distances.h"
#include "data/part_geometry.h"
#include "drawing/classic_views.h"
#include "drawing/detailed_drawings.h"
#include "drawing/part_marks.h"

namespace jw {
namespace {

constexpr double kNoLimit = std::numeric_limits<double>::infinity();

void AddIf(std::vector<std::string>& warnings, bool fault, std::string text) {
    if (fault) warnings.push_back(std::move(text));
}

std::string Exceeds(std::string_view check, double value, double limit) {
    return std::string(check) + ": " + MarkLength(value) + " > " + MarkLength(limit);
}

// An edge distance too short for any edge, against Table J3.5's gas-cut value.
void AddEdgeWarning(std::vector<std::string>& warnings, std::string_view name, float edgeMm,
                    float boltMm) {
    const int bolt = static_cast<int>(boltMm);
    if (ClassifyEdgeDistance(edgeMm, bolt) != EdgeDistanceClass::TooShort) return;
    warnings.push_back("Edge distance: " + std::string(name) + " " + MarkLength(edgeMm) + " < " +
                       MarkLength(LeastEdgeDistance(bolt).rolledOrGasCut));
}

// A fillet weld runs along one face of the plate or along both.
bool WeldSidesBuildable(float sides) {
    return sides == 1 || sides == 2;
}

}  // namespace

std::vector<std::string> ShearWarnings(const ShearDetails& details) {
    const ShearDrawing& s = details.elevation;
    const DrawnBeam& beam = details.beam;
    const double hole = HoleDiameterMm(s.boltDia);
    const double face = s.depth + s.clearance;
    const double plateLeft = face - s.plateWidth;
    const double plateBottom = s.depth - s.plateHeight / 2;
    const double x0 = plateLeft + s.edgeAlong;
    const double y0 = plateBottom + s.edgeAcross;
    // Bolts through an angle's web leg must stay clear of its other leg.
    const double usableRight = face - s.legThickness;
    const std::string_view part = details.angle ? "Angle" : "Plate";

    std::vector<std::string> warnings;
    AddIf(warnings, !FitsClearWeb(s.plateHeight, beam.d, beam.tf, beam.r1),
          Exceeds(std::string(part) + " within clear web", s.plateHeight,
                  ClearWebDepthMm(beam.d, beam.tf, beam.r1)));
    const bool rowsIn =
        HolesWithin(y0, s.pitchAcross, s.rows, hole, plateBottom, plateBottom + s.plateHeight);
    const bool columnsIn = HolesWithin(x0, s.pitchAlong, s.columns, hole, plateLeft, usableRight);
    AddIf(warnings, !rowsIn || !columnsIn,
          details.angle ? "Bolts outside the angle leg" : "Bolts outside the plate");
    AddIf(warnings, !HolesWithin(x0, s.pitchAlong, s.columns, hole, -kNoLimit, s.depth),
          "Bolts beyond the beam end");
    if (!details.angle)
        AddIf(warnings, !WeldSidesBuildable(details.weld.sides),
              "Buildable geometry: weld sides " + MarkLength(details.weld.sides));
    AddEdgeWarning(warnings, "b", s.edgeAcross, s.boltDia);
    return warnings;
}

std::vector<std::string> EndPlateWarnings(const EndPlateDetails& details) {
    const EndPlateDrawing& e = details.plate;
    const double hole = HoleDiameterMm(e.boltDia);
    const double height = (e.rows - 1) * e.pitch + 2 * e.edge;
    const double firstColumn = (e.flangeWidth - e.gauge) / 2;

    std::vector<std::string> warnings;
    AddIf(warnings, !EndPlateCoversBeam(height, e.depth),
          "Plate covers beam: " + MarkLength(height) + " < " + MarkLength(e.depth));
    AddIf(warnings, !GaugeClearsWeb(e.gauge, e.web, hole),
          "Gauge within flange: g " + MarkLength(e.gauge) + " < " + MarkLength(e.web + hole));
    const bool rowsIn = HolesWithin(e.edge, e.pitch, e.rows, hole, 0, height);
    const bool columnsIn = HolesWithin(firstColumn, e.gauge, 2, hole, 0, e.flangeWidth);
    AddIf(warnings, !rowsIn || !columnsIn, "Bolts outside the plate");
    AddEdgeWarning(warnings, "b", e.edge, e.boltDia);
    return warnings;
}

std::vector<std::string> SpliceWarnings(const SpliceDetails& details) {
    const SpliceDrawing& s = details.splice;
    const SpliceLayout k = LayoutOf(s);
    const DrawnBeam& beam = details.beam;
    const double hole = HoleDiameterMm(s.boltDia);
    const double outerGauge = s.flangeGauge + 2 * s.stagger;

    std::vector<std::string> warnings;
    AddIf(warnings, !FitsClearWeb(k.Hw, beam.d, beam.tf, beam.r1),
          Exceeds("Web plate within clear web", k.Hw, ClearWebDepthMm(beam.d, beam.tf, beam.r1)));
    const bool webRows = HolesWithin(s.edge, s.pitch, s.rows, hole, 0, k.Hw);
    const bool webColumns = HolesWithin(s.edge, s.pitch, s.columns, hole, 0, k.Ww - s.setBack);
    AddIf(warnings, !webRows || !webColumns, "Bolts outside the web plate");
    AddIf(warnings, !FitsFlangeWidth(k.Wf, s.flangeWidth),
          Exceeds("Flange plate within flange", k.Wf, s.flangeWidth));
    AddIf(warnings,
          !HolesWithin(-outerGauge / 2, outerGauge, 2, hole, -s.flangeWidth / 2, s.flangeWidth / 2),
          "Flange bolts outside the flange");
    AddIf(warnings, !HolesClearOfWebFillets(s.flangeGauge, beam.tw, beam.r1, hole),
          "Flange bolts on the web fillets");
    AddIf(warnings,
          !HolesWithin(s.flangeEdge, s.flangePitch, s.flangeRows, hole, 0, k.L - s.setBack),
          "Flange bolts outside the flange plate");
    AddEdgeWarning(warnings, "b", s.edge, s.boltDia);
    AddEdgeWarning(warnings, "e", s.flangeEdge, s.boltDia);
    return warnings;
}

std::string GasCutEdgeNote(std::initializer_list<float> edgesMm, float boltMm) {
    const int bolt = static_cast<int>(boltMm);
    for (const float edge : edgesMm)
        if (ClassifyEdgeDistance(edge, bolt) == EdgeDistanceClass::GasCutEdgeOnly)
            return "Edges gas-cut or planed: " + MarkLength(edge) + " < " +
                   MarkLength(LeastEdgeDistance(bolt).sheared);
    return {};
}

}  // namespace jw
