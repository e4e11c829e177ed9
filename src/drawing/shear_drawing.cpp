// Elevation of a welded shear plate or of angle cleats: the beam end on the left, the plate or
// cleat in the clearance, the support flange on the right, and the dimension chains beyond it.
#include <algorithm>

#include "drawing/classic_views.h"
#include "drawing/connection_drawings.h"
#include "drawing/primitives.h"

namespace jw {

void DrawShearElevation(DrawingCanvas& canvas, const ShearDrawing& s, const ShearReach& reach) {
    const float d = s.depth;
    const float tf = s.flange;
    const float ts = s.supportFlange;
    const float a = s.clearance;
    const float W = s.plateWidth;
    const float H = s.plateHeight;
    const float t = s.legThickness;
    const float D = s.boltDia;
    const float face = d + a;
    const float plateTop = d + H / 2;
    const float plateBottom = d - H / 2;
    const double left = reach.beamLeft;

    canvas.Box(face, reach.supportTop, face + ts, reach.supportBottom, kBlack);
    canvas.Box(left, 1.5 * d, d, 1.5 * d - tf, kBlack);
    canvas.Box(left, 0.5 * d + tf, d, 0.5 * d, kBlack);
    canvas.Line(left, 1.5 * d, left, 0.5 * d, kBlack);
    // The beam end shows above and below the plate only; the plate covers it in between.
    const double endTop =
        reach.beamEndWithinBeam ? std::clamp(plateTop, 0.5f * d, 1.5f * d) : plateTop;
    const double endBottom =
        reach.beamEndWithinBeam ? std::clamp(plateBottom, 0.5f * d, 1.5f * d) : plateBottom;
    canvas.Line(d, 1.5 * d, d, endTop, kBlack);
    canvas.Line(d, endBottom, d, 0.5 * d, kBlack);
    canvas.Box(face - W, plateTop, face, plateBottom, kBlack);
    // The inner face of an angle's outstanding leg; on a welded plate it is the plate's edge.
    canvas.Line(face - t, plateTop, face - t, plateBottom, kBlack);

    const float x0 = face - W + s.edgeAlong;
    const float y0 = plateBottom + s.edgeAcross;
    DrawBoltGrid(canvas, x0, y0, D, s.rows, s.columns, s.pitchAcross, s.pitchAlong, kLightRed);

    // An angle's bolts also pass through its outstanding leg and the support flange; seen from
    // the side each row shows as one shank.
    if (t > 0) {
        for (int i = 1; i <= s.rows; ++i) {
            const float yi = y0 + (i - 1) * s.pitchAcross;
            canvas.Box(face - t, yi - D / 4, face + ts, yi + D / 4, kLightRed);
        }
    }
}

void DrawShearConnection(DrawingCanvas& canvas, const ShearDrawing& s) {
    const float d = s.depth;
    const float ts = s.supportFlange;
    const float a = s.clearance;
    const float W = s.plateWidth;
    const float H = s.plateHeight;
    const float cx = s.pitchAlong;
    const float cy = s.pitchAcross;
    const float ex = s.edgeAlong;
    const int nRow = s.rows;
    const int nCol = s.columns;

    // The beam of depth d sits at mid height of a picture 2d high; the support face is at
    // x = d + a.
    float x1 = 0;
    float x2 = 2 * d + a + ts;
    float y1 = 0;
    float y2 = 2 * d;
    FitWorldWindow(canvas, x1, x2, y1, y2, 0.05f);
    DrawShearElevation(canvas, s, {0, 0, 2 * d, false});

    const float face = d + a;
    const float plateTop = d + H / 2;
    const float plateBottom = d - H / 2;
    const float x0 = face - W + ex;
    const float y0 = plateBottom + s.edgeAcross;

    const float X1 = face + ts + 0.1 * d;
    DrawDimension(canvas, X1, plateBottom, X1, plateTop, kLightBlue);

    const float X2 = X1 + 0.2 * d;
    DrawDimension(canvas, X2, 0.5 * d, X2, y0, kLightBlue);
    DrawDimension(canvas, X2, y0 + (nRow - 1) * cy, X2, 1.5 * d, kLightBlue);
    for (int i = 1; i <= nRow - 1; ++i)
        DrawDimension(canvas, X2, y0 + (i - 1) * cy, X2, y0 + i * cy, kLightBlue);

    const float X3 = X2 + 0.15 * d;
    DrawDimension(canvas, X3, 0.5 * d, X3, 1.5 * d, kLightBlue);

    const float Y = 1.6 * d;
    DrawDimension(canvas, x0 - ex, Y, x0, Y, kLightBlue);
    DrawDimension(canvas, x0 + (nCol - 1) * cx, Y, face, Y, kLightBlue);
    for (int i = 1; i <= nCol - 1; ++i)
        DrawDimension(canvas, x0 + (i - 1) * cx, Y, x0 + i * cx, Y, kLightBlue);
}

}  // namespace jw
