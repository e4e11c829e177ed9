#include "drawing/layout_space.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace jw {
namespace {

// A rectangle spanning more cells than this is kept in a plain list: the support of a huge
// drawing would otherwise fill the grid with copies of itself.
constexpr std::int64_t kMaxCellsPerRect = 256;
// A leader is checked against the labels and lines in this many pieces.
constexpr int kLeaderPieces = 12;
// Cell numbers stay well inside 32 bits, so two of them pack into one key.
constexpr double kMaxCellIndex = 1 << 30;

std::uint64_t CellKey(std::int64_t x, std::int64_t y) {
    return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(x)) << 32) |
           static_cast<std::uint32_t>(y);
}

}  // namespace

Rect Rect::Spanning(double x1, double y1, double x2, double y2) {
    return {std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
}

Rect Rect::Joined(const Rect& other) const {
    return {std::min(left, other.left), std::min(bottom, other.bottom),
            std::max(right, other.right), std::max(top, other.top)};
}

bool Rect::Overlaps(const Rect& other) const {
    return left < other.right && other.left < right && bottom < other.top && other.bottom < top;
}

bool Rect::Contains(const Rect& other) const {
    return other.left >= left && other.right <= right && other.bottom >= bottom && other.top <= top;
}

TextSize MeasureText(DrawingCanvas& canvas, std::string_view text, int colour) {
    canvas.SetForeColor(colour);
    return {canvas.TextWidth(text), std::fabs(canvas.TextHeight(text))};
}

Occupancy::Occupancy(double cellSize) : cellSize_(cellSize) {}

Occupancy::CellRange Occupancy::CellsOf(const Rect& rect) const {
    CellRange range{0, 0, 0, 0, false};
    if (!(cellSize_ > 0) || !std::isfinite(cellSize_)) return range;
    const double x0 = std::floor(rect.left / cellSize_);
    const double y0 = std::floor(rect.bottom / cellSize_);
    const double x1 = std::floor(rect.right / cellSize_);
    const double y1 = std::floor(rect.top / cellSize_);
    for (const double v : {x0, y0, x1, y1})
        if (!(std::fabs(v) < kMaxCellIndex)) return range;
    range = {static_cast<std::int64_t>(x0), static_cast<std::int64_t>(y0),
             static_cast<std::int64_t>(x1), static_cast<std::int64_t>(y1), true};
    range.usable = (range.x1 - range.x0 + 1) * (range.y1 - range.y0 + 1) <= kMaxCellsPerRect;
    return range;
}

void Occupancy::Take(const Rect& rect) {
    const int index = static_cast<int>(rects_.size());
    extent_ = rects_.empty() ? rect : extent_.Joined(rect);
    rects_.push_back(rect);
    const CellRange cells = CellsOf(rect);
    if (!cells.usable) {
        unbucketed_.push_back(index);
        return;
    }
    for (std::int64_t x = cells.x0; x <= cells.x1; ++x)
        for (std::int64_t y = cells.y0; y <= cells.y1; ++y) cells_[CellKey(x, y)].push_back(index);
}

template <typename Visit>
void Occupancy::VisitCandidates(const Rect& rect, Visit visit) const {
    const CellRange cells = CellsOf(rect);
    if (!cells.usable) {
        for (const Rect& r : rects_)
            if (!visit(r)) return;
        return;
    }
    for (const int i : unbucketed_)
        if (!visit(rects_[i])) return;
    for (std::int64_t x = cells.x0; x <= cells.x1; ++x) {
        for (std::int64_t y = cells.y0; y <= cells.y1; ++y) {
            const auto found = cells_.find(CellKey(x, y));
            if (found == cells_.end()) continue;
            for (const int i : found->second)
                if (!visit(rects_[i])) return;
        }
    }
}

bool Occupancy::IsFree(const Rect& rect) const {
    bool free = true;
    VisitCandidates(rect, [&](const Rect& r) {
        if (r.Overlaps(rect)) free = false;
        return free;
    });
    return free;
}

std::vector<Rect> Occupancy::Blocking(const Rect& rect) const {
    std::vector<Rect> blocking;
    VisitCandidates(rect, [&](const Rect& r) {
        if (r.Overlaps(rect)) blocking.push_back(r);
        return true;
    });
    return blocking;
}

LayoutRoom::Crossings LayoutRoom::LeaderCrossings(double x1, double y1, double x2,
                                                  double y2) const {
    // A slanting leader is checked in short pieces, each by the rectangle round it.
    Crossings crossings;
    for (int i = 0; i < kLeaderPieces; ++i) {
        const double t0 = static_cast<double>(i) / kLeaderPieces;
        const double t1 = static_cast<double>(i + 1) / kLeaderPieces;
        const Rect piece = Rect::Spanning(x1 + (x2 - x1) * t0, y1 + (y2 - y1) * t0,
                                          x1 + (x2 - x1) * t1, y1 + (y2 - y1) * t1);
        crossings.labels = crossings.labels || !labels.IsFree(piece);
        crossings.lines = crossings.lines || !lines.IsFree(piece);
    }
    return crossings;
}

Rect LayoutRoom::Extent() const {
    std::optional<Rect> extent;
    for (const Occupancy* o : {&parts, &lines, &labels})
        if (!o->Empty()) extent = extent ? extent->Joined(o->Extent()) : o->Extent();
    return extent.value_or(Rect{});
}

LayoutRoom RoomFor(const DrawingCanvas& canvas) {
    // About forty cells across the window: a label spans one or two.
    return LayoutRoom(std::fabs(canvas.ScaleWidth()) / 40);
}

}  // namespace jw
