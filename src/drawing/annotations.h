// What a fabricator reads beside the geometry: callouts with a leader to the part they name,
// fillet weld symbols, view titles and notes, each placed by the layout pass where it covers
// nothing else.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "drawing/canvas.h"
#include "drawing/layout_space.h"

namespace jw {

// Lines of text with their top-left corner and the extent they take.
struct PlacedText {
    std::vector<std::string> lines;
    double left = 0;
    double top = 0;
    Rect box;
};

// A text with a leader from the point it names (the tip, which carries a small arrowhead) to
// the nearest point of the text.
struct PlacedCallout {
    PlacedText text;
    double tipX = 0, tipY = 0;
    double attachX = 0, attachY = 0;
    double arrowLength = 0;
};

// Places the callout of the part that `part` outlines where it stands free, near the part and
// without widening the drawing if it can, with its leader to the side of the part facing it;
// takes its room.
PlacedCallout PlaceCallout(DrawingCanvas& canvas, LayoutRoom& room, const Rect& part,
                           std::vector<std::string> lines);
void DrawCallout(DrawingCanvas& canvas, const PlacedCallout& callout, int colour);

// A fillet weld symbol: the arrow to the joint, the reference line with the fillet triangle
// below it (arrow side) and, for a weld on both sides, above it too; the leg size left of each
// triangle and the tail with its note (the electrode, and where the size is found when the
// drawing cannot give it) at the far end.
struct WeldSymbol {
    std::string size;  // leg size in mm; empty when the calculation gives it
    bool bothSides = false;
    std::vector<std::string> tail;  // lines of the note, centred on the reference line
};
struct PlacedWeldSymbol {
    WeldSymbol symbol;
    double tipX = 0, tipY = 0;
    double elbowX = 0, elbowY = 0;
    double direction = 1;  // +1: the reference line runs right from the elbow, -1: left
    double arrowLength = 0;
    Rect box;
};
PlacedWeldSymbol PlaceWeldSymbol(DrawingCanvas& canvas, LayoutRoom& room, double tipX, double tipY,
                                 const WeldSymbol& symbol);
void DrawWeldSymbol(DrawingCanvas& canvas, const PlacedWeldSymbol& weld, int colour);

// A one-line title centred under the view `view` (or above it when there is no room below).
PlacedText PlaceTitle(DrawingCanvas& canvas, LayoutRoom& room, const std::string& title,
                      const Rect& view);
// Lines stacked under everything placed so far, from its left edge.
PlacedText PlaceNotesBelow(DrawingCanvas& canvas, LayoutRoom& room, std::vector<std::string> lines,
                           int colour);
// One line centred above everything placed so far, in two when it is wider than all below it.
PlacedText PlaceLineAbove(DrawingCanvas& canvas, LayoutRoom& room, const std::string& line,
                          int colour);
// Prints the lines one under the other from the text's top-left corner.
void DrawPlacedText(DrawingCanvas& canvas, const PlacedText& text, int colour);

// What a drawing says beside its views, drawn after them: the callouts and weld symbol, the
// notes (in the note colour) and the warnings of a geometry that cannot be built.
struct Annotations {
    std::vector<PlacedCallout> callouts;
    std::optional<PlacedWeldSymbol> weld;
    PlacedText notes;
    PlacedText warnings;
};
// The note (unless empty) and then the warnings, stacked under everything placed.
void PlaceNotesAndWarnings(DrawingCanvas& canvas, LayoutRoom& room, const std::string& note,
                           std::vector<std::string> warnings, Annotations& annotations);
void DrawAnnotations(DrawingCanvas& canvas, const Annotations& annotations);

// The gap between views and notes, as a share of the window.
double ViewGap(const DrawingCanvas& canvas);

}  // namespace jw
