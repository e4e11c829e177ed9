// The detailed drawing of a welded shear plate or of angle cleats: the classic elevation, laid
// out to fit, and under it a section through the bolts seen from above, showing the plies with
// their thicknesses, the bolts through the web and the welds to the support.
#include <algorithm>
#include <optional>

#include "drawing/annotations.h"
#include "drawing/classic_views.h"
#include "drawing/detailed_drawings.h"
#include "drawing/dimension_chains.h"
#include "drawing/fitted_drawing.h"
#include "drawing/part_marks.h"
#include "drawing/primitives.h"
#include "drawing/section_primitives.h"

namespace jw {
namespace {

// A plate or bolt group that reaches past the usual picture takes the beam's cut end and the
// support's ends with it, this share of the depth beyond it.
constexpr double kReachBeyond = 0.1;

// Positions of the elevation, in mm: the beam end at x = d, the support face at d + a.
struct Elevation {
    double face, plateLeft, plateTop, plateBottom;
    double x0, y0, lastColumn, topRow;  // the bolt group
    double beamLeft, supportTop, supportBottom;
};

Elevation ElevationOf(const ShearDrawing& s) {
    Elevation e{};
    const double d = s.depth;
    e.face = d + s.clearance;
    e.plateLeft = e.face - s.plateWidth;
    e.plateTop = d + s.plateHeight / 2.0;
    e.plateBottom = d - s.plateHeight / 2.0;
    e.x0 = e.plateLeft + s.edgeAlong;
    e.y0 = e.plateBottom + s.edgeAcross;
    e.lastColumn = e.x0 + (s.columns - 1) * static_cast<double>(s.pitchAlong);
    e.topRow = e.y0 + (s.rows - 1) * static_cast<double>(s.pitchAcross);
    const double reach = kReachBeyond * d;
    const double lowestBolt = std::min(e.y0, e.topRow) - s.boltDia;
    const double highestBolt = std::max(e.y0, e.topRow) + s.boltDia;
    e.beamLeft = std::min(0.0, std::min({e.plateLeft, e.x0, e.lastColumn}) - s.boltDia - reach);
    e.supportBottom = std::min(0.0, std::min(e.plateBottom, lowestBolt) - reach);
    e.supportTop = std::max(2 * d, std::max(e.plateTop, highestBolt) + reach);
    return e;
}

// The section through the bolts, seen from above: the web along x at y = webY.
struct Section {
    double webY, supportHalf;
    double plus, minus;  // outer faces of the plies either side of the web
    bool two;            // plies on both sides
    Rect view;
};

Section SectionOf(const ShearDetails& det, const Elevation& e, double top) {
    const ShearDrawing& s = det.elevation;
    const DrawnBeam& beam = det.beam;
    Section x{};
    x.two = det.cleats >= 2;
    const double ply = det.plyThickness;
    const double reach = det.angle ? det.angleSection.leg : ply + s.boltDia;
    x.supportHalf = std::max(beam.bf / 2.0, beam.tw / 2.0 + reach) + kReachBeyond * s.depth;
    x.webY = top - x.supportHalf;
    x.plus = x.webY + beam.tw / 2.0 + ply;
    x.minus = x.webY - beam.tw / 2.0 - (x.two ? ply : 0);
    x.view = {e.beamLeft, x.webY - x.supportHalf, e.face + s.supportFlange, top};
    return x;
}

struct ShearLayout {
    Elevation e;
    std::vector<std::vector<PlacedDimension>> chains;
    PlacedText elevationTitle;
    Section section;
    PlacedText sectionTitle;
    Annotations annotations;
};

// The classic chains, in their order, from their classic places outward.
void PlaceChains(DrawingCanvas& canvas, LayoutRoom& room, const ShearDrawing& s, ShearLayout& l) {
    const Elevation& e = l.e;
    const double d = s.depth;
    const double x1 = e.face + s.supportFlange + 0.1 * d;
    l.chains.push_back(PlaceChain(canvas, room, ChainSide::Right, x1,
                                  std::vector<ChainSpan>{{e.plateBottom, e.plateTop}}));

    std::vector<ChainSpan> rows = {{0.5 * d, e.y0}, {e.topRow, 1.5 * d}};
    for (const ChainSpan& p : PitchSpans(e.y0, s.pitchAcross, s.rows)) rows.push_back(p);
    l.chains.push_back(PlaceChain(canvas, room, ChainSide::Right, x1 + 0.2 * d, rows));
    l.chains.push_back(PlaceChain(canvas, room, ChainSide::Right, x1 + 0.35 * d,
                                  std::vector<ChainSpan>{{0.5 * d, 1.5 * d}}));

    std::vector<ChainSpan> columns = {{e.x0 - s.edgeAlong, e.x0}, {e.lastColumn, e.face}};
    for (const ChainSpan& p : PitchSpans(e.x0, s.pitchAlong, s.columns)) columns.push_back(p);
    l.chains.push_back(PlaceChain(canvas, room, ChainSide::Top, 1.6 * d, columns));
}

Rect BoltGroupRect(const Elevation& e, double boltDia) {
    return Rect::Spanning(e.x0, e.y0, e.lastColumn, e.topRow).Grown(boltDia / 2);
}

Rect ElevationParts(LayoutRoom& room, const ShearDrawing& s, const Elevation& e) {
    const Rect support{e.face, e.supportBottom, e.face + s.supportFlange, e.supportTop};
    const Rect beam{e.beamLeft, 0.5 * s.depth, s.depth, 1.5 * s.depth};
    const Rect plate = Rect::Spanning(e.plateLeft, e.plateBottom, e.face, e.plateTop);
    for (const Rect& r : {support, beam, plate, BoltGroupRect(e, s.boltDia)}) room.parts.Take(r);
    if (s.legThickness > 0)
        room.parts.Take(
            Rect::Spanning(e.face - s.legThickness, e.y0, e.face + s.supportFlange, e.topRow)
                .Grown(s.boltDia / 4));
    return support.Joined(beam).Joined(plate);
}

void SectionParts(LayoutRoom& room, const ShearDetails& det, const Elevation& e, const Section& x) {
    const double D = det.elevation.boltDia;
    room.parts.Take(x.view);
    room.parts.Take(Rect::Spanning(e.x0, x.minus - kBoltHeadLength * D, e.lastColumn,
                                   x.plus + kBoltHeadLength * D)
                        .Grown(kBoltHeadHalfWidth * D));
}

// The plies a web bolt passes through, and their total: the grip the bolt length is chosen by.
std::vector<std::string> PlyText(const ShearDetails& det) {
    const int plies = det.cleats >= 2 ? 2 : 1;
    const std::string ply = det.angle ? "L " : "PL ";
    const double grip = det.beam.tw + plies * static_cast<double>(det.plyThickness);
    return {(plies > 1 ? "2 " : "") + ply + MarkLength(det.plyThickness) + " + WEB " +
                MarkLength(det.beam.tw),
            "GRIP " + MarkLength(grip)};
}

void PlaceCallouts(DrawingCanvas& canvas, LayoutRoom& room, const ShearDetails& det,
                   ShearLayout& l) {
    const ShearDrawing& s = det.elevation;
    const Elevation& e = l.e;
    const Section& x = l.section;
    const double D = s.boltDia;
    const std::vector<std::string> mark =
        det.angle ? AngleMark(det.cleats, det.angleSection.leg, det.angleSection.otherLeg,
                              det.angleSection.thickness, s.plateHeight)
                  : std::vector<std::string>{
                        PlateMark(det.cleats, det.plyThickness, s.plateHeight, s.plateWidth)};
    const Rect plate = Rect::Spanning(e.plateLeft, e.plateBottom, e.face, e.plateTop);
    l.annotations.callouts.push_back(PlaceCallout(canvas, room, plate, mark));
    if (s.rows > 0 && s.columns > 0)
        l.annotations.callouts.push_back(
            PlaceCallout(canvas, room, BoltOutline(e.x0, e.topRow, D),
                         BoltCallout(s.rows * s.columns, D, det.boltGrade)));
    if (det.angle && det.supportBolts > 0 && s.rows > 0)
        l.annotations.callouts.push_back(
            PlaceCallout(canvas, room,
                         Rect::Spanning(e.face - s.legThickness, e.topRow - D / 4,
                                        e.face + s.supportFlange, e.topRow + D / 4),
                         BoltCallout(det.supportBolts * std::max(det.cleats, 1), D, det.boltGrade,
                                     {"IN SUPPORT LEGS"})));
    // The weld symbol points at the fillet weld where the section shows it.
    if (!det.angle && det.weld.sides >= 0.5) {
        const double leg = det.weld.size / 3.0;
        l.annotations.weld =
            PlaceWeldSymbol(canvas, room, e.face - leg, x.plus + leg,
                            {MarkLength(det.weld.size), det.weld.sides >= 1.5, {det.weld.grade}});
    }
    // The grip is the bolt's: the callout names the first bolt through the plies.
    if (s.rows > 0 && s.columns > 0)
        l.annotations.callouts.push_back(
            PlaceCallout(canvas, room, Rect::Spanning(e.x0 - D / 2, x.minus, e.x0 + D / 2, x.plus),
                         PlyText(det)));
}

ShearLayout LayOut(DrawingCanvas& canvas, const ShearDetails& det, bool callouts) {
    const ShearDrawing& s = det.elevation;
    ShearLayout l;
    l.e = ElevationOf(s);
    LayoutRoom room = RoomFor(canvas);
    const Rect elevation = ElevationParts(room, s, l.e);
    PlaceChains(canvas, room, s, l);
    if (callouts) l.elevationTitle = PlaceTitle(canvas, room, "ELEVATION", elevation);

    l.section = SectionOf(det, l.e, room.Extent().bottom - ViewGap(canvas));
    SectionParts(room, det, l.e, l.section);
    if (callouts) l.sectionTitle = PlaceTitle(canvas, room, "SECTION AT BOLTS", l.section.view);

    if (callouts) PlaceCallouts(canvas, room, det, l);
    PlaceNotesAndWarnings(canvas, room, GasCutEdgeNote({s.edgeAcross}, s.boltDia),
                          ShearWarnings(det), l.annotations);
    return l;
}

// An angle cut across: its web leg along the web from the heel at (face, y) and its outstanding
// leg against the support, on the side `side` of the web.
void DrawAngleCut(DrawingCanvas& canvas, double face, double y, double side, const DrawnAngle& a) {
    const double xs[] = {face - a.leg,       face,         face,        face - a.thickness,
                         face - a.thickness, face - a.leg, face - a.leg};
    const double ys[] = {
        y, y, y + side * a.leg, y + side * a.leg, y + side * a.thickness, y + side * a.thickness,
        y};
    for (int i = 0; i + 1 < 7; ++i) canvas.Line(xs[i], ys[i], xs[i + 1], ys[i + 1], kBlack);
    DrawHatch(canvas, Rect::Spanning(face - a.leg, y, face, y + side * a.thickness), false);
    DrawHatch(canvas,
              Rect::Spanning(face - a.thickness, y + side * a.thickness, face, y + side * a.leg),
              false);
}

void DrawPlies(DrawingCanvas& canvas, const ShearDetails& det, const Elevation& e,
               const Section& x) {
    const double webFace = det.beam.tw / 2.0;
    for (const double side : {1.0, -1.0}) {
        if (side < 0 && !x.two) continue;
        const double inner = x.webY + side * webFace;
        if (det.angle) {
            DrawAngleCut(canvas, e.face, inner, side, det.angleSection);
            continue;
        }
        const double outer = side > 0 ? x.plus : x.minus;
        const Rect plate = Rect::Spanning(e.plateLeft, inner, e.face, outer);
        canvas.Box(plate.left, plate.top, plate.right, plate.bottom, kBlack);
        DrawHatch(canvas, plate, false);
        // Fillet welds to the support along the plate's outer face, and its inner face too when
        // welded on both sides.
        const double w = det.weld.size;
        if (det.weld.sides >= 0.5) DrawFilletWeld(canvas, e.face, outer, -w, side * w);
        if (det.weld.sides >= 1.5) DrawFilletWeld(canvas, e.face, inner, -w, -side * w);
    }
}

void DrawSection(DrawingCanvas& canvas, const ShearDetails& det, const Elevation& e,
                 const Section& x) {
    const ShearDrawing& s = det.elevation;
    const DrawnBeam& beam = det.beam;
    canvas.SetDrawWidth(1);
    const Rect support{e.face, x.webY - x.supportHalf, e.face + s.supportFlange,
                       x.webY + x.supportHalf};
    canvas.Box(support.left, support.top, support.right, support.bottom, kBlack);
    DrawHatch(canvas, support, true);
    // The lower flange, seen beyond the cut, and the web cut through.
    canvas.Box(e.beamLeft, x.webY + beam.bf / 2.0, s.depth, x.webY - beam.bf / 2.0, kBlack);
    const Rect web{e.beamLeft, x.webY - beam.tw / 2.0, s.depth, x.webY + beam.tw / 2.0};
    canvas.Box(web.left, web.top, web.right, web.bottom, kBlack);
    DrawHatch(canvas, web, true);
    DrawPlies(canvas, det, e, x);
    for (int i = 0; i < s.columns && s.rows > 0; ++i)
        DrawBoltThrough(canvas, true, e.x0 + i * static_cast<double>(s.pitchAlong), x.minus, x.plus,
                        s.boltDia);
    // Angle cleats: the support bolts through each outstanding leg, at mid-leg.
    if (det.angle && det.supportBolts > 0) {
        for (const double side : {1.0, -1.0}) {
            if (side < 0 && !x.two) continue;
            const double y = x.webY + side * (beam.tw / 2.0 + det.angleSection.leg / 2.0);
            DrawBoltThrough(canvas, false, y, e.face - det.angleSection.thickness,
                            e.face + s.supportFlange, s.boltDia);
        }
    }
}

void DrawNew(DrawingCanvas& canvas, const ShearDetails& det, const ShearLayout& l) {
    DrawPlacedText(canvas, l.elevationTitle, kNoteColour);
    DrawSection(canvas, det, l.e, l.section);
    DrawPlacedText(canvas, l.sectionTitle, kNoteColour);
    DrawAnnotations(canvas, l.annotations);
}

}  // namespace

void DrawDetailedShear(DrawingCanvas& canvas, const ShearDetails& details) {
    const ShearDrawing& s = details.elevation;
    const WorldWindow classic =
        FittedWindow(0, 2 * s.depth + s.clearance + s.supportFlange, 0, 2 * s.depth, 0.05f);
    DrawFitted(canvas, classic, [&](DrawingCanvas& c, bool callouts) {
        const ShearLayout l = LayOut(c, details, callouts);
        DrawShearElevation(c, s, {l.e.beamLeft, l.e.supportBottom, l.e.supportTop, true});
        for (const auto& chain : l.chains) DrawPlacedDimensions(c, chain, kLightBlue);
        DrawNew(c, details, l);
        c.SetDrawWidth(1);
        c.SetForeColor(kLightBlue);
    });
}

}  // namespace jw
