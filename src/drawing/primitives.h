// The primitives every connection drawing is made of: a square world window fitted to the
// drawing, polylines, an I-section outline, a grid of bolt symbols and a dimension line.
// Lengths are the drawing's millimetres in single precision, as taken from the input grid and
// the section table.
#pragma once

#include <span>

#include "drawing/canvas.h"

namespace jw {

// Pen width of a section outline, in pixels.
inline constexpr int kSectionPenWidth = 2;
// An arrowhead is this fraction of the window long (and of its height wide).
inline constexpr double kArrowFraction = 0.015;
// Gap between a dimension line and its label, as a fraction of the window width.
inline constexpr double kLabelGapFraction = 0.01;
// A bolt is a ring of radius D/4 with a pen about D/2 wide, which reads as a solid dot of the
// bolt's diameter: the pen is Width / ScaleWidth * D / kBoltPenDivisor pixels, plus one.
inline constexpr double kBoltRingFraction = 0.25;
inline constexpr double kBoltPenDivisor = 32.0;
// The direction of a dimension uses these values as they are, not full-precision pi and pi/2,
// so that arrowheads land where the drawings have always put them.
inline constexpr double kDimensionPi = 3.141592654;
inline constexpr double kDimensionHalfPi = 1.570796327;

// Clears the canvas, widens the smaller extent about its middle so the rectangle becomes a
// square (the widened values are written back), and sets an upward window with a margin of
// `margin` times the extent on every side. Throws DesignError when both extents are zero or a
// value is not finite: such a window would map every point to the same place or to nowhere.
void FitWorldWindow(DrawingCanvas& canvas, float& x1, float& x2, float& y1, float& y2,
                    float margin);

// The window FitWorldWindow sets for the rectangle, without touching a canvas: left, top,
// right and bottom in world units. Throws DesignError as FitWorldWindow does.
struct WorldWindow {
    float left = 0;
    float top = 0;
    float right = 0;
    float bottom = 0;
};
WorldWindow FittedWindow(float x1, float x2, float y1, float y2, float margin);

// Segments between consecutive points (the shorter array sets the count); the pen width stays
// set after the call.
void DrawPolyline(DrawingCanvas& canvas, std::span<const float> xs, std::span<const float> ys,
                  int penWidth, int colour);

// The 13-point outline of an I or H section seen end-on, its lower-left corner at (x0, y0),
// with square re-entrant corners (root radii are not drawn).
void DrawISection(DrawingCanvas& canvas, float x0, float y0, float d, float bf, float tf, float tw,
                  int colour);

// countX columns by countY rows of bolt symbols of diameter D, the first at (x0, y0). Leaves
// the pen width at 1, also when a count is 0 or less and nothing is drawn.
void DrawBoltGrid(DrawingCanvas& canvas, float x0, float y0, float D, int countY, int countX,
                  float pitchY, float pitchX, int colour);

// A dimension line from (x1, y1) to (x2, y2) with an outward arrowhead and a tick at each end,
// labelled with its length rounded to a whole number: above a horizontal line, to the right
// of a vertical or steep one. Leaves the ForeColor at `colour`.
void DrawDimension(DrawingCanvas& canvas, float x1, float y1, float x2, float y2, int colour);

// The arrowheads, end ticks and line of a dimension without its label: each arrowhead
// `arrowLength` long with its back corners `halfWidth` either side of the line, each tick
// `tick` either side of its end. Signs as DrawDimension uses them (a width or tick taken from
// an upward window's height is negative). Sets the ForeColor to `colour`.
void DrawDimensionArrows(DrawingCanvas& canvas, float x1, float y1, float x2, float y2, int colour,
                         float arrowLength, float halfWidth, float tick);

// How many of a row of n bolts stand on the first (first = true) or on the second of two
// staggered lines: the first line takes the odd one out.
int StaggeredCount(int n, bool first);

}  // namespace jw
