#include "drawing/section_primitives.h"

#include <algorithm>
#include <cmath>

namespace jw {
namespace {

// Hatch lines stand this share of the window apart, and never more than this many across one
// part.
constexpr double kHatchSpacingFraction = 0.012;
constexpr double kMaxHatchLines = 200;

}  // namespace

Rect BoltOutline(double x, double y, double boltDia) {
    return Rect{x, y, x, y}.Grown(boltDia / 2);
}

void DrawHatch(DrawingCanvas& canvas, const Rect& area, bool rising) {
    const double w = area.Width();
    const double h = area.Height();
    if (!(w > 0) || !(h > 0)) return;
    const double spacing =
        std::max(kHatchSpacingFraction * std::fabs(canvas.ScaleWidth()), (w + h) / kMaxHatchLines);
    const double step = spacing * std::sqrt(2.0);
    // Rising lines y = x + c, falling lines y = c - x; c on a grid common to every part, so the
    // hatching of neighbouring pieces of one ply lines up.
    const double low = rising ? area.bottom - area.right : area.left + area.bottom;
    const double high = rising ? area.top - area.left : area.right + area.top;
    canvas.SetDrawWidth(1);
    int drawn = 0;
    for (double c = std::ceil(low / step) * step; c < high && drawn < 2 * kMaxHatchLines;
         c += step, ++drawn) {
        double x1 = 0;
        double x2 = 0;
        if (rising) {
            x1 = std::max(area.left, area.bottom - c);
            x2 = std::min(area.right, area.top - c);
        } else {
            x1 = std::max(area.left, c - area.top);
            x2 = std::min(area.right, c - area.bottom);
        }
        if (!(x2 > x1)) continue;
        const double y1 = rising ? x1 + c : c - x1;
        const double y2 = rising ? x2 + c : c - x2;
        canvas.Line(x1, y1, x2, y2, kHatchColour);
    }
}

void DrawBoltThrough(DrawingCanvas& canvas, bool axisAlongY, double at, double low, double high,
                     double boltDia) {
    const double head = kBoltHeadLength * boltDia;
    const double half = kBoltHeadHalfWidth * boltDia;
    // Along the axis first, then across it.
    const Rect parts[] = {{low - head, at - boltDia / 2, high + head, at + boltDia / 2},
                          {high, at - half, high + head, at + half},
                          {low - head, at - half, low, at + half}};
    for (const Rect& r : parts) {
        if (axisAlongY)
            canvas.Box(r.bottom, r.left, r.top, r.right, kLightRed);
        else
            canvas.Box(r.left, r.bottom, r.right, r.top, kLightRed);
    }
}

void DrawFilletWeld(DrawingCanvas& canvas, double x, double y, double legX, double legY) {
    canvas.Line(x, y, x + legX, y, kBlack);
    canvas.Line(x + legX, y, x, y + legY, kBlack);
    canvas.Line(x, y + legY, x, y, kBlack);
}

}  // namespace jw
