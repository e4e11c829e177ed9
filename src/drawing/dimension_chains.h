// Chains of dimension lines laid out so that nothing overprints: a chain stands at its usual
// place unless a part, another chain or a label is in the way, and then moves outward until it
// is clear; a label that does not fit beside its span stands further out with a leader to it,
// and a run of equal spans too short for their labels is labelled once ("5 x 60").
// Arrowheads keep their usual share of the window but shrink on a short span, so they never
// fill it.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "drawing/canvas.h"
#include "drawing/layout_space.h"

namespace jw {

// Where a chain stands from what it measures. It moves further that way when blocked, and its
// labels stand on that side of the line (right of a vertical line, above a horizontal one, as
// the classic drawings have them, or left and below).
enum class ChainSide { Right, Top, Left, Bottom };

// One dimension of a chain, from `from` to `to` along the chain (y for a vertical chain, x for
// a horizontal one), in the direction the drawing gives it.
struct ChainSpan {
    double from = 0;
    double to = 0;
};

// The pitches of a row of `count` bolts, the first at `first`, `pitch` apart: count - 1 spans,
// none for fewer than two bolts.
std::vector<ChainSpan> PitchSpans(double first, double pitch, int count);

// A dimension as the layout placed it, ready to draw.
struct PlacedDimension {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // the dimension line
    double arrowLength = 0;
    double halfWidth = 0;  // of an arrowhead, signed as DrawDimensionArrows takes it
    double tick = 0;       // signed likewise
    std::string label;     // empty on all but the first of a run of equal spans labelled once
    double labelLeft = 0, labelTop = 0;
    bool leader = false;  // a line from the dimension to a label moved outward
    double leaderX1 = 0, leaderY1 = 0, leaderX2 = 0, leaderY2 = 0;
};

// Places one chain at `at` (x of a vertical chain, y of a horizontal one) or further out, and
// takes its room. The canvas gives the window (for the arrow and tick sizes) and measures the
// labels.
std::vector<PlacedDimension> PlaceChain(DrawingCanvas& canvas, LayoutRoom& room, ChainSide side,
                                        double at, const std::vector<ChainSpan>& spans);

// Draws placed dimensions in their order, in `colour`: each one's arrowheads, ticks and line,
// its leader and its label. Leaves the ForeColor at `colour`.
void DrawPlacedDimensions(DrawingCanvas& canvas, std::span<const PlacedDimension> dimensions,
                          int colour);

}  // namespace jw
