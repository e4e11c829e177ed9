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
// Positions a label may move out to, one label's breadth at a time, before the chain moves:
// at first only next to the line, then, with runs of equal spans labelled once, further.
constexpr int kNearLevels = 2;
constexpr int kLabelLevels = 4;
// How often a blocked chain moves outward before it settles where it is.
constexpr int kChainMoves = 16;

struct ChainGeometry {
    ChainSide side;
    bool vertical;
    double sign;  // +1 when the chain moves toward larger x or y
    double tick;  // unsigned half-length of an end tick
    double clear;
};

// A label and the spans it stands for: one span, or a run of equal ones ("5 x 60").
struct SpanLabel {
    std::string text;
    TextSize size;
    double mid;
    std::size_t first;
    std::size_t count;
};

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

struct LabelChoice {
    bool found = false;
    bool leader = false;
    Rect box;
};

// The nearest place where the label stands free, preferring one whose leader (if it needs
// one) crosses no label or line.
LabelChoice ChooseLevel(const ChainGeometry& g, const LayoutRoom& room, double at,
                        const SpanLabel& label, double breadth, const Occupancy& own,
                        const Rect& line, int levels) {
    LabelChoice firstFree;
    // Neighbouring labels stay a quarter of a line apart, so "30" and "40" never read "3040".
    const double pad = std::max(g.clear / 2, label.size.height / 4);
    for (int level = 0; level < levels; ++level) {
        for (const int lateral : kLateralSteps) {
            const Rect box = LabelRect(g, at, label, breadth, level, lateral);
            const Rect padded = box.Grown(pad);
            if (box.Overlaps(line) || !own.IsFree(padded) || !room.IsFree(padded)) continue;
            const bool leader = NeedsLeader(level, lateral);
            double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
            const Rect path = LeaderLine(g, at, label, box, x1, y1, x2, y2);
            const bool leaderClear =
                !leader || (room.LeaderClear(x1, y1, x2, y2) && own.IsFree(path));
            if (leaderClear) return {true, leader, box};
            if (!firstFree.found) firstFree = {true, leader, box};
        }
    }
    return firstFree;
}

PlacedDimension Placed(const ChainGeometry& g, const DrawingCanvas& canvas, double at,
                       const ChainSpan& span) {
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
    return d;
}

void Label(const ChainGeometry& g, double at, const SpanLabel& label, const LabelChoice& choice,
           PlacedDimension& d) {
    d.label = label.text;
    d.labelLeft = choice.box.left;
    d.labelTop = choice.box.top;
    if (choice.leader) {
        d.leader = true;
        LeaderLine(g, at, label, choice.box, d.leaderX1, d.leaderY1, d.leaderX2, d.leaderY2);
    }
}

// The labels of a chain, one per span, or, when `grouped`, one per run of consecutive spans of
// the same whole length: a row of equal pitches reads "5 x 60" where their own labels would
// not fit between the ticks.
std::vector<SpanLabel> LabelsOf(DrawingCanvas& canvas, const std::vector<ChainSpan>& spans,
                                bool grouped) {
    std::vector<SpanLabel> labels;
    for (std::size_t i = 0; i < spans.size();) {
        const std::string text = FormatFixed(std::fabs(spans[i].to - spans[i].from), 0);
        std::size_t count = 1;
        while (grouped && i + count < spans.size() &&
               FormatFixed(std::fabs(spans[i + count].to - spans[i + count].from), 0) == text &&
               spans[i + count].from == spans[i + count - 1].to)
            ++count;
        const std::string shown = count > 1 ? std::to_string(count) + " x " + text : text;
        const double mid = (spans[i].from + spans[i + count - 1].to) / 2;
        labels.push_back({shown, MeasureText(canvas, shown, kLightBlue), mid, i, count});
        i += count;
    }
    return labels;
}

double Breadth(const ChainGeometry& g, const std::vector<SpanLabel>& labels) {
    double breadth = 0;
    for (const SpanLabel& l : labels)
        breadth = std::max(breadth, g.vertical ? l.size.width : l.size.height);
    return breadth;
}

// The labels placed at `at`, or the first `at` further out to try when one finds no room
// within `levels` (nothing when the chain may not move).
struct Settling {
    bool settled = false;
    double next = 0;
    std::vector<LabelChoice> choices;
};

Settling TrySettle(const ChainGeometry& g, const LayoutRoom& room, double at, double low,
                   double high, const std::vector<SpanLabel>& labels, int levels) {
    Settling s;
    const Rect line = LineRect(g, at, low, high);
    std::vector<Rect> blocking = room.parts.Blocking(line);
    for (const Occupancy* o : {&room.lines, &room.labels})
        for (const Rect& r : o->Blocking(line)) blocking.push_back(r);
    if (!blocking.empty()) {
        s.next = Beyond(g, blocking, at);
        return s;
    }
    const double breadth = Breadth(g, labels);
    // The chain's own labels so far, looked up like the room's.
    Occupancy own(room.labels.CellSize());
    for (const SpanLabel& label : labels) {
        s.choices.push_back(ChooseLevel(g, room, at, label, breadth, own, line, levels));
        if (!s.choices.back().found) {
            const Rect wanted = LabelRect(g, at, label, breadth, 0, 0);
            std::vector<Rect> inTheWay = room.parts.Blocking(wanted);
            for (const Occupancy* o : {&room.lines, &room.labels})
                for (const Rect& r : o->Blocking(wanted)) inTheWay.push_back(r);
            const double next = Beyond(g, inTheWay, at);
            // Nothing but the chain's own labels in the way: step out by one label.
            s.next = next != at ? next : at + g.sign * (breadth + g.clear);
            return s;
        }
        own.Take(s.choices.back().box);
    }
    s.settled = true;
    return s;
}

// Moves the chain out from `at` until its line is clear and its labels find room, within the
// moves allowed for a label that finds none (its line may always move clear of what it would
// cross).
Settling Settle(const ChainGeometry& g, const LayoutRoom& room, double& at, double low, double high,
                const std::vector<SpanLabel>& labels, int levels, int labelMoves) {
    Settling s;
    for (int move = 0; move < kChainMoves; ++move) {
        s = TrySettle(g, room, at, low, high, labels, levels);
        if (s.settled) return s;
        const bool lineBlocked = s.choices.empty();
        if (!lineBlocked && labelMoves-- <= 0) return s;
        at = s.next;
    }
    return s;
}

}  // namespace

std::vector<ChainSpan> PitchSpans(double first, double pitch, int count) {
    std::vector<ChainSpan> spans;
    for (int i = 1; i <= count - 1; ++i)
        spans.push_back({first + (i - 1) * pitch, first + i * pitch});
    return spans;
}

std::vector<PlacedDimension> PlaceChain(DrawingCanvas& canvas, LayoutRoom& room, ChainSide side,
                                        double at, const std::vector<ChainSpan>& spans) {
    if (spans.empty()) return {};
    const double window = std::fabs(canvas.ScaleWidth());
    const ChainGeometry g{side, side == ChainSide::Right || side == ChainSide::Left,
                          side == ChainSide::Right || side == ChainSide::Top ? 1.0 : -1.0,
                          kArrowFraction * std::fabs(canvas.ScaleHeight()),
                          kLabelClearFraction * window};
    double low = spans.front().from;
    double high = low;
    for (const ChainSpan& span : spans) {
        low = std::min({low, span.from, span.to});
        high = std::max({high, span.from, span.to});
    }

    // Each span's own label close to the line; else runs of equal spans labelled once; else the
    // chain moves out until its labels find room.
    const double preferred = at;
    std::vector<SpanLabel> labels = LabelsOf(canvas, spans, false);
    Settling s = Settle(g, room, at, low, high, labels, kNearLevels, 0);
    if (!s.settled) {
        at = preferred;
        labels = LabelsOf(canvas, spans, true);
        s = Settle(g, room, at, low, high, labels, kLabelLevels, kChainMoves);
    }

    std::vector<PlacedDimension> placed;
    room.lines.Take(LineRect(g, at, low, high));
    const double breadth = Breadth(g, labels);
    for (std::size_t i = 0; i < spans.size(); ++i)
        placed.push_back(Placed(g, canvas, at, spans[i]));
    for (std::size_t k = 0; k < labels.size(); ++k) {
        // A chain that never settled keeps its labels beside its line.
        LabelChoice choice = k < s.choices.size() ? s.choices[k] : LabelChoice{};
        if (!choice.found) choice = {false, false, LabelRect(g, at, labels[k], breadth, 0, 0)};
        PlacedDimension& d = placed[labels[k].first];
        Label(g, at, labels[k], choice, d);
        room.labels.Take(choice.box);
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
        if (d.label.empty()) continue;  // one of a run its first dimension labels
        canvas.SetCurrentX(d.labelLeft);
        canvas.SetCurrentY(d.labelTop);
        canvas.Print(d.label);
    }
}

}  // namespace jw
