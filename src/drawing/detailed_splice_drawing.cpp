// The detailed drawing of a beam splice: the classic elevation of one half with the plan of its
// top flange, laid out to fit (the plan moves up when the chains between the views need the
// room), and beside them a section through the splice showing every ply hatched: the beam, the
// outer and inner flange plates, the web plates, and the bolts through them.
#include <algorithm>
#include <cmath>

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

struct SpliceDrawingLayout {
    SpliceLayout k;  // with the plan where the layout puts it
    std::vector<std::vector<PlacedDimension>> chains;
    PlacedText elevationTitle, planTitle, sectionTitle;
    double sectionX = 0;  // centre line of the section's web
    Rect section;
    Annotations annotations;
};

void Append(std::vector<ChainSpan>& to, const std::vector<ChainSpan>& more) {
    to.insert(to.end(), more.begin(), more.end());
}

double XD(const SpliceDrawing& s, const SpliceLayout& k) {
    return k.splice + s.setBack + 0.2 * k.L;
}

void PlaceWebChains(DrawingCanvas& canvas, LayoutRoom& room, const SpliceDrawing& s,
                    SpliceDrawingLayout& l) {
    const SpliceLayout& k = l.k;
    std::vector<ChainSpan> rows = {{k.yb, k.yb + s.edge}};
    Append(rows, PitchSpans(k.yb + s.edge, s.pitch, s.rows));
    rows.push_back({k.yb + k.Hw - s.edge, k.yb + k.Hw});
    l.chains.push_back(PlaceChain(canvas, room, ChainSide::Right, XD(s, k), rows));
    l.chains.push_back(PlaceChain(canvas, room, ChainSide::Right, XD(s, k) + 0.4 * k.L,
                                  std::vector<ChainSpan>{{k.yb, k.yb + k.Hw}}));
    std::vector<ChainSpan> columns = {{k.webLeft, k.webLeft + s.edge}};
    Append(columns, PitchSpans(k.webLeft + s.edge, s.pitch, s.columns));
    const double lastColumn = k.webLeft + s.edge + (s.columns - 1) * static_cast<double>(s.pitch);
    columns.push_back({lastColumn, lastColumn + s.edge + s.setBack});
    const double yw = 2.0 * s.flangeCleat + s.depth + 0.25 * s.flangeWidth;
    l.chains.push_back(PlaceChain(canvas, room, ChainSide::Top, yw, columns));
}

void PlaceFlangeChains(DrawingCanvas& canvas, LayoutRoom& room, const SpliceDrawing& s,
                       SpliceDrawingLayout& l) {
    const SpliceLayout& k = l.k;
    const double e = s.flangeEdge;
    const double C1 = s.stagger;
    const double C3 = s.flangeGauge;
    std::vector<ChainSpan> across = {{k.yc, k.yc + e}};
    if (C1 > 0) {
        across.push_back({k.yc + e, k.yc + e + C1});
        across.push_back({k.yc + e + C1 + C3, k.yc + e + 2 * C1 + C3});
    }
    across.push_back({k.yc + e + C1, k.yc + e + C1 + C3});
    across.push_back({k.yc + e + 2 * C1 + C3, k.yc + 2 * e + 2 * C1 + C3});
    l.chains.push_back(PlaceChain(canvas, room, ChainSide::Right, XD(s, k), across));
    l.chains.push_back(PlaceChain(canvas, room, ChainSide::Right, XD(s, k) + 0.4 * k.L,
                                  std::vector<ChainSpan>{{k.yc, k.yc + k.Wf}}));
    const double halfL = 0.5 * k.L;
    std::vector<ChainSpan> along = {{halfL, halfL + e}};
    Append(along, PitchSpans(halfL + e, s.flangePitch, s.flangeRows));
    const double lastRow = halfL + e + (s.flangeRows - 1) * static_cast<double>(s.flangePitch);
    along.push_back({lastRow, lastRow + e + s.setBack});
    l.chains.push_back(PlaceChain(canvas, room, ChainSide::Top, k.Y0 + 1.1 * s.flangeWidth, along));
    l.chains.push_back(PlaceChain(canvas, room, ChainSide::Top, k.Y0 + 1.4 * s.flangeWidth,
                                  std::vector<ChainSpan>{{halfL, k.splice}}));
}

Rect WebBolts(const SpliceDrawing& s, const SpliceLayout& k) {
    const double x = k.webLeft + s.edge;
    const double y = k.yb + s.edge;
    return Rect::Spanning(x, y, x + (s.columns - 1) * static_cast<double>(s.pitch),
                          y + (s.rows - 1) * static_cast<double>(s.pitch))
        .Grown(s.boltDia / 2.0);
}

Rect ElevationRect(const SpliceDrawing& s, const SpliceLayout& k) {
    return {0, 0, k.splice + s.flange, 4.0 * s.flangeCleat + s.depth};
}

Rect PlanRect(const SpliceDrawing& s, const SpliceLayout& k) {
    const Rect flange{0, k.Y0, k.splice + s.flange, k.Y0 + s.flangeWidth};
    const Rect cleat = Rect::Spanning(0.5 * k.L, k.yc, k.splice, k.yc + k.Wf);
    const double x0 = 0.5 * k.L + s.flangeEdge;
    const double lastX = x0 + std::max(0, s.flangeRows - 1) * static_cast<double>(s.flangePitch);
    const Rect bolts = Rect::Spanning(x0, k.yc + s.flangeEdge, lastX,
                                      k.yc + s.flangeEdge + 2.0 * s.stagger + s.flangeGauge)
                           .Grown(s.boltDia / 2.0);
    return flange.Joined(cleat).Joined(bolts);
}

// The plan of the flange stands clear above the elevation and the chains between them.
void RaisePlan(SpliceLayout& k, const SpliceDrawing& s, double clearAbove) {
    const double lowest = PlanRect(s, k).bottom;
    const double shift = std::max(0.0, clearAbove - lowest);
    k.Y0 = static_cast<float>(k.Y0 + shift);
    k.yc = static_cast<float>(k.yc + shift);
}

// The section at the splice: the beam end-on with its web on x = centre, at the heights of the
// elevation.
Rect SectionRect(const SpliceDetails& det, const SpliceLayout& k, double centre) {
    const SpliceDrawing& s = det.splice;
    const double half = std::max<double>(s.flangeWidth, k.Wf) / 2 + s.boltDia;
    const double head = kBoltHeadLength * s.boltDia;
    return {centre - half, s.flangeCleat - head, centre + half,
            3.0 * s.flangeCleat + s.depth + head};
}

double InnerPlateWidth(const SpliceDetails& det) {
    return (det.beam.bf - det.beam.tw - 2.0 * det.beam.r1) / 2;
}

void PlaceCallouts(DrawingCanvas& canvas, LayoutRoom& room, const SpliceDetails& det,
                   SpliceDrawingLayout& l) {
    const SpliceDrawing& s = det.splice;
    const SpliceLayout& k = l.k;
    const double D = s.boltDia;
    const double flangePlateLength = 2.0 * k.L;
    l.annotations.callouts.push_back(
        PlaceCallout(canvas, room, Rect::Spanning(k.webLeft, k.yb, k.splice, k.yb + k.Hw),
                     {PlateMark(det.webCleats, det.webCleatThickness, k.Hw, 2.0 * k.Ww)}));
    if (s.rows > 0 && s.columns > 0)
        l.annotations.callouts.push_back(
            PlaceCallout(canvas, room, BoltOutline(k.webLeft + s.edge, k.yb + k.Hw - s.edge, D),
                         BoltCallout(s.rows * s.columns, D, det.boltGrade, {"EACH SIDE"})));
    l.annotations.callouts.push_back(PlaceCallout(
        canvas, room, Rect::Spanning(0.5 * k.L, k.yc, k.splice, k.yc + k.Wf),
        {PlateMark(2, s.flangeCleat, k.Wf, flangePlateLength), "OUTER, ONE", "EACH FLANGE"}));
    if (s.flangeRows > 0)
        l.annotations.callouts.push_back(PlaceCallout(
            canvas, room, BoltOutline(0.5 * k.L + s.flangeEdge, k.yc + s.flangeEdge, D),
            BoltCallout(2 * s.flangeRows, D, det.boltGrade, {"EACH FLANGE", "EACH SIDE"})));
    if (s.flangeCleats >= 2) {
        const double top = 2.0 * s.flangeCleat + s.depth - s.flange;
        l.annotations.callouts.push_back(
            PlaceCallout(canvas, room,
                         Rect::Spanning(l.sectionX + det.beam.tw / 2.0 + det.beam.r1,
                                        top - s.flangeCleat, l.sectionX + s.flangeWidth / 2.0, top),
                         {PlateMark(4, s.flangeCleat, InnerPlateWidth(det), flangePlateLength),
                          "INNER, TWO", "EACH FLANGE"}));
    }
}

SpliceDrawingLayout LayOut(DrawingCanvas& canvas, const SpliceDetails& det, bool callouts) {
    const SpliceDrawing& s = det.splice;
    SpliceDrawingLayout l;
    l.k = LayoutOf(s);
    LayoutRoom room = RoomFor(canvas);
    const Rect elevation = ElevationRect(s, l.k);
    room.parts.Take(elevation);
    room.parts.Take(WebBolts(s, l.k));
    PlaceWebChains(canvas, room, s, l);
    if (callouts) l.elevationTitle = PlaceTitle(canvas, room, "ELEVATION", elevation);

    RaisePlan(l.k, s, room.Extent().top + ViewGap(canvas) / 2);
    const Rect plan = PlanRect(s, l.k);
    room.parts.Take(plan);
    PlaceFlangeChains(canvas, room, s, l);
    if (callouts) l.planTitle = PlaceTitle(canvas, room, "PLAN OF TOP FLANGE", plan);

    const Rect extent = room.Extent();
    const double half = std::max<double>(s.flangeWidth, l.k.Wf) / 2 + s.boltDia;
    l.sectionX = extent.right + ViewGap(canvas) + half;
    l.section = SectionRect(det, l.k, l.sectionX);
    room.parts.Take(l.section);
    if (callouts) l.sectionTitle = PlaceTitle(canvas, room, "SECTION AT SPLICE", l.section);

    if (callouts) PlaceCallouts(canvas, room, det, l);
    PlaceNotesAndWarnings(canvas, room, GasCutEdgeNote({s.edge, s.flangeEdge}, s.boltDia),
                          SpliceWarnings(det), l.annotations);
    return l;
}

void HatchedBox(DrawingCanvas& canvas, const Rect& r, bool rising) {
    canvas.Box(r.left, r.top, r.right, r.bottom, kBlack);
    DrawHatch(canvas, r, rising);
}

void DrawBeamCut(DrawingCanvas& canvas, const SpliceDetails& det, double xs) {
    const SpliceDrawing& s = det.splice;
    const double bottom = 2.0 * s.flangeCleat;
    const double bf = s.flangeWidth;
    const double tw = det.beam.tw;
    DrawISection(canvas, static_cast<float>(xs - bf / 2), static_cast<float>(bottom), s.depth, bf,
                 s.flange, det.beam.tw, kBlack);
    canvas.SetDrawWidth(1);
    DrawHatch(canvas, {xs - bf / 2, bottom, xs + bf / 2, bottom + s.flange}, true);
    DrawHatch(canvas, {xs - bf / 2, bottom + s.depth - s.flange, xs + bf / 2, bottom + s.depth},
              true);
    DrawHatch(canvas, {xs - tw / 2, bottom + s.flange, xs + tw / 2, bottom + s.depth - s.flange},
              true);
}

void DrawFlangePlies(DrawingCanvas& canvas, const SpliceDetails& det, const SpliceLayout& k,
                     double xs) {
    const SpliceDrawing& s = det.splice;
    const double tfc = s.flangeCleat;
    const double top = 2 * tfc + s.depth;
    HatchedBox(canvas, {xs - k.Wf / 2.0, tfc, xs + k.Wf / 2.0, 2 * tfc}, false);
    HatchedBox(canvas, {xs - k.Wf / 2.0, top, xs + k.Wf / 2.0, top + tfc}, false);
    const bool inner = s.flangeCleats >= 2;
    if (inner) {
        const double from = det.beam.tw / 2.0 + det.beam.r1;
        const double to = s.flangeWidth / 2.0;
        for (const double side : {1.0, -1.0}) {
            const double x1 = xs + side * from;
            const double x2 = xs + side * to;
            HatchedBox(canvas, Rect::Spanning(x1, 2 * tfc + s.flange, x2, 3 * tfc + s.flange),
                       false);
            HatchedBox(canvas, Rect::Spanning(x1, top - s.flange - tfc, x2, top - s.flange), false);
        }
    }
    // Bolt lines either side of the web, and the staggered outer lines.
    std::vector<double> lines = {s.flangeGauge / 2.0, -s.flangeGauge / 2.0};
    if (s.stagger != 0) {
        lines.push_back(s.flangeGauge / 2.0 + s.stagger);
        lines.push_back(-s.flangeGauge / 2.0 - s.stagger);
    }
    const double innerFace = inner ? tfc : 0;
    for (const double offset : lines) {
        DrawBoltThrough(canvas, true, xs + offset, tfc, 2 * tfc + s.flange + innerFace, s.boltDia);
        DrawBoltThrough(canvas, true, xs + offset, top - s.flange - innerFace, top + tfc,
                        s.boltDia);
    }
}

void DrawWebPlies(DrawingCanvas& canvas, const SpliceDetails& det, const SpliceLayout& k,
                  double xs) {
    const SpliceDrawing& s = det.splice;
    const double face = det.beam.tw / 2.0;
    const double tc = det.webCleatThickness;
    const bool two = det.webCleats >= 2;
    HatchedBox(canvas, {xs + face, k.yb, xs + face + tc, k.yb + k.Hw}, false);
    if (two) HatchedBox(canvas, {xs - face - tc, k.yb, xs - face, k.yb + k.Hw}, false);
    for (int i = 0; i < s.rows && s.columns > 0; ++i)
        DrawBoltThrough(canvas, false, k.yb + s.edge + i * static_cast<double>(s.pitch),
                        xs - face - (two ? tc : 0), xs + face + tc, s.boltDia);
}

void DrawNew(DrawingCanvas& canvas, const SpliceDetails& det, const SpliceDrawingLayout& l) {
    DrawPlacedText(canvas, l.elevationTitle, kNoteColour);
    DrawPlacedText(canvas, l.planTitle, kNoteColour);
    DrawBeamCut(canvas, det, l.sectionX);
    DrawFlangePlies(canvas, det, l.k, l.sectionX);
    DrawWebPlies(canvas, det, l.k, l.sectionX);
    DrawPlacedText(canvas, l.sectionTitle, kNoteColour);
    DrawAnnotations(canvas, l.annotations);
}

}  // namespace

void DrawDetailedSplice(DrawingCanvas& canvas, const SpliceDetails& details) {
    const SpliceDrawing& s = details.splice;
    const SpliceLayout k = LayoutOf(s);
    const WorldWindow classic = FittedWindow(0, 2 * k.L, 0, 2.25f * s.flangeWidth + s.depth, 0.05f);
    DrawFitted(canvas, classic, [&](DrawingCanvas& c, bool callouts) {
        const SpliceDrawingLayout l = LayOut(c, details, callouts);
        DrawSpliceElevation(c, s, l.k);
        DrawSpliceFlangePlan(c, s, l.k);
        for (const auto& chain : l.chains) DrawPlacedDimensions(c, chain, kLightBlue);
        DrawNew(c, details, l);
        c.SetDrawWidth(1);
        c.SetForeColor(kLightBlue);
    });
}

}  // namespace jw
