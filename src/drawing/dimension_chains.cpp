#include "drawing/dimension_chains.h"

#include <algorithm>
#include <cmath>

#include "data/numbers.h"
#include "drawing/primitives.h"

namespace jw {
namespace {

// Room between an end tick and the label beside it, as a share of the window.
constexpr double kLabelClearFraction = 0.005;
// An arrowhead is at most this share of its span, so a short span still shows its line.
constexpr double kArrowSpanShare = 0.3;
// Positions a label may move out to, one label's breadth at a time, before the chain moves.
constexpr int kLabelLevels = 8;
// How often a blocked chain moves outward before it settles where it is.
constexpr int kChainMoves = 16;

struct ChainGeometry {
    ChainSide side;
    bool vertical;
    double sign;  // +1 when the chain moves toward larger x or y
    double tick;  // unsigned half-length of an end tick
    double clear;
};

struct SpanLabel {
    std::string text;
    TextSize size;
    double mid;
};

double Mid(const ChainSpan& span) {
    return (span.from + span.to) / 2;
}

// Along its chain a label may also slide by half its own size at a time, either way, so that
// it clears a part that ends next to its span without leaving the line.
constexpr int kLateralSteps[] = {0, -1, 1, -2, 2};

// The label of a span at `level` (0 beside the line, then further out), slid `lateral` half
// sizes along the chain.
Rect LabelRect(const ChainGeometry& g, double at, const SpanLabel& label, double breadth, int level,
               int lateral) {
    const double offset = g.tick + g.clear + level * (breadth + g.clear);
    const double w = label.size.width;
    const double h = label.size.height;
    if (g.vertical) {
        const double mid = label.mid + lateral * (h / 2 + g.clear);
        const double nearX = at + g.sign * offset;
        return Rect::Spanning(nearX, mid - h / 2, nearX + g.sign * w, mid + h / 2);
    }
    const double mid = label.mid + lateral * (w / 2 + g.clear);
    const double nearY = at + g.sign * offset;
    return Rect::Spanning(mid - w / 2, nearY, mid + w / 2, nearY + g.sign * h);
}

// A label away from its line, or slid a whole size along it, is tied to its span by a leader.
bool NeedsLeader(int level, int lateral) {
    return level > 0 || std::abs(lateral) > 1;
}

// The leader from the tick at the middle of the span to the nearest point of the label.
Rect LeaderLine(const ChainGeometry& g, double at, const SpanLabel& label, const Rect& box,
                double& x1, double& y1, double& x2, double& y2) {
    x1 = g.vertical ? at + g.sign * g.tick : label.mid;
    y1 = g.vertical ? label.mid : at + g.sign * g.tick;
    x2 = std::clamp(x1, box.left, box.right);
    y2 = std::clamp(y1, box.bottom, box.top);
    return Rect::Spanning(x1, y1, x2, y2);
}

Rect LineRect(const ChainGeometry& g, double at, double low, double high) {
    return g.vertical ? Rect{at - g.tick, low, at + g.tick, high}
                      : Rect{low, at - g.tick, high, at + g.tick};
}

// The first `at` beyond every rectangle in the way, with room for the tick.
double Beyond(const ChainGeometry& g, const std::vector<Rect>& blocking, double at) {
    for (const Rect& r : blocking) {
        const double edge =
            g.vertical ? (g.sign > 0 ? r.right : r.left) : (g.sign > 0 ? r.top : r.bottom);
        const double next = edge + g.sign * (g.tick + g.clear);
        at = g.sign > 0 ? std::max(at, next) : std::min(at, next);
    }
    return at;
}

bool ClearOf(const Rect& box, const std::vector<Rect>& placed) {
    return std::none_of(placed.begin(), placed.end(),
                        [&](const Rect& r) { return r.Overlaps(box); });
}

struct LabelChoice {
    bool found = false;
    bool leader = false;
    Rect box;
};

// The nearest place where the label stands free, preferring one whose leader (if it needs
// one) crosses no label or line.
LabelChoice ChooseLevel(const ChainGeometry& g, const LayoutRoom& room, double at,
                        const SpanLabel& label, double breadth, const std::vector<Rect>& own,
                        const Rect& line) {
    LabelChoice firstFree;
    const double pad = g.clear / 2;
    for (int level = 0; level < kLabelLevels; ++level) {
        for (const int lateral : kLateralSteps) {
            const Rect box = LabelRect(g, at, label, breadth, level, lateral);
            const Rect padded = box.Grown(pad);
            if (box.Overlaps(line) || !ClearOf(padded, own) || !room.IsFree(padded)) continue;
            const bool leader = NeedsLeader(level, lateral);
            double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
            const Rect path = LeaderLine(g, at, label, box, x1, y1, x2, y2);
            const bool leaderClear =
                !leader || (room.LeaderClear(x1, y1, x2, y2) && ClearOf(path, own));
            if (leaderClear) return {true, leader, box};
            if (!firstFree.found) firstFree = {true, leader, box};
        }
    }
    return firstFree;
}

PlacedDimension Placed(const ChainGeometry& g, const DrawingCanvas& canvas, double at,
                       const ChainSpan& span, const SpanLabel& label, const LabelChoice& choice) {
    PlacedDimension d;
    if (g.vertical) {
        d.x1 = d.x2 = at;
        d.y1 = span.from;
        d.y2 = span.to;
    } else {
        d.y1 = d.y2 = at;
        d.x1 = span.from;
        d.x2 = span.to;
    }
    const double fullArrow = kArrowFraction * std::fabs(canvas.ScaleWidth());
    const double signedTick = kArrowFraction * canvas.ScaleHeight();
    const double length = std::fabs(span.to - span.from);
    d.arrowLength = std::min(fullArrow, kArrowSpanShare * length);
    d.halfWidth = fullArrow > 0 ? signedTick / 2 * d.arrowLength / fullArrow : 0;
    d.tick = signedTick;
    d.label = label.text;
    d.labelLeft = choice.box.left;
    d.labelTop = choice.box.top;
    if (choice.leader) {
        d.leader = true;
        LeaderLine(g, at, label, choice.box, d.leaderX1, d.leaderY1, d.leaderX2, d.leaderY2);
    }
    return d;
}

}  // namespace

std::vector<PlacedDimension> PlaceChain(DrawingCanvas& canvas, LayoutRoom& room, ChainSide side,
                                        double at, const std::vector<ChainSpan>& spans) {
    if (spans.empty()) return {};
    const double window = std::fabs(canvas.ScaleWidth());
    const ChainGeometry g{side, side == ChainSide::Right || side == ChainSide::Left,
                          side == ChainSide::Right || side == ChainSide::Top ? 1.0 : -1.0,
                          kArrowFraction * std::fabs(canvas.ScaleHeight()),
                          kLabelClearFraction * window};

    std::vector<SpanLabel> labels;
    double low = spans.front().from;
    double high = low;
    double breadth = 0;
    for (const ChainSpan& span : spans) {
        const std::string text = FormatFixed(std::fabs(span.to - span.from), 0);
        const TextSize size = MeasureText(canvas, text, kLightBlue);
        labels.push_back({text, size, Mid(span)});
        low = std::min({low, span.from, span.to});
        high = std::max({high, span.from, span.to});
        breadth = std::max(breadth, g.vertical ? size.width : size.height);
    }

    std::vector<LabelChoice> choices(spans.size());
    for (int move = 0; move < kChainMoves; ++move) {
        const Rect line = LineRect(g, at, low, high);
        std::vector<Rect> blocking = room.parts.Blocking(line);
        for (const Occupancy* o : {&room.lines, &room.labels})
            for (const Rect& r : o->Blocking(line)) blocking.push_back(r);
        if (!blocking.empty()) {
            at = Beyond(g, blocking, at);
            continue;
        }
        std::vector<Rect> own;
        bool settled = true;
        for (std::size_t i = 0; i < spans.size(); ++i) {
            choices[i] = ChooseLevel(g, room, at, labels[i], breadth, own, line);
            if (!choices[i].found) {
                const Rect wanted = LabelRect(g, at, labels[i], breadth, 0, 0);
                std::vector<Rect> inTheWay = room.parts.Blocking(wanted);
                for (const Occupancy* o : {&room.lines, &room.labels})
                    for (const Rect& r : o->Blocking(wanted)) inTheWay.push_back(r);
                const double next = Beyond(g, inTheWay, at);
                // Nothing but the chain's own labels in the way: step out by one label.
                at = next != at ? next : at + g.sign * (breadth + g.clear);
                settled = false;
                break;
            }
            own.push_back(choices[i].box);
        }
        if (settled) break;
    }

    std::vector<PlacedDimension> placed;
    const Rect line = LineRect(g, at, low, high);
    room.lines.Take(line);
    for (std::size_t i = 0; i < spans.size(); ++i) {
        // A chain that never settled keeps every label beside its line.
        LabelChoice choice = choices[i];
        if (!choice.found) choice = {false, false, LabelRect(g, at, labels[i], breadth, 0, 0)};
        placed.push_back(Placed(g, canvas, at, spans[i], labels[i], choice));
        room.labels.Take(choice.box);
        const PlacedDimension& d = placed.back();
        if (d.leader)
            room.lines.Take(Rect::Spanning(d.leaderX1, d.leaderY1, d.leaderX2, d.leaderY2));
    }
    return placed;
}

void DrawPlacedDimensions(DrawingCanvas& canvas, std::span<const PlacedDimension> dimensions,
                          int colour) {
    for (const PlacedDimension& d : dimensions) {
        DrawDimensionArrows(canvas, static_cast<float>(d.x1), static_cast<float>(d.y1),
                            static_cast<float>(d.x2), static_cast<float>(d.y2), colour,
                            static_cast<float>(d.arrowLength), static_cast<float>(d.halfWidth),
                            static_cast<float>(d.tick));
        if (d.leader) canvas.Line(d.leaderX1, d.leaderY1, d.leaderX2, d.leaderY2, colour);
        canvas.SetCurrentX(d.labelLeft);
        canvas.SetCurrentY(d.labelTop);
        canvas.Print(d.label);
    }
}

}  // namespace jw
