// What a section view draws beyond outlines: the hatching of cut plies, fillet welds seen
// end-on and bolts seen from the side with their heads and nuts.
#pragma once

#include "drawing/canvas.h"
#include "drawing/layout_space.h"

namespace jw {

// The outline of a bolt of diameter D at (x, y), for a callout to point at.
Rect BoltOutline(double x, double y, double boltDia);

// Hatching of a cut part: thin parallel lines at 45 degrees (rising, or falling when `rising`
// is false, so neighbouring plies read apart), clipped to the rectangle.
void DrawHatch(DrawingCanvas& canvas, const Rect& area, bool rising);

// A fillet weld seen end-on: the triangle with its right angle at the corner (x, y) and its legs
// `legX` along x and `legY` along y (signed: the side of the corner the weld lies on).
void DrawFilletWeld(DrawingCanvas& canvas, double x, double y, double legX, double legY);

// A bolt seen from the side, its axis along y at x = `at` (or along x at y = `at`), through the
// plies from `low` to `high`: the shank with a head beyond one end and a nut beyond the other,
// kBoltHeadLength bolt diameters long and twice kBoltHeadHalfWidth across, in the bolts' colour.
inline constexpr double kBoltHeadLength = 0.6;
inline constexpr double kBoltHeadHalfWidth = 0.85;
void DrawBoltThrough(DrawingCanvas& canvas, bool axisAlongY, double at, double low, double high,
                     double boltDia);

}  // namespace jw
