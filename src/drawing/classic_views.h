// The views of the classic drawings that the detailed drawings draw too, first and in their
// classic order: one place for each.
#pragma once

#include "drawing/connection_drawings.h"

namespace jw {

struct SpliceLayout {
    float Hw;       // web cleat height
    float Ww;       // web cleat width on one side, set back included
    float L;        // flange cleat length on one side, set back included
    float Wf;       // flange cleat width
    float yb;       // bottom of the web cleat
    float Y0;       // lower flange edge in the plan
    float yc;       // lower cleat edge in the plan
    float splice;   // the splice line, x = 1.5 L
    float beamEnd;  // the beam end, set back a from the splice line
    float webLeft;  // left edge of the web cleat
};

// The positions a splice drawing derives from its input, in mm.
SpliceLayout LayoutOf(const SpliceDrawing& s);

// The splice's elevation (splice line, flanges, beam end, cleats, web cleat and its bolts) and
// its plan of the top flange with the flange cleat and bolts, at the layout's positions.
void DrawSpliceElevation(DrawingCanvas& canvas, const SpliceDrawing& s, const SpliceLayout& k);
void DrawSpliceFlangePlan(DrawingCanvas& canvas, const SpliceDrawing& s, const SpliceLayout& k);

// How far the shear elevation's beam and support reach: the classic picture stops the beam at
// x = 0 and the support at y = 0 and 2d; a detailed drawing takes them past a plate or bolt
// group that reaches further, and keeps the beam end lines within the beam.
struct ShearReach {
    double beamLeft = 0;
    double supportBottom = 0;
    double supportTop = 0;
    bool beamEndWithinBeam = false;
};
// The elevation's parts, bolts and shanks, without the window and the dimensions.
void DrawShearElevation(DrawingCanvas& canvas, const ShearDrawing& s, const ShearReach& reach);

}  // namespace jw
