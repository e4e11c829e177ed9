// One half of a beam splice up to the splice line at x = 1.5 L: the elevation with the flange
// cleats and the web cleat at the bottom, a plan of the top flange and its cleat above it.
#include "drawing/classic_views.h"
#include "drawing/connection_drawings.h"
#include "drawing/primitives.h"

namespace jw {

void DrawSpliceElevation(DrawingCanvas& canvas, const SpliceDrawing& s, const SpliceLayout& k) {
    const float d = s.depth;
    const float tf = s.flange;
    const float tfc = s.flangeCleat;
    const float halfL = 0.5 * k.L;

    // The splice line runs the full height, past both outer cleats.
    canvas.Box(k.splice, 0, k.splice + tf, 4 * tfc + d, kBlack);
    canvas.Box(0, 2 * tfc, k.beamEnd, 2 * tfc + tf, kBlack);
    canvas.Box(0, 2 * tfc + d - tf, k.beamEnd, 2 * tfc + d, kBlack);
    canvas.Line(0, 2 * tfc + tf, 0, 2 * tfc + d - tf, kBlack);

    if (s.flangeCleats > 1) {
        // Inner cleats inside the flanges hide the beam end next to them.
        canvas.Line(k.beamEnd, 3 * tfc + tf, k.beamEnd, k.yb, kBlack);
        canvas.Line(k.beamEnd, k.yb + k.Hw, k.beamEnd, 2 * tfc + d - tf - tfc, kBlack);
        canvas.Box(halfL, 2 * tfc + tf, k.splice, 3 * tfc + tf, kBlack);
        canvas.Box(halfL, 2 * tfc + d - tf - tfc, k.splice, 2 * tfc + d - tf, kBlack);
    } else if (s.flangeCleats == 1) {
        canvas.Line(k.beamEnd, 2 * tfc + tf, k.beamEnd, k.yb, kBlack);
        canvas.Line(k.beamEnd, k.yb + k.Hw, k.beamEnd, 2 * tfc + d - tf, kBlack);
    }

    canvas.Box(halfL, tfc, k.splice, 2 * tfc, kBlack);
    canvas.Box(halfL, 2 * tfc + d, k.splice, 3 * tfc + d, kBlack);

    canvas.Box(k.webLeft, k.yb, k.splice, k.yb + k.Hw, kBlack);
    DrawBoltGrid(canvas, k.webLeft + s.edge, k.yb + s.edge, s.boltDia, s.rows, s.columns, s.pitch,
                 s.pitch, kLightRed);
}

void DrawSpliceFlangePlan(DrawingCanvas& canvas, const SpliceDrawing& s, const SpliceLayout& k) {
    const float bf = s.flangeWidth;
    canvas.Line(0, k.Y0, k.beamEnd, k.Y0, kBlack);
    canvas.Line(0, k.Y0 + bf, k.beamEnd, k.Y0 + bf, kBlack);
    canvas.Line(0, k.Y0, 0, k.Y0 + bf, kBlack);
    if (bf > k.Wf) {
        canvas.Line(k.beamEnd, k.Y0, k.beamEnd, k.yc, kBlack);
        canvas.Line(k.beamEnd, k.yc + k.Wf, k.beamEnd, k.Y0 + bf, kBlack);
    }
    canvas.Box(k.splice, k.Y0, k.splice + s.flange, k.Y0 + bf, kBlack);
    canvas.Box(0.5 * k.L, k.yc, k.splice, k.yc + k.Wf, kBlack);

    const float x0 = 0.5 * k.L + s.flangeEdge;
    const float y0 = k.yc + s.flangeEdge;
    const float D = s.boltDia;
    const float C1 = s.stagger;
    const float C2 = s.flangePitch;
    const float C3 = s.flangeGauge;
    if (C1 != 0) {
        // Staggered: the two outer lines take the odd bolt, the inner lines stand C1 in and
        // one pitch along, so each line has a pitch of 2 C2.
        DrawBoltGrid(canvas, x0, y0, D, 2, StaggeredCount(s.flangeRows, true), 2 * C1 + C3, 2 * C2,
                     kLightRed);
        DrawBoltGrid(canvas, x0 + C2, y0 + C1, D, 2, StaggeredCount(s.flangeRows, false), C3,
                     2 * C2, kLightRed);
    } else {
        DrawBoltGrid(canvas, x0, y0, D, 2, s.flangeRows, C3, C2, kLightRed);
    }
}

namespace {

void Vertical(DrawingCanvas& canvas, float x, float y1, float y2) {
    DrawDimension(canvas, x, y1, x, y2, kLightBlue);
}

void Horizontal(DrawingCanvas& canvas, float y, float x1, float x2) {
    DrawDimension(canvas, x1, y, x2, y, kLightBlue);
}

void DrawDimensions(DrawingCanvas& canvas, const SpliceDrawing& s, const SpliceLayout& k) {
    const float a = s.setBack;
    const float b = s.edge;
    const float c = s.pitch;
    const float e = s.flangeEdge;
    const float C1 = s.stagger;
    const float C2 = s.flangePitch;
    const float C3 = s.flangeGauge;
    const float XD = k.splice + a + 0.2 * k.L;
    const float XT = XD + 0.4 * k.L;

    // Web cleat: up its height, then along its width to the splice line.
    Vertical(canvas, XD, k.yb, k.yb + b);
    for (int i = 1; i <= s.rows - 1; ++i) {
        const float y = k.yb + b + (i - 1) * c;
        Vertical(canvas, XD, y, y + c);
    }
    Vertical(canvas, XD, k.yb + k.Hw - b, k.yb + k.Hw);
    Vertical(canvas, XT, k.yb, k.yb + k.Hw);

    const float Yw = 2 * s.flangeCleat + s.depth + 0.25 * s.flangeWidth;
    Horizontal(canvas, Yw, k.webLeft, k.webLeft + b);
    for (int i = 1; i <= s.columns - 1; ++i) {
        const float x = k.webLeft + b + (i - 1) * c;
        Horizontal(canvas, Yw, x, x + c);
    }
    const float lastColumn = k.webLeft + b + (s.columns - 1) * c;
    Horizontal(canvas, Yw, lastColumn, lastColumn + b + a);

    // Flange cleat: across its width, then along its length to the splice line.
    Vertical(canvas, XD, k.yc, k.yc + e);
    if (C1 > 0) {
        Vertical(canvas, XD, k.yc + e, k.yc + e + C1);
        Vertical(canvas, XD, k.yc + e + C1 + C3, k.yc + e + C1 + C3 + C1);
    }
    Vertical(canvas, XD, k.yc + e + C1, k.yc + e + C1 + C3);
    Vertical(canvas, XD, k.yc + e + 2 * C1 + C3, k.yc + e + 2 * C1 + C3 + e);
    Vertical(canvas, XT, k.yc, k.yc + k.Wf);

    const float halfL = 0.5 * k.L;
    const float Yf = k.Y0 + 1.1 * s.flangeWidth;
    Horizontal(canvas, Yf, halfL, halfL + e);
    for (int i = 1; i <= s.flangeRows - 1; ++i) {
        const float x = halfL + e + (i - 1) * C2;
        Horizontal(canvas, Yf, x, x + C2);
    }
    const float lastRow = halfL + e + (s.flangeRows - 1) * C2;
    Horizontal(canvas, Yf, lastRow, lastRow + e + a);
    Horizontal(canvas, k.Y0 + 1.4 * s.flangeWidth, halfL, k.splice);
}

}  // namespace

SpliceLayout LayoutOf(const SpliceDrawing& s) {
    SpliceLayout k{};
    k.Hw = (s.rows - 1) * s.pitch + 2 * s.edge;
    k.Ww = (s.columns - 1) * s.pitch + 2 * s.edge + s.setBack;
    k.L = (s.flangeRows - 1) * s.flangePitch + 2 * s.flangeEdge + s.setBack;
    k.Wf = 2 * (s.flangeEdge + s.stagger) + s.flangeGauge;
    // The bottom flange rests on its outer cleat (y from tfc to 2 tfc), so the beam starts at
    // y = 2 tfc, and the web cleat is centred on the beam's depth.
    k.yb = 2 * s.flangeCleat + s.depth / 2 - k.Hw / 2;
    k.Y0 = 2 * s.flangeCleat + s.depth + 0.5 * s.flangeWidth;
    k.yc = k.Y0 + s.flangeWidth / 2 - k.Wf / 2;
    k.splice = 1.5 * k.L;
    k.beamEnd = k.splice - s.setBack;
    k.webLeft = k.splice - k.Ww;
    return k;
}

void DrawSpliceConnection(DrawingCanvas& canvas, const SpliceDrawing& s) {
    const SpliceLayout k = LayoutOf(s);
    float x1 = 0;
    float x2 = 2 * k.L;
    float y1 = 0;
    float y2 = 2.25 * s.flangeWidth + s.depth;
    FitWorldWindow(canvas, x1, x2, y1, y2, 0.05f);
    DrawSpliceElevation(canvas, s, k);
    DrawSpliceFlangePlan(canvas, s, k);
    DrawDimensions(canvas, s, k);
}

}  // namespace jw
