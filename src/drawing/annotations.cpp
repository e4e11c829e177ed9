#include "drawing/annotations.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <utility>

namespace jw {
namespace {

// Shares of the window.
constexpr double kViewGapFraction = 0.04;
constexpr double kTipArrowFraction = 0.012;
constexpr double kPaddingFraction = 0.006;
// A callout looks for room at most this many steps out from its tip.
constexpr int kCalloutSteps = 400;

double Window(const DrawingCanvas& canvas) {
    return std::fabs(canvas.ScaleWidth());
}

double LineHeight(DrawingCanvas& canvas, int colour) {
    return MeasureText(canvas, "0", colour).height;
}

PlacedText Block(DrawingCanvas& canvas, std::vector<std::string> lines, int colour) {
    PlacedText text;
    double width = 0;
    for (const std::string& line : lines)
        width = std::max(width, MeasureText(canvas, line, colour).width);
    const double height = LineHeight(canvas, colour) * static_cast<double>(lines.size());
    text.lines = std::move(lines);
    text.box = {0, -height, width, 0};
    return text;
}

void MoveTo(PlacedText& text, double left, double top) {
    const double width = text.box.Width();
    const double height = text.box.Height();
    text.left = left;
    text.top = top;
    text.box = {left, top - height, left + width, top};
}

// A leader, in the pieces other leaders check against.
void TakeLeader(LayoutRoom& room, double x1, double y1, double x2, double y2) {
    constexpr int kPieces = 12;
    for (int i = 0; i < kPieces; ++i) {
        const double t0 = static_cast<double>(i) / kPieces;
        const double t1 = static_cast<double>(i + 1) / kPieces;
        room.lines.Take(Rect::Spanning(x1 + (x2 - x1) * t0, y1 + (y2 - y1) * t0,
                                       x1 + (x2 - x1) * t1, y1 + (y2 - y1) * t1));
    }
}

struct Direction {
    double dx, dy;
};
// Up and to the left first, as a draftsman writes callouts, then round the tip.
constexpr std::array<Direction, 8> kDirections = {
    {{-1, 1}, {1, 1}, {-1, 0}, {1, 0}, {-1, -1}, {1, -1}, {0, 1}, {0, -1}}};

// The corner or edge of a box of the given size that faces a tip lying in `direction` from it.
Rect BoxToward(const Direction& dir, double x, double y, double width, double height) {
    const double left = dir.dx < 0 ? x - width : dir.dx > 0 ? x : x - width / 2;
    const double bottom = dir.dy < 0 ? y - height : dir.dy > 0 ? y : y - height / 2;
    return {left, bottom, left + width, bottom + height};
}

// The length of a leader or an arrow. A square root is rounded the same by every C library,
// std::hypot is not: a last-bit difference in a leader's cost would put a callout elsewhere on
// Windows than on Linux.
double Length(double dx, double dy) {
    return std::sqrt(dx * dx + dy * dy);
}

double Clamp(double v, double low, double high) {
    return std::max(low, std::min(v, high));
}

// Draws an open arrowhead at (x, y) pointing there from (fromX, fromY).
void TipArrow(DrawingCanvas& canvas, double x, double y, double fromX, double fromY, double length,
              int colour) {
    const double dx = fromX - x;
    const double dy = fromY - y;
    const double run = Length(dx, dy);
    if (!(run > 0) || !(length > 0)) return;
    const double ux = dx / run;
    const double uy = dy / run;
    const double back = std::min(length, run);
    const double half = back / 3;
    canvas.Line(x, y, x + ux * back - uy * half, y + uy * back + ux * half, colour);
    canvas.Line(x, y, x + ux * back + uy * half, y + uy * back - ux * half, colour);
}

// The parts of a weld symbol with its elbow at the origin.
struct WeldShape {
    double lineEnd = 0;  // x where the reference line ends (the tail)
    double triangleLeft = 0;
    double triangle = 0;  // leg of the drawn triangle
    double sizeLeft = 0;
    double sizeWidth = 0;
    double tailTextLeft = 0;
    double tailLeg = 0;
    double lineHeight = 0;
    Rect box;
};

WeldShape ShapeOf(DrawingCanvas& canvas, const WeldSymbol& symbol, double direction) {
    WeldShape s;
    const double h = LineHeight(canvas, kNoteColour);
    const double g = 0.25 * h;
    s.lineHeight = h;
    s.triangle = 0.8 * h;
    s.tailLeg = symbol.tail.empty() ? 0 : 0.5 * h;
    s.sizeWidth = symbol.size.empty() ? 0 : MeasureText(canvas, symbol.size, kNoteColour).width;
    double tailWidth = 0;
    for (const std::string& line : symbol.tail)
        tailWidth = std::max(tailWidth, MeasureText(canvas, line, kNoteColour).width);
    double textLeft = 0;
    double textRight = 0;
    if (direction > 0) {
        s.sizeLeft = g;
        s.triangleLeft = s.sizeLeft + s.sizeWidth + g;
        s.lineEnd = s.triangleLeft + s.triangle + 2 * g;
        s.tailTextLeft = s.lineEnd + s.tailLeg + g;
        textLeft = 0;
        textRight = s.tailTextLeft + tailWidth;
    } else {
        s.triangleLeft = -g - s.triangle;
        s.sizeLeft = s.triangleLeft - g - s.sizeWidth;
        s.lineEnd = s.sizeLeft - 2 * g;
        s.tailTextLeft = s.lineEnd - s.tailLeg - g - tailWidth;
        textLeft = s.tailTextLeft;
        textRight = 0;
    }
    // The size stands beside its triangle, under the line for the arrow side and over it for
    // the other; the tail's note is centred on the line.
    const double tailHalf = h * static_cast<double>(symbol.tail.size()) / 2;
    const double below = std::max({s.triangle, h, tailHalf});
    const double above = std::max(symbol.bothSides ? below : h / 2, tailHalf);
    s.box = {textLeft, -below, textRight, above};
    return s;
}

Rect Shifted(const Rect& r, double x, double y) {
    return {r.left + x, r.bottom + y, r.right + x, r.top + y};
}

// The point of a part's outline facing `dir`: the middle of a side straight ahead, a quarter
// in from the corner on a slant, so the leader meets the part itself and not a corner it
// shares with another.
std::pair<double, double> TipToward(const Rect& part, const Direction& dir) {
    const double quarterX = part.Width() / 4;
    double x = part.CentreX();
    if (dir.dx != 0)
        x = dir.dy == 0 ? (dir.dx < 0 ? part.left : part.right)
                        : (dir.dx < 0 ? part.left + quarterX : part.right - quarterX);
    const double y = dir.dy > 0 ? part.top : dir.dy < 0 ? part.bottom : part.CentreY();
    return {x, y};
}

// One place a callout or weld symbol could stand: the point its leader starts from, its box
// and where the leader meets the box.
struct Spot {
    double tipX = 0, tipY = 0;
    Rect box;
    double attachX = 0, attachY = 0;
    double direction = 1;
};

// How much a box would widen the drawing's square, as a share of the window: a callout in room
// the square has anyway keeps the parts as large as they can be.
double Growth(const Rect& extent, const Rect& box, double window) {
    const auto side = [](const Rect& r) { return std::max(r.Width(), r.Height()); };
    return std::max(0.0, side(extent.Joined(box)) - side(extent)) / window;
}

// What a spot costs, in shares of the window: a long leader half as much as the same widening
// of the drawing; a leader across a label, or across a dimension line, a fixed amount more.
constexpr double kLeaderCost = 0.5;
constexpr double kCrossingLabelCost = 0.6;
constexpr double kCrossingLineCost = 0.1;

// The cheapest of the spots `spotAt` offers k steps out in each direction, from the tip out to
// past everything placed so far, and of the `shelves` along the edges of all that: a shelf over
// or under a wide drawing (beside a tall one) takes room the square window has anyway. A spot
// must be free; with none free, the first one offered.
template <typename SpotAt>
Spot ChooseSpot(const LayoutRoom& room, const DrawingCanvas& canvas, double step, double reach,
                const std::vector<Spot>& shelves, SpotAt spotAt) {
    const double window = Window(canvas);
    const double pad = kPaddingFraction * window;
    const Rect extent = room.Extent();
    std::optional<Spot> best;
    double bestCost = 0;
    const auto consider = [&](const Spot& spot) {
        if (!room.IsFree(spot.box.Grown(pad))) return;
        const LayoutRoom::Crossings crossings =
            room.LeaderCrossings(spot.tipX, spot.tipY, spot.attachX, spot.attachY);
        const double leader = Length(spot.attachX - spot.tipX, spot.attachY - spot.tipY);
        const double cost = Growth(extent, spot.box, window) + kLeaderCost * leader / window +
                            (crossings.labels ? kCrossingLabelCost : 0) +
                            (crossings.lines ? kCrossingLineCost : 0);
        if (!best || cost < bestCost) {
            best = spot;
            bestCost = cost;
        }
    };
    for (const Spot& shelf : shelves) consider(shelf);
    const double across = std::max(extent.Width(), extent.Height()) + reach;
    const double wanted = std::ceil(across / step) + 2;
    // A NaN or a step too fine for the drawing still gives a bounded search.
    const int steps =
        wanted >= 1 && wanted <= kCalloutSteps ? static_cast<int>(wanted) : kCalloutSteps;
    std::optional<Spot> first;
    for (int k = 1; k <= steps; ++k) {
        // Nothing further out can be cheaper: its leader is at least this long.
        if (best && bestCost <= kLeaderCost * k * step / window) break;
        for (const Direction& dir : kDirections) {
            const std::optional<Spot> spot = spotAt(k, dir);
            if (!spot) continue;
            if (!first) first = spot;
            consider(*spot);
        }
    }
    if (best) return *best;
    return first ? *first : shelves.front();
}

// Boxes of the given size on the four shelves round everything placed: over and under it,
// nearest the tip and at a few places along it, and beside it likewise.
std::vector<Rect> ShelfBoxes(const Rect& extent, double tipX, double tipY, double width,
                             double height, double gap) {
    const double lastLeft = std::max(extent.left, extent.right - width);
    const double lastBottom = std::max(extent.bottom, extent.top - height);
    std::vector<Rect> boxes;
    for (const double share : {-1.0, 0.0, 0.25, 0.5, 0.75, 1.0}) {
        const double left = share < 0 ? std::clamp(tipX - width / 2, extent.left, lastLeft)
                                      : extent.left + share * (lastLeft - extent.left);
        boxes.push_back({left, extent.top + gap, left + width, extent.top + gap + height});
        boxes.push_back({left, extent.bottom - gap - height, left + width, extent.bottom - gap});
        const double bottom = share < 0 ? std::clamp(tipY - height / 2, extent.bottom, lastBottom)
                                        : extent.bottom + share * (lastBottom - extent.bottom);
        boxes.push_back({extent.left - gap - width, bottom, extent.left - gap, bottom + height});
        boxes.push_back({extent.right + gap, bottom, extent.right + gap + width, bottom + height});
    }
    return boxes;
}

// A callout on each shelf, its leader leaving the part on the side facing it.
std::vector<Spot> CalloutShelves(const Rect& extent, const Rect& part, double width, double height,
                                 double gap) {
    std::vector<Spot> shelves;
    for (const Rect& box : ShelfBoxes(extent, part.CentreX(), part.CentreY(), width, height, gap)) {
        const Direction toward{box.CentreX() < part.left    ? -1.0
                               : box.CentreX() > part.right ? 1.0
                                                            : 0.0,
                               box.bottom > part.top   ? 1.0
                               : box.top < part.bottom ? -1.0
                                                       : 0.0};
        const auto [tipX, tipY] = TipToward(part, toward);
        shelves.push_back(Spot{tipX, tipY, box, Clamp(tipX, box.left, box.right),
                               Clamp(tipY, box.bottom, box.top), toward.dx < 0 ? -1.0 : 1.0});
    }
    return shelves;
}

// A weld symbol on each shelf, its reference line running away from the joint.
std::vector<Spot> WeldShelves(const Rect& extent, double tipX, double tipY, const WeldShape& right,
                              const WeldShape& left, double gap) {
    std::vector<Spot> shelves;
    for (const Rect& box :
         ShelfBoxes(extent, tipX, tipY, right.box.Width(), right.box.Height(), gap)) {
        const WeldShape& shape = box.CentreX() < tipX ? left : right;
        const double elbowX = box.left - shape.box.left;
        const double elbowY = box.bottom - shape.box.bottom;
        shelves.push_back(Spot{tipX, tipY, box, elbowX, elbowY, box.CentreX() < tipX ? -1.0 : 1.0});
    }
    return shelves;
}

}  // namespace

double ViewGap(const DrawingCanvas& canvas) {
    return kViewGapFraction * Window(canvas);
}

PlacedCallout PlaceCallout(DrawingCanvas& canvas, LayoutRoom& room, const Rect& part,
                           std::vector<std::string> lines) {
    PlacedCallout callout;
    callout.text = Block(canvas, std::move(lines), kNoteColour);
    callout.arrowLength = kTipArrowFraction * Window(canvas);
    const double width = callout.text.box.Width();
    const double height = callout.text.box.Height();
    const double lineCount = std::max<double>(1, static_cast<double>(callout.text.lines.size()));
    const double step = std::max(height / lineCount, 0.02 * Window(canvas));
    const Spot spot = ChooseSpot(
        room, canvas, step, std::max(width, height),
        CalloutShelves(room.Extent(), part, width, height, ViewGap(canvas) / 2),
        [&](int k, const Direction& dir) {
            const auto [tipX, tipY] = TipToward(part, dir);
            const Rect box =
                BoxToward(dir, tipX + dir.dx * k * step, tipY + dir.dy * k * step, width, height);
            return std::optional<Spot>(Spot{tipX, tipY, box, Clamp(tipX, box.left, box.right),
                                            Clamp(tipY, box.bottom, box.top), dir.dx});
        });
    MoveTo(callout.text, spot.box.left, spot.box.top);
    callout.tipX = spot.tipX;
    callout.tipY = spot.tipY;
    callout.attachX = spot.attachX;
    callout.attachY = spot.attachY;
    room.labels.Take(spot.box);
    TakeLeader(room, spot.tipX, spot.tipY, spot.attachX, spot.attachY);
    return callout;
}

void DrawCallout(DrawingCanvas& canvas, const PlacedCallout& callout, int colour) {
    canvas.Line(callout.tipX, callout.tipY, callout.attachX, callout.attachY, colour);
    TipArrow(canvas, callout.tipX, callout.tipY, callout.attachX, callout.attachY,
             callout.arrowLength, colour);
    DrawPlacedText(canvas, callout.text, colour);
}

PlacedWeldSymbol PlaceWeldSymbol(DrawingCanvas& canvas, LayoutRoom& room, double tipX, double tipY,
                                 const WeldSymbol& symbol) {
    PlacedWeldSymbol weld;
    weld.symbol = symbol;
    weld.tipX = tipX;
    weld.tipY = tipY;
    weld.arrowLength = kTipArrowFraction * Window(canvas);
    const WeldShape right = ShapeOf(canvas, symbol, 1);
    const WeldShape left = ShapeOf(canvas, symbol, -1);
    const double step = std::max(right.lineHeight, 0.02 * Window(canvas));
    const Spot spot = ChooseSpot(
        room, canvas, step, std::max(right.box.Width(), right.box.Height()),
        WeldShelves(room.Extent(), tipX, tipY, right, left, ViewGap(canvas) / 2),
        [&](int k, const Direction& dir) -> std::optional<Spot> {
            // The reference line runs away from the arrow; straight up or down from
            // the joint it runs to the right.
            const double ex = tipX + dir.dx * k * step;
            const double ey = tipY + dir.dy * k * step;
            const double side = dir.dx < 0 ? -1 : 1;
            return Spot{tipX, tipY, Shifted((side > 0 ? right : left).box, ex, ey), ex, ey, side};
        });
    weld.elbowX = spot.attachX;
    weld.elbowY = spot.attachY;
    weld.direction = spot.direction;
    weld.box = spot.box;
    room.labels.Take(weld.box);
    TakeLeader(room, tipX, tipY, weld.elbowX, weld.elbowY);
    return weld;
}

void DrawWeldSymbol(DrawingCanvas& canvas, const PlacedWeldSymbol& weld, int colour) {
    const WeldShape s = ShapeOf(canvas, weld.symbol, weld.direction);
    const double x = weld.elbowX;
    const double y = weld.elbowY;
    canvas.Line(weld.tipX, weld.tipY, x, y, colour);
    TipArrow(canvas, weld.tipX, weld.tipY, x, y, weld.arrowLength, colour);
    canvas.Line(x, y, x + s.lineEnd, y, colour);
    // The fillet triangle: its upright leg on the left, below the line for the arrow side and
    // mirrored above it for the other side.
    const double tl = x + s.triangleLeft;
    for (const double side : {-1.0, 1.0}) {
        if (side > 0 && !weld.symbol.bothSides) continue;
        canvas.Line(tl, y, tl, y + side * s.triangle, colour);
        canvas.Line(tl, y + side * s.triangle, tl + s.triangle, y, colour);
        if (!weld.symbol.size.empty()) {
            canvas.SetForeColor(colour);
            canvas.SetCurrentX(x + s.sizeLeft);
            canvas.SetCurrentY(side > 0 ? y + s.lineHeight : y);
            canvas.Print(weld.symbol.size);
        }
    }
    if (!weld.symbol.tail.empty()) {
        const double end = x + s.lineEnd;
        const double away = weld.direction * s.tailLeg;
        canvas.Line(end, y, end + away, y + s.tailLeg, colour);
        canvas.Line(end, y, end + away, y - s.tailLeg, colour);
        PlacedText note;
        note.lines = weld.symbol.tail;
        note.left = x + s.tailTextLeft;
        note.top = y + s.lineHeight * static_cast<double>(note.lines.size()) / 2;
        note.box = {note.left, note.top - s.lineHeight * static_cast<double>(note.lines.size()),
                    note.left, note.top};
        DrawPlacedText(canvas, note, colour);
    }
}

PlacedText PlaceTitle(DrawingCanvas& canvas, LayoutRoom& room, const std::string& title,
                      const Rect& view) {
    PlacedText text = Block(canvas, {title}, kNoteColour);
    const double height = text.box.Height();
    const double width = text.box.Width();
    const double gap = ViewGap(canvas) / 2;
    const double left = view.CentreX() - width / 2;
    // Under the view while that stays close to it, else over it, as far as needed.
    for (int k = 0; k < 4; ++k) {
        MoveTo(text, left, view.bottom - gap - k * height);
        if (room.IsFree(text.box)) {
            room.labels.Take(text.box);
            return text;
        }
    }
    for (int k = 0; k < kCalloutSteps; ++k) {
        MoveTo(text, left, view.top + gap + height + k * height);
        if (room.IsFree(text.box)) break;
    }
    room.labels.Take(text.box);
    return text;
}

PlacedText PlaceNotesBelow(DrawingCanvas& canvas, LayoutRoom& room, std::vector<std::string> lines,
                           int colour) {
    PlacedText text = Block(canvas, std::move(lines), colour);
    const Rect extent = room.Extent();
    MoveTo(text, extent.left, extent.bottom - ViewGap(canvas) / 2);
    if (!text.lines.empty()) room.labels.Take(text.box);
    return text;
}

PlacedText PlaceLineAbove(DrawingCanvas& canvas, LayoutRoom& room, const std::string& line,
                          int colour) {
    const Rect extent = room.Extent();
    PlacedText text = Block(canvas, {line}, colour);
    // Wider than the drawing under it, the line would widen the whole picture: it breaks at the
    // blank nearest its middle instead.
    const std::size_t middle = line.rfind(' ', line.size() / 2);
    if (text.box.Width() > extent.Width() && middle != std::string::npos && middle > 0)
        text = Block(canvas, {line.substr(0, middle), line.substr(middle + 1)}, colour);
    MoveTo(text, extent.CentreX() - text.box.Width() / 2,
           extent.top + ViewGap(canvas) / 2 + text.box.Height());
    room.labels.Take(text.box);
    return text;
}

void DrawPlacedText(DrawingCanvas& canvas, const PlacedText& text, int colour) {
    canvas.SetForeColor(colour);
    const double height = text.lines.empty() ? 0 : text.box.Height() / text.lines.size();
    for (std::size_t i = 0; i < text.lines.size(); ++i) {
        canvas.SetCurrentX(text.left);
        canvas.SetCurrentY(text.top - static_cast<double>(i) * height);
        canvas.Print(text.lines[i]);
    }
}

void PlaceNotesAndWarnings(DrawingCanvas& canvas, LayoutRoom& room, const std::string& note,
                           std::vector<std::string> warnings, Annotations& annotations) {
    annotations.notes = PlaceNotesBelow(
        canvas, room, note.empty() ? std::vector<std::string>{} : std::vector<std::string>{note},
        kNoteColour);
    annotations.warnings = PlaceNotesBelow(canvas, room, std::move(warnings), kWarningColour);
}

void DrawAnnotations(DrawingCanvas& canvas, const Annotations& annotations) {
    for (const PlacedCallout& c : annotations.callouts) DrawCallout(canvas, c, kNoteColour);
    if (annotations.weld) DrawWeldSymbol(canvas, *annotations.weld, kNoteColour);
    DrawPlacedText(canvas, annotations.notes, kNoteColour);
    DrawPlacedText(canvas, annotations.warnings, kWarningColour);
}

}  // namespace jw
