// The detailed drawing of a moment end plate: the classic view onto the plate with its bolt
// lines at the gauge the end plate design takes, laid out to fit, and beside it a section on
// the beam's centre line showing the plate, the flanges and their welds and the bolt rows.
#include <algorithm>
#include <optional>
#include <string_view>

#include "drawing/annotations.h"
#include "drawing/detailed_drawings.h"
#include "drawing/dimension_chains.h"
#include "drawing/fitted_drawing.h"
#include "drawing/part_marks.h"
#include "drawing/primitives.h"
#include "drawing/section_primitives.h"

namespace jw {
namespace {

constexpr std::string_view kBoltGroupNote =
    "(Configuration of Bolt Group Shall be designed by User)";
// The welds of the flanges and web to the plate are not inputs: their size comes from the
// calculation, and the section shows them at a nominal size.
constexpr std::string_view kWeldGrade = "E70XX";
constexpr std::string_view kWeldSize = "SIZE PER CALC.";
constexpr double kNominalWeldShare = 0.7;  // of the flange thickness
// Length of beam the section shows behind the plate, in beam depths.
constexpr double kBeamShown = 0.75;

struct PlateView {
    double height;               // Hp
    double beamBottom, beamTop;  // the beam, centred on the plate
    double firstColumn, topRow;  // bolts
};

PlateView PlateViewOf(const EndPlateDrawing& e) {
    PlateView v{};
    v.height = (e.rows - 1) * static_cast<double>(e.pitch) + 2.0 * e.edge;
    v.beamBottom = v.height / 2 - e.depth / 2.0;
    v.beamTop = v.beamBottom + e.depth;
    v.firstColumn = (e.flangeWidth - e.gauge) / 2.0;
    v.topRow = e.edge + (e.rows - 1) * static_cast<double>(e.pitch);
    return v;
}

// The section on the centre line: the plate from x = plateX, the beam behind it to the right.
struct SideSection {
    double plateX, beamEnd;
    Rect view;
};

struct EndPlateLayout {
    PlateView v;
    PlacedText note;
    std::vector<std::vector<PlacedDimension>> chains;
    PlacedText frontTitle;
    SideSection side;
    std::vector<PlacedDimension> thickness;
    PlacedText sideTitle;
    Annotations annotations;
};

void PlaceChains(DrawingCanvas& canvas, LayoutRoom& room, const EndPlateDrawing& e,
                 EndPlateLayout& l) {
    const PlateView& v = l.v;
    const double bf = e.flangeWidth;
    std::vector<ChainSpan> rows = {{0, e.edge}};
    for (const ChainSpan& p : PitchSpans(e.edge, e.pitch, e.rows)) rows.push_back(p);
    rows.push_back({v.topRow, v.height});
    l.chains.push_back(PlaceChain(canvas, room, ChainSide::Right, 1.15 * bf, rows));
    l.chains.push_back(PlaceChain(canvas, room, ChainSide::Right, 1.6 * bf,
                                  std::vector<ChainSpan>{{0, v.height}}));
    l.chains.push_back(
        PlaceChain(canvas, room, ChainSide::Top, 1.1 * v.height,
                   std::vector<ChainSpan>{{v.firstColumn, v.firstColumn + e.gauge}}));
    l.chains.push_back(
        PlaceChain(canvas, room, ChainSide::Top, 1.2 * v.height, std::vector<ChainSpan>{{0, bf}}));
}

SideSection SideSectionOf(const EndPlateDetails& det, const PlateView& v, double left) {
    const EndPlateDrawing& e = det.plate;
    SideSection x{};
    const double boltReach = (1 + kBoltHeadLength) * e.boltDia;
    x.plateX = left + boltReach;
    x.beamEnd = x.plateX + det.plateThickness + kBeamShown * e.depth;
    x.view =
        Rect::Spanning(left, std::min(0.0, v.beamBottom), x.beamEnd, std::max(v.height, v.beamTop));
    return x;
}

void PlaceCallouts(DrawingCanvas& canvas, LayoutRoom& room, const EndPlateDetails& det,
                   EndPlateLayout& l) {
    const EndPlateDrawing& e = det.plate;
    const double D = e.boltDia;
    l.annotations.callouts.push_back(
        PlaceCallout(canvas, room, Rect{0, 0, e.flangeWidth, l.v.height},
                     {PlateMark(1, det.plateThickness, l.v.height, e.flangeWidth)}));
    if (e.rows > 0)
        l.annotations.callouts.push_back(PlaceCallout(canvas, room,
                                                      BoltOutline(l.v.firstColumn, l.v.topRow, D),
                                                      BoltCallout(2 * e.rows, D, det.boltGrade)));
    const double weldLeg = kNominalWeldShare * e.flange;
    const double face = l.side.plateX + det.plateThickness;
    l.annotations.weld =
        PlaceWeldSymbol(canvas, room, face + weldLeg / 3, l.v.beamTop + weldLeg / 3,
                        {"", true, {std::string(kWeldGrade), std::string(kWeldSize)}});
}

EndPlateLayout LayOut(DrawingCanvas& canvas, const EndPlateDetails& det, bool callouts) {
    const EndPlateDrawing& e = det.plate;
    EndPlateLayout l;
    l.v = PlateViewOf(e);
    LayoutRoom room = RoomFor(canvas);
    const Rect plate{0, 0, e.flangeWidth, l.v.height};
    const Rect beam{0, l.v.beamBottom, e.flangeWidth, l.v.beamTop};
    const Rect bolts =
        Rect::Spanning(l.v.firstColumn, e.edge, l.v.firstColumn + e.gauge, l.v.topRow)
            .Grown(e.boltDia / 2.0);
    for (const Rect& r : {plate, beam, bolts}) room.parts.Take(r);
    PlaceChains(canvas, room, e, l);
    if (callouts) l.frontTitle = PlaceTitle(canvas, room, "VIEW ON END PLATE", plate.Joined(beam));

    l.side = SideSectionOf(det, l.v, room.Extent().right + ViewGap(canvas));
    room.parts.Take(l.side.view);
    const double above = std::max(l.v.height, l.v.beamTop) + 0.1 * e.depth;
    l.thickness =
        PlaceChain(canvas, room, ChainSide::Top, above,
                   std::vector<ChainSpan>{{l.side.plateX, l.side.plateX + det.plateThickness}});
    if (callouts) l.sideTitle = PlaceTitle(canvas, room, "SECTION ON CENTRE LINE", l.side.view);

    if (callouts) PlaceCallouts(canvas, room, det, l);
    PlaceNotesAndWarnings(canvas, room, GasCutEdgeNote({e.edge}, e.boltDia), EndPlateWarnings(det),
                          l.annotations);
    // The classic note stands centred over everything, as it always has.
    l.note = PlaceLineAbove(canvas, room, std::string(kBoltGroupNote), kLightBlue);
    return l;
}

// A flange cut on the centre line, hatched, with its fillet welds to the plate on both faces.
void DrawFlangeCut(DrawingCanvas& canvas, double face, double beamEnd, double bottom, double tf,
                   double weldLeg) {
    const Rect flange{face, bottom, beamEnd, bottom + tf};
    canvas.Box(flange.left, flange.top, flange.right, flange.bottom, kBlack);
    DrawHatch(canvas, flange, true);
    DrawFilletWeld(canvas, face, flange.top, weldLeg, weldLeg);
    DrawFilletWeld(canvas, face, flange.bottom, weldLeg, -weldLeg);
}

void DrawSideSection(DrawingCanvas& canvas, const EndPlateDetails& det, const EndPlateLayout& l) {
    const EndPlateDrawing& e = det.plate;
    const SideSection& x = l.side;
    const double face = x.plateX + det.plateThickness;
    canvas.SetDrawWidth(1);
    const Rect plate{x.plateX, 0, face, l.v.height};
    canvas.Box(plate.left, plate.top, plate.right, plate.bottom, kBlack);
    DrawHatch(canvas, plate, false);
    const double weldLeg = kNominalWeldShare * e.flange;
    DrawFlangeCut(canvas, face, x.beamEnd, l.v.beamTop - e.flange, e.flange, weldLeg);
    DrawFlangeCut(canvas, face, x.beamEnd, l.v.beamBottom, e.flange, weldLeg);
    // The beam's far end, where the section stops.
    canvas.Line(x.beamEnd, l.v.beamBottom, x.beamEnd, l.v.beamTop, kBlack);
    // The bolts run on through the support beyond the plate, which the drawing does not show.
    const double D = e.boltDia;
    for (int i = 0; i < e.rows; ++i)
        DrawBoltThrough(canvas, false, e.edge + i * static_cast<double>(e.pitch), x.plateX - D,
                        face, D);
}

void DrawNew(DrawingCanvas& canvas, const EndPlateDetails& det, const EndPlateLayout& l) {
    DrawPlacedText(canvas, l.frontTitle, kNoteColour);
    DrawSideSection(canvas, det, l);
    DrawPlacedDimensions(canvas, l.thickness, kLightBlue);
    DrawPlacedText(canvas, l.sideTitle, kNoteColour);
    DrawAnnotations(canvas, l.annotations);
}

}  // namespace

void DrawDetailedEndPlate(DrawingCanvas& canvas, const EndPlateDetails& details) {
    const EndPlateDrawing& e = details.plate;
    const PlateView v = PlateViewOf(e);
    const float height = static_cast<float>(v.height);
    // The classic window: above the plate, or reaching down to a deeper beam's overhang.
    const WorldWindow classic =
        height > e.depth ? FittedWindow(0, 1.5f * e.flangeWidth, 0, 1.3f * height, 0.1f)
                         : FittedWindow(0, 1.5f * e.flangeWidth, height - e.depth, e.depth, 0.1f);
    DrawFitted(canvas, classic, [&](DrawingCanvas& c, bool callouts) {
        const EndPlateLayout l = LayOut(c, details, callouts);
        DrawPlacedText(c, l.note, kLightBlue);
        c.Box(0, 0, e.flangeWidth, v.height, kBlack);
        DrawISection(c, 0, static_cast<float>(v.beamBottom), e.depth, e.flangeWidth, e.flange,
                     e.web, kBlack);
        DrawBoltGrid(c, static_cast<float>(v.firstColumn), e.edge, e.boltDia, e.rows, 2, e.pitch,
                     e.gauge, kLightRed);
        for (const auto& chain : l.chains) DrawPlacedDimensions(c, chain, kLightBlue);
        DrawNew(c, details, l);
        c.SetDrawWidth(1);
        c.SetForeColor(kLightBlue);
    });
}

}  // namespace jw
