// The room a drawing's parts, dimension chains and labels take, in world units (y upward), so a
// layout pass can put each new chain or label where nothing else stands.
#pragma once

#include <cstdint>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "drawing/canvas.h"

namespace jw {

struct Rect {
    double left = 0;
    double bottom = 0;
    double right = 0;
    double top = 0;

    // The rectangle with opposite corners (x1, y1) and (x2, y2), whichever way round.
    static Rect Spanning(double x1, double y1, double x2, double y2);
    double Width() const { return right - left; }
    double Height() const { return top - bottom; }
    double CentreX() const { return (left + right) / 2; }
    double CentreY() const { return (bottom + top) / 2; }
    Rect Grown(double by) const { return {left - by, bottom - by, right + by, top + by}; }
    Rect Joined(const Rect& other) const;
    // Shares an area with `other`; rectangles that only touch along an edge do not overlap.
    bool Overlaps(const Rect& other) const;
    bool Contains(const Rect& other) const;
};

// A text's extent in world units under the canvas's current window, in the colour it will be
// printed in (a CAD drawing sizes its text by role, and the role follows the colour).
struct TextSize {
    double width = 0;
    double height = 0;  // always positive
};
TextSize MeasureText(DrawingCanvas& canvas, std::string_view text, int colour);

// The rectangles taken so far. Lookups go through a coarse grid of cells, so a drawing with
// thousands of bolts and labels is laid out in linear time.
class Occupancy {
  public:
    // `cellSize` is the side of a lookup cell in world units; a small fraction of the window.
    explicit Occupancy(double cellSize);

    void Take(const Rect& rect);
    bool IsFree(const Rect& rect) const;
    // The rectangles taken that overlap `rect`.
    std::vector<Rect> Blocking(const Rect& rect) const;
    // The extent of everything taken; an empty rectangle at the origin before anything is.
    const Rect& Extent() const { return extent_; }
    bool Empty() const { return rects_.empty(); }
    double CellSize() const { return cellSize_; }

  private:
    struct CellRange {
        std::int64_t x0, y0, x1, y1;
        bool usable;
    };
    CellRange CellsOf(const Rect& rect) const;
    template <typename Visit>
    void VisitCandidates(const Rect& rect, Visit visit) const;

    double cellSize_;
    std::vector<Rect> rects_;
    std::vector<int> unbucketed_;  // too large (or too odd) for the grid: always checked
    std::unordered_map<std::uint64_t, std::vector<int>> cells_;
    Rect extent_;
};

// What a layout pass has placed so far: parts, which no label may cover but a leader may cross
// to reach what it names; dimension lines and leaders, which neither a label nor another
// leader may cross; and labels, which nothing may cover.
struct LayoutRoom {
    explicit LayoutRoom(double cellSize) : parts(cellSize), lines(cellSize), labels(cellSize) {}
    bool IsFree(const Rect& rect) const {
        return parts.IsFree(rect) && lines.IsFree(rect) && labels.IsFree(rect);
    }
    // What a leader from (x1, y1) to (x2, y2) would cross.
    struct Crossings {
        bool labels = false;
        bool lines = false;
    };
    Crossings LeaderCrossings(double x1, double y1, double x2, double y2) const;
    // No label and no line in the way of the leader.
    bool LeaderClear(double x1, double y1, double x2, double y2) const {
        const Crossings c = LeaderCrossings(x1, y1, x2, y2);
        return !c.labels && !c.lines;
    }
    // The extent of everything placed.
    Rect Extent() const;

    Occupancy parts;
    Occupancy lines;
    Occupancy labels;
};

// A room whose lookup cells suit the canvas's current window.
LayoutRoom RoomFor(const DrawingCanvas& canvas);

}  // namespace jw
