// The scaled drawing of each connection type: an elevation of the beam end with its plate or
// angle cleat for the shear types, a view onto the end plate, and one half of a beam splice with
// a plan of its flange cleat. Every drawing works in millimetres, draws members in black, bolts
// in light red and chains of light blue dimension lines that repeat the input distances, and
// leaves the canvas with pen width 1 and the ForeColor light blue.
//
// Two forms of each: the detailed drawing that every command shows (DrawConnection), which adds
// a section through the connection, callouts of parts and bolts, weld symbols and geometry
// warnings and fits its window to all it draws; and the classic drawing (DrawClassicConnection),
// kept exactly as it always was for comparison.
#pragma once

#include "data/connection_input.h"
#include "data/text_grid.h"
#include "drawing/canvas.h"

namespace jw {

// Draws the detailed drawing of the connection of `type` from its input grid and the chosen
// sections and bolt; draws nothing for ConnectionType::None. Throws DesignError, before
// anything is drawn, when no beam section (or for angle cleats no angle section) or bolt
// diameter is chosen, when the grid lacks a row the drawing needs, when a count lies outside
// -32768..32767 or when a value is not a finite number.
void DrawConnection(DrawingCanvas& canvas, ConnectionType type, const TextGrid& grid,
                    const ConnectionChoices& choices);

// The classic drawing of the connection, with the same refusals.
void DrawClassicConnection(DrawingCanvas& canvas, ConnectionType type, const TextGrid& grid,
                           const ConnectionChoices& choices);

// The four classic drawings one by one; each reads the rows of its own input grid by their
// labels.
void DrawWspConnection(DrawingCanvas& canvas, const TextGrid& grid,
                       const ConnectionChoices& choices);
void DrawAcltConnection(DrawingCanvas& canvas, const TextGrid& grid,
                        const ConnectionChoices& choices);
void DrawBmepConnection(DrawingCanvas& canvas, const TextGrid& grid,
                        const ConnectionChoices& choices);
void DrawBsplConnection(DrawingCanvas& canvas, const TextGrid& grid,
                        const ConnectionChoices& choices);

// The elevation of a shear connection: the beam on the left with its end at x = d, the support
// face at x = d + a, the plate or angle leg against the support. All lengths in mm.
struct ShearDrawing {
    float supportFlange = 0;  // ts, thickness of the support flange
    float depth = 0;          // d, beam depth
    float flange = 0;         // tf, beam flange thickness
    float plateWidth = 0;     // W, along the beam
    float legThickness = 0;   // t, outstanding leg of an angle; 0 for a welded plate
    float plateHeight = 0;    // H
    float clearance = 0;      // a, from the beam end to the support face
    float boltDia = 0;        // D
    int rows = 0;             // bolt rows, along y
    int columns = 0;          // bolt columns, along x
    float pitchAlong = 0;     // cx, bolt pitch along the beam
    float pitchAcross = 0;    // cy, bolt pitch across the beam
    float edgeAlong = 0;      // ex, plate edge to the first bolt column
    float edgeAcross = 0;     // ey, plate edge to the first bolt row
};
void DrawShearConnection(DrawingCanvas& canvas, const ShearDrawing& s);

// The view onto an end plate as wide as the beam flange, with two bolt columns at the gauge.
struct EndPlateDrawing {
    float depth = 0;        // d
    float flange = 0;       // tf
    float flangeWidth = 0;  // bf, also the plate width
    float web = 0;          // tw
    float boltDia = 0;      // D
    int rows = 0;           // bolt rows
    float edge = 0;         // b, plate edge to the first and last bolt row
    float pitch = 0;        // c, bolt pitch
    float gauge = 0;        // g, between the two bolt columns
};
void DrawEndPlateConnection(DrawingCanvas& canvas, const EndPlateDrawing& e);

// One half of a beam splice up to the splice line, with the web cleat in elevation and a plan
// of the flange cleat above it.
struct SpliceDrawing {
    float depth = 0;        // d
    float flange = 0;       // tf, also drawn as the thickness of the splice line
    float flangeWidth = 0;  // bf
    float flangeCleat = 0;  // tfc, flange cleat thickness
    float boltDia = 0;      // D
    int rows = 0;           // web bolt rows
    int columns = 0;        // web bolt columns on one side
    float setBack = 0;      // a, beam end to the splice line
    float edge = 0;         // b, web cleat edge distance
    float pitch = 0;        // c, web bolt pitch both ways
    int flangeCleats = 0;   // 1 outer cleat per flange, 2 with an inner pair as well
    int flangeRows = 0;     // rows of flange bolts along the beam on one side
    float flangeEdge = 0;   // e
    float stagger = 0;      // C1, offset of a staggered line; 0 for straight lines
    float flangePitch = 0;  // C2, along the beam
    float flangeGauge = 0;  // C3, between the lines either side of the web
};
void DrawSpliceConnection(DrawingCanvas& canvas, const SpliceDrawing& s);

}  // namespace jw
