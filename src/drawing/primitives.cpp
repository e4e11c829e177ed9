#include "drawing/primitives.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "data/design_error.h"
#include "data/numbers.h"

namespace jw {
namespace {

DesignError TooLarge() {
    return DesignError(
        "The drawing is too large to show: check the beam section and the input distances.");
}

// Widens the smaller extent about its middle so the rectangle becomes a square.
void SquareUp(float& x1, float& x2, float& y1, float& y2) {
    const float w = std::fabs(x2 - x1);
    const float h = std::fabs(y2 - y1);
    if (w > h) {
        const float t = (w - h) / 2;
        y1 -= t;
        y2 += t;
    } else if (w < h) {
        const float t = (h - w) / 2;
        x1 -= t;
        x2 += t;
    }
}

}  // namespace

WorldWindow FittedWindow(float x1, float x2, float y1, float y2, float margin) {
    if (!std::isfinite(std::fabs(x2 - x1)) || !std::isfinite(std::fabs(y2 - y1)) ||
        !std::isfinite(margin))
        throw TooLarge();
    if (x2 - x1 == 0 && y2 - y1 == 0)
        throw DesignError(
            "The drawing has no extent to show: check the beam section and the input distances.");
    SquareUp(x1, x2, y1, y2);
    const float w = std::fabs(x2 - x1);
    const float h = std::fabs(y2 - y1);
    const WorldWindow window{x1 - w * margin, y2 + h * margin, x2 + w * margin, y1 - h * margin};
    for (const float edge : {window.left, window.top, window.right, window.bottom})
        if (!std::isfinite(edge)) throw TooLarge();
    return window;
}

void FitWorldWindow(DrawingCanvas& canvas, float& x1, float& x2, float& y1, float& y2,
                    float margin) {
    canvas.Cls();
    const WorldWindow window = FittedWindow(x1, x2, y1, y2, margin);
    SquareUp(x1, x2, y1, y2);
    canvas.Scale(window.left, window.top, window.right, window.bottom);
}

void DrawPolyline(DrawingCanvas& canvas, std::span<const float> xs, std::span<const float> ys,
                  int penWidth, int colour) {
    canvas.SetDrawWidth(penWidth);
    const std::size_t n = std::min(xs.size(), ys.size());
    for (std::size_t i = 0; i + 1 < n; ++i) canvas.Line(xs[i], ys[i], xs[i + 1], ys[i + 1], colour);
}

void DrawISection(DrawingCanvas& canvas, float x0, float y0, float d, float bf, float tf, float tw,
                  int colour) {
    const float webLeft = bf / 2 - tw / 2;
    const float webRight = bf / 2 + tw / 2;
    // Bottom flange left edge, up the web's left face, top flange round to the right, down the
    // web's right face, bottom flange right edge, and back to the start.
    const std::array<float, 13> xs = {0,  0,        webLeft,  webLeft, 0,  0, bf,
                                      bf, webRight, webRight, bf,      bf, 0};
    const std::array<float, 13> ys = {0,      tf,     tf, d - tf, d - tf, d, d,
                                      d - tf, d - tf, tf, tf,     0,      0};
    std::array<float, 13> px{};
    std::array<float, 13> py{};
    for (std::size_t i = 0; i < xs.size(); ++i) {
        px[i] = x0 + xs[i];
        py[i] = y0 + ys[i];
    }
    DrawPolyline(canvas, px, py, kSectionPenWidth, colour);
}

void DrawBoltGrid(DrawingCanvas& canvas, float x0, float y0, float D, int countY, int countX,
                  float pitchY, float pitchX, int colour) {
    // Int() of the pen: rounded down, and kept within what a pen can be before it becomes an
    // integer, so an extreme window cannot overflow the conversion.
    const double pen = std::floor(canvas.Width() / canvas.ScaleWidth() * D / kBoltPenDivisor) + 1;
    const int penWidth = !(pen >= 1)          ? 1
                         : pen > kMaxPenWidth ? kMaxPenWidth
                                              : static_cast<int>(pen);
    const float radius = D * kBoltRingFraction;
    for (int i = 1; i <= countX; ++i) {
        for (int j = 1; j <= countY; ++j) {
            canvas.SetDrawWidth(penWidth);
            const float cx = x0 + (i - 1) * pitchX;
            const float cy = y0 + (j - 1) * pitchY;
            canvas.Circle(cx, cy, radius, colour);
        }
    }
    canvas.SetDrawWidth(1);
}

namespace {

struct Point {
    float x;
    float y;
};

using ArrowPoints = std::array<Point, 5>;

void DrawArrowEnd(DrawingCanvas& canvas, const ArrowPoints& p) {
    canvas.Line(p[0].x, p[0].y, p[1].x, p[1].y);
    canvas.Line(p[0].x, p[0].y, p[2].x, p[2].y);
    canvas.Line(p[3].x, p[3].y, p[4].x, p[4].y);
}

}  // namespace

void DrawDimensionArrows(DrawingCanvas& canvas, float x1, float y1, float x2, float y2, int colour,
                         float arrowLength, float halfWidth, float tick) {
    const ArrowPoints arrow = {
        {{0, 0}, {arrowLength, halfWidth}, {arrowLength, -halfWidth}, {0, tick}, {0, -tick}}};
    const float run = x2 - x1;
    const float rise = y2 - y1;
    float theta = static_cast<float>(kDimensionHalfPi);
    if (run != 0) {
        theta = static_cast<float>(std::atan(static_cast<double>(rise) / run));
        if (x2 < x1) theta = static_cast<float>(theta + kDimensionPi);
    }

    ArrowPoints first{};
    const double c1 = std::cos(theta);
    const double s1 = std::sin(theta);
    for (std::size_t k = 0; k < first.size(); ++k) {
        const double u = arrow[k].x;
        const double v = arrow[k].y;
        first[k] = {static_cast<float>(x1 + u * c1 + v * s1),
                    static_cast<float>(y1 + u * s1 - v * c1)};
    }
    canvas.SetForeColor(colour);
    DrawArrowEnd(canvas, first);

    const float thetaBack = static_cast<float>(theta + kDimensionPi);
    const double c2 = std::cos(thetaBack);
    const double s2 = std::sin(thetaBack);
    ArrowPoints second{};
    for (std::size_t k = 0; k < second.size(); ++k) {
        const double u = arrow[k].x;
        const double v = arrow[k].y;
        second[k] = {static_cast<float>(x2 + u * c2 - v * s2),
                     static_cast<float>(y2 + v * c2 + u * s2)};
    }
    canvas.SetForeColor(colour);
    DrawArrowEnd(canvas, second);

    canvas.Line(x1, y1, x2, y2);
}

void DrawDimension(DrawingCanvas& canvas, float x1, float y1, float x2, float y2, int colour) {
    const float a = kArrowFraction * canvas.ScaleWidth();
    const float b = kArrowFraction * canvas.ScaleHeight();
    DrawDimensionArrows(canvas, x1, y1, x2, y2, colour, a, b / 2, b);

    const float run = x2 - x1;
    const float rise = y2 - y1;
    const double length =
        std::sqrt(static_cast<double>(rise) * rise + static_cast<double>(run) * run);
    const std::string label = FormatFixed(length, 0);
    const float dx = std::fabs(run);
    const float dy = std::fabs(rise);
    const double th = canvas.TextHeight("1");
    const double gap = kLabelGapFraction * canvas.ScaleWidth();
    if (dx > dy) {
        canvas.SetCurrentX((x1 + x2) / 2.0 - canvas.TextWidth(label) / 2);
        canvas.SetCurrentY((y1 + y2) / 2.0 - th + gap);
    } else {
        canvas.SetCurrentX((x1 + x2) / 2.0 + gap);
        canvas.SetCurrentY((y1 + y2) / 2.0 - th / 2);
    }
    canvas.Print(label);
}

int StaggeredCount(int n, bool first) {
    // Int(n / 2) rounds down, also for a negative count.
    const int half = n >= 0 ? n / 2 : -((-n + 1) / 2);
    return first && n % 2 != 0 ? half + 1 : half;
}

}  // namespace jw
